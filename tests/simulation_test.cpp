// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <random>

#include "simulation/checkpoint.h"
#include "simulation/figures.h"
#include "simulation/run.h"
#include "simulation/table_round.h"
#include "strategy/round.h"
#include "table_fixtures.h"

namespace tavolix::simulation {
namespace {

TableRules rules_of(std::string_view text) {
    return std::get<TableRules>(parse_rules(text));
}

Game game_of(const SimulationOptions& options) {
    auto game = prepare_game(options);
    if (auto* error = std::get_if<std::string>(&game)) {
        ADD_FAILURE() << *error;
    }
    return std::get<Game>(std::move(game));
}

Figures simulate(const SimulationOptions& options, unsigned threads) {
    const Game game = game_of(options);
    RunState state = fresh_state(options);
    EXPECT_TRUE(run(game, threads, state));
    return figures_of(state.sums, std::nullopt, std::nullopt);
}

// Flat bets from a fresh shoe every round, each hand played as the exact
// analysis of the full shoe plays it: the advantage is the round's EV.
struct ExactCase {
    int decks;
    const char* rules;
};

class AgainstExactRound : public ::testing::TestWithParam<ExactCase> {};

TEST_P(AgainstExactRound, advantage_is_the_round_ev_within_four_errors) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "millions of rounds: checked outside the sanitizers";
    }
    const ExactCase& c = GetParam();
    SimulationOptions options{.rules = rules_of(c.rules),
                              .decks = c.decks,
                              .penetration = 0,
                              .play = PlayStyle::composition,
                              .rounds = 4'000'000,
                              .seed = 29};
    const auto exact = strategy::compute_strategy(strategy::full_shoe(c.decks), options.rules);
    ASSERT_TRUE(exact.has_value());
    const Figures figures = simulate(options, 2);
    EXPECT_NEAR(figures.advantage, exact->round_ev, 4 * figures.advantage_se)
        << c.rules << ", " << c.decks << " decks";
    std::cout << c.rules << ", " << c.decks << " decks: simulated " << figures.advantage << " +- "
              << figures.advantage_se << ", exact " << exact->round_ev << "\n";
}

INSTANTIATE_TEST_SUITE_P(Rules, AgainstExactRound,
                         ::testing::Values(ExactCase{1, "S17 SPL0"}, ExactCase{6, "S17 SPL0"},
                                           ExactCase{1, "H17 ENHC SPL0 LS BJ6:5 D10"},
                                           ExactCase{6, "H17 ENHC SPL0 LS BJ6:5 D10"}));

}  // namespace
}  // namespace tavolix::simulation
