// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/report_file.h"
#include "report_dir.h"

namespace tavolix {
namespace {

namespace fs = std::filesystem;

using testing::read_file;

TEST(ReportItem, writes_integers_with_a_sign_position_and_a_trailing_blank) {
    EXPECT_EQ(report_item(Integer{7}), " 7 ");
    EXPECT_EQ(report_item(Integer{0}), " 0 ");
    EXPECT_EQ(report_item(Integer{-3}), "-3 ");
    EXPECT_EQ(report_item(Integer{22}), " 22 ");
}

struct DoubleItem {
    double value;
    const char* separator;
    const char* item;
};

class ReportDouble : public ::testing::TestWithParam<DoubleItem> {};

// The general form of printf's %.15G, whatever the C library's locale, with
// the user's separator put in whole, however many bytes it has.
TEST_P(ReportDouble, is_written_in_the_general_form) {
    EXPECT_EQ(report_item(GetParam().value, GetParam().separator), GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(
    ReportItem, ReportDouble,
    ::testing::Values(DoubleItem{0.5, ".", " .5 "}, DoubleItem{0.0, ".", " 0 "},
                      DoubleItem{1.0, ".", " 1 "}, DoubleItem{-0.25, ".", "-.25 "},
                      DoubleItem{1.0 / 3.0, ".", " .333333333333333 "},  // 15 significant digits
                      DoubleItem{8.0 / 49.0, ".", " .163265306122449 "},
                      DoubleItem{12.5, ".", " 12.5 "}, DoubleItem{1e-5, ".", " 1E-05 "},
                      DoubleItem{0.5, ",", " ,5 "}, DoubleItem{1.0000000134, ",", " 1,0000000134 "},
                      DoubleItem{0.5, "\u066B", " \u066B5 "}));

class ReportSetTest : public ::testing::Test {
  protected:
    testing::ScratchDir scratch_;
    const fs::path dir_ = scratch_.path();
    ReportSet set_{{.directory = dir_, .decimal_separator = "."}};
};

TEST_F(ReportSetTest, appears_whole_with_crlf_line_ends_and_nothing_beside_it) {
    set_.add("r.txt")
        .text("VIN =")
        .number(0.5)
        .end_line()
        .end_line()
        .text("x")
        .number(Integer{3})
        .end_line();
    EXPECT_TRUE(set_.commit().empty());
    EXPECT_EQ(read_file(dir_ / "r.txt"), "VIN = .5 \r\n\r\nx 3 \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

TEST_F(ReportSetTest, replaces_an_earlier_report_completely) {
    std::ofstream(dir_ / "r.txt") << "an older and much longer report\r\n";
    set_.add("r.txt").text("new").end_line();
    EXPECT_TRUE(set_.commit().empty());
    EXPECT_EQ(read_file(dir_ / "r.txt"), "new\r\n");
}

TEST_F(ReportSetTest, names_the_file_and_the_reason_when_the_directory_is_missing) {
    const fs::path path = dir_ / "missing" / "r.txt";
    ReportSet set({.directory = dir_ / "missing", .decimal_separator = "."});
    set.add("r.txt").text("lost").end_line();
    const auto errors = set.commit();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(path.string()), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("No such file or directory"), std::string::npos) << errors[0];
    EXPECT_FALSE(fs::exists(path));
}

// A directory under the second name stops that report after the first was
// already put in place: the first is taken back, and both earlier files stay.
TEST_F(ReportSetTest, keeps_every_earlier_report_when_one_cannot_be_put_in_place) {
    std::ofstream(dir_ / "a.txt") << "earlier a\r\n";
    fs::create_directory(dir_ / "b.txt");
    set_.add("a.txt").text("new a").end_line();
    set_.add("b.txt").text("new b").end_line();
    const auto errors = set_.commit();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("b.txt: Is a directory"), std::string::npos) << errors[0];
    EXPECT_EQ(read_file(dir_ / "a.txt"), "earlier a\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 2);
}

TEST_F(ReportSetTest, leaves_nothing_behind_when_abandoned) {
    {
        ReportSet set({.directory = dir_, .decimal_separator = "."});
        set.add("r.txt").text("half");
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

// In a directory that others can write to, a link planted where a report is
// written must not redirect the write: the file it points to stays as it was.
TEST_F(ReportSetTest, writes_through_no_link_planted_beside_or_under_the_name) {
    const fs::path elsewhere = dir_ / "elsewhere";
    fs::create_directory(elsewhere);
    for (const char* planted : {"r.txt.part", "r.txt"}) {
        std::ofstream(elsewhere / planted) << "precious";
        fs::create_symlink(elsewhere / planted, dir_ / planted);
    }
    set_.add("r.txt").text("new").end_line();
    EXPECT_TRUE(set_.commit().empty());
    EXPECT_EQ(read_file(dir_ / "r.txt"), "new\r\n");
    for (const char* planted : {"r.txt.part", "r.txt"}) {
        EXPECT_EQ(read_file(elsewhere / planted), "precious") << planted;
    }
}

}  // namespace
}  // namespace tavolix
