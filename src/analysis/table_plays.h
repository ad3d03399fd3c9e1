// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <memory_resource>

#include "hand_analysis.h"
#include "played_tree.h"
#include "scratch.h"
#include "shoe_finals.h"
#include "split_trees.h"
#include "table_money.h"

namespace tavolix::analysis {

// Everything the analysis says of a table but the panels' figures: the rows,
// the plays and the advice, the naturals and insurance. The table's hand is
// hand `at` of `tree`, played out already, and its splits (for a pair the
// rules let split) are `splits`, played out too.
void read_plays(HandAnalysis& analysis, const Table& table, const TableMoney& money,
                const PlayedTree& tree, std::size_t at, const SplitTrees* splits);

}  // namespace tavolix::analysis
