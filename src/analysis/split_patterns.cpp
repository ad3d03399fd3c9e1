// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "split_patterns.h"

#include <algorithm>
#include <cassert>

namespace tavolix::analysis {

namespace {

// `hands` hands are out and `done` have their second card; the current
// hand, the next without one, waits for its second card.
void deal_seconds(int most_hands, int hands, int done, std::vector<SplitPattern>& patterns) {
    const int pair_cards = hands - 2;
    if (done == hands || hands == most_hands) {
        const SplitPattern shape{.pair_cards = pair_cards, .others = done};
        const auto same = std::find_if(patterns.begin(), patterns.end(), [&](const auto& seen) {
            return seen.pair_cards == shape.pair_cards && seen.others == shape.others;
        });
        if (same != patterns.end()) {
            ++same->orders;
        } else {
            patterns.push_back({.pair_cards = pair_cards, .others = done, .orders = 1});
        }
        return;
    }
    deal_seconds(most_hands, hands + 1, done, patterns);  // a pair card: one more hand
    deal_seconds(most_hands, hands, done + 1, patterns);  // another card: the hand is done
}

}  // namespace

std::vector<SplitPattern> split_patterns(int most_hands, bool resplits) {
    assert(most_hands >= 2);
    std::vector<SplitPattern> patterns;
    // Without resplits both second cards are any cards.
    deal_seconds(resplits ? most_hands : 2, 2, 0, patterns);
    return patterns;
}

double all_among(int wanted, int cards, int drawn) {
    double chance = 1.0;
    for (int i = 0; i < drawn; ++i) {
        if (cards - i <= 0) {
            return 0.0;
        }
        chance *= static_cast<double>(std::max(0, wanted - i)) / (cards - i);
    }
    return chance;
}

double pattern_chance(const SplitPattern& pattern, int pair_cards, int cards) {
    // Pair cards first, then the others: every order of them is as likely.
    return pattern.orders * all_among(pair_cards, cards, pattern.pair_cards) *
           all_among(cards - pair_cards, cards - pattern.pair_cards, pattern.others);
}

}  // namespace tavolix::analysis
