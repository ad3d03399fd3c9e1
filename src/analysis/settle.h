// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "dealer_plays.h"
#include "hand_analysis.h"

namespace tavolix::analysis {

// What a dealer's natural does to a player's hand that is none.
enum class NaturalCounts {
    as_21,      // a two-card 21 like any other: the panels, and the TABLE dealer
    left_out,   // PEEK: the dealer has looked and holds none, so its share is no outcome
    beats_all,  // ENHC: it takes the bet, whatever the player's total
};

// A standing player's total against the dealer's final totals: a dealer bust
// or a lower total wins, the same total pushes, a higher one loses.
inline Outcome settle(const DealerFinals& finals, int player_total,
                      NaturalCounts natural = NaturalCounts::as_21) {
    Outcome outcome;
    outcome.win = finals.chance[DealerFinals::kBust];
    for (int total = 16; total <= 21; ++total) {
        double chance = finals.of_total(total);
        if (total == 21 && natural == NaturalCounts::as_21) {
            chance += finals.chance[DealerFinals::kNatural];
        }
        if (total < player_total) {
            outcome.win += chance;
        } else if (total == player_total) {
            outcome.push += chance;
        } else {
            outcome.lose += chance;
        }
    }
    if (natural == NaturalCounts::beats_all) {
        outcome.lose += finals.chance[DealerFinals::kNatural];
    }
    return outcome;
}

inline DealerChances dealer_view(const DealerFinals& finals, int player_total) {
    const Outcome player = settle(finals, player_total);
    return {.wins = player.lose,
            .push = player.push,
            .loses = player.win - finals.chance[DealerFinals::kBust],
            .busts = finals.chance[DealerFinals::kBust]};
}

inline void add_scaled(Outcome& sum, const Outcome& part, double chance) {
    sum.win += chance * part.win;
    sum.push += chance * part.push;
    sum.lose += chance * part.lose;
}

// The better of standing and drawing on; standing on a tie.
inline const Outcome& better(const Outcome& stand, const Outcome& hit) {
    return hit.ev() > stand.ev() + kTie ? hit : stand;
}

}  // namespace tavolix::analysis
