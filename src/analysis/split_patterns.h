// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <vector>

namespace tavolix::analysis {

// How the second cards of a split fall, as far as the round's shape goes.
// The hands are completed left to right; a hand's second card that is a pair
// card starts a new hand while one more is allowed, and the hand is dealt
// another. Which later hands exist, and whether a pair card may still start
// one, depends only on which second cards were pair cards; so the rounds
// group into patterns, each with its own number of hands.
//
// Every order of the same cards being as likely, the round may be dealt all
// its second cards first and the hands played out after, each one as if it
// came first and the dealer followed at once: the other hands' play takes
// cards no hand's strategy looks at. What a pattern leaves a hand knowing is
// then the pair cards gone and how many of the other second cards are known
// not to be pair cards (those dealt while a hand could still start); the
// second cards dealt after the last hand started are any cards and change
// nothing.
struct SplitPattern {
    int pair_cards = 0;  // second cards that started hands: the split has 2 + this
    int others = 0;      // second cards dealt while a hand could start: no pair card
    int orders = 0;      // the orders of pair and other second cards with this shape
    int hands() const { return 2 + pair_cards; }
    // The hands whose second card came after the last hand started.
    int free_hands() const { return hands() - others; }
};

// Every pattern a split can take with at most `most_hands` hands, pair cards
// starting hands only when `resplits`; patterns of the same shape merged.
std::vector<SplitPattern> split_patterns(int most_hands, bool resplits);

// The chance of a pattern from a shoe of `pair_cards` pair cards among
// `cards`: its pair cards and its other cards in one order, times its
// orders.
double pattern_chance(const SplitPattern& pattern, int pair_cards, int cards);

// The chance that the first `drawn` cards of a shoe of `cards` are all
// among `wanted` of them: (wanted)_drawn over (cards)_drawn.
double all_among(int wanted, int cards, int drawn);

}  // namespace tavolix::analysis
