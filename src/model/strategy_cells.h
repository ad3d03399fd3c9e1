// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "strategy_text.h"

namespace tavolix {

using strategy::ChartRow;
using strategy::RowKind;

// The chart's rows and columns with no play in them: what a grid shows
// before a strategy is ready.
strategy::Chart chart_layout();

// The chart's rows of one kind: hard, soft or pairs.
const std::vector<ChartRow>& chart_rows(const strategy::Chart& chart, RowKind kind);

// How a row is headed in a grid: the hard total, "A,2".."A,9" for the soft
// totals, the pair.
std::string row_caption(const ChartRow& row);

// A two-card hand: "A,7" with an ace, else the higher card first, "10,6".
std::string hand_text(int first, int second);

// What one cell says in full: the row against the up card and its code,
// then a line per two-card hand of the row that the shoe deals, with the EV
// of every play the rules allow and the play the hand takes on its own.
std::string cell_details(const Strategy& strategy, const ChartRow& row, std::size_t column,
                         const StrategyWords& words = {});

// The standing-at-N figures in lines, heading first: what a screen reader
// says for the small chart of them.
std::string stand_at_text(const Strategy& strategy, const StrategyWords& words = {});

// A cell of a chart by its place.
struct ChartCellAt {
    RowKind kind = RowKind::hard;
    std::size_t row = 0;
    std::size_t column = 0;  // in the order of strategy::kChartUps
    bool operator==(const ChartCellAt&) const = default;
};

// The cells two charts play differently, a cell with no play and one with
// a play included; hard rows first, then soft, then pairs, each row by row.
std::vector<ChartCellAt> differing_cells(const strategy::Chart& first,
                                         const strategy::Chart& second);

}  // namespace tavolix
