// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "prepared_strategies.h"

namespace tavolix::simulation {

const strategy::Strategy* PreparedStrategies::strategy(const TableRules& rules, int decks) const {
    const std::lock_guard lock(mutex_);
    for (const Kept& kept : kept_) {
        if (kept.strategy && kept.rules == rules && kept.decks == decks) {
            return kept.strategy.get();
        }
    }
    return nullptr;
}

const strategy::Strategy& PreparedStrategies::keep(const TableRules& rules, int decks,
                                                   strategy::Strategy found) {
    const std::lock_guard lock(mutex_);
    kept_.push_back({.rules = rules,
                     .decks = decks,
                     .count = {},
                     .strategy = std::make_unique<strategy::Strategy>(std::move(found)),
                     .charts = nullptr});
    return *kept_.back().strategy;
}

const IndexCharts* PreparedStrategies::charts(const TableRules& rules, int decks,
                                              const counting::Count& count) const {
    const std::lock_guard lock(mutex_);
    for (const Kept& kept : kept_) {
        if (kept.charts && kept.rules == rules && kept.decks == decks && kept.count == count) {
            return kept.charts.get();
        }
    }
    return nullptr;
}

const IndexCharts& PreparedStrategies::keep(const TableRules& rules, int decks,
                                            const counting::Count& count, IndexCharts found) {
    const std::lock_guard lock(mutex_);
    kept_.push_back({.rules = rules,
                     .decks = decks,
                     .count = count,
                     .strategy = nullptr,
                     .charts = std::make_unique<IndexCharts>(std::move(found))});
    return *kept_.back().charts;
}

}  // namespace tavolix::simulation
