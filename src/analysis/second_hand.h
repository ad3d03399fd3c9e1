// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <span>

#include "played_tree.h"
#include "shoe_finals.h"
#include "split_plays.h"

namespace tavolix::analysis {

// What the second hand of a split into two wins, and its square, played
// best for the cards the first hand left: for every way the first hand ends
// (its cards, as `first_plays` plays the hands of `first`, the tree of the
// first hand from the pair card alone), a tree of the second hand from the
// shoe those cards leave, played by its own best plays. The dealer plays
// after both; every order of the same cards being as likely, the second
// hand's worth is as if the dealer followed it at once, whatever the first
// hand holds. `first` asked `finals` for its shoes; the second hands' trees
// ask it for theirs.
struct SecondHand {
    double ev = 0;
    double square = 0;
};
SecondHand best_second_hand(const PlayedTree& first, std::span<const HandPlay> first_plays,
                            ShoeFinals& finals, CardCode first_offset, const DealerNatural& natural,
                            const SplitHandRules& hand, const TableRules& rules);

}  // namespace tavolix::analysis
