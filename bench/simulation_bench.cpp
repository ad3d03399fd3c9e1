// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <benchmark/benchmark.h>

#include "simulation/run.h"

namespace tavolix::simulation {
namespace {

// The counter's usual game: six decks, S17 DAS LS, Hi-Lo with a 1-12 ramp,
// three quarters dealt. The index plays join when they are built in.
const Game& six_deck_game() {
    static const Game game = [] {
        SimulationOptions options{
            .rules = std::get<TableRules>(parse_rules("S17 DAS LS")),
            .decks = 6,
            .penetration = 0.75,
            .ramp = {{1, 1}, {2, 2}, {3, 4}, {4, 8}, {5, 12}},
            .rounds = 8u << 18,
            .block_rounds = 1u << 18,
        };
        auto prepared = prepare_game(options);
        return std::get<Game>(std::move(prepared));
    }();
    return game;
}

void six_decks(benchmark::State& bench, unsigned threads) {
    const Game& game = six_deck_game();
    std::uint64_t rounds = 0;
    std::uint64_t seed = 1;
    for (auto _ : bench) {
        SimulationOptions options = game.options;
        RunState state = fresh_state(options);
        Game seeded = game;
        seeded.options.seed = seed++;
        run(seeded, threads, state);
        rounds += state.sums.rounds_dealt;
        benchmark::DoNotOptimize(state.sums.money);
    }
    bench.counters["rounds_per_second"] =
        benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(six_decks, one_thread, 1u)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(six_decks, two_threads, 2u)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavolix::simulation
