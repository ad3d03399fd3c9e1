// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <span>

namespace tavolix::analysis {

// What the per-hand split method needs to know once k further pair cards have
// been dealt as second cards, the shoe lacking them (and nothing of the other
// hands' cards): the chance that a hand's next second card is a pair card,
// and what a hand gains from the second cards that end its splitting, with
// the pair card among them or not. Each gain is the sum over the second
// cards of their chance times the best play of the two-card hand.
struct SplitStep {
    double pair_card = 0;  // q(k)
    double others = 0;     // V(k) over the second cards but the pair card
    double with_pair = 0;  // V(k) over every second card, a pair card played as it is
};

// The EV of splitting: two hands, each waiting for its second card in turn;
// a pair card starts another hand while fewer than `most_hands` are out and
// resplits are allowed. steps[k] for k = 0 .. most_hands - 2, or steps[0]
// alone without resplits.
double split_ev(std::span<const SplitStep> steps, int most_hands, bool resplits);

// E[N (N - 1)] of the number N of hands the split ends with, dealt as
// split_ev deals them: the ordered pairs of two different hands.
double split_hand_pairs(std::span<const SplitStep> steps, int most_hands, bool resplits);

}  // namespace tavolix::analysis
