// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/hand_analysis.h"
#include "core/table_rules.h"
#include "table_fixtures.h"

namespace tavolix::analysis::testing {

// The analysis' table of the hands given as face numbers (1 = A ... 13 = K),
// from a shoe of `decks` decks, under the rules given.
Table table_at(int decks, const std::vector<int>& banco, const std::vector<int>& player,
               int stand_at = 17, const TableRules& rules = {});

using tavolix::testing::rules_of;

// "S17 ENHC: dealer 10, player 8 8 at 17, 49 cards left": a table for
// messages.
std::string describe(const Table& table);

struct Figure {
    std::string name;
    double value;
};

// Every figure of an analysis, each named: the rows, the EV of every play
// with whether it is offered, the flags, the advice and its outcome, and the
// panels' figures. Choices and flags are numbers too, so that a difference
// of one shows.
std::vector<Figure> figures_of(const HandAnalysis& analysis);

// The figures that differ by more than `tolerance`, each with both values.
std::vector<std::string> differences(const HandAnalysis& one, const HandAnalysis& other,
                                     double tolerance);

// The largest gap between the two analyses' figures.
double largest_difference(const HandAnalysis& one, const HandAnalysis& other);

}  // namespace tavolix::analysis::testing
