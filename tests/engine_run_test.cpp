#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/commands/calculate.h"
#include "dealer/dealer_report.h"
#include "player/player_report.h"
#include "report_dir.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

using Row = std::array<double, kStatColumns>;

TEST(Calculation, keeps_the_dealer_tallies_that_the_player_run_overwrites) {
    TableState state = testing::make_table({10}, {10, 8});
    const auto calculation = calculate(state);
    ASSERT_TRUE(calculation.has_value());
    EXPECT_EQ(calculation->banco.draw_stats[1], (Row{20, 22, 3, 4, 0, 49, 1}));
    EXPECT_EQ(calculation->banco.draw_depth, 6);
    EXPECT_NEAR(calculation->banco.draw_stats[0][kDealerWins], 0.56266, 5e-6);
    // The shared work fields hold the player's run, and so does its copy.
    EXPECT_EQ(calculation->player.draw_stats, state.draw_stats);
    EXPECT_EQ(calculation->player.draw_depth, state.draw_depth);
    EXPECT_EQ(calculation->player.draw_stats[1], (Row{0, 12, 0, 0, 37, 49, 1}));
}

struct SequenceCase {
    const char* name;
    std::vector<int> banco;
    std::vector<int> player;
    int stand_at;
};

class FinishedSequences : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(FinishedSequences, match_the_lines_of_the_combinations_files) {
    TableState state =
        testing::make_table(GetParam().banco, GetParam().player, GetParam().stand_at);
    state.write_reports = 1;
    const testing::ScratchDir dir;
    const auto calculation = calculate(state, {.directory = dir.path(), .decimal_separator = '.'});
    ASSERT_TRUE(calculation.has_value());
    EXPECT_EQ(static_cast<std::size_t>(calculation->banco.sequences),
              testing::read_report_lines(dir.path() / kDealerCombinationsFile).size());
    EXPECT_EQ(static_cast<std::size_t>(calculation->player.sequences),
              testing::read_report_lines(dir.path() / kPlayerCombinationsFile).size());
    EXPECT_GT(calculation->player.sequences, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, FinishedSequences,
    ::testing::Values(SequenceCase{"dealer_10_player_10_8", {10}, {10, 8}, 17},
                      SequenceCase{"dealer_2_player_7_10", {2}, {7, 10}, 17},
                      SequenceCase{"dealer_10_player_10_2_at_21", {10}, {10, 2}, 21},
                      SequenceCase{"dealer_a_6_player_2_3_at_12", {1, 6}, {2, 3}, 12}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace tavolix
