// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis/plain_analysis.h"
#include "analysis/table_analysis.h"
#include "core/card_entry.h"
#include "core/remaining_cards.h"
#include "dealer/banco.h"
#include "model/analysis_panel.h"
#include "model/calculate.h"
#include "model/exact_chances.h"
#include "model/strategy_text.h"
#include "player/player.h"

namespace tavolix {
namespace {

// A table entered as a user would, card by card, and calculated once so that
// the hand totals are stored.
TableState entered_table(std::initializer_list<int> banco, std::initializer_list<int> player,
                         int stand_at, int decks = 1, const char* rules = "TABLE") {
    TableState state;
    reset_to_start(state);
    state.rules = std::get<TableRules>(parse_rules(rules));
    state.stand_at = static_cast<Integer>(stand_at);
    state.deck_count = static_cast<Integer>(decks);
    Integer total = 0;
    for (const int face : banco) {
        enter_card(state, Side::Banco, static_cast<Integer>(face), total);
    }
    for (const int face : player) {
        enter_card(state, Side::Player, static_cast<Integer>(face), total);
    }
    calculate(state);
    return state;
}

// The player's deepest table: the most openings of any position.
void player_worst_case(benchmark::State& bench, DrawPath path) {
    TableState state = entered_table({1}, {1, 1}, 21);
    for (auto _ : bench) {
        player_figures(state, path);
        benchmark::DoNotOptimize(state.draw_stats[0][kStandColumn]);
    }
}
BENCHMARK_CAPTURE(player_worst_case, walk, DrawPath::walk)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(player_worst_case, tally, DrawPath::tally)->Unit(benchmark::kMicrosecond);

// The dealer's table with the most finished sequences.
void dealer_worst_case(benchmark::State& bench, DrawPath path) {
    TableState state = entered_table({2}, {7, 10}, 17);
    for (auto _ : bench) {
        dealer_figures(state, path);
        benchmark::DoNotOptimize(state.draw_stats[0][kDealerWins]);
    }
}
BENCHMARK_CAPTURE(dealer_worst_case, walk, DrawPath::walk)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(dealer_worst_case, tally, DrawPath::tally)->Unit(benchmark::kMicrosecond);

// Both engines on each of the 5,500 tables of one dealer card and two player
// cards at every threshold, as one calculation each would run them.
void small_table_sweep(benchmark::State& bench, DrawPath path) {
    std::vector<TableState> tables;
    for (int dealer = 1; dealer <= 10; ++dealer) {
        for (int first = 1; first <= 10; ++first) {
            for (int second = first; second <= 10; ++second) {
                for (int stand_at = 12; stand_at <= 21; ++stand_at) {
                    tables.push_back(entered_table({dealer}, {first, second}, stand_at));
                }
            }
        }
    }
    for (auto _ : bench) {
        for (TableState& state : tables) {
            dealer_figures(state, path);
            player_figures(state, path);
            benchmark::DoNotOptimize(state.draw_stats[0][kStandColumn]);
        }
    }
    bench.counters["tables"] = static_cast<double>(tables.size());
}
BENCHMARK_CAPTURE(small_table_sweep, walk, DrawPath::walk)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(small_table_sweep, tally, DrawPath::tally)->Unit(benchmark::kMillisecond);

// A click at eight decks on the deepest tables, as the window calculates:
// both engines with their panels, and the exact figures from the analysis.
void eight_deck_click(benchmark::State& bench, std::initializer_list<int> banco,
                      std::initializer_list<int> player) {
    TableState state = entered_table(banco, player, 21, 8);
    for (auto _ : bench) {
        const auto calculation = calculate(state);
        const ExactChances exact = exact_chances(calculation->analysis);
        benchmark::DoNotOptimize(exact.banco[kDealerWins] + exact.player[kStandColumn]);
    }
}
BENCHMARK_CAPTURE(eight_deck_click, AA_vs_A, {1}, {1, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(eight_deck_click, AA_vs_2, {2}, {1, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(eight_deck_click, 22_vs_A, {1}, {2, 2})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(eight_deck_click, 22_vs_2, {2}, {2, 2})->Unit(benchmark::kMicrosecond);

// The literal walk of both engines at eight decks on the deepest table.
void eight_deck_walk(benchmark::State& bench) {
    TableState state = entered_table({1}, {1, 1}, 21, 8);
    for (auto _ : bench) {
        dealer_figures(state, DrawPath::walk);
        player_figures(state, DrawPath::walk);
        benchmark::DoNotOptimize(state.draw_stats[0][kStandColumn]);
    }
}
BENCHMARK(eight_deck_walk)->Unit(benchmark::kMillisecond);

// A click on the table whose analysis has the most hands to play out, player
// A,A against a dealer 2 standing at 21: both engines, the exact analysis and
// its panel, as the window calculates.
void analysis_click(benchmark::State& bench, int decks) {
    TableState state = entered_table({2}, {1, 1}, 21, decks);
    for (auto _ : bench) {
        const auto calculation = calculate(state);
        const AnalysisPanel panel = analysis_panel(calculation->analysis, state.stand_at);
        benchmark::DoNotOptimize(panel.best_row);
    }
}
BENCHMARK_CAPTURE(analysis_click, one_deck, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(analysis_click, eight_decks, 8)->Unit(benchmark::kMillisecond);

// The memoised analysis against the plain walk that checks it, walked with
// no memory, on a table small enough for that: a 9 against a dealer 10, one
// deck.
constexpr long long kPlainLimit = 2'000'000;

void small_analysis(benchmark::State& bench, bool plainly) {
    const analysis::Table table = analysis::table_of(entered_table({10}, {5, 4}, 17));
    for (auto _ : bench) {
        if (plainly) {
            const auto result =
                analysis::analyse_plainly(table, {.dealer_cards_limit = kPlainLimit});
            if (!result) {
                bench.SkipWithError("the table is too big for the plain walk");
                break;
            }
            benchmark::DoNotOptimize(result->stand_ev);
        } else {
            benchmark::DoNotOptimize(analysis::analyse(table).stand_ev);
        }
    }
}
BENCHMARK_CAPTURE(small_analysis, plain, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(small_analysis, memoised, false)->Unit(benchmark::kMicrosecond);

// The heaviest rules: every split, hit and double of split aces, surrender.
constexpr const char* kHeaviestRules = "S17 DAS SPL3 RSA HSA LS";

// A click under the heaviest rules on the tables whose analysis costs most,
// pairs against a small card: both engines, the exact analysis with its
// splits, the panel, with the scratch the window keeps from click to click.
void rules_click(benchmark::State& bench, int decks, int up, int pair) {
    TableState state = entered_table({up}, {pair, pair}, 17, decks, kHeaviestRules);
    analysis::AnalysisScratch scratch;
    for (auto _ : bench) {
        const auto calculation = calculate(state, {}, {}, &scratch);
        const AnalysisPanel panel = analysis_panel(calculation->analysis, state.stand_at);
        benchmark::DoNotOptimize(panel.best_row);
    }
}
BENCHMARK_CAPTURE(rules_click, one_deck_44_vs_2, 1, 2, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rules_click, eight_decks_AA_vs_2, 8, 2, 1)->Unit(benchmark::kMillisecond);

// A click on a pair at eight decks under the heaviest rules, the split worked
// out by one post-split strategy: the pairs that split into the most hands
// that draw, against a small card.
void split_click(benchmark::State& bench, int pair, const char* post_split) {
    const std::string rules = std::string(kHeaviestRules) + " " + post_split;
    TableState state = entered_table({2}, {pair, pair}, 17, 8, rules.c_str());
    analysis::AnalysisScratch scratch;
    for (auto _ : bench) {
        const auto calculation = calculate(state, {}, {}, &scratch);
        const AnalysisPanel panel = analysis_panel(calculation->analysis, state.stand_at);
        benchmark::DoNotOptimize(panel.best_row);
    }
}
BENCHMARK_CAPTURE(split_click, AA_CDP1, 1, "CDP1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(split_click, 22_CDP1, 2, "CDP1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(split_click, 33_CDP1, 3, "CDP1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(split_click, 88_CDP1, 8, "CDP1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(split_click, AA_CDZ_minus, 1, "CDZ-")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(split_click, 22_CDZ_minus, 2, "CDZ-")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(split_click, 33_CDZ_minus, 3, "CDZ-")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(split_click, 88_CDZ_minus, 8, "CDZ-")->Unit(benchmark::kMillisecond);

// The plain walk that checks the analysis, remembering positions, on the
// one-deck worst table of the heaviest rules.
void rules_plain(benchmark::State& bench) {
    const analysis::Table table =
        analysis::table_of(entered_table({2}, {4, 4}, 17, 1, kHeaviestRules));
    for (auto _ : bench) {
        const auto result =
            analysis::analyse_plainly(table, {.memory = analysis::PlainMemory::by_position});
        benchmark::DoNotOptimize(result->stand_ev);
    }
}
BENCHMARK(rules_plain)->Unit(benchmark::kMillisecond);

// One whole round with its chart under the heaviest rules, on both cores:
// wall-clock time, which is what the user waits for.
void whole_round(benchmark::State& bench, int decks, const char* post_split = "CDP1") {
    const std::string rules = std::string(kHeaviestRules) + " " + post_split;
    const StrategyRequest request =
        full_shoe_request(std::get<TableRules>(parse_rules(rules)), decks);
    for (auto _ : bench) {
        const auto strategy = run_strategy(request);
        benchmark::DoNotOptimize(strategy->round_ev);
    }
}
BENCHMARK_CAPTURE(whole_round, one_deck, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(whole_round, eight_decks, 8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(whole_round, eight_decks_CDZ_minus, 8, "CDZ-")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(whole_round, eight_decks_PERHAND, 8, "PERHAND")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(whole_round, six_decks_CDP, 6, "CDP")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The next round's EV the shoe panel waits for: one deck after a round of
// twelve small cards and tens, the next hands still on the table, under the
// heaviest rules.
void next_round(benchmark::State& bench) {
    TableState state = entered_table({10}, {10, 6}, 17, 1, kHeaviestRules);
    for (const int face : {2, 3, 4, 5, 6, 5, 4, 3, 6, 2, 10, 13}) {
        state.cards_out[static_cast<std::size_t>(face)] += 1;
    }
    const StrategyRequest request{.shoe = cards_left(state), .rules = state.rules, .decks = 1};
    for (auto _ : bench) {
        const auto strategy = run_strategy(request);
        benchmark::DoNotOptimize(strategy->round_ev);
    }
}
BENCHMARK(next_round)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavolix
