// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "remaining_cards.h"
#include "table_state.h"

namespace tavolix {

// The shoe in play: what is left of it, and the Hi-Lo count of every card
// that has left it, the cards out and both hands. A 2 to 6 counts +1, a 7 to
// 9 nothing, a ten or an ace -1; the true count is the running count per deck
// left. The count says how the cards left lean, not what a hand is worth.
struct ShoeCount {
    int cards = 0;  // a full shoe's
    int left = 0;
    DeckCounts by_value{};  // left, index 1..10
    int running = 0;
    double true_count = 0;  // 0 for an empty shoe
};

// The Hi-Lo tag of a card value.
constexpr int hi_lo(Integer value) {
    if (value >= 2 && value <= 6) {
        return 1;
    }
    return value >= 7 && value <= 9 ? 0 : -1;
}

ShoeCount shoe_count(const TableState& state);

}  // namespace tavolix
