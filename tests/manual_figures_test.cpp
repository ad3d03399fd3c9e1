// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "core/card_entry.h"
#include "model/form1_model.h"
#include "model/rule_line.h"
#include "model/rules_presets.h"
#include "model/strategy_text.h"
#include "report_dir.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

// The player's manual shows result panels of the window for a few hands. A
// reader compares them with the screen, so each must be the very text the
// window shows for that hand, blanks and empty lines included.
struct ManualHand {
    const char* name;
    std::vector<int> banco_faces;  // 1 = A ... 13 = K
    std::vector<int> player_faces;
    int stand_at;
    bool shows_banco_panel;  // the manual shows the player's panel always
};

void PrintTo(const ManualHand& hand, std::ostream* out) {
    *out << hand.name;
}

std::string manual_text() {
    std::string text = testing::read_file(TAVOLIX_MANUAL_PATH);
    // The manual writes ">" of ">= 17" as an entity; the window has the character.
    for (const auto& [entity, character] : std::vector<std::pair<std::string, std::string>>{
             {"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}}) {
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, entity.size(), character);
        }
    }
    return text;
}

// A label's caption as a preformatted block of the manual: its LF CR line
// ends become plain line feeds.
std::string as_manual_block(const std::string& caption) {
    std::string block = "<pre>";
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption.compare(i, 2, "\n\r") == 0) {
            block += '\n';
            ++i;
        } else {
            block += caption[i];
        }
    }
    return block + "</pre>";
}

class ManualFigures : public ::testing::TestWithParam<ManualHand> {};

TEST_P(ManualFigures, are_the_panels_the_window_shows_for_the_hand) {
    const ManualHand& hand = GetParam();
    Form1Model model;
    model.Form_Load();
    model.Combo1_Click(hand.stand_at - 12);
    for (const int face : hand.banco_faces) {
        model.Label3_Click(pad_index(Side::Banco, static_cast<Integer>(face)));
    }
    for (const int face : hand.player_faces) {
        model.Label3_Click(pad_index(Side::Player, static_cast<Integer>(face)));
    }
    ASSERT_GE(model.calculations(), 1);

    const std::string manual = manual_text();
    const Form1Captions& captions = model.captions();
    std::vector<std::string> columns{captions.Label13, captions.Label10};
    if (hand.shows_banco_panel) {
        columns.push_back(captions.Label12);
        columns.push_back(captions.Label9);
    }
    for (const std::string& column : columns) {
        const std::string block = as_manual_block(column);
        EXPECT_NE(manual.find(block), std::string::npos) << "the manual lacks\n" << block;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ManualFigures,
    ::testing::Values(ManualHand{"banco_10_giocatore_10_8", {10}, {10, 8}, 17, true},
                      ManualHand{"banco_10_giocatore_10_2", {10}, {10, 2}, 17, false}),
    [](const ::testing::TestParamInfo<ManualHand>& param_info) {
        return std::string(param_info.param.name);
    });

// Each preset of the rules dialog is in the manual's table with its decks and
// its rules, as the dialog applies them.
TEST(ManualPresets, lists_every_preset_with_its_decks_and_rules) {
    const std::string manual = manual_text();
    for (const RulesPreset& preset : rules_presets()) {
        const std::string row = "<tr><td>" + std::string(preset.name) + "</td><td>" +
                                deck_words(preset.decks) + "</td><td><code>" +
                                rules_text(preset.rules) + "</code></td></tr>";
        EXPECT_NE(manual.find(row), std::string::npos) << "the manual lacks\n" << row;
    }
}

Strategy full_shoe_strategy(const TableRules& rules, int decks) {
    const std::optional<Strategy> strategy = run_strategy(full_shoe_request(rules, decks));
    EXPECT_TRUE(strategy.has_value());
    return strategy.value_or(Strategy{});
}

// Every row of the manual's table of rules and their round's EV is the
// figure the strategy works out for them, written as the program writes it.
TEST(ManualRound, quotes_the_round_ev_of_every_table_it_lists) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "whole rounds of up to eight decks: checked outside the sanitizers";
    }
    const std::string manual = manual_text();
    const std::regex row(
        "<tr><td><code>([^<]*)</code></td><td>([0-9]) mazz[oi]</td><td>([^<]*)</td></tr>");
    int rows = 0;
    for (auto match = std::sregex_iterator(manual.begin(), manual.end(), row);
         match != std::sregex_iterator(); ++match) {
        ++rows;
        const TableRules rules = testing::rules_of((*match)[1].str());
        const int decks = std::stoi((*match)[2]);
        EXPECT_EQ((*match)[1], rules_text(rules)) << "not written as the program writes it";
        const Strategy strategy = full_shoe_strategy(rules, decks);
        EXPECT_EQ((*match)[3], percent_text(strategy.round_ev, 3) + '%')
            << (*match)[1] << ", " << decks << " decks";
    }
    EXPECT_GE(rows, 2);
}

// The worked example of the whole round: its header and its standing-at-N
// figures are the program's own text for that table.
TEST(ManualRound, worked_example_is_the_strategy_text_of_its_table) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "whole rounds of up to eight decks: checked outside the sanitizers";
    }
    const std::string manual = manual_text();
    const Strategy strategy = full_shoe_strategy(testing::rules_of("S17 DAS LS"), 6);
    const std::string text = strategy_text(strategy, 6);
    const std::string header = round_ev_line(strategy) + "   " + house_edge_line(strategy);
    EXPECT_NE(manual.find("<pre>" + header + "</pre>"), std::string::npos) << "the manual lacks\n"
                                                                           << header;
    const auto stand_at = text.find(StrategyWords{}.stand_at);
    ASSERT_NE(stand_at, std::string::npos);
    const std::string block = text.substr(stand_at, text.find("\n\n", stand_at) - stand_at);
    EXPECT_NE(manual.find("<pre>" + block + "</pre>"), std::string::npos) << "the manual lacks\n"
                                                                          << block;
}

// The shoe line the manual shows is the window's for the cards it names: six
// decks under S17 DAS LS, twelve cards out, 10 against 10,6 on the table,
// and the next round's EV worked out.
TEST(ManualShoe, shoe_line_is_the_windows_for_its_cards) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "whole rounds of up to eight decks: checked outside the sanitizers";
    }
    Form1Model model;
    model.Form_Load();
    ASSERT_TRUE(model.set_rules(testing::rules_of("S17 DAS LS"), 6));
    ASSERT_FALSE(model.take_out_cards({2, 3, 4, 5, 6, 5, 4, 3, 6, 2, 10, 13}).has_value());
    model.Label3_Click(pad_index(Side::Banco, 10));
    model.Label3_Click(pad_index(Side::Player, 10));
    model.Label3_Click(pad_index(Side::Player, 6));
    const StrategyRequest request = model.next_round_request();
    const std::optional<Strategy> next = run_strategy(request);
    ASSERT_TRUE(next.has_value());
    model.set_next_round_ev(request, next->round_ev);
    const std::string line = "«" + model.captions().shoe.shoe_line + "»";
    EXPECT_NE(manual_text().find(line), std::string::npos) << "the manual lacks\n" << line;
}

// The simulator's runs the manual shows are the README's, command and
// output alike, which were copied from real runs (and the short ones are
// run again by the README's test): no figure of the manual is typed by hand.
TEST(ManualSimulator, runs_shown_are_the_readmes) {
    const std::string manual = manual_text();
    const std::string readme = testing::read_file(TAVOLIX_README_PATH);
    int blocks = 0;
    for (std::size_t at = manual.find("<pre>$ tavolix-sim"); at != std::string::npos;
         at = manual.find("<pre>$ tavolix-sim", at + 1)) {
        const std::size_t start = at + 5;
        const std::size_t end = manual.find("</pre>", start);
        ASSERT_NE(end, std::string::npos);
        const std::string block = manual.substr(start, end - start);
        ++blocks;
        EXPECT_NE(readme.find(block), std::string::npos) << "the README lacks\n" << block;
    }
    EXPECT_GE(blocks, 5) << "the manual shows too few runs of the simulator";
}

}  // namespace
}  // namespace tavolix
