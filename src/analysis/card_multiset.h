// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <memory_resource>
#include <utility>

#include "scratch.h"

namespace tavolix::analysis {

// A multiset of card values packed six bits per value, the ten in the top
// bits: sorting codes orders multisets by their tens, then nines, and so on
// down to the aces, which keeps every multiset sharing the higher counts in
// one run. No hand draws 64 cards of one value.
using CardCode = std::uint64_t;

inline constexpr int kCodeBits = 6;

inline constexpr CardCode one_card(int value) {
    return CardCode{1} << (kCodeBits * (value - 1));
}

inline constexpr int count_in(CardCode code, int value) {
    return static_cast<int>((code >> (kCodeBits * (value - 1))) & ((CardCode{1} << kCodeBits) - 1));
}

// Finds the index given to a multiset, or gives it the next one: the
// memoisation on what has left the shoe. Open addressing, so a lookup costs a
// multiply and, most of the time, one probe.
class CodeIndex {
  public:
    explicit CodeIndex(std::size_t expected,
                       std::pmr::memory_resource* memory = std::pmr::get_default_resource());

    // The index of code, and whether it was given just now.
    std::pair<int, bool> find_or_add(CardCode code);
    int size() const { return size_; }

  private:
    void grow();

    static constexpr CardCode kEmpty = ~CardCode{0};
    Vector<CardCode> codes_;
    Vector<int> indexes_;
    int size_ = 0;
    int shift_ = 0;
};

}  // namespace tavolix::analysis
