// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <benchmark/benchmark.h>

#include <variant>

#include "core/table_rules.h"
#include "counting/index_plays.h"
#include "counting/removal_effects.h"
#include "strategy/round.h"

namespace tavolix {
namespace {

// The heaviest rules: every split, hit and double of split aces, surrender.
constexpr const char* kHeaviestRules = "S17 DAS SPL3 RSA HSA LS";

// The effects of removal of a full shoe: eleven whole rounds, on both cores,
// wall clock.
void removal_effects(benchmark::State& bench, int decks) {
    const TableRules rules = std::get<TableRules>(parse_rules(kHeaviestRules));
    const DeckCounts shoe = strategy::full_shoe(decks);
    for (auto _ : bench) {
        const auto effects = counting::compute_removal_effects(shoe, rules);
        benchmark::DoNotOptimize(effects->round_ev);
    }
}
BENCHMARK_CAPTURE(removal_effects, eight_decks, 8)->Unit(benchmark::kMillisecond)->UseRealTime();

// Hi-Lo's whole index table: a whole round on every shoe the expected
// compositions of 21 true counts lean on, both cores, wall clock; one run a
// repetition, each takes seconds.
void index_table(benchmark::State& bench, int decks) {
    const TableRules rules = std::get<TableRules>(parse_rules(kHeaviestRules));
    const DeckCounts shoe = strategy::full_shoe(decks);
    for (auto _ : bench) {
        const auto table = counting::compute_indices(shoe, rules, counting::hi_lo_count());
        benchmark::DoNotOptimize(table->plays.size());
    }
}
BENCHMARK_CAPTURE(index_table, six_decks, 6)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace tavolix
