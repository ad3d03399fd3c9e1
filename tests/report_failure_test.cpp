// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "dealer/dealer_report.h"
#include "model/calculate.h"
#include "player/player_report.h"
#include "report_dir.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::ScratchDir;

const char* const kReports[] = {kDealerCombinationsFile, kDealerResultsFile,
                                kPlayerCombinationsFile, kPlayerResultsFile};

void write_earlier_reports(const fs::path& dir) {
    for (const char* name : kReports) {
        std::ofstream(dir / name) << "earlier " << name << "\r\n";
    }
}

// The four reports are one set: when one fails, all four earlier files stay
// as they were, and no partial file is left beside them.
void expect_earlier_set_kept(const fs::path& dir) {
    for (const char* name : kReports) {
        const std::string text = read_file(dir / name);
        EXPECT_EQ(text.substr(0, 80), std::string("earlier ") + name + "\r\n") << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4);
}

// The dealer 2 against 17 writes the longest dealer report: some 600 kB.
TableState long_reports_table() {
    TableState state = testing::make_table({2}, {7, 10});
    state.write_reports = 1;
    return state;
}

// A small file system of its own, when the machine lets this process mount one.
class SmallFileSystem {
  public:
    explicit SmallFileSystem(const fs::path& where, const char* options) : path_(where) {
        fs::create_directories(path_);
        mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, options) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            ::umount(path_.c_str());
        }
    }
    bool mounted() const { return mounted_; }
    void remount_read_only() {
        mounted_ = mounted_ &&
                   ::mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    fs::path path_;
    bool mounted_ = false;
};

TEST(ReportFailure, a_full_file_system_keeps_the_earlier_reports) {
    ScratchDir scratch;
    SmallFileSystem small(scratch.path() / "fs", "size=64k");
    if (!small.mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs here; the file-size limit test covers write failures";
    }
    const fs::path dir = scratch.path() / "fs";
    write_earlier_reports(dir);
    TableState state = long_reports_table();
    const auto calculation = calculate(state, {.directory = dir, .decimal_separator = "."});
    ASSERT_TRUE(calculation.has_value());
    ASSERT_FALSE(calculation->report_errors.empty());
    EXPECT_NE(calculation->report_errors[0].find("No space left on device"), std::string::npos)
        << calculation->report_errors[0];
    expect_earlier_set_kept(dir);
    EXPECT_NEAR(state.draw_stats[0][kStandColumn] + state.draw_stats[0][kBust], 1.0, 1e-6);
}

TEST(ReportFailure, a_read_only_directory_keeps_the_earlier_reports) {
    ScratchDir scratch;
    SmallFileSystem small(scratch.path() / "fs", "size=1m");
    if (!small.mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs here; the missing-directory test covers this path";
    }
    const fs::path dir = scratch.path() / "fs";
    write_earlier_reports(dir);
    small.remount_read_only();
    ASSERT_TRUE(small.mounted());
    TableState state = long_reports_table();
    const auto calculation = calculate(state, {.directory = dir, .decimal_separator = "."});
    ASSERT_TRUE(calculation.has_value());
    EXPECT_EQ(calculation->report_errors.size(), 4u);
    expect_earlier_set_kept(dir);
}

TEST(ReportFailure, a_missing_directory_reports_every_file) {
    ScratchDir scratch;
    TableState state = long_reports_table();
    const auto calculation =
        calculate(state, {.directory = scratch.path() / "gone", .decimal_separator = "."});
    ASSERT_TRUE(calculation.has_value());
    EXPECT_EQ(calculation->report_errors.size(), 4u);
    EXPECT_FALSE(fs::exists(scratch.path() / "gone"));
    EXPECT_FALSE(calculation->player.panel.tutte_combinazioni.empty());
}

// Without a file system of its own, a file-size limit makes writes fail
// part-way just as a full disk does. It runs in a child process so the limit
// touches nothing else.
TEST(ReportFailure, a_write_failing_part_way_keeps_the_earlier_reports) {
    ScratchDir scratch;
    write_earlier_reports(scratch.path());
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{32 * 1024, 32 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        TableState state = long_reports_table();
        const auto calculation =
            calculate(state, {.directory = scratch.path(), .decimal_separator = "."});
        const bool failed =
            calculation && !calculation->report_errors.empty() &&
            calculation->report_errors[0].find("File too large") != std::string::npos;
        std::_Exit(failed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the dealer's long report did not fail on the limit";
    // The dealer's combinations file is the one past the limit; the small
    // files, written whole, are given up with it.
    expect_earlier_set_kept(scratch.path());
}

}  // namespace
}  // namespace tavolix
