// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <utility>
#include <vector>

#include "table_state.h"

namespace tavolix {

// The blackjack total of positions 1..broj_karti of Carte, built card by card:
// an ace counts 11 while that keeps the hand at 21 or less, at most one ace at
// a time. The total is not capped, so a bust hand returns its full sum.
// Leaves in state.sum_soft whether an ace is counted as 11.
Integer SumaKarti(TableState& state, const Integer& broj_karti, const HandArray& Carte);

// Stores both hands' totals and soft flags (banco_sum, banco_soft,
// player_sum, player_soft) from their cards.
void store_hand_totals(TableState& state);

// One step of the same rule, for the engines that extend a total card by card.
inline void add_card(Integer& total, Integer& soft, Integer value) {
    total = static_cast<Integer>(total + value);
    if (value == kAce && soft == 0) {
        total = static_cast<Integer>(total + 10);
        soft = 1;
    }
    if (total > 21 && soft == 1) {
        total = static_cast<Integer>(total - 10);
        soft = 0;
    }
}

// The total and soft flag of a hand of card values, by the same rule.
inline std::pair<Integer, Integer> total_of(const std::vector<Integer>& values) {
    Integer total = 0;
    Integer soft = 0;
    for (const Integer value : values) {
        add_card(total, soft, value);
    }
    return {total, soft};
}

}  // namespace tavolix
