// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The per-hand split method checked against a simulation of its own
// assumptions: what the simulation deals and how it plays is what the method
// supposes, so the two agree unless the method's sum over resplits is wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "analysis/hand_analysis.h"
#include "analysis/plain_analysis.h"
#include "analysis_figures.h"
#include "simulated_play.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix::analysis {
namespace {

using simulated::SplitWorld;
using tavolix::testing::kSanitized;
using testing::describe;
using testing::rules_of;
using testing::table_at;

struct SplitCase {
    int decks;
    int up;
    int pair;
    const char* rules;
};

void PrintTo(const SplitCase& given, std::ostream* out) {
    *out << given.decks << " decks " << given.pair << " " << given.pair << " v " << given.up << " "
         << given.rules;
}

class SplitMethod : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitMethod, agrees_with_a_simulation_of_its_own_assumptions) {
    const SplitCase& given = GetParam();
    const Table table =
        table_at(given.decks, {given.up}, {given.pair, given.pair}, 17, rules_of(given.rules));
    const std::string name = describe(table);
    const auto analysis = analyse_plainly(table, {.memory = PlainMemory::by_position});
    ASSERT_TRUE(analysis && analysis->split_ev) << name;

    simulated::SplitPlays plays(table);
    const bool hole_case = given.up == 1 || given.up == 10;
    const bool peek = table.rules.hole_card == HoleCard::peek;
    const SplitWorld world{table,
                           plays,
                           hole_case && casino_dealer(table.rules),
                           given.up == 1 ? 10 : 1,
                           table.rules.dealer,
                           peek};
    const int cards = cards_in(table.shoe);
    // Under PEEK the method's figure is given no natural: the share of the
    // deals that have none.
    const double kept = world.hole_case && peek
                            ? 1.0 - static_cast<double>(table.shoe[world.natural_card]) / cards
                            : 1.0;

    const int rounds = kSanitized ? 20'000 : 100'000;
    std::mt19937_64 random(20260613 + given.decks * 100 + given.pair * 10 + given.up);
    double sum = 0;
    double squares = 0;
    for (int round = 0; round < rounds; ++round) {
        const double worth = simulated::play_split(world, random) / kept;
        sum += worth;
        squares += worth * worth;
    }
    const double mean = sum / rounds;
    const double error = std::sqrt((squares / rounds - mean * mean) / rounds);
    EXPECT_NEAR(mean, *analysis->split_ev, 4.0 * error)
        << name << ": simulated " << mean << " +- " << error;
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, SplitMethod,
    ::testing::Values(SplitCase{1, 6, 8, "S17"}, SplitCase{6, 6, 8, "S17 DAS"},
                      SplitCase{1, 6, 1, "S17"}, SplitCase{6, 5, 1, "S17 DAS RSA HSA"},
                      SplitCase{1, 5, 4, "H17 DAS SPL2"}, SplitCase{1, 10, 8, "H17 ENHC DAS"},
                      SplitCase{6, 1, 8, "S17 SPL2"}, SplitCase{1, 7, 2, "TABLE DAS"}),
    tavolix::testing::described_row<SplitCase>);

}  // namespace
}  // namespace tavolix::analysis
