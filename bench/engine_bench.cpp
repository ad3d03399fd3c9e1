#include <benchmark/benchmark.h>

#include <initializer_list>
#include <vector>

#include "core/card_entry.h"
#include "dealer/banco.h"
#include "model/calculate.h"
#include "player/player.h"

namespace tavolix {
namespace {

// A table entered as a user would, card by card, and calculated once so that
// the hand totals are stored.
TableState entered_table(std::initializer_list<int> banco, std::initializer_list<int> player,
                         int stand_at) {
    TableState state;
    reset_to_start(state);
    state.stand_at = static_cast<Integer>(stand_at);
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

}  // namespace
}  // namespace tavolix
