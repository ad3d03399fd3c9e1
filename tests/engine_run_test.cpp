// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "dealer/dealer_report.h"
#include "model/calculate.h"
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

// With reports the engines walk every sequence; without, they merge the
// prefixes by their cards and must still count every sequence one by one.
TEST_P(FinishedSequences, match_the_lines_of_the_combinations_files_on_both_paths) {
    TableState walked =
        testing::make_table(GetParam().banco, GetParam().player, GetParam().stand_at);
    walked.write_reports = 1;
    const testing::ScratchDir dir;
    const auto with_reports =
        calculate(walked, {.directory = dir.path(), .decimal_separator = "."});
    TableState tallied =
        testing::make_table(GetParam().banco, GetParam().player, GetParam().stand_at);
    const auto without_reports = calculate(tallied);
    ASSERT_TRUE(with_reports.has_value());
    ASSERT_TRUE(without_reports.has_value());

    const auto dealer_lines = testing::read_report_lines(dir.path() / kDealerCombinationsFile);
    const auto player_lines = testing::read_report_lines(dir.path() / kPlayerCombinationsFile);
    EXPECT_EQ(static_cast<std::size_t>(with_reports->banco.sequences), dealer_lines.size());
    EXPECT_EQ(static_cast<std::size_t>(with_reports->player.sequences), player_lines.size());
    EXPECT_EQ(without_reports->banco.sequences, with_reports->banco.sequences);
    EXPECT_EQ(without_reports->player.sequences, with_reports->player.sequences);
    EXPECT_EQ(without_reports->banco.draw_stats, with_reports->banco.draw_stats);
    EXPECT_EQ(without_reports->banco.draw_depth, with_reports->banco.draw_depth);
    EXPECT_GT(with_reports->player.sequences, 0);
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
