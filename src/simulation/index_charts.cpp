// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "index_charts.h"

#include "counting/index_plays.h"

namespace tavolix::simulation {

std::variant<IndexCharts, std::string> index_charts(const DeckCounts& shoe, const TableRules& rules,
                                                    const counting::Count& count,
                                                    std::stop_token stop) {
    if (!count.balanced()) {
        return std::string("index plays need a balanced count; " + count.name + " is not");
    }
    const std::optional<counting::IndexTable> table =
        counting::compute_indices(shoe, rules, count, {}, stop);
    if (!table) {
        return std::string("stopped while working out the index plays");
    }
    IndexCharts charts{.insurance_index = table->insurance_index};
    for (int k = counting::kLowestIndexCount; k <= counting::kHighestIndexCount; ++k) {
        charts.charts[static_cast<std::size_t>(k - counting::kLowestIndexCount)] =
            table->chart_at(k);
    }
    return charts;
}

}  // namespace tavolix::simulation
