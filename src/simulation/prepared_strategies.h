// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "core/table_rules.h"
#include "counting/count.h"
#include "index_charts.h"
#include "strategy/round.h"

namespace tavolix::simulation {

// The strategies of the full shoe and the index charts worked out so far,
// kept by a caller that prepares many games (a comparison of games, a
// fuzzer), so that games of the same rules and decks (and count) work them
// out once: they take seconds, the rounds of a small game milliseconds.
// Safe to share between threads.
class PreparedStrategies {
  public:
    const strategy::Strategy* strategy(const TableRules& rules, int decks) const;
    const strategy::Strategy& keep(const TableRules& rules, int decks, strategy::Strategy found);
    const IndexCharts* charts(const TableRules& rules, int decks,
                              const counting::Count& count) const;
    const IndexCharts& keep(const TableRules& rules, int decks, const counting::Count& count,
                            IndexCharts found);

  private:
    struct Kept {
        TableRules rules;
        int decks;
        counting::Count count;  // of the index charts
        std::unique_ptr<strategy::Strategy> strategy;
        std::unique_ptr<IndexCharts> charts;
    };
    mutable std::mutex mutex_;
    std::vector<Kept> kept_;
};

}  // namespace tavolix::simulation
