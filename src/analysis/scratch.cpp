// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "scratch.h"

namespace tavolix::analysis {

namespace {

// Enough for most tables of one deck, so a first analysis rarely overflows.
constexpr std::size_t kFirstBuffer = std::size_t{1} << 20;

std::vector<std::byte>& sized(std::vector<std::byte>& buffer) {
    if (buffer.empty()) {
        buffer.resize(kFirstBuffer);
    }
    return buffer;
}

}  // namespace

ScratchArena::ScratchArena(AnalysisScratch& scratch)
    : scratch_(scratch),
      arena_(sized(scratch.buffer_).data(), scratch.buffer_.size(), &overflow_) {}

ScratchArena::~ScratchArena() {
    arena_.release();
    if (overflow_.bytes > 0) {
        // Room for all of this analysis at once next time, and some more.
        const std::size_t needed = scratch_.buffer_.size() + overflow_.bytes;
        scratch_.buffer_ = std::vector<std::byte>(needed + needed / 2);
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
