// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/table_analysis.h"
#include "core/draw_walk.h"
#include "dealer/banco.h"
#include "dealer/dealer_report.h"
#include "model/exact_chances.h"
#include "report_dir.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix {
namespace {

using testing::make_table;
using testing::read_report_lines;
using testing::ScratchDir;
using Row = std::array<double, kStatColumns>;

constexpr const char* kResultNames[] = {"VIN =", "PAR =", "Per =", "SBA ="};

// Dealer 10 alone, player 10 and 8: the example every dealer figure is
// checked against.
TableState worked_example() {
    return make_table({10}, {10, 8});
}

TEST(Banco, tallies_the_worked_example_position_by_position) {
    TableState state = worked_example();
    Banco(state);
    EXPECT_EQ(state.draw_stats[1], (Row{20, 22, 3, 4, 0, 49, 1}));
    EXPECT_EQ(state.draw_stats[2], (Row{38, 57, 19, 20, 106, 48, 5}));
    EXPECT_EQ(state.draw_depth, 6);
    EXPECT_EQ(state.draw_pos, 0);
}

TEST(Banco, combines_the_worked_example_into_four_chances) {
    TableState state = worked_example();
    Banco(state);
    const auto& results = state.draw_stats[0];
    EXPECT_NEAR(results[kDealerWins], 0.56266, 5e-6);
    EXPECT_NEAR(results[kPush], 0.09882, 5e-6);
    EXPECT_NEAR(results[kDealerLoses], 0.12091, 5e-6);
    EXPECT_NEAR(results[kBust], 0.21761, 5e-6);
    const double sum =
        results[kDealerWins] + results[kPush] + results[kDealerLoses] + results[kBust];
    // The continuation ratios are single precision, so the sum misses 1.
    EXPECT_NEAR(sum, 1.0000000134, 1e-10);
    EXPECT_NE(sum, 1.0);
}

TEST(Banco, writes_the_worked_example_panel) {
    TableState state = worked_example();
    const EngineRun run = Banco(state);
    EXPECT_EQ(run.panel.prima_carta,
              "Prima carta\n\r"
              "Vincita =  44.90%\n\r"
              "Parità  =   6.12%\n\r"
              "Perdita =   8.16%\n\r"
              "\n\r");
    EXPECT_EQ(run.panel.tutte_combinazioni,
              "Tutte combinazioni\n\r"
              "Vincita =  56.27%\n\r"
              "Parità  =   9.88%\n\r"
              "Perdita =  12.09%\n\r"
              "Sballa  =  21.76%\n\r");
    EXPECT_TRUE(run.report_errors.empty());
}

struct RuleCase {
    DealerRule rule;
    Integer total;
    Integer soft;
    Integer player_sum;
    int column;
};

void PrintTo(const RuleCase& c, std::ostream* out) {
    *out << rules_text({.dealer = c.rule}) << " " << (c.soft != 0 ? "soft " : "") << c.total
         << " against " << c.player_sum;
}

class DealerOutcome : public ::testing::TestWithParam<RuleCase> {};

TEST_P(DealerOutcome, classifies_a_total_against_the_player) {
    const RuleCase& c = GetParam();
    EXPECT_EQ(dealer_outcome(c.total, c.soft, c.player_sum, dealer_stop(c.rule, c.player_sum)),
              c.column);
}

constexpr auto kTable = DealerRule::table;
constexpr auto kS17 = DealerRule::s17;
constexpr auto kH17 = DealerRule::h17;

INSTANTIATE_TEST_SUITE_P(
    SixteenAndSeventeen, DealerOutcome,
    ::testing::Values(RuleCase{kTable, 16, 0, 16, kPush}, RuleCase{kTable, 16, 0, 15, kDealerWins},
                      RuleCase{kTable, 16, 0, 17, kDrawAgain},
                      RuleCase{kTable, 15, 0, 12, kDrawAgain},
                      RuleCase{kTable, 17, 0, 18, kDealerLoses}, RuleCase{kTable, 17, 0, 17, kPush},
                      RuleCase{kTable, 17, 1, 18, kDealerLoses},
                      RuleCase{kTable, 21, 0, 20, kDealerWins}, RuleCase{kTable, 22, 0, 20, kBust},
                      RuleCase{kTable, 12, 0, 4, kDrawAgain},
                      // A casino dealer draws to 16 whatever the player holds.
                      RuleCase{kS17, 16, 0, 16, kDrawAgain}, RuleCase{kS17, 16, 0, 12, kDrawAgain},
                      RuleCase{kS17, 17, 1, 16, kDealerWins}, RuleCase{kS17, 17, 0, 17, kPush},
                      RuleCase{kS17, 18, 0, 19, kDealerLoses}, RuleCase{kS17, 23, 0, 20, kBust},
                      // H17 draws on soft 17 only.
                      RuleCase{kH17, 17, 1, 16, kDrawAgain}, RuleCase{kH17, 17, 0, 16, kDealerWins},
                      RuleCase{kH17, 18, 1, 18, kPush}, RuleCase{kH17, 16, 0, 12, kDrawAgain}),
    testing::described_row<RuleCase>);

TEST(Banco, stands_on_a_drawn_soft_17_and_compares) {
    TableState state = make_table({1, 5}, {10, 8});  // soft 16 against 18 draws
    Banco(state);
    // Ace: soft 17 stands and loses. 2: 18 push. 3, 4, 5: 19..21 win.
    // Six and up go hard: 12..16 draw again.
    EXPECT_EQ(state.draw_stats[1][kDealerLoses], 3);  // the dealer's ace is gone
    EXPECT_EQ(state.draw_stats[1][kPush], 4);
    EXPECT_EQ(state.draw_stats[1][kDealerWins], 11);  // and one five
}

// A dealer hand that already stands by the rule draws nothing: its outcome
// is settled, shown whole in both columns, and the reports say so.
struct SettledCase {
    std::vector<int> banco;
    std::vector<int> player;
    int column;
    const char* line;  // the settled outcome's panel line
};

void PrintTo(const SettledCase& c, std::ostream* out) {
    *out << c.line;
}

class SettledDealer : public ::testing::TestWithParam<SettledCase> {};

TEST_P(SettledDealer, draws_nothing_and_shows_the_outcome_whole) {
    const SettledCase& c = GetParam();
    TableState state = make_table(c.banco, c.player);
    state.write_reports = 1;
    ScratchDir dir;
    const EngineRun run = Banco(state, {.directory = dir.path(), .decimal_separator = "."});
    for (int column = kDealerWins; column <= kBust; ++column) {
        EXPECT_EQ(state.draw_stats[0][column], column == c.column ? 1.0 : 0.0) << column;
        EXPECT_EQ(first_card_share(state.draw_stats, column), column == c.column ? 1.0 : 0.0);
    }
    EXPECT_EQ(run.sequences, 0);
    EXPECT_NE(run.panel.tutte_combinazioni.find(std::string(c.line) + " 100.00%"),
              std::string::npos);
    EXPECT_NE(run.panel.prima_carta.find(std::string(c.line) + " 100.00%"), std::string::npos);
    EXPECT_TRUE(read_report_lines(dir.path() / kDealerCombinationsFile).empty());
    const auto results = read_report_lines(dir.path() / kDealerResultsFile);
    ASSERT_EQ(results.size(), 6u);
    EXPECT_EQ(results[c.column - 1], std::string(kResultNames[c.column - 1]) + " 1 ");
    EXPECT_EQ(results[5], "SUM = 1 ");
    EXPECT_EQ(exact_chances(analysis::analyse(analysis::table_of(state))).banco[c.column], 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    StandingHands, SettledDealer,
    ::testing::Values(SettledCase{{10, 7}, {10, 8}, kDealerLoses, "Perdita ="},
                      SettledCase{{10, 7}, {10, 9, 2}, kDealerLoses, "Perdita ="},
                      SettledCase{{1, 6}, {10, 7}, kPush, "Parità  ="},  // soft 17
                      SettledCase{{10, 6}, {10, 6}, kPush, "Parità  ="},
                      SettledCase{{10, 6}, {10, 5}, kDealerWins, "Vincita ="},
                      SettledCase{{1, 10}, {10, 8}, kDealerWins, "Vincita ="}));

TEST(Banco, still_draws_on_16_against_17) {
    TableState state = make_table({10, 6}, {10, 7});
    Banco(state);
    // Ace: 17 push; 2..5: 18..21 win; six and up bust.
    EXPECT_EQ(state.draw_stats[1], (Row{0, 16, 4, 0, 28, 48, 1}));
}

TEST(Banco, never_draws_a_value_whose_cards_are_all_on_the_table) {
    TableState state = make_table({1, 1}, {1, 1, 5});  // all four aces are out
    ScratchDir dir;
    state.write_reports = 1;
    Banco(state, {.directory = dir.path(), .decimal_separator = "."});
    for (const auto& line : read_report_lines(dir.path() / kDealerCombinationsFile)) {
        const auto drawn = line.substr(line.find('|'));
        ASSERT_EQ(drawn.find(" 1 "), std::string::npos) << line;
    }
    for (int r = 1; r <= state.draw_depth; ++r) {
        const auto& row = state.draw_stats[r];
        EXPECT_EQ(row[0] + row[1] + row[2] + row[3] + row[4], row[kCardsLeft] * row[kOpenings]);
    }
}

TEST(Banco, writes_a_combination_line_per_finished_sequence) {
    TableState state = worked_example();
    state.write_reports = 1;
    ScratchDir dir;
    Banco(state, {.directory = dir.path(), .decimal_separator = "."});
    const auto lines = read_report_lines(dir.path() / kDealerCombinationsFile);
    ASSERT_EQ(lines.size(), 288u);
    EXPECT_EQ(lines[0], " 10  |  1 , SUM= 21  Vin");
    EXPECT_EQ(lines[1], " 10  |  2  1  1  1  1  2 , SUM= 18  Par");
    EXPECT_EQ(lines.back().substr(0, 10), " 10  |  10");
    for (const auto& line : lines) {
        const bool has_word = line.ends_with("  Vin") || line.ends_with("  Par") ||
                              line.ends_with("  Perde") || line.ends_with("  SBALLA");
        ASSERT_TRUE(has_word) << line;
    }
}

TEST(Banco, writes_the_results_file) {
    TableState state = worked_example();
    state.write_reports = 1;
    ScratchDir dir;
    Banco(state, {.directory = dir.path(), .decimal_separator = ","});
    const auto lines = read_report_lines(dir.path() / kDealerResultsFile);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "VIN =" + report_item(state.draw_stats[0][kDealerWins], ","));
    EXPECT_EQ(lines[0].substr(0, 10), "VIN = ,562");
    EXPECT_EQ(lines[1].substr(0, 5), "PAR =");
    EXPECT_EQ(lines[2].substr(0, 5), "Per =");
    EXPECT_EQ(lines[3].substr(0, 5), "SBA =");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5].substr(0, 15), "SUM = 1,0000000");
}

TEST(Banco, finishes_16390_sequences_for_a_dealer_2_against_17) {
    TableState state = make_table({2}, {7, 10});
    state.write_reports = 1;
    ScratchDir dir;
    Banco(state, {.directory = dir.path(), .decimal_separator = "."});
    EXPECT_EQ(read_report_lines(dir.path() / kDealerCombinationsFile).size(), 16390u);
}

TEST(Banco, writes_no_file_while_the_switch_is_off) {
    TableState state = worked_example();
    ScratchDir dir;
    std::ofstream(dir.path() / kDealerResultsFile) << "earlier";
    Banco(state, {.directory = dir.path(), .decimal_separator = "."});
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kDealerCombinationsFile));
    EXPECT_EQ(testing::read_file(dir.path() / kDealerResultsFile), "earlier");
}

TEST(Banco, reports_a_file_it_cannot_write_keeps_both_earlier_files_and_fills_the_panel) {
    TableState state = worked_example();
    state.write_reports = 1;
    ScratchDir dir;
    std::ofstream(dir.path() / kDealerCombinationsFile) << "earlier\r\n";
    std::filesystem::create_directory(dir.path() / kDealerResultsFile);
    const EngineRun run = Banco(state, {.directory = dir.path(), .decimal_separator = "."});
    ASSERT_EQ(run.report_errors.size(), 1u);
    EXPECT_NE(run.report_errors[0].find(kDealerResultsFile), std::string::npos);
    EXPECT_EQ(testing::read_file(dir.path() / kDealerCombinationsFile), "earlier\r\n");
    EXPECT_NE(run.panel.tutte_combinazioni.find("56.27%"), std::string::npos);
}

TEST(Banco, reports_both_files_when_the_directory_is_missing) {
    TableState state = worked_example();
    state.write_reports = 1;
    ScratchDir dir;
    const EngineRun run =
        Banco(state, {.directory = dir.path() / "gone", .decimal_separator = "."});
    EXPECT_EQ(run.report_errors.size(), 2u);
    EXPECT_NEAR(state.draw_stats[0][kDealerWins], 0.56266, 5e-6);
}

}  // namespace
}  // namespace tavolix
