// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "index_charts.h"

#ifdef TAVOLIX_HAVE_INDEX_PLAYS
#include "counting/index_plays.h"
#endif

namespace tavolix::simulation {

std::variant<IndexCharts, std::string> index_charts(const DeckCounts& shoe, const TableRules& rules,
                                                    const counting::Count& count,
                                                    std::stop_token stop) {
#ifdef TAVOLIX_HAVE_INDEX_PLAYS
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
#else
    (void)shoe;
    (void)rules;
    (void)count;
    (void)stop;
    return std::string("this build has no index plays yet: use --indices none");
#endif
}

}  // namespace tavolix::simulation
