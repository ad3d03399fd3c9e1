#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/report_file.h"

namespace tavolix {
namespace {

namespace fs = std::filesystem;

std::string read_all(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ReportItem, writes_integers_with_a_sign_position_and_a_trailing_blank) {
    EXPECT_EQ(report_item(Integer{7}), " 7 ");
    EXPECT_EQ(report_item(Integer{0}), " 0 ");
    EXPECT_EQ(report_item(Integer{-3}), "-3 ");
    EXPECT_EQ(report_item(Integer{22}), " 22 ");
}

TEST(ReportItem, writes_doubles_in_the_general_form) {
    EXPECT_EQ(report_item(0.5, '.'), " .5 ");
    EXPECT_EQ(report_item(0.0, '.'), " 0 ");
    EXPECT_EQ(report_item(1.0, '.'), " 1 ");
    EXPECT_EQ(report_item(-0.25, '.'), "-.25 ");
    EXPECT_EQ(report_item(1.0 / 3.0, '.'), " .333333333333333 ");  // 15 significant digits
    EXPECT_EQ(report_item(8.0 / 49.0, '.'), " .163265306122449 ");
    EXPECT_EQ(report_item(12.5, '.'), " 12.5 ");
    EXPECT_EQ(report_item(0.5, ','), " ,5 ");
    EXPECT_EQ(report_item(1.0000000134, ','), " 1,0000000134 ");
}

class ReportFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("tavolix-report-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(ReportFileTest, appears_whole_with_crlf_line_ends) {
    ReportFile file(dir_ / "r.txt", '.');
    file.text("VIN =").number(0.5).end_line().end_line().text("x").number(Integer{3}).end_line();
    EXPECT_FALSE(file.commit().has_value());
    EXPECT_EQ(read_all(dir_ / "r.txt"), "VIN = .5 \r\n\r\nx 3 \r\n");
    EXPECT_FALSE(fs::exists(dir_ / "r.txt.part"));
}

TEST_F(ReportFileTest, replaces_an_earlier_report_completely) {
    std::ofstream(dir_ / "r.txt") << "an older and much longer report\r\n";
    ReportFile file(dir_ / "r.txt", '.');
    file.text("new").end_line();
    EXPECT_FALSE(file.commit().has_value());
    EXPECT_EQ(read_all(dir_ / "r.txt"), "new\r\n");
}

TEST_F(ReportFileTest, names_the_file_and_the_reason_when_the_directory_is_missing) {
    const fs::path path = dir_ / "missing" / "r.txt";
    ReportFile file(path, '.');
    file.text("lost").end_line();
    const auto error = file.commit();
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(path.string()), std::string::npos) << *error;
    EXPECT_NE(error->find("No such file or directory"), std::string::npos) << *error;
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(ReportFileTest, keeps_the_earlier_report_when_the_new_one_cannot_be_written) {
    std::ofstream(dir_ / "r.txt") << "good\r\n";
    fs::create_directory(dir_ / "r.txt.part");  // nothing can be opened there
    ReportFile file(dir_ / "r.txt", '.');
    file.text("new").end_line();
    EXPECT_TRUE(file.commit().has_value());
    EXPECT_EQ(read_all(dir_ / "r.txt"), "good\r\n");
}

TEST_F(ReportFileTest, leaves_nothing_behind_when_abandoned) {
    {
        ReportFile file(dir_ / "r.txt", '.');
        file.text("half");
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
}  // namespace tavolix
