// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "comma_locale.h"
#include "core/number_text.h"
#include "test_names.h"

namespace tavolix {
namespace {

struct FormatCase {
    float value;
    std::string text;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.value;
}

class FormatDecTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDecTable, right_aligns_two_decimals_in_seven) {
    EXPECT_EQ(FormatDec(GetParam().value, 7, "0.00"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    PanelPercentages, FormatDecTable,
    ::testing::Values(FormatCase{42.5f, "  42.50"}, FormatCase{5.0f, "   5.00"},
                      FormatCase{0.0f, "   0.00"}, FormatCase{100.0f, " 100.00"},
                      FormatCase{33.333332f, "  33.33"}, FormatCase{0.004f, "   0.00"},
                      FormatCase{0.005f, "   0.00"},  // 0.005f lies just below a half
                      FormatCase{0.125f, "   0.13"},  // an exact half rounds away from zero
                      FormatCase{-0.125f, "  -0.13"}, FormatCase{-42.5f, " -42.50"},
                      FormatCase{99.995f, " 100.00"},        // the carry reaches the integer part
                      FormatCase{1000.0f, "1000.00"},        // as wide as the field: no blank
                      FormatCase{123456.78f, "123456.78"}),  // wider: never cut
    testing::described_row<FormatCase>);

TEST(FormatDec, pads_to_other_widths_and_never_below_zero) {
    EXPECT_EQ(FormatDec(5.0f, 0, "0.00"), "5.00");
    EXPECT_EQ(FormatDec(5.0f, -3, "0.00"), "5.00");
    EXPECT_EQ(FormatDec(5.0f, 9, "0.00"), "     5.00");
}

TEST(FormatDec, follows_the_digit_placeholders_of_the_pattern) {
    EXPECT_EQ(FormatDec(7.25f, 7, "0"), "      7");
    EXPECT_EQ(FormatDec(7.25f, 7, "00.000"), " 07.250");
    EXPECT_THROW(FormatDec(7.25f, 7, "#,##0.00"), std::invalid_argument);
}

TEST(FormatDec, writes_a_point_in_a_comma_locale) {
    ASSERT_TRUE(testing::use_comma_locale()) << "no Italian locale could be set up";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5") << "the locale in force does not use a comma";
    EXPECT_EQ(FormatDec(42.5f, 7, "0.00"), "  42.50");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace tavolix
