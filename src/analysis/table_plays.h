// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <memory_resource>

#include "hand_analysis.h"
#include "played_tree.h"
#include "scratch.h"
#include "shoe_finals.h"
#include "table_money.h"

namespace tavolix::analysis {

// The trees of hands a split plays, one for each count k of further pair
// cards dealt as second cards: each from the pair card alone, drawn from the
// shoe at the decision less those k cards. Split aces without HSA take their
// second card and no more. `offset` is what the shoe at the decision lacks of
// the finals' base shoe.
class SplitTrees {
  public:
    SplitTrees(const Table& table, const TableMoney& money, CardCode offset,
               std::pmr::memory_resource* memory);

    void need_finals(ShoeFinals& finals);
    void play_out(const ShoeFinals& finals, const DealerNatural& natural);
    // The split's EV by the per-hand method, before any conditioning on the
    // dealer's natural.
    double value() const;
    // E[X^2] of the split's money X, by the same method and the same plays.
    // Each hand's own square comes exactly as its EV does. The hands' cross
    // terms E[Xi Xj] take the hands as independent once the dealer's final
    // is known, each joint with that final as its own tree plays it, and
    // every hand alike: E[N (N - 1)] times the sum over the dealer's finals
    // d of e[d]^2 / P(d), e being a hand's mean of E[X; d] and P(d) the
    // dealer's chance from the shoe at the split.
    double second_moment() const;

  private:
    enum class HandPlay { best, doubled };
    // Each second card a hand of tree can take, with its chance, the two-card
    // hand it makes and how that is played.
    template <class Use>
    void each_second_card(const PlayedTree& tree, const Use& use) const;

    const Table& table_;
    const TableMoney& money_;
    int pair_;
    Vector<PlayedTree> by_k_;
};

// Everything the analysis says of a table but the panels' figures: the rows,
// the plays and the advice, the naturals and insurance. The table's hand is
// hand `at` of `tree`, played out already, and its splits (for a pair the
// rules let split) are `splits`, played out too.
void read_plays(HandAnalysis& analysis, const Table& table, const TableMoney& money,
                const PlayedTree& tree, std::size_t at, const SplitTrees* splits);

}  // namespace tavolix::analysis
