// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <memory_resource>
#include <optional>

#include "hand_analysis.h"
#include "played_tree.h"
#include "shoe_finals.h"
#include "split_plays.h"
#include "table_money.h"

namespace tavolix::analysis {

// The tree of initial hands a CDZ- split hand takes its plays from, and the
// hand in it that holds the pair card alone: a hand drawn from the shoe
// before the split, the other pair card still in it.
struct InitialHands {
    const PlayedTree* tree = nullptr;
    std::size_t pair_card = 0;
};

// A split worked out by the rules' post-split strategy. The hands of a split
// grow from the pair card alone, drawn from the shoe at the decision less
// the k pair cards that started further hands (k = 0 up to the hands the
// rules allow, less two): one tree for each k. The split's value sums, over
// the patterns the second cards can fall in (split_patterns), each hand's
// value in its tree, joint with the other hands' second cards being no pair
// card where the pattern says so; the per-hand method instead takes each
// tree's best plays at face value. `offset` is what the shoe at the decision
// lacks of the finals' base shoe.
class SplitTrees {
  public:
    SplitTrees(const Table& table, const TableMoney& money, ShoeFinals& finals, CardCode offset,
               std::pmr::memory_resource* memory, InitialHands initial = {});

    // Asks the finals for every shoe the trees leave; play_out() once they
    // are worked out, and after the initial hands are played out.
    void need_finals();
    void play_out(const DealerNatural& natural);

    // The split's EV, before any conditioning on the dealer's natural.
    double value() const;
    // E[X^2] of the split's money X by the same plays. Each hand's own
    // square comes exactly as its EV does. The hands' cross terms E[Xi Xj]
    // take the hands as independent once the dealer's final is known:
    // E[N (N - 1)] times the sum over the dealer's finals d of e[d]^2 / P(d),
    // e being a hand's mean E[X; d], the hands dealt as the per-hand method
    // deals them and played by the strategy's plays, and P(d) the dealer's
    // chance from the shoe at the split.
    double second_moment() const;

  private:
    // What the patterns' sums give: the split's EV and its hands' own squares.
    struct Sums {
        double ev = 0;
        double own_squares = 0;
    };
    Sums pattern_sums() const;
    double hand_pairs() const;
    double cross_term() const;
    // The per-hand method's figures.
    double per_hand_value() const;
    double per_hand_second_moment() const;

    const Table& table_;
    const TableMoney& money_;
    ShoeFinals& finals_;
    std::optional<ShoeFinals> followed_;  // the trees' finals, when the patterns ask for more
    CardCode offset_;
    InitialHands initial_;
    int pair_;
    PostSplit strategy_;
    SplitHandRules hand_;
    Vector<PlayedTree> by_k_;
    std::vector<Vector<HandPlay>> plays_;  // by k
    DealerNatural natural_;
    Sums sums_;  // once played out, but for the per-hand method
};

}  // namespace tavolix::analysis
