// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/figure_text.h"
#include "model/placeholders.h"
#include "model/table_text.h"

namespace tavolix {
namespace {

// A table of two decks as the window shows it; only the rules change.
TableView two_deck_view(const TableRules& rules) {
    const PanelTexts panel{.prima_carta = "Prima carta\n\rVincita =  44.90%\n\r",
                           .tutte_combinazioni = "Tutte combinazioni\n\rVincita =  56.27%\n\r"};
    return {.stand_at = 17,
            .decks = 2,
            .rules = rules,
            .banco = {.cards = " 10", .total_caption = "Somma = 10", .panel = panel},
            .player = {.cards = " 10 8", .total_caption = "Somma = 18", .panel = panel}};
}

struct RulesLineCase {
    const char* name;
    TableRules rules;
    std::string line;  // the rules line, or nothing
};

class TableTextRules : public ::testing::TestWithParam<RulesLineCase> {};

// The rules come in on a line of their own under the decks, and nothing
// else of the text moves.
TEST_P(TableTextRules, are_named_below_the_decks_only_when_they_are_not_the_windows_own) {
    std::string expected = table_text(two_deck_view({}));
    expected.insert(expected.find("Mazzi =>   2\n") + 13, GetParam().line);
    EXPECT_EQ(table_text(two_deck_view(GetParam().rules)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TableTextRules,
    ::testing::Values(
        RulesLineCase{"the_windows_own", {}, ""},
        // What the TABLE dealer has no use for is no rule of its table.
        RulesLineCase{"table_with_settings_it_ignores",
                      {.hole_card = HoleCard::enhc, .natural = NaturalPays::six_to_five},
                      ""},
        RulesLineCase{
            "table_with_a_player_option", {.double_after_split = true}, "Regole =>  TABLE DAS\n"},
        RulesLineCase{"s17", {.dealer = DealerRule::s17}, "Regole =>  S17\n"},
        RulesLineCase{"every_setting_away_from_its_default",
                      {.dealer = DealerRule::h17,
                       .hole_card = HoleCard::enhc,
                       .natural = NaturalPays::six_to_five,
                       .double_down = DoubleRule::hard_9_to_11,
                       .double_after_split = true,
                       .splits = 2,
                       .resplit_aces = true,
                       .hit_split_aces = true,
                       .surrender = true},
                      "Regole =>  H17 ENHC BJ6:5 D9 DAS SPL2 RSA HSA LS\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// The heading is the front end's word, padded like the others.
TEST(TableTextRules, are_headed_in_the_words_given) {
    ModelWords words;
    words.rules = "Rules =>";
    const std::string text = table_text(two_deck_view({.dealer = DealerRule::s17}), words);
    EXPECT_NE(text.find("\nRules =>   S17\n"), std::string::npos) << text;
}

// The translatable texts' marks filled in one pass, as Qt's arg() would.
TEST(WithValues, fills_each_mark_once_and_leaves_the_rest) {
    struct Case {
        std::string_view text;
        std::string expected;
    };
    const Case cases[] = {
        {"%1 a %2 e oltre", "stai a +2 e oltre"},
        {"%2 prima di %1", "+2 prima di stai"},
        {"%1 e %1", "stai e stai"},
        {"100 % di %1", "100 % di stai"},  // a percent sign that is no mark
        {"%3 non c'è, %", "%3 non c'è, %"},
        {"%12", "stai2"},  // marks are %1 to %9
        {"%9%1", "%9stai"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(with_values(c.text, {"stai", "+2"}), c.expected) << c.text;
    }
    // A value that holds a mark is not filled in again.
    EXPECT_EQ(with_values("%1, %2", {"%2", "x"}), "%2, x");
}

// Against the plain digits: the commas taken out give them back, the sign
// stands alone before the first group, which has one to three digits, and
// every later group has three.
TEST(FigureText, groups_thousands_of_any_whole_number) {
    for (long long magnitude = 1; magnitude <= 1'000'000'000'000'000LL; magnitude *= 10) {
        for (const long long value : {magnitude - 1, magnitude, magnitude + 7, -magnitude,
                                      -(magnitude - 1), -(magnitude * 3 + 41)}) {
            const std::string text = grouped_digits(value);
            std::string plain;
            for (const char c : text) {
                if (c != ',') {
                    plain += c;
                }
            }
            EXPECT_EQ(plain, std::to_string(value));
            const std::size_t digits_start = value < 0 ? 1 : 0;
            const std::size_t first_comma = text.find(',');
            if (first_comma == std::string::npos) {
                EXPECT_LE(text.size() - digits_start, 3u) << text;
                continue;
            }
            EXPECT_GE(first_comma - digits_start, 1u) << text;
            EXPECT_LE(first_comma - digits_start, 3u) << text;
            for (std::size_t at = first_comma; at < text.size(); at += 4) {
                EXPECT_EQ(text[at], ',') << text;
            }
            EXPECT_EQ((text.size() - first_comma) % 4, 0u) << text;
        }
    }
}

TEST(FigureText, writes_a_dash_for_a_figure_without_a_value) {
    EXPECT_EQ(fixed_figure(std::nan(""), 3), "-");
    EXPECT_EQ(fixed_figure(std::numeric_limits<double>::infinity(), 1), "-");
    EXPECT_EQ(fixed_figure(-0.0125, 3), "-0.013");
}

}  // namespace
}  // namespace tavolix
