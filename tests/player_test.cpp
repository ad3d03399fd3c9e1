// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>

#include "player/player.h"
#include "player/player_report.h"
#include "report_dir.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

using testing::make_table;
using testing::read_report_lines;
using testing::ScratchDir;
using Row = std::array<double, kStatColumns>;

double stand(const TableState& state) {
    return state.draw_stats[0][kStandColumn];
}
double bust(const TableState& state) {
    return state.draw_stats[0][kBust];
}

TEST(Player, counts_one_position_when_every_first_card_ends_the_hand) {
    TableState state = make_table({5}, {10, 9}, 17);
    Player(state);
    EXPECT_EQ(state.draw_depth, 1);
    EXPECT_EQ(state.draw_stats[1], (Row{0, 8, 0, 0, 41, 49, 1}));
    EXPECT_DOUBLE_EQ(stand(state), 8.0 / 49.0);
    EXPECT_DOUBLE_EQ(bust(state), 41.0 / 49.0);
}

TEST(Player, chains_a_second_position_through_a_single_precision_ratio) {
    TableState state = make_table({5}, {10, 9}, 21);
    Player(state);
    EXPECT_EQ(state.draw_depth, 2);
    EXPECT_EQ(state.draw_stats[1], (Row{4, 4, 0, 0, 41, 49, 1}));
    EXPECT_EQ(state.draw_stats[2], (Row{0, 3, 0, 0, 45, 48, 1}));
    const double ratio = static_cast<float>(4.0 / 49.0);
    EXPECT_EQ(stand(state), 4.0 / 49.0 + ratio * (3.0 / 48.0));
    EXPECT_NEAR(stand(state), 0.0867347, 5e-8);
    EXPECT_NEAR(bust(state), 0.9132653, 5e-8);
}

TEST(Player, averages_entries_with_equal_weight_not_by_path) {
    TableState state = make_table({10}, {10, 2}, 17);
    Player(state);
    EXPECT_EQ(state.draw_depth, 5);
    const std::array<double, 6> entries{0, 1, 4, 6, 4, 1};
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(state.draw_stats[p][kOpenings], entries[p]) << "position " << p;
    }
    EXPECT_NEAR(stand(state), 0.541891, 5e-7);
    EXPECT_NEAR(bust(state), 0.458109, 5e-7);
}

TEST(Player, reaches_the_deepest_positions) {
    TableState low = make_table({6}, {2, 3}, 17);
    Player(low);
    EXPECT_EQ(low.draw_depth, 8);
    EXPECT_EQ(low.draw_stats[1][kDrawAgain], 49);
    EXPECT_EQ(low.draw_stats[1][kStandColumn], 0);
    EXPECT_EQ(low.draw_stats[1][kBust], 0);

    TableState aces = make_table({1}, {1, 1}, 21);
    Player(aces);
    EXPECT_EQ(aces.draw_depth, 9);
    EXPECT_EQ(aces.draw_stats[7][kOpenings], 3722);
}

TEST(Player, draws_one_card_even_at_or_above_the_threshold) {
    TableState hard = make_table({5}, {10, 9, 2}, 17);  // hard 21 busts on every card
    Player(hard);
    EXPECT_EQ(stand(hard), 0);
    EXPECT_EQ(bust(hard), 1);

    TableState soft = make_table({5}, {1, 10}, 21);  // soft 21 plus an ace is 12: draw again
    Player(soft);
    EXPECT_EQ(soft.draw_stats[1][kDrawAgain], 3 + 4 + 4 + 4 + 3 + 4 + 4 + 4 + 4);
    EXPECT_EQ(soft.draw_stats[1][kStandColumn], 15);  // only a ten makes 21 again
    EXPECT_GT(soft.draw_depth, 1);
}

TEST(Player, writes_the_panel_with_every_line) {
    TableState state = make_table({10}, {10, 2}, 17);
    const EngineRun run = Player(state);
    EXPECT_EQ(run.panel.tutte_combinazioni,
              "Tutte combinazioni\n\r>= 17  =  54.19%\n\rSballa =  45.81%\n\r");
    EXPECT_EQ(run.panel.prima_carta, "Prima carta\n\r>= 17  =  40.82%\n\rSballa =  28.57%\n\r");

    TableState high = make_table({5}, {10, 9}, 21);
    const EngineRun high_run = Player(high);
    EXPECT_EQ(high_run.panel.tutte_combinazioni,
              "Tutte combinazioni\n\r>= 21  =   8.67%\n\rSballa =  91.33%\n\r");
    EXPECT_EQ(high_run.panel.prima_carta,
              "Prima carta\n\r>= 21  =   8.16%\n\rSballa =  83.67%\n\r");

    TableState hard = make_table({5}, {10, 9, 2}, 17);
    EXPECT_EQ(Player(hard).panel.tutte_combinazioni,
              "Tutte combinazioni\n\r>= 17  =   0.00%\n\rSballa = 100.00%\n\r");
}

TEST(Player, writes_a_combination_line_per_stand_or_bust) {
    TableState state = make_table({5}, {10, 9}, 17);
    state.write_reports = 1;
    ScratchDir dir;
    const EngineRun run = Player(state, {.directory = dir.path(), .decimal_separator = "."});
    EXPECT_TRUE(run.report_errors.empty());
    const auto lines = read_report_lines(dir.path() / kPlayerCombinationsFile);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], " 10  9  |  1 , SUM= 20  => Stare");
    EXPECT_EQ(lines[1], " 10  9  |  2 , SUM= 21  => Stare");
    EXPECT_EQ(lines[2], " 10  9  |  3 , SUM= 22  SBALLA");
    EXPECT_EQ(lines[9], " 10  9  |  10 , SUM= 29  SBALLA");

    const auto results = read_report_lines(dir.path() / kPlayerResultsFile);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0], ">= Stare = .163265306122449 ");
    EXPECT_EQ(results[1], "Sballa   = .836734693877551 ");
    EXPECT_EQ(results[2], "");
    EXPECT_EQ(results[3], "SUM = 1 ");
}

TEST(Player, leaves_out_a_value_with_no_card_left) {
    TableState state = make_table({1, 1}, {1, 1, 10, 9}, 21);  // 21 with all aces out
    state.write_reports = 1;
    ScratchDir dir;
    Player(state, {.directory = dir.path(), .decimal_separator = "."});
    const auto lines = read_report_lines(dir.path() / kPlayerCombinationsFile);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], " 1  1  10  9  |  2 , SUM= 23  SBALLA");
}

TEST(Player, stays_bounded_when_the_hands_hold_more_than_the_deck) {
    // Card entry checks each hand alone: four aces for the dealer and two for
    // the player are accepted, and the aces' count is then negative.
    TableState state = make_table({1, 1, 1, 1}, {1, 1}, 21);
    Player(state);
    EXPECT_LE(state.draw_depth, 12);
    for (int p = 1; p <= state.draw_depth; ++p) {
        for (int column = 0; column <= kBust; ++column) {
            EXPECT_GE(state.draw_stats[p][column], 0) << "position " << p;
        }
    }
    EXPECT_TRUE(std::isfinite(stand(state)));
}

}  // namespace
}  // namespace tavolix
