// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "game.h"
#include "shoe.h"

namespace tavolix::simulation {

// What the first seat's round came to for a bet of one unit: the money in
// tenths of the unit (insurance included) and the hands it played.
struct RoundMoney {
    int money = 0;
    int hands = 0;
};

// The floored true count of a running count in half points with `unseen`
// cards not yet dealt, the decks left counted exactly.
inline int floored_true_count(int half_running, int unseen) {
    return divided_true_count(half_running, unseen, TcDivision::floor);
}

inline int count_slot(int true_count) {
    return (true_count < kLowestCount    ? kLowestCount
            : true_count > kHighestCount ? kHighestCount
                                         : true_count) -
           kLowestCount;
}

// One round dealt from `shoe` to every seat and the dealer, as at a table;
// `half_running` follows every card seen.
RoundMoney play_round(const Game& game, Shoe& shoe, int& half_running);

}  // namespace tavolix::simulation
