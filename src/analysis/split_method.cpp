// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "split_method.h"

#include <cassert>

namespace tavolix::analysis {

namespace {

// `waiting` hands still want their second card and k pair cards have gone as
// second cards; every split has added a hand, so 2 + k hands are out.
double hands_to_come(std::span<const SplitStep> steps, int most_hands, bool resplits, int waiting,
                     int k) {
    if (waiting == 0) {
        return 0.0;
    }
    const SplitStep& step = steps[static_cast<std::size_t>(k)];
    if (!resplits || 2 + k >= most_hands) {
        return waiting * step.with_pair;
    }
    return step.others +
           step.pair_card * hands_to_come(steps, most_hands, resplits, waiting + 1, k + 1) +
           (1.0 - step.pair_card) * hands_to_come(steps, most_hands, resplits, waiting - 1, k);
}

// The split ends with 2 + k hands once no hand waits or no more may be out.
double hand_pairs(std::span<const SplitStep> steps, int most_hands, bool resplits, int waiting,
                  int k) {
    if (waiting == 0 || !resplits || 2 + k >= most_hands) {
        return (2.0 + k) * (1.0 + k);
    }
    const double pair_card = steps[static_cast<std::size_t>(k)].pair_card;
    return pair_card * hand_pairs(steps, most_hands, resplits, waiting + 1, k + 1) +
           (1.0 - pair_card) * hand_pairs(steps, most_hands, resplits, waiting - 1, k);
}

}  // namespace

double split_ev(std::span<const SplitStep> steps, int most_hands, bool resplits) {
    assert(most_hands >= 2 &&
           steps.size() >= static_cast<std::size_t>(resplits ? most_hands - 1 : 1));
    return hands_to_come(steps, most_hands, resplits, 2, 0);
}

double split_hand_pairs(std::span<const SplitStep> steps, int most_hands, bool resplits) {
    assert(most_hands >= 2 &&
           steps.size() >= static_cast<std::size_t>(resplits ? most_hands - 1 : 1));
    return hand_pairs(steps, most_hands, resplits, 2, 0);
}

}  // namespace tavolix::analysis
