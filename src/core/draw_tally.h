// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "draw_walk.h"
#include "prefix_level.h"

namespace tavolix {

// The same tallies as walk_draws, in far fewer steps. Everything a position's
// row counts depends only on which cards were drawn before it, not on their
// order: the cards left, and the total, which at most one soft ace makes the
// best total of the cards. So the prefixes of each length that keep drawing
// are merged by their cards, each with the number of its orderings in which
// every card said "draw again" (an ordering that stopped on the way is no
// prefix at all), and every row entry is a whole number below 2^53, exact
// whatever the order of the sums.
//
// Needs the fields as start_walk leaves them and fills draw_stats rows 1..12
// (columns 0..4 and 6) and draw_depth exactly as walk_draws would. The other
// work fields end as the walk leaves them too: draw_pos 0 and draw_seq 11 at
// positions 1..draw_depth. Returns how many sequences the walk would finish.
template <class Classify>
std::int64_t tally_draws(TableState& state, Integer start_sum, Integer start_soft,
                         Classify classify) {
    std::array<int, 11> in_deck{};
    for (Integer value = 1; value <= 10; ++value) {
        in_deck[value] = Ostalo_karata(state, value, Integer{1});
    }

    std::int64_t finished = 0;
    PrefixLevel level;
    PrefixLevel next;
    level.add(DrawnCards{0}, 1, start_sum, start_soft);
    int pos = 1;
    for (;;) {
        auto& row = state.draw_stats[pos];
        for (const DrawnPrefix& prefix : level.prefixes()) {
            row[kOpenings] += static_cast<double>(prefix.orderings);
            for (int value = 1; value <= 10; ++value) {
                const int count = in_deck[value] - drawn_of(prefix.cards, value);
                if (count < 1) {
                    continue;
                }
                Integer total = prefix.total;
                Integer soft = prefix.soft;
                add_card(total, soft, static_cast<Integer>(value));
                const int column = classify(total, soft);
                row[column] += static_cast<double>(prefix.orderings * count);
                if (column != kDrawAgain) {
                    finished += prefix.orderings;
                    continue;
                }
                if (pos + 1 >= kSlots) {
                    walk_out_of_bounds();
                }
                next.add(with_card(prefix.cards, value), prefix.orderings, total, soft);
            }
        }
        if (next.empty()) {
            break;
        }
        ++pos;
        std::swap(level, next);
        next.clear();
    }

    state.draw_depth = static_cast<Integer>(pos);
    state.draw_pos = 0;
    for (int i = 1; i <= pos; ++i) {
        state.draw_seq[i] = 11;
    }
    return finished;
}

}  // namespace tavolix
