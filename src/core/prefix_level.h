// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <vector>

#include "table_state.h"

namespace tavolix {

// The cards drawn so far, as a count per card value and not in order: five
// bits per value, value v in bits 5(v-1)..5v-1. A prefix that still draws
// stays below 21 with every card counting at least 1, so it holds fewer than
// 21 cards and no count overflows its five bits, at any number of decks.
using DrawnCards = std::uint64_t;
inline constexpr int kDrawnBits = 5;

inline int drawn_of(DrawnCards cards, int value) {
    return static_cast<int>((cards >> (kDrawnBits * (value - 1))) & ((1U << kDrawnBits) - 1));
}

inline DrawnCards with_card(DrawnCards cards, int value) {
    return cards + (DrawnCards{1} << (kDrawnBits * (value - 1)));
}

// Every sequence of cards that leads to a given set of drawn cards leaves the
// same cards in the deck and the same total, so the sequences of one length
// that keep drawing are kept as one entry per set, with the number of
// sequences (orderings) that reach it.
struct DrawnPrefix {
    DrawnCards cards = 0;
    std::int64_t orderings = 0;
    Integer total = 0;
    Integer soft = 0;
    double reach = 0;  // the chance of drawing these cards in one of those orderings
};

// The prefixes of one length, merged by their cards. A small open-addressing
// index finds the entry of a set of cards; entries stay in the order they
// were first added.
class PrefixLevel {
  public:
    void clear();
    bool empty() const { return prefixes_.empty(); }
    const std::vector<DrawnPrefix>& prefixes() const { return prefixes_; }

    // Adds `orderings` sequences ending in `cards`, drawn with chance `reach`;
    // total and soft are those of the cards (the same for every order in
    // which they were drawn).
    void add(DrawnCards cards, std::int64_t orderings, Integer total, Integer soft,
             double reach = 0);

  private:
    std::size_t slot_of(DrawnCards cards) const;
    void grow();

    std::vector<DrawnPrefix> prefixes_;
    // Index into prefixes_ plus one; 0 marks a free slot. The size is a power
    // of two at least twice the number of entries.
    std::vector<std::uint32_t> slots_;
    int shift_ = 64;
};

}  // namespace tavolix
