// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>

#include "dealer_plays.h"
#include "hand_analysis.h"
#include "played_tree.h"

namespace tavolix::analysis {

// The insurance bet's EV per unit of that bet against a dealer's ace alone
// up, from the cards left after it: it pays 2 to 1 on a ten in the hole, so
// 3 P(ten) - 1. Nothing for an empty shoe.
std::optional<double> insurance_ev(const DeckCounts& after_ace);

// What the table's rules make of the cards on it: whether the dealer can
// have a natural in the hole and what it does, the naturals already dealt,
// and which plays the player has and what the ones without a tree pay.
class TableMoney {
  public:
    TableMoney(const Table& table, int banco_total, int player_total);

    DealerNatural dealer_natural() const { return natural_; }
    bool player_natural() const { return player_natural_; }
    bool dealer_natural_on_table() const { return dealer_natural_on_table_; }

    // With a natural on the table there is nothing to play: how standing
    // ends then.
    std::optional<Outcome> settled_outcome(const Shoe& shoe) const;

    bool may_double(bool soft) const;
    bool may_split() const;
    int most_hands() const { return table_.rules.splits + 1; }
    bool resplits() const;
    // How many counts of further pair cards the split method looks at.
    int split_steps() const { return resplits() ? most_hands() - 1 : 1; }

    std::optional<double> surrender(const Shoe& shoe) const;
    // E[X^2] of the surrender's money X, when surrender() has one.
    double surrender_second_moment(const Shoe& shoe) const;
    std::optional<double> insurance() const;

  private:
    double natural_chance(const Shoe& shoe) const;

    const Table& table_;
    int player_total_;
    DealerNatural natural_;
    bool player_natural_ = false;
    bool dealer_natural_on_table_ = false;
};

}  // namespace tavolix::analysis
