// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

#include "core/table_rules.h"
#include "model/analysis_panel.h"
#include "model/strategy_cells.h"

namespace tavolix {
namespace {

using strategy::ChartCell;

constexpr std::array kPlays{analysis::Play::stand, analysis::Play::hit, analysis::Play::double_down,
                            analysis::Play::split, analysis::Play::surrender};

const Strategy& one_deck() {
    static const Strategy computed = [] {
        TableRules rules;
        rules.dealer = DealerRule::s17;
        rules.double_after_split = true;
        rules.surrender = true;
        return *run_strategy(full_shoe_request(rules, 1));
    }();
    return computed;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A details line read back: "10,6: R  (S -0.540  H -0.535  R -0.500)".
struct ReadLine {
    std::string hand;
    char play = 0;
    std::map<char, double> evs;
};

ReadLine read_line(const std::string& line) {
    ReadLine read;
    const auto colon = line.find(": ");
    read.hand = line.substr(0, colon);
    read.play = line.at(colon + 2);
    std::istringstream plays(line.substr(line.find('(') + 1));
    char letter = 0;
    double ev = 0;
    while (plays >> letter >> ev) {
        read.evs[letter] = ev;
    }
    return read;
}

// Every cell's details read back against the hands the strategy holds: a
// line per hand of the row that the shoe deals, with every play the rules
// allow at its EV and the hand's own play; a cell the shoe deals no hand of
// says so.
TEST(CellDetails, list_every_dealt_hand_of_the_cell_with_each_allowed_play) {
    DeckCounts thin = strategy::full_shoe(1);
    thin[5] = 1;  // no 5,5 and no 5,5 against a five
    const Strategy thin_strategy =
        *run_strategy({.shoe = thin, .rules = one_deck().rules, .decks = 1});
    int undealt = 0;
    for (const Strategy* strategy : {&one_deck(), &thin_strategy}) {
        for (const RowKind kind : {RowKind::hard, RowKind::soft, RowKind::pair}) {
            for (const ChartRow& row : chart_rows(strategy->chart, kind)) {
                const std::string caption = row_caption(row);
                if (kind == RowKind::soft) {
                    EXPECT_EQ(caption, "A," + std::to_string(std::stoi(row.label) - 11));
                }
                for (std::size_t column = 0; column < row.cells.size(); ++column) {
                    const ChartCell& cell = row.cells[column];
                    const auto lines = lines_of(cell_details(*strategy, row, column));
                    ASSERT_GE(lines.size(), 2U);
                    EXPECT_EQ(lines[0], caption + " contro " + value_text(cell.up) + ": " +
                                            (cell.code.empty() ? "-" : cell.code));
                    std::size_t next = 2;
                    for (const auto& hand : strategy->hands) {
                        if (hand.up != cell.up || hand.probability <= 0 ||
                            std::find(row.hands.begin(), row.hands.end(),
                                      std::pair{hand.first, hand.second}) == row.hands.end()) {
                            continue;
                        }
                        ASSERT_LT(next, lines.size()) << lines[0];
                        const ReadLine read = read_line(lines[next++]);
                        EXPECT_EQ(read.hand, hand_text(hand.first, hand.second));
                        EXPECT_EQ(read.play, *strategy::play_letter(hand.plays.advice));
                        std::size_t allowed = 0;
                        for (const analysis::Play play : kPlays) {
                            const auto ev = analysis::play_ev(hand.plays, play);
                            const auto shown = read.evs.find(*strategy::play_letter(play));
                            ASSERT_EQ(ev.has_value(), shown != read.evs.end()) << lines[0];
                            if (ev) {
                                ++allowed;
                                EXPECT_NEAR(shown->second, *ev, 5e-4) << lines[0];
                            }
                        }
                        EXPECT_EQ(read.evs.size(), allowed);
                    }
                    if (next == 2) {
                        ++undealt;
                        EXPECT_TRUE(cell.code.empty());
                        EXPECT_EQ(lines[1], StrategyWords{}.not_dealt);
                    }
                    EXPECT_EQ(next, lines.size()) << lines[0];
                }
            }
        }
    }
    EXPECT_GT(undealt, 0);
}

// Against a copy with cells changed at random, exactly those cells differ.
TEST(DifferingCells, are_exactly_the_cells_changed_in_a_copy) {
    const strategy::Chart& chart = one_deck().chart;
    EXPECT_TRUE(differing_cells(chart, chart).empty());
    std::mt19937 random(23);
    const std::array<RowKind, 3> kinds{RowKind::hard, RowKind::soft, RowKind::pair};
    for (int trial = 0; trial < 50; ++trial) {
        strategy::Chart changed = chart;
        std::vector<ChartCellAt> expected;
        for (const RowKind kind : kinds) {
            auto& rows = kind == RowKind::hard   ? changed.hard
                         : kind == RowKind::soft ? changed.soft
                                                 : changed.pairs;
            for (std::size_t row = 0; row < rows.size(); ++row) {
                for (std::size_t column = 0; column < rows[row].cells.size(); ++column) {
                    if (random() % 20 == 0) {
                        std::string& code = rows[row].cells[column].code;
                        code = random() % 4 == 0 ? "" : (code == "S" ? "H" : "S");
                        expected.push_back({kind, row, column});
                    }
                }
            }
        }
        EXPECT_EQ(differing_cells(chart, changed), expected);
        EXPECT_EQ(differing_cells(changed, chart), expected);
    }
}

TEST(StandAtText, heads_one_line_per_n_with_the_best_marked_once) {
    const auto lines = lines_of(stand_at_text(one_deck()));
    ASSERT_EQ(lines.size(), 11U);
    EXPECT_EQ(lines[0], StrategyWords{}.stand_at);
    int marked = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const bool best =
            lines[i].find("<- migliore: " + std::to_string(one_deck().best_stand_at)) !=
            std::string::npos;
        marked += best ? 1 : 0;
        EXPECT_EQ(std::stoi(lines[i]), 11 + static_cast<int>(i));
    }
    EXPECT_EQ(marked, 1);
}

}  // namespace
}  // namespace tavolix
