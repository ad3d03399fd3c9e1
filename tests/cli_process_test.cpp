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
#include <random>
#include <set>
#include <string>
#include <vector>

#include "cli/table_run.h"
#include "comma_locale.h"
#include "core/table_rules.h"
#include "dealer/dealer_report.h"
#include "model/analysis_panel.h"
#include "model/strategy_text.h"
#include "player/player_report.h"
#include "report_dir.h"
#include "table_fixtures.h"

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

using testing::rules_of;

// What the shorthand says of rules it refuses.
std::string rules_error(const char* text) {
    return std::get<RulesError>(parse_rules(text)).message;
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
    EXPECT_EQ(keys_of(table), (Keys{"stand_at", "rules", "rules_text", "banco", "player", "seen",
                                    "shoe", "count"}));
    EXPECT_EQ(keys_of(table["rules"].toObject()),
              (Keys{"dealer", "hole_card", "blackjack_pays", "double", "double_after_split",
                    "splits", "resplit_aces", "hit_split_aces", "surrender", "post_split"}));
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
        {"10 10,8", {{10}, {10, 8}, 17, 1, {}, {}}},
        {"2 7,10 17", {{2}, {7, 10}, 17, 1, {}, {}}},
        {"A A,A 21", {{1}, {1, 1}, 21, 1, {}, {}}},
        {"6 2,3 13", {{6}, {2, 3}, 13, 1, {}, {}}},
        // The S17 dealer draws on the 16 that the TABLE dealer stands on here.
        {"6 2,3 13 2 S17,DAS", {{6}, {2, 3}, 13, 2, rules_of("S17 DAS"), {}}},
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
    std::string rules_heading;     // the start of the rules line
    std::string strategy_heading;  // the strategy's title and its round's EV
};

class CalcText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CalcText, shows_both_hands_and_the_panels_side_by_side) {
    const CalcRun run = run_calc({"10", "10,8"}, {}, GetParam().environment);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, GetParam().text);
}

// The window's own rules, however they are written, leave the text as it
// has always been.
TEST_P(CalcText, keeps_every_byte_under_the_windows_own_rules) {
    for (const char* rules : {"TABLE", "table,doa,ndas,spl3", " TABLE "}) {
        const CalcRun run = run_calc({"--rules", rules, "10", "10,8"}, {}, GetParam().environment);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, GetParam().text) << rules;
    }
}

// Against the player's 18 the S17 dealer draws and stands as the TABLE
// dealer does, so the figures stay and only the rules line comes in, below
// the threshold.
TEST_P(CalcText, names_other_rules_canonically_on_a_line_of_their_own) {
    const CalcRun run = run_calc({"--rules", "das,s17", "10", "10,8"}, {}, GetParam().environment);
    ASSERT_EQ(run.status, 0) << run.err;
    std::string expected = GetParam().text;
    const std::size_t after_threshold = expected.find("17\n") + 3;
    expected.insert(after_threshold, GetParam().rules_heading + "S17 DAS\n");
    EXPECT_EQ(run.out, expected);
}

TEST_P(CalcText, writes_the_strategy_in_the_same_language) {
    const CalcRun run = run_calc({"--strategy", "--rules", "S17 DAS LS", "--decks", "6"}, {},
                                 GetParam().environment);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, GetParam().strategy_heading.size()), GetParam().strategy_heading);
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
                               "Analisi esatta\n   N    Vince     Pari    Perde      EV\n",
                               "Regole =>  ",
                               "Strategia\nS17, 6 mazzi, blackjack 3:2, raddoppio dopo divisione, "
                               "resa\nEV del giro: -0.330%   Vantaggio del banco: 0.33%\n"},
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
                               "Exact analysis\n   N      Win     Push     Lose      EV\n",
                               "Rules =>   ",
                               "Strategy\nS17, 6 decks, blackjack 3:2, double after split, "
                               "surrender\nRound EV: -0.330%   House edge: 0.33%\n"}),
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

// The counter's numbers refuse what they cannot answer, before any work.
INSTANTIATE_TEST_SUITE_P(
    BadCount, CalcRefuses,
    ::testing::Values(
        BadCall{"unknown_count_name",
                {"--eor", "--count", "hilo2"},
                "--count: unknown count \"hilo2\" (the counts: hilo, ko, hiopt1, hiopt2, "
                "omega2, zen, halves, or ten tags, ace first)"},
        BadCall{"nine_tags",
                {"--count", "-1,1,1,1,1,1,0,0,0", "10", "10,8"},
                "--count: a count needs ten tags, ace first; 9 given"},
        BadCall{"a_tag_not_a_number",
                {"--indices", "--count", "-1,1,1,1,uno,1,0,0,0,-1"},
                "--count: tag 5 \"uno\" is not a whole or half number between -9 and 9"},
        BadCall{"indices_with_an_unbalanced_count",
                {"--indices", "--count", "ko"},
                "--indices needs a balanced count; KO is not (its tags add up to +4 a deck)"},
        BadCall{"hands_with_eor",
                {"--eor", "10", "10,8"},
                "--eor takes no hands: it works out every hand of the round"},
        BadCall{"hands_with_indices",
                {"--indices", "10", "10,8"},
                "--indices takes no hands: it works out every hand of the round"},
        BadCall{"eor_with_batch", {"--eor", "--batch"}, "--batch cannot be used with --eor"}),
    [](const auto& test) { return std::string(test.param.name); });

// The effects of removal and the correlations, as the command line gives
// them: every documented key, ten figures a row, each built-in count once,
// and the chosen count's correlations those of its row.
TEST(CalcCounter, gives_the_effects_of_removal_with_the_documented_keys) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "eleven whole rounds are too slow under the sanitizers";
    }
    const CalcRun run = run_calc({"--eor", "--json", "--decks", "1", "--rules", "S17"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject object = parse_object(run.out);
    EXPECT_EQ(keys_of(object),
              (std::set<QString>{"count", "eor", "correlations", "rules", "rules_text", "decks"}));
    const QJsonObject count = object["count"].toObject();
    EXPECT_EQ(keys_of(count),
              (std::set<QString>{"name", "tags", "balanced", "initial_running_count",
                                 "betting_correlation", "insurance_correlation"}));
    EXPECT_EQ(count["name"].toString(), "hilo");
    EXPECT_EQ(count["tags"].toArray().size(), 10);
    EXPECT_EQ(object["rules_text"].toString(), "S17");
    EXPECT_EQ(object["decks"].toInt(), 1);
    const QJsonObject eor = object["eor"].toObject();
    EXPECT_EQ(keys_of(eor), (std::set<QString>{"round", "insurance"}));
    EXPECT_EQ(eor["round"].toArray().size(), 10);
    EXPECT_EQ(eor["insurance"].toArray().size(), 10);
    std::set<QString> names;
    for (const QJsonValue& row : object["correlations"].toArray()) {
        EXPECT_EQ(keys_of(row.toObject()), (std::set<QString>{"name", "betting", "insurance"}));
        names.insert(row["name"].toString());
        if (row["name"].toString() == "hilo") {
            EXPECT_EQ(row["betting"].toDouble(), count["betting_correlation"].toDouble());
            EXPECT_EQ(row["insurance"].toDouble(), count["insurance_correlation"].toDouble());
        }
    }
    EXPECT_EQ(names,
              (std::set<QString>{"hilo", "ko", "hiopt1", "hiopt2", "omega2", "zen", "halves"}));
}

struct BadRules {
    const char* name;
    QStringList arguments;  // the rest of the call
    const char* rules;
    const char* token;  // what the message must quote, if anything
};

class CalcRefusesRules : public ::testing::TestWithParam<BadRules> {};

// Rules that the shorthand refuses never fall back to other rules: the call
// gets the shorthand's message, naming the token, and no figures.
TEST_P(CalcRefusesRules, with_status_2_and_the_shorthands_message) {
    const CalcRun run =
        run_calc(QStringList{"--rules", GetParam().rules} + GetParam().arguments, "A 8,8\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "tavolix-calc: --rules: " + rules_error(GetParam().rules) + "\n");
    if (GetParam().token != nullptr) {
        EXPECT_NE(run.err.find('"' + std::string(GetParam().token) + '"'), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, CalcRefusesRules,
    ::testing::Values(BadRules{"unknown_token", {"A", "8,8"}, "S17,DAS,XX", "XX"},
                      BadRules{"two_dealers", {"--json", "A", "8,8"}, "S17 H17", "H17"},
                      BadRules{"a_setting_twice", {"A", "8,8"}, "s17,ls,LS", "LS"},
                      BadRules{"casino_only_with_table", {"A", "8,8"}, "TABLE,BJ6:5", "BJ6:5"},
                      BadRules{"resplit_aces_without_splits", {"A", "8,8"}, "S17 SPL1 RSA", "RSA"},
                      BadRules{"empty", {"A", "8,8"}, "", nullptr},
                      BadRules{"only_commas", {"A", "8,8"}, ",,", nullptr},
                      BadRules{"escape_sequence", {"A", "8,8"}, "S17\x1b[2J", "S17\\x1b[2J"},
                      BadRules{"two_post_split_strategies", {"A", "8,8"}, "S17 CDZ- cdp", "cdp"},
                      BadRules{
                          "opt_with_three_splits", {"--analysis", "A", "8,8"}, "S17 OPT", "OPT"},
                      BadRules{"opt_with_two_splits", {"--strategy"}, "H17 SPL2 OPT", "OPT"},
                      BadRules{"a_strategy_at_the_table", {"A", "8,8"}, "TABLE OPT SPL1", "OPT"},
                      BadRules{"for_a_batch", {"--batch"}, "S17,DAS,XX", "XX"}),
    [](const auto& test) { return std::string(test.param.name); });

struct RulesJsonCase {
    const char* name;
    QStringList rules;  // the option, if any
    QJsonObject object;
    const char* text;
};

class CalcRulesJson : public ::testing::TestWithParam<RulesJsonCase> {};

TEST_P(CalcRulesJson, gives_every_setting_and_the_canonical_text) {
    const CalcRun run = run_calc(GetParam().rules + QStringList{"--json", "10", "10,8"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject table = parse_object(run.out);
    EXPECT_EQ(table["rules"].toObject(), GetParam().object);
    EXPECT_EQ(table["rules_text"].toString().toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CalcRulesJson,
    ::testing::Values(RulesJsonCase{"the_windows_own",
                                    {},
                                    {{"dealer", "table"},
                                     {"hole_card", "none"},
                                     {"blackjack_pays", QJsonValue()},
                                     {"double", "any"},
                                     {"double_after_split", false},
                                     {"splits", 3},
                                     {"resplit_aces", false},
                                     {"hit_split_aces", false},
                                     {"surrender", false},
                                     {"post_split", "CDP1"}},
                                    "TABLE"},
                      RulesJsonCase{"table_with_player_options",
                                    {"--rules", "table d10 ls spl2 rsa"},
                                    {{"dealer", "table"},
                                     {"hole_card", "none"},
                                     {"blackjack_pays", QJsonValue()},
                                     {"double", "10-11"},
                                     {"double_after_split", false},
                                     {"splits", 2},
                                     {"resplit_aces", true},
                                     {"hit_split_aces", false},
                                     {"surrender", true},
                                     {"post_split", "CDP1"}},
                                    "TABLE D10 SPL2 RSA LS"},
                      RulesJsonCase{"s17_and_its_defaults",
                                    {"--rules", "S17"},
                                    {{"dealer", "s17"},
                                     {"hole_card", "peek"},
                                     {"blackjack_pays", 1.5},
                                     {"double", "any"},
                                     {"double_after_split", false},
                                     {"splits", 3},
                                     {"resplit_aces", false},
                                     {"hit_split_aces", false},
                                     {"surrender", false},
                                     {"post_split", "CDP1"}},
                                    "S17"},
                      RulesJsonCase{"every_setting_away_from_its_default",
                                    {"--rules=ls,hsa,rsa,spl2,das,d9,bj6:5,enhc,h17,cdz-"},
                                    {{"dealer", "h17"},
                                     {"hole_card", "enhc"},
                                     {"blackjack_pays", 1.2},
                                     {"double", "9-11"},
                                     {"double_after_split", true},
                                     {"splits", 2},
                                     {"resplit_aces", true},
                                     {"hit_split_aces", true},
                                     {"surrender", true},
                                     {"post_split", "CDZ-"}},
                                    "H17 ENHC BJ6:5 D9 DAS SPL2 RSA HSA LS CDZ-"},
                      RulesJsonCase{"even_money_and_no_double_or_split",
                                    {"--rules", "S17 BJ1:1 NODBL SPL0"},
                                    {{"dealer", "s17"},
                                     {"hole_card", "peek"},
                                     {"blackjack_pays", 1},
                                     {"double", "none"},
                                     {"double_after_split", false},
                                     {"splits", 0},
                                     {"resplit_aces", false},
                                     {"hit_split_aces", false},
                                     {"surrender", false},
                                     {"post_split", "CDP1"}},
                                    "S17 BJ1:1 NODBL SPL0"}),
    [](const auto& test) { return std::string(test.param.name); });

// What the analysis must say of one table under casino rules.
struct Expected {
    const char* key;  // under "analysis", "actions.split" for a nested one
    enum Is { null, number, yes, no, equals, word } is;
    double value = 0;            // for equals
    const char* text = nullptr;  // for word
};

struct CasinoCase {
    const char* name;
    QStringList arguments;
    std::vector<Expected> expected;
};

void PrintTo(const CasinoCase& row, std::ostream* out) {
    *out << row.name;
}

class CalcCasinoAnalysis : public ::testing::TestWithParam<CasinoCase> {};

QJsonValue value_at(QJsonObject object, const std::string& key) {
    const auto dot = key.find('.');
    if (dot == std::string::npos) {
        return object[QString::fromStdString(key)];
    }
    return value_at(object[QString::fromStdString(key.substr(0, dot))].toObject(),
                    key.substr(dot + 1));
}

TEST_P(CalcCasinoAnalysis, allows_the_plays_the_rules_and_the_hand_allow) {
    const CalcRun run = run_calc(QStringList{"--json", "--analysis"} + GetParam().arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject analysis = parse_object(run.out)["analysis"].toObject();
    for (const Expected& expected : GetParam().expected) {
        const QJsonValue value = value_at(analysis, expected.key);
        SCOPED_TRACE(expected.key);
        switch (expected.is) {
            case Expected::null:
                EXPECT_TRUE(value.isNull()) << value.toVariant().toString().toStdString();
                break;
            case Expected::number:
                EXPECT_TRUE(value.isDouble());
                break;
            case Expected::yes:
            case Expected::no:
                EXPECT_TRUE(value.isBool());
                EXPECT_EQ(value.toBool(), expected.is == Expected::yes);
                break;
            case Expected::equals:
                EXPECT_TRUE(value.isDouble());
                EXPECT_NEAR(value.toDouble(), expected.value, 1e-12);
                break;
            case Expected::word:
                EXPECT_EQ(value.toString().toStdString(), expected.text);
                break;
        }
    }
}

// Insurance pays 2 to 1 on a ten in the hole: 16 tens among the 49 cards
// that one deck has left behind A against 8,8.
constexpr double kInsuranceAgainst88 = 3.0 * 16.0 / 49.0 - 1.0;

INSTANTIATE_TEST_SUITE_P(
    Rules, CalcCasinoAnalysis,
    ::testing::Values(
        CasinoCase{"the_table_dealer_splits_and_surrenders_but_has_no_natural",
                   {"--rules", "TABLE,DAS,LS", "A", "8,8"},
                   {{"actions.split", Expected::number},
                    {"actions.surrender", Expected::equals, -0.5},
                    {"insurance", Expected::null},
                    {"no_dealer_blackjack", Expected::no},
                    {"natural", Expected::no},
                    {"dealer_natural", Expected::no}}},
        CasinoCase{"eights_split_against_an_ace_that_was_peeked_under",
                   {"--rules", "S17,DAS", "A", "8,8"},
                   {{"actions.split", Expected::number},
                    {"actions.surrender", Expected::null},
                    {"insurance", Expected::equals, kInsuranceAgainst88},
                    {"no_dealer_blackjack", Expected::yes},
                    {"advice", Expected::word, 0, "split"},
                    {"advice_outcome", Expected::null}}},
        CasinoCase{"six_decks_with_late_surrender",
                   {"--decks", "6", "--rules", "S17,DAS,LS", "A", "8,8"},
                   {{"actions.split", Expected::number},
                    {"actions.surrender", Expected::number},
                    {"advice", Expected::word, 0, "split"}}},
        CasinoCase{"no_split_without_splits",
                   {"--rules", "S17,SPL0", "A", "8,8"},
                   {{"actions.split", Expected::null}, {"no_dealer_blackjack", Expected::yes}}},
        CasinoCase{"no_split_of_a_hand_that_is_no_pair",
                   {"--rules", "S17", "10", "10,6"},
                   {{"actions.split", Expected::null},
                    {"actions.surrender", Expected::null},
                    {"insurance", Expected::null},
                    {"no_dealer_blackjack", Expected::yes}}},
        CasinoCase{"surrender_of_sixteen_against_a_ten",
                   {"--rules", "S17,LS", "10", "10,6"},
                   {{"actions.surrender", Expected::number}}},
        CasinoCase{"no_hole_card_to_peek_at",
                   {"--rules", "S17,ENHC", "A", "8,8"},
                   {{"no_dealer_blackjack", Expected::no}}},
        CasinoCase{"no_double_at_all",
                   {"--rules", "S17,NODBL", "6", "6,5"},
                   {{"actions.double", Expected::null}, {"actions.hit", Expected::number}}},
        CasinoCase{"double_on_hard_ten",
                   {"--rules", "S17,D10", "6", "6,4"},
                   {{"actions.double", Expected::number}}},
        CasinoCase{"no_double_on_hard_nine_with_d10",
                   {"--rules", "S17,D10", "6", "5,4"},
                   {{"actions.double", Expected::null}}},
        CasinoCase{"no_double_on_soft_nineteen_with_d9",
                   {"--rules", "S17,D9", "6", "A,8"},
                   {{"actions.double", Expected::null}}},
        CasinoCase{"the_players_natural",
                   {"--rules", "S17", "9", "A,K"},
                   {{"natural", Expected::yes}, {"dealer_natural", Expected::no}}},
        CasinoCase{"the_dealers_natural",
                   {"--rules", "S17", "A,K", "10,8"},
                   {{"dealer_natural", Expected::yes}, {"natural", Expected::no}}}),
    [](const auto& test) { return std::string(test.param.name); });

// --analysis names the post-split strategy that the split's EV is for, in its
// text beside the EV and in the JSON's rules, whether given or the default.
TEST(CalcAnalysis, names_the_post_split_strategy_of_the_splits_ev) {
    const std::pair<const char*, const char*> strategies[] = {{"S17 DAS CDZ-", "CDZ-"},
                                                              {"S17 DAS", "CDP1"},
                                                              {"S17 DAS CDP", "CDP"},
                                                              {"S17 DAS SPL1 OPT", "OPT"},
                                                              {"S17 DAS PERHAND", "PERHAND"}};
    for (const auto& [rules, token] : strategies) {
        const QStringList arguments{"--rules", rules, "--decks", "6", "--analysis", "10", "8,8"};
        const CalcRun text = run_calc(arguments);
        const CalcRun json = run_calc(arguments + QStringList{"--json"});
        ASSERT_EQ(text.status, 0) << text.err;
        ASSERT_EQ(json.status, 0) << json.err;
        const QJsonObject table = parse_object(json.out);
        EXPECT_EQ(table["rules"]["post_split"].toString().toStdString(), token);
        const std::string split = "DIVIDI " +
                                  signed_ev(table["analysis"]["actions"]["split"].toDouble()) +
                                  " (" + token + ")";
        EXPECT_NE(text.out.find(split), std::string::npos) << split << '\n' << text.out;
    }
}

TEST(Calc, answers_help_and_version) {
    const CalcRun help = run_calc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("[options] DEALER PLAYER"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
    // Every token of the shorthand is in the help.
    for (const char* token :
         {"TABLE", "S17", "H17", "PEEK", "ENHC", "BJ3:2", "BJ6:5", "BJ1:1", "DOA", "D9", "D10",
          "NODBL", "NDAS", "DAS", "SPL3", "SPL0", "RSA", "HSA", "LS"}) {
        EXPECT_NE(help.out.find(std::string(" ") + token + " "), std::string::npos) << token;
    }
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
        std::string left;
        for (const auto& entry : fs::directory_iterator(reports)) {
            left += " " + entry.path().filename().string();
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(reports), {}), 4)
            << "after " << delay_ms << " ms:" << left;
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

// Each line is played by its own rules or the option's, and its object is
// the one a single call with the same settings gives; rules refused on a
// line are that line's error.
TEST(CalcBatch, plays_every_line_by_its_rules_and_says_which) {
    const CalcRun run = run_calc({"--batch", "--rules", "S17", "--decks", "2", "--stand", "16"},
                                 "A 8,8 17 6 H17,DAS,LS\n"
                                 "A 8,8\n"
                                 "# a comment\n"
                                 "6 2,3 - - TABLE\n"
                                 "6 2,3 - 1\n"
                                 "A 8,8 - - S19\n"
                                 "A 8,8 - - s17,ls\n");
    EXPECT_EQ(run.status, 1);
    const auto lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    const std::vector<std::pair<std::size_t, QStringList>> alone = {
        {0, {"--stand", "17", "--decks", "6", "--rules", "H17,DAS,LS", "A", "8,8"}},
        {1, {"--stand", "16", "--decks", "2", "--rules", "S17", "A", "8,8"}},
        {2, {"--stand", "16", "--decks", "2", "--rules", "TABLE", "6", "2,3"}},
        {3, {"--stand", "16", "--decks", "1", "--rules", "S17", "6", "2,3"}},
        {5, {"--stand", "16", "--decks", "2", "--rules", "S17 LS", "A", "8,8"}},
    };
    for (const auto& [line, arguments] : alone) {
        const CalcRun single = run_calc(QStringList{"--json"} + arguments);
        ASSERT_EQ(single.status, 0) << single.err;
        EXPECT_EQ(parse_object(lines[line]), parse_object(single.out)) << line;
    }
    EXPECT_EQ(parse_object(lines[0])["rules_text"].toString(), "H17 DAS LS");
    EXPECT_EQ(parse_object(lines[1])["rules_text"].toString(), "S17");
    EXPECT_EQ(parse_object(lines[2])["rules_text"].toString(), "TABLE");
    EXPECT_EQ(parse_object(lines[5])["rules_text"].toString(), "S17 LS");
    // The S17 dealer draws on the 16 that the TABLE dealer stands on here.
    EXPECT_NE(parse_object(lines[2])["banco"], parse_object(lines[3])["banco"]);
    EXPECT_EQ(parse_object(lines[4]),
              (QJsonObject{{"line", 6}, {"error", QString::fromStdString(rules_error("S19"))}}));
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

// ---- the whole round and the cards seen ----

// The faces of a deck less `kept`, as a --seen list: every card but those.
QString all_cards_but(std::vector<std::string> kept) {
    QStringList faces;
    for (Integer face = kAce; face <= kKing; ++face) {
        for (int copy = 0; copy < 4; ++copy) {
            const std::string name(kFaceNames[face]);
            if (const auto at = std::find(kept.begin(), kept.end(), name); at != kept.end()) {
                kept.erase(at);
            } else {
                faces << QString::fromStdString(name);
            }
        }
    }
    return faces.join(',');
}

INSTANTIATE_TEST_SUITE_P(
    RoundAndShoe, CalcRefuses,
    ::testing::Values(
        BadCall{"strategy_with_hands",
                {"--strategy", "10", "10,8"},
                "--strategy takes no hands: it plays every hand against every up card"},
        BadCall{"strategy_with_batch",
                {"--batch", "--strategy"},
                "--batch cannot be used with --strategy"},
        BadCall{"strategy_with_analysis",
                {"--strategy", "--analysis"},
                "--analysis cannot be used with --strategy"},
        BadCall{"strategy_with_reports",
                {"--strategy", "--reports", "/tmp"},
                "--reports cannot be used with --strategy"},
        BadCall{"strategy_with_stand",
                {"--stand", "17", "--strategy"},
                "--stand cannot be used with --strategy"},
        BadCall{"json_and_csv",
                {"--strategy", "--csv", "--json"},
                "--json and --csv cannot be used together"},
        BadCall{"csv_of_a_table",
                {"--csv", "10", "10,8"},
                "--csv writes the hands of --strategy; a table's figures come as text or --json"},
        BadCall{"csv_of_a_batch",
                {"--csv", "--batch"},
                "--csv writes the hands of --strategy; a table's figures come as text or --json"},
        BadCall{"seen_not_a_face",
                {"--seen", "2,x", "10", "10,8"},
                "--seen: cards seen \"2,x\": card 2 \"x\"" + kNotAFace},
        BadCall{"seen_fifth_king_beside_the_hands",
                {"--seen", "K,Q,K,K,K", "10", "K,6"},
                "seen card 5 (K) refused: no K is left once both hands and the cards seen before "
                "it are out (the shoe has 4 cards of face K and 16 of value 10)"},
        BadCall{"seen_fifth_ace_for_the_round",
                {"--strategy", "--seen", "A,a,A,A,A"},
                "seen card 5 (A) refused: no A is left once both hands and the cards seen before "
                "it are out (the shoe has 4 cards of value A)"},
        BadCall{"seen_ninth_five_of_two_decks",
                {"--decks", "2", "--json", "--seen", "5,5,5,5,5,5,5,5", "5", "10,6"},
                "seen card 8 (5) refused: no 5 is left once both hands and the cards seen before "
                "it are out (the shoe of 2 decks has 8 cards of value 5)"},
        BadCall{"seen_the_whole_rest_of_the_deck",
                {"--seen", all_cards_but({"10", "10", "6"}), "10", "10,6"},
                "seen card 49 (K) refused: it leaves no card in the shoe to deal"},
        BadCall{"round_from_two_cards",
                {"--strategy", "--seen", all_cards_but({"9", "K"})},
                "the shoe left, 2 cards, cannot deal a round"}),
    [](const auto& row) { return std::string(row.param.name); });

const std::vector<std::string> kChartUps = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "A"};

std::vector<std::string> labels(int first, int last) {
    std::vector<std::string> names;
    for (int n = first; n <= last; ++n) {
        names.push_back(std::to_string(n));
    }
    return names;
}

std::vector<std::string> strings_of(const QJsonArray& array) {
    std::vector<std::string> texts;
    for (const QJsonValue& value : array) {
        texts.push_back(value.toString().toStdString());
    }
    return texts;
}

std::uint64_t bits_of(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// The round's object against the model's own round, and against sums a
// reader would make of it.
void expect_round_json(const QJsonObject& round, const Strategy& strategy, int decks) {
    using Keys = std::set<QString>;
    EXPECT_EQ(keys_of(round), (Keys{"rules", "rules_text", "decks", "round_ev", "round_variance",
                                    "stand_at_round_ev", "best_stand_at", "hands", "chart", "seen",
                                    "shoe", "count"}));
    EXPECT_EQ(round["decks"].toInt(), decks);
    EXPECT_EQ(round["rules_text"].toString().toStdString(), rules_text(strategy.rules));
    EXPECT_EQ(bits_of(round["round_ev"].toDouble()), bits_of(strategy.round_ev));
    EXPECT_EQ(bits_of(round["round_variance"].toDouble()), bits_of(strategy.round_variance));

    const QJsonArray stand_at = round["stand_at_round_ev"].toArray();
    ASSERT_EQ(stand_at.size(), analysis::kThresholds);
    int best = 0;
    double best_ev = -2;
    for (int i = 0; i < stand_at.size(); ++i) {
        const int n = stand_at[i]["n"].toInt();
        const double ev = stand_at[i]["ev"].toDouble();
        EXPECT_EQ(n, analysis::kLowestThreshold + i);
        EXPECT_EQ(bits_of(ev), bits_of(strategy.stand_at[i].ev)) << n;
        if (ev > best_ev) {
            best = n;
            best_ev = ev;
        }
    }
    EXPECT_EQ(round["best_stand_at"].toInt(), best);

    const QJsonArray hands = round["hands"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(hands.size()), strategy.hands.size());
    double probability = 0;
    double ev = 0;
    for (int i = 0; i < hands.size(); ++i) {
        const QJsonObject hand = hands[i].toObject();
        const strategy::InitialHand& expected = strategy.hands[i];
        EXPECT_EQ(keys_of(hand), (Keys{"up", "player", "probability", "actions", "play", "ev"}));
        EXPECT_EQ(hand["up"].toString().toStdString(), value_text(expected.up));
        EXPECT_EQ(strings_of(hand["player"].toArray()),
                  (std::vector{value_text(expected.first), value_text(expected.second)}));
        EXPECT_EQ(hand["play"].toString().toStdString(), advice_key(expected.plays.advice));
        for (const analysis::Play play :
             {analysis::Play::stand, analysis::Play::hit, analysis::Play::double_down,
              analysis::Play::split, analysis::Play::surrender}) {
            const QJsonValue action = hand["actions"][QLatin1String(advice_key(play))];
            const auto model_ev = analysis::play_ev(expected.plays, play);
            ASSERT_EQ(action.isNull(), !model_ev) << i << advice_key(play);
            if (model_ev) {
                EXPECT_EQ(bits_of(action.toDouble()), bits_of(*model_ev));
            }
        }
        probability += hand["probability"].toDouble();
        ev += hand["probability"].toDouble() * hand["ev"].toDouble();
    }
    EXPECT_NEAR(probability, 1.0, 1e-12);
    EXPECT_NEAR(ev, round["round_ev"].toDouble(), 1e-12);

    const QJsonObject chart = round["chart"].toObject();
    std::vector<std::string> pairs;
    for (int value = 2; value <= 10; ++value) {
        pairs.push_back(std::to_string(value) + "," + std::to_string(value));
    }
    pairs.push_back("A,A");
    for (const auto& [kind, rows, expected_labels] :
         {std::tuple{"hard", &strategy.chart.hard, labels(5, 19)},
          std::tuple{"soft", &strategy.chart.soft, labels(13, 20)},
          std::tuple{"pairs", &strategy.chart.pairs, pairs}}) {
        const QJsonArray json_rows = chart[QLatin1String(kind)].toArray();
        std::vector<std::string> row_labels;
        for (int r = 0; r < json_rows.size(); ++r) {
            const QJsonObject row = json_rows[r].toObject();
            row_labels.push_back(row["row"].toString().toStdString());
            std::vector<std::string> ups;
            const QJsonArray cells = row["cells"].toArray();
            for (int c = 0; c < cells.size(); ++c) {
                ups.push_back(cells[c]["up"].toString().toStdString());
                const strategy::ChartCell& cell = (*rows)[r].cells[c];
                EXPECT_EQ(cells[c]["code"].toString().toStdString(), cell.code);
                EXPECT_EQ(cells[c]["marked"].toBool(), cell.marked);
            }
            EXPECT_EQ(ups, kChartUps) << kind << row_labels.back();
        }
        EXPECT_EQ(row_labels, expected_labels) << kind;
    }
}

TEST(CalcStrategy, gives_the_models_round_as_json_csv_and_text) {
    for (const auto& [rules, decks] :
         {std::pair{"S17 DAS LS", 2}, std::pair{"TABLE", 1}, std::pair{"H17 ENHC SPL1", 6}}) {
        SCOPED_TRACE(rules);
        const QStringList settings{"--strategy", "--rules", rules, "--decks",
                                   QString::number(decks)};
        const auto strategy = run_strategy(full_shoe_request(rules_of(rules), decks));
        ASSERT_TRUE(strategy);
        const CalcRun json = run_calc(settings + QStringList{"--json"});
        ASSERT_EQ(json.status, 0) << json.err;
        const QJsonObject round = parse_object(json.out);
        expect_round_json(round, *strategy, decks);
        EXPECT_TRUE(round["seen"].toArray().isEmpty());
        EXPECT_EQ(round["shoe"]["left"].toInt(), 52 * decks);
        EXPECT_EQ(round["count"]["running"].toInt(), 0);

        const CalcRun csv = run_calc(settings + QStringList{"--csv"});
        EXPECT_EQ(csv.status, 0) << csv.err;
        EXPECT_EQ(csv.out, strategy_csv(*strategy));
        const CalcRun text = run_calc(settings);
        EXPECT_EQ(text.status, 0) << text.err;
        EXPECT_EQ(text.out, strategy_text(*strategy, decks));
        EXPECT_EQ(text.err, "");
    }
}

// The shoe as a reader counts it: full decks less both hands and the seen.
struct PlainShoe {
    DeckCounts by_value{};
    int left = 0;
    int running = 0;
};

PlainShoe plain_shoe(int decks, const std::vector<Integer>& gone) {
    PlainShoe shoe;
    for (int value = 1; value <= 10; ++value) {
        shoe.by_value[value] = (value == 10 ? 16 : 4) * decks;
    }
    for (const Integer face : gone) {
        const int value = face >= 10 ? 10 : face;
        --shoe.by_value[value];
        shoe.running += value >= 2 && value <= 6 ? 1 : (value >= 7 && value <= 9 ? 0 : -1);
    }
    for (int value = 1; value <= 10; ++value) {
        shoe.left += shoe.by_value[value];
    }
    return shoe;
}

void expect_shoe_json(const QJsonObject& object, const PlainShoe& shoe,
                      const std::vector<Integer>& seen) {
    std::vector<std::string> names;
    for (const Integer face : seen) {
        names.emplace_back(kFaceNames[face]);
    }
    EXPECT_EQ(strings_of(object["seen"].toArray()), names);
    EXPECT_EQ(object["shoe"]["left"].toInt(), shoe.left);
    const QJsonArray by_value = object["shoe"]["by_value"].toArray();
    ASSERT_EQ(by_value.size(), 10);
    for (int value = 1; value <= 10; ++value) {
        EXPECT_EQ(by_value[value - 1].toInt(), shoe.by_value[value]) << value;
    }
    EXPECT_EQ(object["count"]["running"].toInt(), shoe.running);
    EXPECT_DOUBLE_EQ(object["count"]["true"].toDouble(), shoe.running / (shoe.left / 52.0));
}

QString faces_text(const std::vector<Integer>& faces) {
    QStringList names;
    for (const Integer face : faces) {
        names << QString::fromLatin1(kFaceNames[face].data(), kFaceNames[face].size());
    }
    return names.join(',');
}

// Random tables, each with cards seen drawn from what its hands leave: every
// figure equals the window's, its pad taking the same cards out one by one,
// and the shoe is the one a reader counts.
TEST(CalcSeen, gives_the_windows_figures_with_those_cards_out) {
    std::mt19937 random(2024);
    const std::vector<std::pair<std::vector<Integer>, std::vector<Integer>>> tables = {
        {{6}, {10, 6}}, {{1}, {8, 8}},  {{10}, {13, 2}},      {{5}, {3, 4}},
        {{9}, {1, 7}},  {{2}, {12, 4}}, {{1, 6}, {10, 2, 5}}, {{7}, {5, 5}}};
    const char* const rule_sets[] = {"TABLE", "S17 DAS LS", "H17 ENHC", "S17 SPL3 RSA"};
    for (std::size_t i = 0; i < tables.size() * 2; ++i) {
        const auto& [banco, player] = tables[i % tables.size()];
        const int decks = 1 + static_cast<int>(random() % 3);
        const char* rules = rule_sets[random() % 4];
        std::vector<Integer> shoe;
        for (Integer face = kAce; face <= kKing; ++face) {
            int left = 4 * decks - static_cast<int>(std::count(banco.begin(), banco.end(), face) +
                                                    std::count(player.begin(), player.end(), face));
            while (left-- > 0) {
                shoe.push_back(face);
            }
        }
        std::shuffle(shoe.begin(), shoe.end(), random);
        const std::vector<Integer> seen(shoe.begin(), shoe.begin() + random() % 20);
        SCOPED_TRACE(faces_text(banco).toStdString() + " " + faces_text(player).toStdString() +
                     " --decks " + std::to_string(decks) + " --rules " + rules + " --seen " +
                     faces_text(seen).toStdString());

        const CalcRun run =
            run_calc({"--json", "--analysis", "--decks", QString::number(decks), "--rules", rules,
                      "--seen", faces_text(seen), faces_text(banco), faces_text(player)});
        ASSERT_EQ(run.status, 0) << run.err;
        const QJsonObject table = parse_object(run.out);

        Form1Model window;
        window.Form_Load();
        window.Combo2_Click(decks - 1);
        window.set_rules(rules_of(rules));
        for (const auto& [side, faces] :
             {std::pair{Side::Banco, &banco}, std::pair{Side::Player, &player}}) {
            for (const Integer face : *faces) {
                window.Label3_Click(pad_index(side, face));
            }
        }
        for (const Integer face : seen) {
            window.take_out_card(face);
            ASSERT_EQ(window.last_card(), Form1Model::LastCard::Accepted);
        }
        const auto exact = window.exact_chances();
        for (const auto& [key, column] :
             {std::pair{"win", kDealerWins}, std::pair{"push", kPush},
              std::pair{"lose", kDealerLoses}, std::pair{"bust", kBust}}) {
            EXPECT_EQ(bits_of(figure(table, "banco", "exact", key)), bits_of(exact.banco[column]))
                << key;
        }
        EXPECT_EQ(bits_of(figure(table, "player", "exact", "stand")),
                  bits_of(exact.player[kStandColumn]));
        EXPECT_EQ(table["banco"]["panel"]["tutte_combinazioni"].toString().toStdString(),
                  window.captions().Label9);
        EXPECT_EQ(table["player"]["panel"]["prima_carta"].toString().toStdString(),
                  window.captions().Label13);
        const HandAnalysis& analysis = window.last_calculation()->analysis;
        EXPECT_EQ(bits_of(table["analysis"]["actions"]["stand"].toDouble()),
                  bits_of(analysis.stand_ev));
        EXPECT_EQ(bits_of(table["analysis"]["actions"]["hit"].toDouble()),
                  bits_of(analysis.hit_ev.value_or(0)));
        EXPECT_EQ(table["analysis"]["best_stand_at"].toInt(), analysis.best_stand_at);

        std::vector<Integer> gone = banco;
        gone.insert(gone.end(), player.begin(), player.end());
        gone.insert(gone.end(), seen.begin(), seen.end());
        expect_shoe_json(table, plain_shoe(decks, gone), seen);
    }
}

// The round from a shoe rich in tens is the model's round from that shoe
// given outright.
TEST(CalcSeen, plays_the_round_from_the_shoe_left) {
    const std::vector<Integer> seen{2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6};
    const CalcRun run =
        run_calc({"--strategy", "--json", "--rules", "S17 DAS LS", "--seen", faces_text(seen)});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject round = parse_object(run.out);
    const PlainShoe shoe = plain_shoe(1, seen);
    const auto strategy = run_strategy(
        StrategyRequest{.shoe = shoe.by_value, .rules = rules_of("S17 DAS LS"), .decks = 1});
    ASSERT_TRUE(strategy);
    expect_round_json(round, *strategy, 1);
    expect_shoe_json(round, shoe, seen);
    // Small cards gone leave the player the better of the game.
    const auto full = run_strategy(full_shoe_request(rules_of("S17 DAS LS"), 1));
    EXPECT_GT(strategy->round_ev, full->round_ev);
}

TEST(CalcSeen, adds_the_shoe_to_the_text_only_when_cards_are_seen) {
    const CalcRun plain = run_calc({"--rules", "S17 DAS LS", "6", "10,6"});
    const CalcRun seen =
        run_calc({"--rules", "S17 DAS LS", "--seen", "10,10,10,K,q,J", "6", "10,6"});
    ASSERT_EQ(seen.status, 0) << seen.err;
    // Worked out by hand: 52 less 6, 10, 6 and six tens; 6 and 6 count +1, the
    // seven tens -1; -5 over 43/52 of a deck.
    const std::string shoe_lines =
        "Uscite:  A 0  2 0  3 0  4 0  5 0  6 0  7 0  8 0  9 0  10 6\n"
        "Sabot: 43 carte su 52, conteggio -5, vero -6.0\n";
    const auto header_end = plain.out.find("\n\n") + 1;
    EXPECT_EQ(seen.out.substr(0, header_end), plain.out.substr(0, header_end));
    EXPECT_EQ(seen.out.substr(header_end, shoe_lines.size()), shoe_lines);
    EXPECT_EQ(seen.out.find("Uscite", header_end + shoe_lines.size()), std::string::npos);
    EXPECT_NE(seen.out.substr(header_end + shoe_lines.size()), plain.out.substr(header_end));
    EXPECT_EQ(plain.out.find("Uscite"), std::string::npos);
}

// A line's sixth field is its cards seen; a line without one takes the
// option's. Each line's object is the one a single run gives.
TEST(CalcBatch, takes_the_cards_seen_from_the_sixth_field) {
    struct Line {
        const char* text;
        QStringList single;
    };
    const std::vector<Line> lines = {
        {"6 10,6 - - S17,DAS,LS 10,10,K", {"--rules", "S17,DAS,LS", "--seen", "10,10,K"}},
        {"6 10,6 - - S17,DAS,LS", {"--rules", "S17,DAS,LS", "--seen", "2,3"}},
        {"6 10,6 - 2 - -", {"--decks", "2", "--seen", "2,3"}},
        {"6 10,6 16 - - a,5", {"--stand", "16", "--seen", "A,5"}},
    };
    std::string input;
    for (const Line& line : lines) {
        input += std::string(line.text) + "\n";
    }
    input += "6 10,6 - - - K,K,K,K,K\n";  // the fifth K of a deck
    const CalcRun run = run_calc({"--batch", "--analysis", "--seen", "2,3"}, input);
    EXPECT_EQ(run.status, 1) << run.err;
    const auto answers = lines_of(run.out);
    ASSERT_EQ(answers.size(), lines.size() + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].text);
        const CalcRun single = run_calc(QStringList{"--json", "--analysis"} + lines[i].single +
                                        QStringList{"6", "10,6"});
        ASSERT_EQ(single.status, 0) << single.err;
        EXPECT_EQ(parse_object(answers[i]), parse_object(single.out));
    }
    const QJsonObject refused = parse_object(answers.back());
    EXPECT_EQ(refused["line"].toInt(), 5);
    EXPECT_NE(refused["error"].toString().indexOf("seen card 5 (K) refused"), -1)
        << refused["error"].toString().toStdString();
}

}  // namespace
}  // namespace tavolix::cli
