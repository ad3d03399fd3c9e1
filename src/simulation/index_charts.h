// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <stop_token>
#include <string>
#include <variant>

#include "core/remaining_cards.h"
#include "core/table_rules.h"
#include "counting/count.h"
#include "strategy/chart.h"

namespace tavolix::simulation {

// What the index plays of a count make of the chart at each floored true
// count -10..10, and the count at which insurance pays.
struct IndexCharts {
    std::array<strategy::Chart, 21> charts{};
    std::optional<int> insurance_index;
};

std::variant<IndexCharts, std::string> index_charts(const DeckCounts& shoe, const TableRules& rules,
                                                    const counting::Count& count,
                                                    std::stop_token stop);

}  // namespace tavolix::simulation
