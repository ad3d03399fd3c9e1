// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstddef>

#include "played_tree.h"
#include "shoe_finals.h"

namespace tavolix::analysis {

// What the rules let a split hand do: draw after its second card (all but
// split aces without HSA) and double on two cards (DAS, the double rule and
// the aces' rule allowing).
struct SplitHandRules {
    int pair = 0;
    bool draws = true;
    bool doubles = false;

    bool may_double(const PlayerHand& two_cards, const TableRules& rules) const;
};

SplitHandRules split_hand_rules(int pair, const TableRules& rules);

// The best play of hand i of a played-out tree by its own values, as a split
// hand: the better of standing and drawing on, and on `two_cards` the double
// where it is allowed and pays more; ties go to the plainer play.
HandPlay best_split_play(const PlayedTree& tree, std::size_t i, bool two_cards,
                         const SplitHandRules& hand, const TableRules& rules);

// The plays of a tree of split hands (its root the pair card alone, the
// hands one card further the two-card hands), each its best by its own
// values.
Vector<HandPlay> own_plays(const PlayedTree& tree, const SplitHandRules& hand,
                           const TableRules& rules);

// The same, each hand played as the same cards are best played in `by`,
// whose hand `by_root` holds what the root of `tree` holds: `by` deals from
// a shoe with every card `tree` can deal, so it holds every hand of `tree`.
Vector<HandPlay> plays_by(const PlayedTree& tree, const PlayedTree& by, std::size_t by_root,
                          const SplitHandRules& hand, const TableRules& rules);

// What a split hand wins, and its square, from each hand of a tree on, played
// as `plays` says, joint with the event that the `following` cards after the
// dealer's hand are no pair card: the finals are those `finals` keeps for the
// pair, which the tree asked for.
struct FollowedValues {
    Vector<double> ev;
    Vector<double> square;
};
FollowedValues followed_values(const PlayedTree& tree, std::span<const HandPlay> plays,
                               const ShoeFinals& finals, int following,
                               const DealerNatural& natural);

// Over the second cards a split hand can be dealt from the tree's shoe: the
// sums of their chance times the two-card hand's value, all of them, and
// those but the pair card.
struct SecondCardSums {
    double all = 0;
    double others = 0;
};
SecondCardSums second_card_sums(const PlayedTree& tree, std::span<const double> values, int pair);

}  // namespace tavolix::analysis
