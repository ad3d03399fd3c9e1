// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "cli/table_run.h"
#include "comma_locale.h"
#include "dealer/dealer_report.h"
#include "player/player_report.h"
#include "report_dir.h"

extern char** environ;

namespace tavolix::cli {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::read_report_lines;
using testing::ScratchDir;

const char* const kReportNames[] = {kDealerCombinationsFile, kDealerResultsFile,
                                    kPlayerCombinationsFile, kPlayerResultsFile};

struct CalcRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built tool with `arguments`, feeding it `input`, with `environment`
// ("NAME=value") added to the test's own.
CalcRun run_calc(const QStringList& arguments, const std::string& input = {},
                 const QStringList& environment = {}) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment) {
        variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
    }
    process.setProcessEnvironment(variables);
    process.start(QStringLiteral(TAVOLIX_CALC), arguments);
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "tavolix-calc did not start: " << process.errorString().toStdString();
        return {};
    }
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    if (!process.waitForFinished(120'000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "tavolix-calc did not end normally";
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

// Where the tool's standard streams go in a run that QProcess cannot make:
// a directory or a full device as a stream, or standard output closed.
struct Streams {
    const char* in = nullptr;   // a path; none: the input through a pipe
    const char* out = nullptr;  // a path; none: closed
};

struct SpawnedRun {
    int status = -1;
    std::string err;
    long peak_kib = 0;  // the run's own peak resident memory
};

// Runs the built tool with `arguments` as raw bytes. Through a pipe, the input
// is `overlong` bytes of "x" (written a little at a time: the test itself
// never holds them), then `input`.
SpawnedRun spawn_calc(const std::vector<std::string>& arguments, Streams streams,
                      const std::string& input = {}, std::size_t overlong = 0) {
    const ScratchDir scratch;
    const fs::path err_path = scratch.path() / "err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipe_ends[2] = {-1, -1};
    if (streams.in != nullptr) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, streams.in, O_RDONLY, 0);
    } else if (::pipe2(pipe_ends, O_CLOEXEC) == 0) {
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[0], STDIN_FILENO);
    }
    if (streams.out != nullptr) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, streams.out,
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    } else {
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err_path.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words = {TAVOLIX_CALC};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, TAVOLIX_CALC, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (pipe_ends[0] >= 0) {
        ::close(pipe_ends[0]);
        std::signal(SIGPIPE, SIG_IGN);  // the tool may stop reading early
        const std::string chunk(1 << 16, 'x');
        const auto feed = [&pipe_ends](std::string_view rest) {
            while (!rest.empty()) {
                const ssize_t written = ::write(pipe_ends[1], rest.data(), rest.size());
                if (written <= 0) {
                    return false;
                }
                rest.remove_prefix(static_cast<std::size_t>(written));
            }
            return true;
        };
        bool open = spawned == 0;
        for (std::size_t left = overlong; open && left > 0; left -= std::min(left, chunk.size())) {
            open = feed(std::string_view(chunk).substr(0, left));
        }
        if (open) {
            feed(input);
        }
        ::close(pipe_ends[1]);
    }
    if (spawned != 0) {
        ADD_FAILURE() << "tavolix-calc did not start: " << std::strerror(spawned);
        return {};
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(err_path), usage.ru_maxrss};
}

const QJsonObject parse_object(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n"
                                                     << text;
    EXPECT_TRUE(document.isObject()) << text;
    return document.object();
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

std::set<QString> keys_of(const QJsonObject& object) {
    const QStringList keys = object.keys();
    return {keys.begin(), keys.end()};
}

double figure(const QJsonObject& table, const char* side, const char* kind, const char* key) {
    return table[QLatin1String(side)][QLatin1String(kind)][QLatin1String(key)].toDouble();
}

// ---- the worked examples ----

TEST(CalcJson, gives_the_dealer_worked_example) {
    const CalcRun run = run_calc({"--json", "10", "10,8"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonObject table = parse_object(run.out);
    EXPECT_EQ(table["stand_at"].toInt(), 17);
    const QJsonObject banco = table["banco"].toObject();
    EXPECT_EQ(banco["text"].toString(), " 10");
    EXPECT_EQ(banco["sum"].toInt(), 10);
    EXPECT_EQ(banco["soft"].toBool(true), false);
    EXPECT_NEAR(figure(table, "banco", "all", "win"), 0.56266, 5e-6);
    EXPECT_NEAR(figure(table, "banco", "all", "push"), 0.09882, 5e-6);
    EXPECT_NEAR(figure(table, "banco", "all", "lose"), 0.12091, 5e-6);
    EXPECT_NEAR(figure(table, "banco", "all", "bust"), 0.21761, 5e-6);
    EXPECT_EQ(figure(table, "banco", "first", "win"), 22.0 / 49.0);
    EXPECT_EQ(figure(table, "banco", "first", "push"), 3.0 / 49.0);
    EXPECT_EQ(figure(table, "banco", "first", "lose"), 4.0 / 49.0);
    EXPECT_EQ(figure(table, "banco", "first", "bust"), 0.0);
    EXPECT_EQ(banco["depth"].toInt(), 6);
    EXPECT_EQ(banco["sequences"].toInt(), 288);
    EXPECT_EQ(banco["panel"]["prima_carta"].toString(),
              QStringLiteral("Prima carta\n\rVincita =  44.90%\n\rParità  =   6.12%\n\r"
                             "Perdita =   8.16%\n\r\n\r"));
    EXPECT_EQ(banco["panel"]["tutte_combinazioni"].toString(),
              QStringLiteral("Tutte combinazioni\n\rVincita =  56.27%\n\rParità  =   9.88%\n\r"
                             "Perdita =  12.09%\n\rSballa  =  21.76%\n\r"));
    const QJsonObject player = table["player"].toObject();
    EXPECT_EQ(player["text"].toString(), " 10 8");
    EXPECT_EQ(player["sum"].toInt(), 18);
    EXPECT_EQ(player["sequences"].toInt(), 10);
}

TEST(CalcJson, gives_the_player_worked_example_beside_its_exact_figure) {
    const CalcRun run = run_calc({"--json", "--stand", "17", "10", "10,2"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject table = parse_object(run.out);
    EXPECT_NEAR(figure(table, "player", "all", "stand"), 0.541891, 5e-7);
    EXPECT_NEAR(figure(table, "player", "all", "bust"), 0.458109, 5e-7);
    EXPECT_NEAR(figure(table, "player", "exact", "stand"), 0.541265, 5e-7);
    EXPECT_NEAR(figure(table, "player", "exact", "bust"), 0.458735, 5e-7);
    EXPECT_EQ(figure(table, "player", "first", "stand"), 20.0 / 49.0);
    EXPECT_EQ(figure(table, "player", "first", "bust"), 14.0 / 49.0);
    EXPECT_EQ(table["player"]["depth"].toInt(), 5);
    EXPECT_EQ(table["player"]["panel"]["tutte_combinazioni"].toString(),
              QStringLiteral("Tutte combinazioni\n\r>= 17  =  54.19%\n\rSballa =  45.81%\n\r"));
    EXPECT_EQ(table["player"]["panel"]["prima_carta"].toString(),
              QStringLiteral("Prima carta\n\r>= 17  =  40.82%\n\rSballa =  28.57%\n\r"));
}

TEST(CalcJson, has_exactly_the_documented_keys) {
    const QJsonObject table = parse_object(run_calc({"--json", "A,6", "10,2,3"}).out);
    using Keys = std::set<QString>;
    EXPECT_EQ(keys_of(table), (Keys{"stand_at", "banco", "player"}));
    const Keys side{"text", "sum", "soft", "all", "first", "exact", "depth", "sequences", "panel"};
    for (const char* name : {"banco", "player"}) {
        const QJsonObject object = table[QLatin1String(name)].toObject();
        EXPECT_EQ(keys_of(object), side) << name;
        EXPECT_EQ(keys_of(object["panel"].toObject()), (Keys{"prima_carta", "tutte_combinazioni"}));
        const Keys figures = std::string(name) == "banco" ? Keys{"win", "push", "lose", "bust"}
                                                          : Keys{"stand", "bust"};
        for (const char* kind : {"all", "first", "exact"}) {
            EXPECT_EQ(keys_of(object[QLatin1String(kind)].toObject()), figures) << name << kind;
        }
    }
    EXPECT_EQ(table["banco"]["text"].toString(), " A 6");
    EXPECT_EQ(table["banco"]["sum"].toInt(), 17);
    EXPECT_EQ(table["banco"]["soft"].toBool(false), true);
}

// Every figure the tool writes reads back to the very double the model holds.
TEST(CalcJson, writes_numbers_that_read_back_to_the_same_double) {
    const std::vector<std::pair<std::string, TableRequest>> tables = {
        {"10 10,8", {{10}, {10, 8}, 17}},
        {"2 7,10 17", {{2}, {7, 10}, 17}},
        {"A A,A 21", {{1}, {1, 1}, 21}},
        {"6 2,3 13", {{6}, {2, 3}, 13}},
    };
    std::string input;
    for (const auto& table : tables) {
        input += table.first + "\n";
    }
    const CalcRun run = run_calc({"--batch"}, input);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), tables.size());
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const auto result = run_table(tables[i].second);
        ASSERT_TRUE(std::holds_alternative<TableOutcome>(result));
        const auto& outcome = std::get<TableOutcome>(result);
        const QJsonObject table = parse_object(lines[i]);
        struct Column {
            const char* side;
            const SideOutcome* outcome;
            const char* key;
            int column;
        };
        for (const Column& c : {Column{"banco", &outcome.banco, "win", kDealerWins},
                                Column{"banco", &outcome.banco, "push", kPush},
                                Column{"banco", &outcome.banco, "lose", kDealerLoses},
                                Column{"banco", &outcome.banco, "bust", kBust},
                                Column{"player", &outcome.player, "stand", kStandColumn},
                                Column{"player", &outcome.player, "bust", kBust}}) {
            const auto& stats = c.outcome->draw_stats;
            const double first = stats[1][c.column] / (stats[1][kCardsLeft] * stats[1][kOpenings]);
            EXPECT_EQ(bits(figure(table, c.side, "all", c.key)), bits(stats[0][c.column]))
                << tables[i].first << " " << c.side << " " << c.key;
            EXPECT_EQ(bits(figure(table, c.side, "first", c.key)), bits(first))
                << tables[i].first << " " << c.side << " " << c.key;
            EXPECT_EQ(bits(figure(table, c.side, "exact", c.key)), bits(c.outcome->exact[c.column]))
                << tables[i].first << " " << c.side << " " << c.key;
        }
    }
}

// ---- the readable text ----

// In the system's language, as the window shows it.
struct TextCase {
    const char* language;
    QStringList environment;
    std::string text;
    std::string analysis_heading;  // the analysis's title and columns
};

class CalcText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CalcText, shows_both_hands_and_the_panels_side_by_side) {
    const CalcRun run = run_calc({"10", "10,8"}, {}, GetParam().environment);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, GetParam().text);
}

TEST_P(CalcText, follows_the_table_with_the_analysis_in_the_same_language) {
    const CalcRun run = run_calc({"--analysis", "10", "10,8"}, {}, GetParam().environment);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string start = GetParam().text + '\n' + GetParam().analysis_heading;
    EXPECT_EQ(run.out.substr(0, start.size()), start);
}

INSTANTIATE_TEST_SUITE_P(
    Calc, CalcText,
    ::testing::Values(TextCase{"it",
                               {},
                               "BANCO      10                      Somma = 10\n"
                               "GIOCATORE  10 8                    Somma = 18\n"
                               "Stare a => 17\n"
                               "\n"
                               "Probabilità Banco\n"
                               "Prima carta           Tutte combinazioni\n"
                               "Vincita =  44.90%     Vincita =  56.27%\n"
                               "Parità  =   6.12%     Parità  =   9.88%\n"
                               "Perdita =   8.16%     Perdita =  12.09%\n"
                               "                      Sballa  =  21.76%\n"
                               "\n"
                               "Probabilità Giocatore\n"
                               "Prima carta           Tutte combinazioni\n"
                               ">= 17  =  24.49%      >= 17  =  24.49%\n"
                               "Sballa =  75.51%      Sballa =  75.51%\n",
                               "Analisi esatta\n   N    Vince     Pari    Perde      EV\n"},
                      TextCase{"en",
                               {"LANGUAGE=en"},
                               "DEALER     10                      Total = 10\n"
                               "PLAYER     10 8                    Total = 18\n"
                               "Stand =>   17\n"
                               "\n"
                               "Dealer's chances\n"
                               "First card            All combinations\n"
                               "Wins    =  44.90%     Wins    =  56.27%\n"
                               "Push    =   6.12%     Push    =   9.88%\n"
                               "Loses   =   8.16%     Loses   =  12.09%\n"
                               "                      Busts   =  21.76%\n"
                               "\n"
                               "Player's chances\n"
                               "First card            All combinations\n"
                               ">= 17  =  24.49%      >= 17  =  24.49%\n"
                               "Bust   =  75.51%      Bust   =  75.51%\n",
                               "Exact analysis\n   N      Win     Push     Lose      EV\n"}),
    [](const auto& test) { return std::string(test.param.language); });

// Scripts read the messages and the help, so these stay English.
TEST(Calc, keeps_its_help_and_messages_english_in_every_language) {
    for (const QStringList& arguments :
         {QStringList{"--help"}, QStringList{"A,A,A,A,A", "10,8"}, QStringList{"--stand", "9"}}) {
        const CalcRun italian = run_calc(arguments);
        const CalcRun english = run_calc(arguments, {}, {"LANGUAGE=en"});
        EXPECT_EQ(italian.out + italian.err, english.out + english.err)
            << arguments.join(' ').toStdString();
        EXPECT_FALSE((italian.out + italian.err).empty());
    }
}

// ---- bad input ----

struct BadCall {
    const char* name;
    QStringList arguments;
    std::string message;
};

class CalcRefuses : public ::testing::TestWithParam<BadCall> {};

// A bad call gives one line on standard error and no figures at all.
TEST_P(CalcRefuses, with_status_2_and_one_line_naming_the_problem) {
    const CalcRun run = run_calc(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "tavolix-calc: " + GetParam().message + "\n");
    EXPECT_EQ(run.out, "");
}

const std::string kNotAFace = " is not a face: use A, 2 to 10, J, Q or K";

INSTANTIATE_TEST_SUITE_P(
    BadInput, CalcRefuses,
    ::testing::Values(
        BadCall{
            "unknown_dealer_face", {"1", "10,8"}, "dealer hand \"1\": card 1 \"1\"" + kNotAFace},
        BadCall{"unknown_player_face",
                {"--json", "10", "10,X"},
                "player hand \"10,X\": card 2 \"X\"" + kNotAFace},
        BadCall{"empty_card",
                {"10", "10,,8"},
                "player hand \"10,,8\": card 2 is missing (two commas in a row, or one at an end)"},
        BadCall{"fifth_ace_for_the_dealer",
                {"A,a,A,a,A", "10,8"},
                "dealer card 5 (A) refused: it would be the fifth A in the dealer's hand"},
        BadCall{"fifth_king_for_the_player",
                {"--json", "10", "K,K,K,K,K"},
                "player card 3 (K) refused: it would take the hand to 30, over 21"},
        BadCall{"fifth_two_for_the_player",
                {"10", "2,2,2,2,3,2"},
                "player card 6 (2) refused: it would be the fifth 2 in the player's hand"},
        BadCall{"player_over_21",
                {"10", "10,9,5"},
                "player card 3 (5) refused: it would take the hand to 24, over 21"},
        BadCall{"dealer_over_21",
                {"10,6,6", "10,8"},
                "dealer card 3 (6) refused: it would take the hand to 22, over 21"},
        BadCall{"more_aces_than_the_deck",
                {"A,A,A,A", "A,K"},
                "player card 1 (A) refused: the two hands already hold all 4 cards of value A"},
        BadCall{"more_sevens_than_the_deck",
                {"7,7,7", "7,7"},
                "player card 2 (7) refused: the two hands already hold all 4 cards of value 7"},
        BadCall{"one_player_card", {"10", "8"}, "player hand \"8\": needs at least 2 cards, has 1"},
        BadCall{"no_dealer_card", {"", "10,8"}, "dealer hand \"\": needs at least 1 card"},
        BadCall{"one_hand_only",
                {"10"},
                "expected the two hands DEALER and PLAYER, got 1 argument (see --help)"},
        BadCall{"three_hands",
                {"10", "10,8", "9"},
                "expected the two hands DEALER and PLAYER, got 3 arguments (see --help)"},
        BadCall{"stand_too_high",
                {"--stand", "22", "10", "10,8"},
                "--stand: threshold \"22\" is not a whole number from 12 to 21"},
        BadCall{"stand_too_low",
                {"--stand=11", "10", "10,8"},
                "--stand: threshold \"11\" is not a whole number from 12 to 21"},
        BadCall{"stand_not_a_number",
                {"--stand", "diciassette", "10", "10,8"},
                "--stand: threshold \"diciassette\" is not a whole number from 12 to 21"},
        BadCall{"stand_without_value",
                {"10", "10,8", "--stand"},
                "Missing value after '--stand'. (see --help)"},
        BadCall{
            "unknown_option", {"--deck", "2", "10", "10,8"}, "Unknown option 'deck'. (see --help)"},
        BadCall{"batch_with_hands",
                {"--batch", "10", "10,8"},
                "--batch reads the hands from standard input, not from arguments"},
        BadCall{"batch_with_reports",
                {"--batch", "--reports", "."},
                "--reports cannot be used with --batch"},
        BadCall{"escape_sequence_in_an_option",
                {"--\x1b[2J", "10", "10,8"},
                "Unknown option '\\x1b[2J'. (see --help)"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Calc, answers_help_and_version) {
    const CalcRun help = run_calc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("[options] DEALER PLAYER"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
    const std::size_t statuses = help.out.find("\nExit status:\n");
    ASSERT_NE(statuses, std::string::npos) << help.out;
    for (const char* status : {"\n  0  ", "\n  1  ", "\n  2  ", "\n  3  ", "\n  4  "}) {
        EXPECT_NE(help.out.find(status, statuses), std::string::npos) << status;
    }
    const CalcRun version = run_calc({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tavolix-calc ") + TAVOLIX_VERSION + "\n");
}

// ---- standard streams ----

struct StreamCase {
    const char* name;
    std::vector<std::string> arguments;
    Streams streams;
    const char* message;
};

void PrintTo(const StreamCase& row, std::ostream* out) {
    *out << row.name;
}

class CalcStreams : public ::testing::TestWithParam<StreamCase> {};

// A standard stream that cannot be read or written is a failure, said in one
// line, and never passed off as success.
TEST_P(CalcStreams, fail_with_status_4_and_say_why) {
    const SpawnedRun run = spawn_calc(GetParam().arguments, GetParam().streams, "10 10,8\n");
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, std::string("tavolix-calc: ") + GetParam().message + "\n");
}

const char* const kFullDisk = "cannot write standard output: No space left on device";

INSTANTIATE_TEST_SUITE_P(
    Streams, CalcStreams,
    ::testing::Values(
        StreamCase{"full_output", {"10", "10,8"}, {.out = "/dev/full"}, kFullDisk},
        StreamCase{"full_output_of_a_batch", {"--batch"}, {.out = "/dev/full"}, kFullDisk},
        StreamCase{"full_output_of_the_help", {"--help"}, {.out = "/dev/full"}, kFullDisk},
        StreamCase{"closed_output",
                   {"--json", "10", "10,8"},
                   {},
                   "cannot write standard output: Bad file descriptor"},
        StreamCase{"directory_as_batch_input",
                   {"--batch"},
                   {.in = "/tmp", .out = "/dev/null"},
                   "cannot read standard input: Is a directory"}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- report files ----

TEST(CalcReports, writes_the_four_files_with_one_line_per_finished_sequence) {
    const ScratchDir dir;
    const CalcRun run = run_calc(
        {"--json", "--reports", QString::fromStdString(dir.path().string()), "10", "10,8"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const QJsonObject table = parse_object(run.out);
    EXPECT_EQ(read_report_lines(dir.path() / kDealerCombinationsFile).size(),
              static_cast<std::size_t>(table["banco"]["sequences"].toInt()));
    EXPECT_EQ(read_report_lines(dir.path() / kPlayerCombinationsFile).size(),
              static_cast<std::size_t>(table["player"]["sequences"].toInt()));
    EXPECT_EQ(read_report_lines(dir.path() / kDealerResultsFile).size(), 6u);
    EXPECT_EQ(read_report_lines(dir.path() / kPlayerResultsFile).size(), 4u);
    EXPECT_EQ(read_report_lines(dir.path() / kDealerCombinationsFile).front(),
              " 10  |  1 , SUM= 21  Vin");
    // Nothing but the reports is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}

TEST(CalcReports, writes_nothing_for_a_table_it_refuses) {
    const ScratchDir dir;
    const CalcRun run =
        run_calc({"--reports", QString::fromStdString(dir.path().string()), "A,A,A,A", "A,5"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(CalcReports, writes_the_reports_of_the_whole_hand_once) {
    // Every card after the second recalculates; the reports and any message
    // about them belong to the hand as asked, not to its shorter beginnings.
    const ScratchDir dir;
    const CalcRun run =
        run_calc({"--reports", QString::fromStdString(dir.path().string()), "10", "2,3,4,5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read_report_lines(dir.path() / kPlayerCombinationsFile).front().substr(0, 16),
              " 2  3  4  5  |  ");
    // A report that fails late is named once, not once per recalculation.
    std::filesystem::create_directory(dir.path() / "late");
    std::filesystem::create_directory(dir.path() / "late" / kPlayerResultsFile);
    const CalcRun failed = run_calc(
        {"--reports", QString::fromStdString((dir.path() / "late").string()), "10", "2,3,4,5"});
    EXPECT_EQ(failed.status, 3);
    EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << failed.err;
}

struct BadDirectory {
    const char* name;
    const char* below;  // appended to a scratch directory that holds a regular file "file"
    std::string reason;
};

class CalcReportsRefused : public ::testing::TestWithParam<BadDirectory> {};

// Tests run as root, for whom no permission bit forbids a write: these
// directories fail whoever runs them.
TEST_P(CalcReportsRefused, still_gives_the_figures_and_exits_with_3) {
    const ScratchDir dir;
    std::ofstream(dir.path() / "file") << "not a directory";
    const std::string target = (dir.path() / GetParam().below).string();
    const CalcRun run =
        run_calc({"--json", "--reports", QString::fromStdString(target), "10", "10,8"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "tavolix-calc: --reports \"" + target + "\"" + GetParam().reason +
                           "; no report written\n");
    EXPECT_NEAR(figure(parse_object(run.out), "banco", "all", "win"), 0.56266, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, CalcReportsRefused,
    ::testing::Values(BadDirectory{"missing", "gone", ": No such file or directory"},
                      BadDirectory{"below_a_file", "file/reports", ": Not a directory"},
                      BadDirectory{"a_file", "file", " is not a directory"}),
    [](const auto& test) { return std::string(test.param.name); });

// A directory standing under the last report's name stops it after the
// others were written: none of the four earlier files is replaced.
TEST(CalcReports, exits_with_3_and_keeps_every_earlier_report_when_one_fails) {
    const ScratchDir dir;
    for (const char* name : kReportNames) {
        std::ofstream(dir.path() / name) << "earlier";
    }
    fs::remove(dir.path() / kPlayerResultsFile);
    fs::create_directory(dir.path() / kPlayerResultsFile);
    const CalcRun run =
        run_calc({"--reports", QString::fromStdString(dir.path().string()), "10", "10,8"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find(kPlayerResultsFile), std::string::npos) << run.err;
    EXPECT_EQ(lines_of(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.out.find("Vincita =  56.27%"), std::string::npos);
    for (const char* name :
         {kDealerCombinationsFile, kDealerResultsFile, kPlayerCombinationsFile}) {
        EXPECT_EQ(read_file(dir.path() / name).substr(0, 20), "earlier") << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 4);
}

// In a directory that others can write to, such as /tmp, a link planted where
// a report or its partial file goes must not redirect the write.
TEST(CalcReports, writes_through_no_link_planted_in_the_directory) {
    const ScratchDir dir;
    const fs::path shared = dir.path() / "shared";
    const fs::path elsewhere = dir.path() / "elsewhere";
    fs::create_directory(shared);
    fs::create_directory(elsewhere);
    std::vector<std::string> planted;
    for (const char* name : kReportNames) {
        for (const std::string& link : {std::string(name), std::string(name) + ".part"}) {
            std::ofstream(elsewhere / link) << "precious";
            fs::create_symlink(elsewhere / link, shared / link);
            planted.push_back(link);
        }
    }
    const CalcRun run =
        run_calc({"--reports", QString::fromStdString(shared.string()), "10", "10,8"});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const std::string& link : planted) {
        EXPECT_EQ(read_file(elsewhere / link), "precious") << link;
    }
    EXPECT_EQ(read_report_lines(shared / kDealerCombinationsFile).size(), 288u);
}

// Runs writing reports into one directory at once: at the end every report
// file is, whole, the one that some run wrote, and no partial file is left.
TEST(CalcReports, leaves_whole_reports_after_concurrent_runs_into_one_directory) {
    static const char* const kTables[][2] = {
        {"2", "7,10"}, {"3", "7,10"}, {"2", "6,10"}, {"4", "7,10"}};
    const ScratchDir dir;
    const QString shared = QString::fromStdString((dir.path() / "shared").string());
    fs::create_directory(dir.path() / "shared");
    std::vector<fs::path> alone;
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const auto& table : kTables) {
        alone.push_back(dir.path() / (std::string("alone-") + table[0] + "-" + table[1]));
        fs::create_directory(alone.back());
        ASSERT_EQ(run_calc({"--reports", QString::fromStdString(alone.back().string()), table[0],
                            table[1]})
                      .status,
                  0);
    }
    for (const auto& table : kTables) {
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->start(QStringLiteral(TAVOLIX_CALC), {"--reports", shared, table[0], table[1]});
    }
    for (const auto& run : runs) {
        ASSERT_TRUE(run->waitForFinished(120'000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
    }
    for (const char* name : kReportNames) {
        const std::string text = read_file(dir.path() / "shared" / name);
        EXPECT_TRUE(std::any_of(alone.begin(), alone.end(),
                                [&](const fs::path& one) { return read_file(one / name) == text; }))
            << name << " is not the whole report of any one run";
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "shared"), {}), 4);
}

// A run stopped while it writes its reports leaves either nothing or the
// whole set, never a partial file.
TEST(CalcReports, leaves_no_partial_file_when_stopped_at_any_moment) {
    const ScratchDir dir;
    const fs::path alone = dir.path() / "alone";
    fs::create_directory(alone);
    ASSERT_EQ(run_calc({"--reports", QString::fromStdString(alone.string()), "2", "7,10"}).status,
              0);
    for (int delay_ms = 0; delay_ms <= 60; delay_ms += 4) {
        const fs::path reports = dir.path() / std::to_string(delay_ms);
        fs::create_directory(reports);
        QProcess run;
        run.start(QStringLiteral(TAVOLIX_CALC),
                  {"--reports", QString::fromStdString(reports.string()), "2", "7,10"});
        ASSERT_TRUE(run.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(delay_ms));
        run.terminate();
        ASSERT_TRUE(run.waitForFinished(120'000));
        if (fs::is_empty(reports)) {
            continue;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(reports), {}), 4) << delay_ms << " ms";
        for (const char* name : kReportNames) {
            EXPECT_TRUE(read_file(reports / name) == read_file(alone / name))
                << name << " after " << delay_ms << " ms";
        }
    }
}

// The directory is named by its bytes, whatever they are; a lossy decoding
// would look for (or, worse, write into) a directory of another name.
TEST(CalcReports, writes_into_a_directory_whose_name_is_not_utf8) {
    const ScratchDir dir;
    const std::string wanted = dir.path().native() + "/reports\xff";
    const std::string lookalike = dir.path().native() + "/reports\uFFFD";
    fs::create_directory(wanted);
    fs::create_directory(lookalike);
    const SpawnedRun run = spawn_calc({"--reports", wanted, "10", "10,8"}, {.out = "/dev/null"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read_report_lines(fs::path(wanted) / kDealerCombinationsFile).size(), 288u);
    EXPECT_TRUE(fs::is_empty(lookalike));
}

// The Pashto decimal mark, U+066B, is two bytes: the figures are those of any
// other locale with that mark in place of the point.
TEST(CalcReports, writes_the_users_decimal_mark_whatever_its_length) {
    const auto locales = testing::compiled_locale("ps_AF");
    ASSERT_TRUE(locales.has_value()) << "localedef cannot build ps_AF";
    const ScratchDir dir;
    for (const char* locale : {"C", "ps_AF.UTF-8"}) {
        fs::create_directory(dir.path() / locale);
        const CalcRun run = run_calc(
            {"--reports", QString::fromStdString((dir.path() / locale).string()), "10", "10,8"}, {},
            {QStringLiteral("LC_ALL=") + locale,
             "LOCPATH=" + QString::fromStdString(locales->string()),
             // glibc keeps its copy of LOCPATH for good; not a leak of ours.
             QStringLiteral("ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")});
        ASSERT_EQ(run.status, 0) << run.err;
    }
    for (const char* name : {kDealerResultsFile, kPlayerResultsFile}) {
        std::string expected = read_file(dir.path() / "C" / name);
        for (auto point = expected.find('.'); point != std::string::npos;
             point = expected.find('.', point)) {
            expected.replace(point, 1, "\u066B");
        }
        EXPECT_EQ(read_file(dir.path() / "ps_AF.UTF-8" / name), expected);
    }
}

// ---- batch ----

TEST(CalcBatch, answers_a_bad_line_in_its_place_and_goes_on) {
    const CalcRun run = run_calc({"--batch"},
                                 "# dealer player threshold\n"
                                 "10 10,8\n"
                                 "\n"
                                 "10 Q,9,5 17\n"
                                 "5 10,9 21\r\n"
                                 "10 10,2 30\n"
                                 "10 10,2\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    const auto lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    EXPECT_EQ(parse_object(lines[0])["banco"]["sequences"].toInt(), 288);
    EXPECT_EQ(lines[1],
              R"({"error":"player card 3 (5) refused: it would take the hand to 24, over 21",)"
              R"("line":4})");
    const QJsonObject third = parse_object(lines[2]);
    EXPECT_EQ(third["stand_at"].toInt(), 21);
    EXPECT_NEAR(figure(third, "player", "all", "stand"), 0.0867347, 5e-8);
    EXPECT_EQ(parse_object(lines[3]),
              (QJsonObject{{"line", 6},
                           {"error", "threshold \"30\" is not a whole number from 12 to 21"}}));
    EXPECT_NEAR(figure(parse_object(lines[4]), "player", "exact", "stand"), 0.541265, 5e-7);
}

TEST(CalcBatch, takes_stand_as_the_threshold_of_lines_without_one) {
    const CalcRun run = run_calc({"--batch", "--stand", "13"}, "10 10,2\n10 10,2 19\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(parse_object(lines[0])["stand_at"].toInt(), 13);
    EXPECT_EQ(parse_object(lines[1])["stand_at"].toInt(), 19);
}

// A line far longer than any table needs costs no more memory than a short
// one; it gets its error object and the batch goes on.
TEST(CalcBatch, answers_an_overlong_line_in_bounded_memory_and_goes_on) {
    const ScratchDir dir;
    const fs::path out = dir.path() / "out";
    const SpawnedRun run = spawn_calc({"--batch"}, {.out = out.c_str()}, "\n10 10,8\n", 100 << 20);
    EXPECT_EQ(run.status, 1) << run.err;
    const auto lines = lines_of(read_file(out));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(parse_object(lines[0]),
              (QJsonObject{{"line", 1},
                           {"error", "line longer than 4096 bytes; no table needs that many"}}));
    EXPECT_EQ(parse_object(lines[1])["banco"]["sequences"].toInt(), 288);
    EXPECT_LT(run.peak_kib, 100 * 1024);
}

TEST(CalcBatch, writes_nothing_for_empty_input) {
    const CalcRun run = run_calc({"--batch"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

// Every table of one dealer card and two player cards, the threshold going
// round 12..21 from line to line (all 5,500 combinations take too long under
// the sanitizers; the engines' own sweeps cover every threshold).
TEST(CalcBatch, answers_every_small_table_in_input_order) {
    static const char* const kFaces[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    std::string input;
    std::vector<int> thresholds;
    for (const char* dealer : kFaces) {
        for (int first = 0; first < 10; ++first) {
            for (int second = first; second < 10; ++second) {
                thresholds.push_back(12 + static_cast<int>(thresholds.size() % 10));
                input += std::string(dealer) + " " + kFaces[first] + "," + kFaces[second] + " " +
                         std::to_string(thresholds.back()) + "\n";
            }
        }
    }
    const CalcRun run = run_calc({"--batch"}, input);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 550u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QJsonObject table = parse_object(lines[i]);
        ASSERT_EQ(table["stand_at"].toInt(), thresholds[i]) << lines[i];
        for (const char* side : {"banco", "player"}) {
            double all = 0;
            double exact = 0;
            for (const auto& value : table[QLatin1String(side)]["all"].toObject()) {
                all += value.toDouble();
            }
            for (const auto& value : table[QLatin1String(side)]["exact"].toObject()) {
                exact += value.toDouble();
            }
            ASSERT_NEAR(all, 1.0, 1e-6) << lines[i];
            ASSERT_NEAR(exact, 1.0, 1e-12) << lines[i];
        }
    }
}

}  // namespace
}  // namespace tavolix::cli
