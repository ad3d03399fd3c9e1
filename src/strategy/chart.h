// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/hand_analysis.h"

namespace tavolix::strategy {

struct InitialHand;

// The up cards of the chart's columns: 2 to 10, then the ace.
inline constexpr std::array<int, 10> kChartUps{2, 3, 4, 5, 6, 7, 8, 9, 10, 1};

enum class RowKind { hard, soft, pair };

// A two-card hand by its values, first <= second, and how it plays.
struct HandPlay {
    int first = 0;
    int second = 0;
    analysis::Play play = analysis::Play::stand;
};

// One up card's play for a row: the play of the highest EV over the row's
// hands, each weighed by how likely it is dealt. A double or a surrender
// names its fallback, the better of hit and stand. A cell is marked where a
// hand of its row plays otherwise on its own; those hands are its
// exceptions. No play where the shoe deals no hand of the row.
struct ChartCell {
    int up = 0;
    std::optional<analysis::Play> play = std::nullopt;
    std::optional<analysis::Play> fallback = std::nullopt;
    std::string code = {};  // "S", "H", "P", "Dh", "Ds", "Rh", "Rs"; empty without a play
    bool marked = false;
    std::vector<HandPlay> exceptions = {};
};

struct ChartRow {
    RowKind kind = RowKind::hard;
    std::string label;                            // "12", "13" (A,2), "8,8", "A,A"
    std::vector<std::pair<int, int>> hands = {};  // the two-card hands the row holds
    std::array<ChartCell, 10> cells{};            // in the order of kChartUps
};

// Hard 5..19 (two values, neither an ace), soft 13..20 (A,2..A,9), and the
// pairs 2,2..10,10 and A,A.
struct Chart {
    std::vector<ChartRow> hard;
    std::vector<ChartRow> soft;
    std::vector<ChartRow> pairs;
};

Chart make_chart(const std::vector<InitialHand>& hands);

// Each play's EV for a row against one up card, in the order of kPlays: the
// EVs of the row's hands weighed by how likely each is dealt. A play counts
// for the row only when every hand of it may play it; the rules allow the
// same plays to every hand of one total. None at all without a hand.
using PlayEvs = std::array<std::optional<double>, analysis::kPlays.size()>;
PlayEvs cell_play_evs(const std::vector<const InitialHand*>& row_hands);

// The hands of `row` dealt against `up`, those the shoe can deal.
std::vector<const InitialHand*> row_hands(const ChartRow& row, int up,
                                          const std::vector<InitialHand>& hands);

// The play of the highest EV, ties going to the plainer play; none without
// an EV.
std::optional<analysis::Play> best_play(const PlayEvs& evs);
// The better of hitting and standing, for a double or a surrender that is not
// allowed after all (a third card, a table without it).
analysis::Play fallback_play(const PlayEvs& evs);

// A play's code letter: "S", "H", "D", "P" or "R".
const char* play_letter(analysis::Play play);

}  // namespace tavolix::strategy
