// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "card_multiset.h"

#include <bit>

namespace tavolix::analysis {

namespace {

std::size_t slots_for(std::size_t expected) {
    return std::bit_ceil(std::max<std::size_t>(16, expected * 2));
}

}  // namespace

CodeIndex::CodeIndex(std::size_t expected, std::pmr::memory_resource* memory)
    : codes_(slots_for(expected), kEmpty, memory),
      indexes_(codes_.size(), -1, memory),
      shift_(64 - std::countr_zero(codes_.size())) {}

std::pair<int, bool> CodeIndex::find_or_add(CardCode code) {
    if (static_cast<std::size_t>(size_ + 1) * 2 > codes_.size()) {
        grow();
    }
    const std::size_t mask = codes_.size() - 1;
    std::size_t slot = static_cast<std::size_t>((code * 0x9E3779B97F4A7C15ULL) >> shift_);
    while (codes_[slot] != kEmpty) {
        if (codes_[slot] == code) {
            return {indexes_[slot], false};
        }
        slot = (slot + 1) & mask;
    }
    codes_[slot] = code;
    indexes_[slot] = size_;
    return {size_++, true};
}

void CodeIndex::grow() {
    Vector<CardCode> old_codes(codes_.size() * 2, kEmpty, codes_.get_allocator());
    Vector<int> old_indexes(old_codes.size(), -1, indexes_.get_allocator());
    old_codes.swap(codes_);
    old_indexes.swap(indexes_);
    shift_ = 64 - std::countr_zero(codes_.size());
    const std::size_t mask = codes_.size() - 1;
    for (std::size_t i = 0; i < old_codes.size(); ++i) {
        if (old_codes[i] == kEmpty) {
            continue;
        }
        std::size_t slot =
            static_cast<std::size_t>((old_codes[i] * 0x9E3779B97F4A7C15ULL) >> shift_);
        while (codes_[slot] != kEmpty) {
            slot = (slot + 1) & mask;
        }
        codes_[slot] = old_codes[i];
        indexes_[slot] = old_indexes[i];
    }
}

}  // namespace tavolix::analysis
