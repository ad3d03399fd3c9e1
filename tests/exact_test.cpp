// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dealer/banco.h"
#include "model/form1_model.h"
#include "player/player.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

using testing::make_table;

// The path-weighted figures of a table as the model gives them beside the
// panels, with the dealer's and the player's engine runs for comparison.
struct Weighted {
    ExactChances exact;
    Calculation calculation;
};

Weighted weighted(const std::vector<int>& banco, const std::vector<int>& player, int stand_at) {
    Form1Model model;
    model.Form_Load();
    model.Combo1_Click(stand_at - 12);
    for (const int face : banco) {
        model.Label3_Click(face - 1);
    }
    for (const int face : player) {
        model.Label3_Click(26 - face);
    }
    return {model.exact_chances(), *model.last_calculation()};
}

TEST(PlayerExact, weights_each_sequence_by_its_own_probability) {
    // The averaged figure for this table is about 0.541891: positions 2 to 4
    // have several entries of unequal probability.
    const auto chances = weighted({10}, {10, 2}, 17).exact.player;
    EXPECT_NEAR(chances[kStandColumn], 0.5412654886, 5e-11);
    EXPECT_NEAR(chances[kBust], 0.4587345114, 5e-11);
}

// Tables where every sequence ends at the first card drawn: there the
// averaged figure is the exact one.
struct SinglePathCase {
    const char* name;
    std::vector<int> banco;
    std::vector<int> player;
    int stand_at;
};

class OnePositionTables : public ::testing::TestWithParam<SinglePathCase> {};

TEST_P(OnePositionTables, give_the_engines_figures_exactly) {
    const auto& table = GetParam();
    const Weighted figures = weighted(table.banco, table.player, table.stand_at);
    const EngineRun& dealer = figures.calculation.banco;
    ASSERT_EQ(dealer.draw_depth, 1);
    for (int column = kDealerWins; column <= kBust; ++column) {
        EXPECT_NEAR(figures.exact.banco[column], dealer.draw_stats[0][column], 1e-15) << column;
    }
    const EngineRun& player = figures.calculation.player;
    ASSERT_EQ(player.draw_depth, 1);
    EXPECT_NEAR(figures.exact.player[kStandColumn], player.draw_stats[0][kStandColumn], 1e-15);
    EXPECT_NEAR(figures.exact.player[kBust], player.draw_stats[0][kBust], 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, OnePositionTables,
    ::testing::Values(
        // A dealer 16 against 19 draws once and stops; the player stands on
        // an ace or a two, 8 cards of 48.
        SinglePathCase{"dealer_10_6_player_10_9", {10, 6}, {10, 9}, 17},
        // The dealer stands on 17 and draws nothing; the player takes one card.
        SinglePathCase{"dealer_10_7_player_10_8", {10, 7}, {10, 8}, 17},
        SinglePathCase{"dealer_k_6_player_j_9_2_hard_21", {13, 6}, {11, 9, 2}, 21}),
    [](const auto& test) { return std::string(test.param.name); });

// The window's dealer engine draws a card even onto a hand that stands; the
// exact figures follow the rule, so a dealer already standing draws nothing.
TEST(DealerExact, leaves_a_dealer_who_already_stands_as_he_is) {
    const auto against_21 = weighted({10, 7}, {10, 9, 2}, 17).exact.banco;
    EXPECT_EQ(against_21[kDealerLoses], 1.0);
    EXPECT_EQ(against_21[kBust], 0.0);
    // A 16 stands against a player's 16 or less, and draws against 17.
    EXPECT_EQ(weighted({10, 6}, {10, 6}, 17).exact.banco[kPush], 1.0);
    EXPECT_GT(weighted({10, 6}, {10, 7}, 17).exact.banco[kBust], 0.5);
}

TEST(DealerExact, stays_close_to_the_averaged_worked_example) {
    const Weighted figures = weighted({10}, {10, 8}, 17);
    for (int column = kDealerWins; column <= kBust; ++column) {
        const double averaged = figures.calculation.banco.draw_stats[0][column];
        EXPECT_NEAR(figures.exact.banco[column], averaged, 5e-4) << column;
        EXPECT_NE(figures.exact.banco[column], averaged) << column;
    }
}

}  // namespace
}  // namespace tavolix
