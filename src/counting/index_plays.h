// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "count.h"
#include "strategy/round.h"

namespace tavolix::counting {

// The true counts an index is looked for within, and the charts kept for.
inline constexpr int kLowestIndexCount = -10;
inline constexpr int kHighestIndexCount = 10;
inline constexpr int kIndexCounts = kHighestIndexCount - kLowestIndexCount + 1;

enum class IndexKind { hard, soft, pair, insurance };

// What a player does at a decision an index decides: the chart's plays, and
// the insurance bet taken or not.
enum class Decision { stand, hit, double_down, split, surrender, insure, no_insurance };

// One index play: in the chart's cell (kind, row, up) the play `higher` is
// made at floored true counts at or above `index`, `lower` below it. The
// two plays' EVs, per unit bet, cross at the true count `crossing`.
struct IndexPlay {
    IndexKind kind = IndexKind::hard;
    std::string row;  // the chart's row label; "A" for insurance
    int up = 0;       // 1 (ace) .. 10
    Decision higher = Decision::stand;
    Decision lower = Decision::hit;
    int index = 0;
    double crossing = 0;
    // Both plays' EVs at the composition of the true count `index`.
    double higher_ev = 0;
    double lower_ev = 0;
};

// The index plays of one balanced count for one game, and the chart a
// counter plays at each floored true count -10..+10: a count past either end
// plays that end's chart.
struct IndexTable {
    Count count;
    TableRules rules;
    DeckCounts shoe{};
    std::vector<IndexPlay> plays = {};  // by kind, row, up card, then crossing
    std::array<strategy::Chart, kIndexCounts> charts{};
    // Take insurance at or above it; none where the rules offer no insurance.
    std::optional<int> insurance_index = std::nullopt;

    const strategy::Chart& chart_at(int floored_true_count) const;
};

// Every index of a balanced count for these rules, from `shoe` (a full shoe,
// or one in play): at each true count the exact EVs of the plays on the
// composition the count expects there, and where the better play changes.
// Nothing for an unbalanced count, whose true count does not tell the
// composition of the cards left without the depth of the shoe (a caller
// refuses it first, naming the fault); nothing when `stop` is requested
// before it ends. Progress counts the up cards of the rounds worked out on
// the expected compositions.
std::optional<IndexTable> compute_indices(const DeckCounts& shoe, const TableRules& rules,
                                          const Count& count,
                                          const strategy::Progress& progress = {},
                                          std::stop_token stop = {});

}  // namespace tavolix::counting
