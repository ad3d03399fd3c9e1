#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dealer/banco.h"
#include "player/player.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

using testing::make_table;

double dealer_total(const OutcomeChances& chances) {
    return chances[kDealerWins] + chances[kPush] + chances[kDealerLoses] + chances[kBust];
}

TEST(PlayerExact, weights_each_sequence_by_its_own_probability) {
    // The averaged figure for this table is about 0.541891: positions 2 to 4
    // have several entries of unequal probability.
    const OutcomeChances chances = player_exact(make_table({10}, {10, 2}, 17));
    EXPECT_NEAR(chances[kStandColumn], 0.541265, 5e-7);
    EXPECT_NEAR(chances[kBust], 0.458735, 5e-7);
    EXPECT_EQ(chances[kDrawAgain], 0);
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
    TableState dealer_state = make_table(table.banco, table.player, table.stand_at);
    const OutcomeChances dealer = dealer_exact(dealer_state);
    Banco(dealer_state);
    ASSERT_EQ(dealer_state.draw_depth, 1);
    for (int column = kDealerWins; column <= kBust; ++column) {
        EXPECT_DOUBLE_EQ(dealer[column], dealer_state.draw_stats[0][column]) << column;
    }

    TableState player_state = make_table(table.banco, table.player, table.stand_at);
    const OutcomeChances player = player_exact(player_state);
    Player(player_state);
    ASSERT_EQ(player_state.draw_depth, 1);
    EXPECT_DOUBLE_EQ(player[kStandColumn], player_state.draw_stats[0][kStandColumn]);
    EXPECT_DOUBLE_EQ(player[kBust], player_state.draw_stats[0][kBust]);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, OnePositionTables,
    ::testing::Values(
        // Aces and twos stand on 20 and 21, the rest bust: 8 of 49.
        SinglePathCase{"dealer_10_7_player_10_9", {10, 7}, {10, 9}, 17},
        // The dealer stands on 17 and draws nothing; the player takes one card.
        SinglePathCase{"dealer_10_7_player_10_8", {10, 7}, {10, 8}, 17},
        SinglePathCase{"dealer_k_q_player_j_9_2_hard_21", {13, 12}, {11, 9, 2}, 21}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PlayerExact, counts_eight_of_forty_nine_for_ten_nine_against_five) {
    const OutcomeChances chances = player_exact(make_table({5}, {10, 9}, 17));
    EXPECT_DOUBLE_EQ(chances[kStandColumn], 8.0 / 49.0);
    EXPECT_DOUBLE_EQ(chances[kBust], 41.0 / 49.0);
}

TEST(DealerExact, stays_close_to_the_averaged_worked_example) {
    TableState state = make_table({10}, {10, 8});
    const OutcomeChances chances = dealer_exact(state);
    Banco(state);
    for (int column = kDealerWins; column <= kBust; ++column) {
        EXPECT_NEAR(chances[column], state.draw_stats[0][column], 5e-4) << column;
        EXPECT_NE(chances[column], state.draw_stats[0][column]) << column;
    }
}

TEST(ExactChances, leave_out_a_value_the_hands_hold_more_of_than_the_deck) {
    // Four aces with the dealer and one with the player: no ace can be drawn,
    // so a soft 12 of the player can only improve by 2 to 10.
    const TableState state = make_table({1, 1, 1, 1}, {1, 1}, 21);
    EXPECT_EQ(cards_left(state)[1], 0);
    const OutcomeChances player = player_exact(state);
    EXPECT_NEAR(player[kStandColumn] + player[kBust], 1.0, 1e-12);
    EXPECT_NEAR(dealer_total(dealer_exact(state)), 1.0, 1e-12);
}

// Every table of one dealer card and two player cards at every threshold.
TEST(ExactChances, add_up_to_one_for_every_small_table) {
    for (int dealer = 1; dealer <= 10; ++dealer) {
        for (int first = 1; first <= 10; ++first) {
            for (int second = first; second <= 10; ++second) {
                const std::string name = "dealer " + std::to_string(dealer) + ", player " +
                                         std::to_string(first) + " " + std::to_string(second);
                ASSERT_NEAR(dealer_total(dealer_exact(make_table({dealer}, {first, second}))), 1.0,
                            1e-12)
                    << name;
                for (int stand_at = 12; stand_at <= 21; ++stand_at) {
                    const OutcomeChances player =
                        player_exact(make_table({dealer}, {first, second}, stand_at));
                    ASSERT_NEAR(player[kStandColumn] + player[kBust], 1.0, 1e-12)
                        << name << " at " << stand_at;
                    ASSERT_GE(player[kStandColumn], 0) << name;
                    ASSERT_GE(player[kBust], 0) << name;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tavolix
