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

// Every report is either the earlier one, untouched, or a complete new one,
// and exactly the ones that were not replaced are named in the errors.
void expect_no_report_lost(const fs::path& dir, const Calculation& calculation) {
    std::vector<std::string> errors = calculation.banco.report_errors;
    errors.insert(errors.end(), calculation.player.report_errors.begin(),
                  calculation.player.report_errors.end());
    for (const char* name : kReports) {
        const std::string text = read_file(dir / name);
        const bool earlier = text == std::string("earlier ") + name + "\r\n";
        bool named = false;
        for (const auto& error : errors) {
            named = named || error.find(name) != std::string::npos;
        }
        EXPECT_EQ(earlier, named) << name << " holds: " << text.substr(0, 80);
        if (!earlier) {
            EXPECT_TRUE(text.ends_with("\r\n")) << name << " was cut short";
        }
        EXPECT_FALSE(fs::exists(dir / (std::string(name) + ".part")));
    }
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
    const auto calculation = calculate(state, {.directory = dir, .decimal_separator = '.'});
    ASSERT_TRUE(calculation.has_value());
    ASSERT_FALSE(calculation->banco.report_errors.empty());
    EXPECT_NE(calculation->banco.report_errors[0].find("No space left on device"),
              std::string::npos)
        << calculation->banco.report_errors[0];
    expect_no_report_lost(dir, *calculation);
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
    const auto calculation = calculate(state, {.directory = dir, .decimal_separator = '.'});
    ASSERT_TRUE(calculation.has_value());
    EXPECT_EQ(calculation->banco.report_errors.size() + calculation->player.report_errors.size(),
              4u);
    expect_no_report_lost(dir, *calculation);
}

TEST(ReportFailure, a_missing_directory_reports_every_file) {
    ScratchDir scratch;
    TableState state = long_reports_table();
    const auto calculation =
        calculate(state, {.directory = scratch.path() / "gone", .decimal_separator = '.'});
    ASSERT_TRUE(calculation.has_value());
    EXPECT_EQ(calculation->banco.report_errors.size() + calculation->player.report_errors.size(),
              4u);
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
            calculate(state, {.directory = scratch.path(), .decimal_separator = '.'});
        const bool failed =
            calculation && !calculation->banco.report_errors.empty() &&
            calculation->banco.report_errors[0].find("File too large") != std::string::npos;
        std::_Exit(failed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the dealer's long report did not fail on the limit";
    // The dealer's combinations file is the one past the limit; the small
    // files were written whole.
    EXPECT_EQ(read_file(scratch.path() / kDealerCombinationsFile),
              std::string("earlier ") + kDealerCombinationsFile + "\r\n");
    EXPECT_FALSE(fs::exists(scratch.path() / (std::string(kDealerCombinationsFile) + ".part")));
    EXPECT_TRUE(read_file(scratch.path() / kDealerResultsFile).starts_with("VIN ="));
}

}  // namespace
}  // namespace tavolix
