// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "cli/table_request.h"
#include "core/table_rules.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix::cli {
namespace {

std::string error_of(const auto& result) {
    const auto* error = std::get_if<InputError>(&result);
    return error != nullptr ? error->message : std::string("(no error)");
}

struct HandCase {
    const char* text;
    std::vector<Integer> faces;
};

class ParseHand : public ::testing::TestWithParam<HandCase> {};

TEST_P(ParseHand, reads_the_faces_in_order) {
    const auto result = parse_hand(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<std::vector<Integer>>(result)) << error_of(result);
    EXPECT_EQ(std::get<std::vector<Integer>>(result), GetParam().faces);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, ParseHand,
    ::testing::Values(HandCase{"10,8", {10, 8}}, HandCase{"A", {1}}, HandCase{"a,K,2", {1, 13, 2}},
                      HandCase{"j,q,k,J,Q,K", {11, 12, 13, 11, 12, 13}},
                      HandCase{"2,3,4,5,6,7,8,9,10", {2, 3, 4, 5, 6, 7, 8, 9, 10}},
                      HandCase{" 10 , 8\t", {10, 8}}, HandCase{"", {}}, HandCase{"  ", {}}),
    [](const auto& row) { return testing::row_name(row.index, row.param.text); });

struct BadHandCase {
    std::string text;
    std::string message;
};

class ParseBadHand : public ::testing::TestWithParam<BadHandCase> {};

TEST_P(ParseBadHand, names_the_card_and_why) {
    EXPECT_EQ(error_of(parse_hand(GetParam().text)), GetParam().message);
}

const std::string kNotAFace = " is not a face: use A, 2 to 10, J, Q or K";
const std::string kMissing = " is missing (two commas in a row, or one at an end)";

INSTANTIATE_TEST_SUITE_P(
    Hands, ParseBadHand,
    ::testing::Values(
        BadHandCase{"1", "card 1 \"1\"" + kNotAFace},
        BadHandCase{"10,11", "card 2 \"11\"" + kNotAFace},
        BadHandCase{"0", "card 1 \"0\"" + kNotAFace},
        BadHandCase{"02", "card 1 \"02\"" + kNotAFace},
        BadHandCase{"+2", "card 1 \"+2\"" + kNotAFace},
        BadHandCase{"AA", "card 1 \"AA\"" + kNotAFace},
        BadHandCase{"10;8", "card 1 \"10;8\"" + kNotAFace},
        BadHandCase{"10 8", "card 1 \"10 8\"" + kNotAFace},
        BadHandCase{"à", "card 1 \"à\"" + kNotAFace}, BadHandCase{"10,", "card 2" + kMissing},
        BadHandCase{",10", "card 1" + kMissing}, BadHandCase{"10,,8", "card 2" + kMissing},
        BadHandCase{",", "card 1" + kMissing},
        // What a message quotes stays on one line and short.
        BadHandCase{std::string("A,\n\x7f\"\\", 6), "card 2 \"\\x0a\\x7f\\x22\\x5c\"" + kNotAFace},
        BadHandCase{std::string("A,B\0C", 5), "card 2 \"B\\x00C\"" + kNotAFace},
        BadHandCase{std::string(100, 'X'),
                    "card 1 \"" + std::string(24, 'X') + "...\"" + kNotAFace},
        // Cut on a character boundary; bytes that are not UTF-8, and C1
        // controls, escaped like the others.
        BadHandCase{std::string(23, 'X') + "\u00e0",
                    "card 1 \"" + std::string(23, 'X') + "...\"" + kNotAFace},
        BadHandCase{"\xff\xc3", "card 1 \"\\xff\\xc3\"" + kNotAFace},
        BadHandCase{"\u009b2J", "card 1 \"\\xc2\\x9b2J\"" + kNotAFace}),
    [](const auto& row) { return testing::row_name(row.index, row.param.text); });

class ParseStand : public ::testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(ParseStand, accepts_every_threshold_of_the_list) {
    const auto result = parse_stand(GetParam().first);
    ASSERT_TRUE(std::holds_alternative<int>(result)) << error_of(result);
    EXPECT_EQ(std::get<int>(result), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, ParseStand,
                         ::testing::Values(std::pair{"12", 12}, std::pair{"17", 17},
                                           std::pair{"21", 21}, std::pair{" 20 ", 20}),
                         [](const auto& row) {
                             return testing::row_name(row.index, row.param.first);
                         });

class ParseBadStand : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseBadStand, refuses_anything_but_a_whole_number_from_12_to_21) {
    EXPECT_EQ(error_of(parse_stand(GetParam())),
              "threshold \"" + std::string(GetParam()) + "\" is not a whole number from 12 to 21");
}

INSTANTIATE_TEST_SUITE_P(Thresholds, ParseBadStand,
                         ::testing::Values("11", "22", "0", "-17", "+17", "17.0", "1e1", "x", "",
                                           "17x", "99999999999999999999", "0x11"),
                         [](const auto& row) { return testing::row_name(row.index, row.param); });

TEST(ParseTable, needs_one_dealer_card_and_two_player_cards) {
    EXPECT_EQ(error_of(parse_table("", "10,8", 17)), "dealer hand \"\": needs at least 1 card");
    EXPECT_EQ(error_of(parse_table("10", "10", 17)),
              "player hand \"10\": needs at least 2 cards, has 1");
    EXPECT_EQ(error_of(parse_table("10", "", 17)),
              "player hand \"\": needs at least 2 cards, has 0");
    const auto table = parse_table("a,6", "K,2,3", 19);
    ASSERT_TRUE(std::holds_alternative<TableRequest>(table)) << error_of(table);
    EXPECT_EQ(std::get<TableRequest>(table).banco, (std::vector<Integer>{1, 6}));
    EXPECT_EQ(std::get<TableRequest>(table).player, (std::vector<Integer>{13, 2, 3}));
    EXPECT_EQ(std::get<TableRequest>(table).stand_at, 19);
}

TEST(ParseTable, names_the_hand_with_a_bad_card) {
    EXPECT_EQ(error_of(parse_table("10,Z", "10,8", 17)),
              "dealer hand \"10,Z\": card 2 \"Z\"" + kNotAFace);
    EXPECT_EQ(error_of(parse_table("10", "10,8,", 17)), "player hand \"10,8,\": card 3" + kMissing);
}

struct LineCase {
    std::string line;
    std::vector<Integer> banco;
    std::vector<Integer> player;
    int stand_at;
    int decks = 3;  // the default the test hands over
};

class ParseBatchLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParseBatchLine, reads_two_hands_an_optional_threshold_and_decks) {
    const auto result = parse_batch_line(GetParam().line, 17, 3);
    ASSERT_TRUE(std::holds_alternative<TableRequest>(result)) << error_of(result);
    const auto& request = std::get<TableRequest>(result);
    EXPECT_EQ(request.banco, GetParam().banco);
    EXPECT_EQ(request.player, GetParam().player);
    EXPECT_EQ(request.stand_at, GetParam().stand_at);
    EXPECT_EQ(request.decks, GetParam().decks);
}

INSTANTIATE_TEST_SUITE_P(Lines, ParseBatchLine,
                         ::testing::Values(LineCase{"10 10,8", {10}, {10, 8}, 17},
                                           LineCase{"10 10,8 21", {10}, {10, 8}, 21},
                                           LineCase{"  5\t10,9\t\t12  ", {5}, {10, 9}, 12},
                                           LineCase{"a,6 k,2\r", {1, 6}, {13, 2}, 17},
                                           LineCase{"10 10,8 21 8", {10}, {10, 8}, 21, 8},
                                           LineCase{"10 10,8 12\t1", {10}, {10, 8}, 12, 1}),
                         [](const auto& row) {
                             return testing::row_name(row.index, row.param.line);
                         });

TEST(ParseBatchLine, takes_the_default_threshold_when_the_line_gives_none) {
    const auto result = parse_batch_line("10 10,8", 13);
    ASSERT_TRUE(std::holds_alternative<TableRequest>(result)) << error_of(result);
    EXPECT_EQ(std::get<TableRequest>(result).stand_at, 13);
}

class SkippedBatchLine : public ::testing::TestWithParam<const char*> {};

TEST_P(SkippedBatchLine, is_blank_or_a_comment) {
    EXPECT_TRUE(std::holds_alternative<SkippedLine>(parse_batch_line(GetParam(), 17)));
}

INSTANTIATE_TEST_SUITE_P(Lines, SkippedBatchLine,
                         ::testing::Values("", "   ", "\t", "\r", "#", "# 10 10,8", "  #10 10,8"),
                         [](const auto& row) { return testing::row_name(row.index, row.param); });

struct BadLineCase {
    const char* line;
    std::string message;
};

class BadBatchLine : public ::testing::TestWithParam<BadLineCase> {};

TEST_P(BadBatchLine, says_what_is_wrong) {
    EXPECT_EQ(error_of(parse_batch_line(GetParam().line, 17)), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadBatchLine,
    ::testing::Values(
        BadLineCase{"10", "expected DEALER PLAYER [STAND [DECKS [RULES [SEEN]]]], found 1 field"},
        BadLineCase{"10 10,8 17 x", "deck count \"x\" is not a whole number from 1 to 8"},
        BadLineCase{"10 10,8 17 9", "deck count \"9\" is not a whole number from 1 to 8"},
        BadLineCase{"10 10,8 17 6 S17 x", "cards seen \"x\": card 1 \"x\"" + kNotAFace},
        BadLineCase{"10 10,8 - - - 2,,3",
                    "cards seen \"2,,3\": card 2 is missing (two commas in a row, or one at an "
                    "end)"},
        BadLineCase{"10 10,8 17 6 S17 2 x",
                    "expected DEALER PLAYER [STAND [DECKS [RULES [SEEN]]]], found 7 fields"},
        BadLineCase{"10 10,8 25", "threshold \"25\" is not a whole number from 12 to 21"},
        BadLineCase{"Z 10,8", "dealer hand \"Z\": card 1 \"Z\"" + kNotAFace},
        BadLineCase{"10 10", "player hand \"10\": needs at least 2 cards, has 1"},
        // A comment takes a whole line; within a table line it is more fields.
        BadLineCase{"A 2,3 19 1 S17 - # note",
                    "expected DEALER PLAYER [STAND [DECKS [RULES [SEEN]]]], found 8 fields"},
        // "-" stands for an optional field only.
        BadLineCase{"- 10,8", "dealer hand \"-\": card 1 \"-\"" + kNotAFace},
        BadLineCase{"10 10,8 - -1", "deck count \"-1\" is not a whole number from 1 to 8"},
        // Blanks separate the fields, so a hand cannot hold one.
        BadLineCase{"10 10, 8", "threshold \"8\" is not a whole number from 12 to 21"}),
    [](const auto& row) { return testing::row_name(row.index, row.param.line); });

// ---- the batch line's threshold, decks and rules ----

// What the batch hands over for a line's missing or "-" fields: none of it
// what a line would give by chance.
constexpr int kOptionStand = 13;
constexpr int kOptionDecks = 3;
const char* const kOptionRules = "H17 DAS";

using testing::rules_of;

struct FieldsCase {
    const char* line;
    int stand_at;
    int decks;
    const char* rules;  // the rules the table is played by, in canonical form
};

class BatchLineFields : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(BatchLineFields, take_the_options_values_for_fields_left_out_or_given_as_a_dash) {
    const auto result =
        parse_batch_line(GetParam().line, kOptionStand, kOptionDecks, rules_of(kOptionRules));
    ASSERT_TRUE(std::holds_alternative<TableRequest>(result)) << error_of(result);
    const auto& request = std::get<TableRequest>(result);
    EXPECT_EQ(request.banco, (std::vector<Integer>{1}));
    EXPECT_EQ(request.player, (std::vector<Integer>{8, 8}));
    EXPECT_EQ(request.stand_at, GetParam().stand_at);
    EXPECT_EQ(request.decks, GetParam().decks);
    EXPECT_EQ(rules_text(request.rules), GetParam().rules);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BatchLineFields,
    ::testing::Values(FieldsCase{"A 8,8 17 6 S17,DAS,LS", 17, 6, "S17 DAS LS"},
                      FieldsCase{"A 8,8", kOptionStand, kOptionDecks, kOptionRules},
                      FieldsCase{"A 8,8 19", 19, kOptionDecks, kOptionRules},
                      FieldsCase{"A 8,8 19 8", 19, 8, kOptionRules},
                      FieldsCase{"A 8,8 - - S17", kOptionStand, kOptionDecks, "S17"},
                      FieldsCase{"A 8,8 - 2", kOptionStand, 2, kOptionRules},
                      FieldsCase{"A 8,8 21 - -", 21, kOptionDecks, kOptionRules},
                      FieldsCase{"A 8,8 - 1 table", kOptionStand, 1, "TABLE"},
                      FieldsCase{"a 8,8\t-\t-\ts17,,das,\r", kOptionStand, kOptionDecks, "S17 DAS"},
                      FieldsCase{"A 8,8 12 1 ls,h17,bj6:5,enhc", 12, 1, "H17 ENHC BJ6:5 LS"},
                      FieldsCase{"A 8,8 - - S17,RSA,SPL2,NODBL", kOptionStand, kOptionDecks,
                                 "S17 NODBL SPL2 RSA"}),
    [](const auto& row) { return testing::row_name(row.index, row.param.line); });

// Every way of giving a line's three optional fields, each left out (the
// later ones with it), given as "-" or given: each field is its own or the
// option's, whatever the others are.
TEST(BatchLineFields, are_read_each_on_its_own) {
    enum Field { left_out, dash, given };
    const TableRules option_rules = rules_of(kOptionRules);
    int lines = 0;
    for (const Field stand : {left_out, dash, given}) {
        for (const Field decks : {left_out, dash, given}) {
            for (const Field rules : {left_out, dash, given}) {
                if ((stand == left_out && decks != left_out) ||
                    (decks == left_out && rules != left_out)) {
                    continue;
                }
                std::string line = "A 8,8";
                for (const auto& [field, text] :
                     {std::pair{stand, "20"}, std::pair{decks, "7"}, std::pair{rules, "S17,LS"}}) {
                    line += field == left_out ? "" : field == dash ? " -" : std::string(" ") + text;
                }
                SCOPED_TRACE(line);
                ++lines;
                const auto result =
                    parse_batch_line(line, kOptionStand, kOptionDecks, option_rules);
                ASSERT_TRUE(std::holds_alternative<TableRequest>(result)) << error_of(result);
                const auto& request = std::get<TableRequest>(result);
                EXPECT_EQ(request.stand_at, stand == given ? 20 : kOptionStand);
                EXPECT_EQ(request.decks, decks == given ? 7 : kOptionDecks);
                EXPECT_EQ(request.rules, rules == given ? rules_of("S17 LS") : option_rules);
            }
        }
    }
    EXPECT_EQ(lines, 1 + 2 + 4 + 8);
}

// The sixth field: left out or "-" it is the option's cards seen, given it
// is the line's own, read as a hand is, and the other fields stay theirs.
TEST(BatchLineSeen, is_the_lines_own_or_the_options) {
    const std::vector<Integer> option_seen{2, 13};
    struct Row {
        const char* line;
        std::vector<Integer> seen;
    };
    for (const Row& row :
         {Row{"A 8,8", option_seen}, Row{"A 8,8 - - -", option_seen},
          Row{"A 8,8 20 7 S17,LS -", option_seen},
          Row{"A 8,8 20 7 S17,LS 5,k,a,10", {5, 13, 1, 10}}, Row{"A 8,8 - - - q\r", {12}}}) {
        SCOPED_TRACE(row.line);
        const auto result = parse_batch_line(row.line, kOptionStand, kOptionDecks,
                                             rules_of(kOptionRules), option_seen);
        ASSERT_TRUE(std::holds_alternative<TableRequest>(result)) << error_of(result);
        const auto& request = std::get<TableRequest>(result);
        EXPECT_EQ(request.seen, row.seen);
        EXPECT_EQ(request.banco, std::vector<Integer>{1});
        EXPECT_EQ(request.player, (std::vector<Integer>{8, 8}));
    }
}

struct BadRulesCase {
    const char* line;
    const char* field;  // the line's rules
    const char* token;  // what the message must quote, if anything
};

class BadBatchRules : public ::testing::TestWithParam<BadRulesCase> {};

// The line's error is the shorthand's own message, which names the token;
// the option's rules never stand in for rules that are refused.
TEST_P(BadBatchRules, are_the_lines_error_with_the_shorthands_message) {
    const auto parsed = parse_rules(GetParam().field);
    ASSERT_TRUE(std::holds_alternative<RulesError>(parsed)) << GetParam().field;
    const std::string message = error_of(parse_batch_line(GetParam().line, 17, 1, rules_of("S17")));
    EXPECT_EQ(message, std::get<RulesError>(parsed).message);
    if (GetParam().token != nullptr) {
        EXPECT_NE(message.find('"' + std::string(GetParam().token) + '"'), std::string::npos)
            << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadBatchRules,
    ::testing::Values(BadRulesCase{"10 10,8 17 6 x", "x", "x"},
                      BadRulesCase{"A 8,8 17 6 S17,DAS,LX", "S17,DAS,LX", "LX"},
                      BadRulesCase{"A 8,8 - - S17,H17", "S17,H17", "H17"},
                      BadRulesCase{"A 8,8 - - das,S17,DAS", "das,S17,DAS", "DAS"},
                      BadRulesCase{"A 8,8 - - TABLE,ENHC", "TABLE,ENHC", "ENHC"},
                      BadRulesCase{"A 8,8 - - bj6:5", "bj6:5", "bj6:5"},
                      BadRulesCase{"A 8,8 - - S17,SPL1,RSA", "S17,SPL1,RSA", "RSA"},
                      BadRulesCase{"A 8,8 - - ,", ",", nullptr},
                      BadRulesCase{"A 8,8 - - S17,\x1b[2J", "S17,\x1b[2J", "\\x1b[2J"}),
    [](const auto& row) { return testing::row_name(row.index, row.param.line); });

}  // namespace
}  // namespace tavolix::cli
