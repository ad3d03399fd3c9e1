// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "core/table_rules.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix {
namespace {

struct ReadCase {
    const char* text;
    const char* canonical;
};

class RulesText : public ::testing::TestWithParam<ReadCase> {};

// What is typed, in any order, case and separators, reads back canonically.
TEST_P(RulesText, reads_back_in_its_canonical_form) {
    const auto parsed = parse_rules(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<TableRules>(parsed)) << std::get<RulesError>(parsed).message;
    EXPECT_EQ(rules_text(std::get<TableRules>(parsed)), GetParam().canonical);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RulesText,
    ::testing::Values(ReadCase{"TABLE", "TABLE"}, ReadCase{"s17", "S17"},
                      ReadCase{"ls,das enhc H17", "H17 ENHC DAS LS"},
                      ReadCase{"S17 PEEK BJ3:2 DOA NDAS SPL3", "S17"},
                      ReadCase{"  S17,,DAS , ", "S17 DAS"}, ReadCase{"DAS", "TABLE DAS"},
                      ReadCase{"h17 bj6:5 d10 spl1 hsa", "H17 BJ6:5 D10 SPL1 HSA"},
                      ReadCase{"S17 RSA SPL2 NODBL", "S17 NODBL SPL2 RSA"},
                      ReadCase{"table ls spl0", "TABLE SPL0 LS"},
                      ReadCase{"S17\tD9\tBJ1:1", "S17 BJ1:1 D9"},
                      ReadCase{"cdz- s17 spl2", "S17 SPL2 CDZ-"}, ReadCase{"S17 CDP1", "S17"},
                      ReadCase{"H17 LS PERHAND", "H17 LS PERHAND"},
                      ReadCase{"spl1 opt h17", "H17 SPL1 OPT"}, ReadCase{"S17 cdp", "S17 CDP"}),
    [](const auto& row) { return testing::row_name(row.index, row.param.text); });

struct RefusedCase {
    const char* text;
    const char* named;  // the token the message must quote
};

class RefusedRules : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRules, are_refused_naming_the_token) {
    const auto parsed = parse_rules(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<RulesError>(parsed)) << GetParam().text;
    const std::string& message = std::get<RulesError>(parsed).message;
    EXPECT_NE(message.find(std::string("\"") + GetParam().named + "\""), std::string::npos)
        << message;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedRules,
    ::testing::Values(RefusedCase{"S18", "S18"}, RefusedCase{"S17 H17", "H17"},
                      RefusedCase{"S17 DAS das", "das"}, RefusedCase{"TABLE PEEK", "PEEK"},
                      RefusedCase{"enhc", "enhc"}, RefusedCase{"BJ3:2 TABLE", "BJ3:2"},
                      RefusedCase{"S17 RSA SPL1", "RSA"}, RefusedCase{"S17 rsa spl0", "rsa"},
                      RefusedCase{"S17 BJ3;2", "BJ3;2"},
                      RefusedCase{"S17 DAS\x1b[31m", "DAS\\x1b[31m"},
                      RefusedCase{"S17 CDP cdz-", "cdz-"}, RefusedCase{"TABLE CDZ-", "CDZ-"},
                      RefusedCase{"S17 OPT", "OPT"}, RefusedCase{"H17 SPL2 opt", "opt"},
                      RefusedCase{"S17 CDZ+", "CDZ+"}),
    [](const auto& row) { return testing::row_name(row.index, row.param.text); });

TEST(RulesText, refuses_an_empty_text) {
    for (const char* text : {"", "  ", " , ,"}) {
        EXPECT_TRUE(std::holds_alternative<RulesError>(parse_rules(text))) << '"' << text << '"';
    }
}

// Every combination of settings that the shorthand can say comes back from
// its own text unchanged; the casino-only settings only with a casino dealer.
TEST(RulesText, gives_back_every_rule_set_it_writes) {
    int combinations = 0;
    for (const TableRules& rules : testing::every_combination_of_rules()) {
        if (rules.dealer == DealerRule::table &&
            (rules.hole_card != HoleCard::peek || rules.natural != NaturalPays::three_to_two ||
             rules.post_split != PostSplit::cdp1)) {
            continue;
        }
        const std::string text = rules_text(rules);
        const auto parsed = parse_rules(text);
        if ((rules.resplit_aces && rules.splits < 2) ||
            (rules.post_split == PostSplit::opt && rules.splits > 1)) {
            EXPECT_TRUE(std::holds_alternative<RulesError>(parsed)) << text;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<TableRules>(parsed)) << text;
        EXPECT_EQ(std::get<TableRules>(parsed), rules) << text;
        ++combinations;
    }
    EXPECT_GT(combinations, 1000);
}

struct DoubleCase {
    const char* rules;
    int total;
    bool soft;
    bool allowed;
};

class DoubleRules : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleRules, allow_the_hands_they_name) {
    const DoubleCase& c = GetParam();
    const TableRules rules = std::get<TableRules>(parse_rules(c.rules));
    EXPECT_EQ(may_double(rules, c.total, c.soft), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, DoubleRules,
    ::testing::Values(DoubleCase{"S17", 19, true, true}, DoubleCase{"S17 D9", 9, false, true},
                      DoubleCase{"S17 D9", 11, false, true}, DoubleCase{"S17 D9", 8, false, false},
                      DoubleCase{"S17 D9", 19, true, false}, DoubleCase{"S17 D10", 9, false, false},
                      DoubleCase{"S17 D10", 10, false, true},
                      DoubleCase{"S17 D10", 12, false, false},
                      DoubleCase{"S17 NODBL", 11, false, false}),
    [](const auto& row) {
        return testing::row_name(row.index, std::string(row.param.rules) + " " +
                                                std::to_string(row.param.total) +
                                                (row.param.soft ? " soft" : ""));
    });

TEST(NaturalPayout, is_what_the_rule_says) {
    EXPECT_EQ(natural_payout(std::get<TableRules>(parse_rules("S17"))), 1.5);
    EXPECT_EQ(natural_payout(std::get<TableRules>(parse_rules("S17 BJ6:5"))), 1.2);
    EXPECT_EQ(natural_payout(std::get<TableRules>(parse_rules("H17 BJ1:1"))), 1.0);
}

}  // namespace
}  // namespace tavolix
