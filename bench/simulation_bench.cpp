// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <benchmark/benchmark.h>

#include "model/game_comparison.h"
#include "model/request_run.h"
#include "simulation/run.h"

namespace tavolix::simulation {
namespace {

// The counter's usual game: six decks, S17 DAS LS, Hi-Lo with the i18
// index plays and a 1-12 ramp, three quarters dealt.
SimulationOptions six_deck_options() {
    return {
        .rules = std::get<TableRules>(parse_rules("S17 DAS LS")),
        .decks = 6,
        .penetration = 0.75,
        .indices = IndexSet::i18,
        .ramp = {{1, 1}, {2, 2}, {3, 4}, {4, 8}, {5, 12}},
        .rounds = 8u << 18,
        .block_rounds = 1u << 18,
    };
}

// The strategy and the index charts of that game, worked out once for every
// benchmark that plays it.
PreparedStrategies& known() {
    static PreparedStrategies strategies;
    return strategies;
}

// The game with the true count exact and floored, or from a half-deck
// estimate and truncated.
const Game& six_deck_game(bool reckoned_at_the_table) {
    static const auto prepared = [](TcDecks d, TcDivision v) {
        SimulationOptions options = six_deck_options();
        options.tc_decks = d;
        options.tc_division = v;
        auto game = prepare_game(options, {}, &known());
        return std::get<Game>(std::move(game));
    };
    static const Game exact = prepared(TcDecks::exact, TcDivision::floor);
    static const Game reckoned = prepared(TcDecks::half, TcDivision::truncate);
    return reckoned_at_the_table ? reckoned : exact;
}

void six_decks_by(benchmark::State& bench, unsigned threads, bool reckoned_at_the_table) {
    const Game& game = six_deck_game(reckoned_at_the_table);
    std::uint64_t rounds = 0;
    std::uint64_t seed = 1;
    for (auto _ : bench) {
        RunState state = fresh_state(game.options);
        Game seeded = game;
        seeded.options.seed = seed++;
        run(seeded, threads, state);
        rounds += state.sums.rounds_dealt;
        benchmark::DoNotOptimize(state.sums.money);
    }
    bench.counters["rounds_per_second"] =
        benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
}

void six_decks(benchmark::State& bench, unsigned threads) {
    six_decks_by(bench, threads, false);
}
BENCHMARK_CAPTURE(six_decks, one_thread, 1u)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(six_decks, two_threads, 2u)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same game with the true count a player reckons at the table: the
// decks left judged to the nearest half deck, the quotient truncated.
void six_decks_half_truncated(benchmark::State& bench, unsigned threads) {
    six_decks_by(bench, threads, true);
}
BENCHMARK_CAPTURE(six_decks_half_truncated, one_thread, 1u)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(six_decks_half_truncated, two_threads, 2u)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The optimal ramp for a 1-12 spread on the same game, its strategy and
// index charts already worked out: the whole run (the pilot of a quarter
// of the rounds, then the game) against the pilot alone and the game with
// the ramp it chose alone, on both cores.
SimulationRequest optimal_request() {
    SimulationRequest request{.options = six_deck_options(), .threads = 2};
    request.options.ramp.clear();
    request.optimal_ramp = OptimalRampWanted{.spread = 12};
    return request;
}

void optimal_ramp_whole(benchmark::State& bench) {
    const SimulationRequest request = optimal_request();
    for (auto _ : bench) {
        auto report = run_request(request, {}, {}, &known());
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(optimal_ramp_whole)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void optimal_ramp_pilot(benchmark::State& bench) {
    const SimulationRequest request = optimal_request();
    for (auto _ : bench) {
        auto chosen = choose_optimal_ramp(request, 12, pilot_rounds_of(request), {}, {}, &known());
        benchmark::DoNotOptimize(chosen);
    }
}
BENCHMARK(optimal_ramp_pilot)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void optimal_ramp_game(benchmark::State& bench) {
    SimulationRequest request = optimal_request();
    const auto chosen =
        choose_optimal_ramp(request, 12, pilot_rounds_of(request), {}, {}, &known());
    request.optimal_ramp.reset();
    request.options.ramp = std::get<OptimalRamp>(chosen).ramp;
    for (auto _ : bench) {
        auto report = run_request(request, {}, {}, &known());
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(optimal_ramp_game)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Ten games of a million rounds (4, 6 and 8 decks, S17 and H17, 75 and
// 83 % dealt, a back-counter and an optimal ramp among them) compared in one
// run against each run alone, each preparing its own strategy as a process
// of its own would.
std::vector<ComparedGame> ten_games() {
    const char* lines[] = {
        "--decks 4 --rules \"S17 DAS LS\" --ramp 1:1,2:2,3:4,4:8",
        "--decks 4 --rules \"H17 DAS LS\" --ramp 1:1,2:2,3:4,4:8",
        "--decks 6 --rules \"S17 DAS LS\" --ramp 1:1,2:2,3:4,4:8",
        "--decks 6 --rules \"S17 DAS LS\" --penetration 0.83 --ramp 1:1,2:2,3:4,4:8",
        "--decks 6 --rules \"H17 DAS LS\" --ramp 1:1,2:2,3:4,4:8",
        "--decks 6 --rules \"H17 DAS LS\" --penetration 0.83 --ramp 1:1,2:2,3:4,4:8",
        "--decks 8 --rules \"S17 DAS\" --ramp 1:1,2:2,3:4,4:8",
        "--decks 8 --rules \"H17 DAS\" --ramp 1:1,2:2,3:4,4:8",
        "--decks 6 --rules \"S17 DAS LS\" --back-count 2:0 --ramp 2:2,3:4,4:8",
        "--decks 6 --rules \"S17 DAS LS\" --ramp optimal --spread 8",
    };
    const std::vector<GivenOption> common{{"rounds", "1048576"}, {"threads", "2"}};
    std::vector<ComparedGame> games;
    for (const char* line : lines) {
        games.push_back(std::get<ComparedGame>(compared_game(line, common)));
    }
    return games;
}

void compare_ten_games(benchmark::State& bench) {
    const std::vector<ComparedGame> games = ten_games();
    for (auto _ : bench) {
        auto results = run_games(games);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(compare_ten_games)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void compare_ten_alone(benchmark::State& bench) {
    const std::vector<ComparedGame> games = ten_games();
    for (auto _ : bench) {
        for (const ComparedGame& game : games) {
            auto report = run_request(game.request);
            benchmark::DoNotOptimize(report);
        }
    }
}
BENCHMARK(compare_ten_alone)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace tavolix::simulation
