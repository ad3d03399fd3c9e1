// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "scratch.h"

namespace tavolix::analysis {

namespace {

// Enough for most tables of one deck, so a first analysis rarely overflows.
constexpr std::size_t kFirstBuffer = std::size_t{1} << 20;

// A buffer of `wanted` bytes in place of the old one, which goes first so
// that the two are never held at once; its bytes are not zeroed.
void renew(std::unique_ptr<std::byte[]>& buffer, std::size_t& size, std::size_t wanted) {
    buffer.reset();
    buffer = std::make_unique_for_overwrite<std::byte[]>(wanted);
    size = wanted;
}

std::byte* sized(std::unique_ptr<std::byte[]>& buffer, std::size_t& size) {
    if (!buffer) {
        renew(buffer, size, kFirstBuffer);
    }
    return buffer.get();
}

}  // namespace

ScratchArena::ScratchArena(AnalysisScratch& scratch)
    : scratch_(scratch), arena_(sized(scratch.buffer_, scratch.size_), scratch.size_, &overflow_) {}

ScratchArena::~ScratchArena() {
    arena_.release();
    if (overflow_.bytes > 0) {
        // Room for all of this analysis at once next time, and some more.
        const std::size_t needed = scratch_.size_ + overflow_.bytes;
        renew(scratch_.buffer_, scratch_.size_, needed + needed / 2);
    }
}

void* ScratchArena::Overflow::do_allocate(std::size_t size, std::size_t alignment) {
    bytes += size;
    return std::pmr::new_delete_resource()->allocate(size, alignment);
}

void ScratchArena::Overflow::do_deallocate(void* at, std::size_t size, std::size_t alignment) {
    std::pmr::new_delete_resource()->deallocate(at, size, alignment);
}

}  // namespace tavolix::analysis
