// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "table_fixtures.h"

namespace tavolix::cli {
namespace {

// One `$ tavolix-calc ...` of the README and the output shown under it.
struct Example {
    int line = 0;  // of the command in the README
    std::string command;
    std::string shown;
};

std::string without_trailing_blanks(std::string text) {
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
            line.pop_back();
        }
        out += line + '\n';
    }
    while (out.ends_with("\n\n")) {
        out.pop_back();
    }
    return out;
}

// The examples are the README's indented blocks; a command runs on until the
// next command or the end of its block. Commands that need a shell (pipes,
// redirections, several commands on a line) are left to the reader.
std::vector<Example> readme_examples() {
    std::ifstream file(TAVOLIX_README_PATH);
    std::vector<Example> examples;
    std::optional<Example> open;
    const auto close = [&] {
        if (open) {
            open->shown = without_trailing_blanks(open->shown);
            examples.push_back(std::move(*open));
            open.reset();
        }
    };
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (line.starts_with("    $ ")) {
            close();
            const std::string command = line.substr(6);
            if (command.starts_with("tavolix-calc ") &&
                command.find_first_of("|<>&;`") == std::string::npos) {
                open = Example{.line = number, .command = command.substr(13), .shown = {}};
            }
        } else if (open && (line.empty() || line.starts_with("    "))) {
            open->shown += line.empty() ? "\n" : line.substr(4) + "\n";
        } else {
            close();
        }
    }
    close();
    return examples;
}

// The arguments as the shell would split them: blanks apart, double quotes
// holding blanks together.
QStringList shell_words(const std::string& command) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool started = false;
    for (const char ch : command) {
        if (ch == '"') {
            quoted = !quoted;
            started = true;
        } else if (ch == ' ' && !quoted) {
            if (started) {
                words << word;
            }
            word.clear();
            started = false;
        } else {
            word += QChar::fromLatin1(ch);
            started = true;
        }
    }
    if (started) {
        words << word;
    }
    return words;
}

// What the README shows is what the tool prints today, in its own language,
// the error messages included.
TEST(ReadmeExamples, show_what_the_tool_prints) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "whole rounds among the examples: checked outside the sanitizers";
    }
    const std::vector<Example> examples = readme_examples();
    ASSERT_GE(examples.size(), 10u) << "the README's examples were not found";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const Example& example : examples) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(TAVOLIX_CALC), shell_words(example.command));
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(120'000)) << "README line " << example.line;
        EXPECT_EQ(without_trailing_blanks(process.readAll().toStdString()), example.shown)
            << "README line " << example.line << ": tavolix-calc " << example.command;
    }
}

// One `$ tavolix-sim ...` of the README's fenced blocks, the files a
// `$ cat FILE` before it in the block shows, and the output shown under it.
struct SimExample {
    int line = 0;
    std::string command;
    std::vector<std::pair<std::string, std::string>> files;  // name, text
    std::string shown;
};

std::vector<SimExample> readme_sim_examples() {
    std::ifstream file(TAVOLIX_README_PATH);
    std::vector<SimExample> examples;
    std::vector<std::pair<std::string, std::string>> files;
    std::string* open = nullptr;  // the output or the file being read
    bool fenced = false;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (line.starts_with("```")) {
            fenced = !fenced;
            open = nullptr;
            files.clear();
            continue;
        }
        if (!fenced) {
            continue;
        }
        if (line.starts_with("$ cat ")) {
            files.emplace_back(line.substr(6), std::string());
            open = &files.back().second;
        } else if (line.starts_with("$ tavolix-sim ")) {
            examples.push_back({number, line.substr(14), files, {}});
            open = &examples.back().shown;
        } else if (line.starts_with("$ ")) {
            open = nullptr;
        } else if (open != nullptr) {
            *open += line + "\n";
        }
    }
    return examples;
}

// The output less the line that times the run, which no two runs share.
std::string without_timing(const std::string& text) {
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("Seed ")) {
            out += line + '\n';
        }
    }
    return without_trailing_blanks(out);
}

// The README's simulator examples of a million rounds or fewer, and without
// index plays (which take seconds to work out), print what is shown, but for
// the line of the run's time and speed. Longer runs are shown as they came
// and are not run again here.
TEST(ReadmeExamples, simulator_examples_print_what_is_shown) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "whole rounds among the examples: checked outside the sanitizers";
    }
    const std::vector<SimExample> examples = readme_sim_examples();
    ASSERT_GE(examples.size(), 8u) << "the README's simulator examples were not found";
    int run = 0;
    for (const SimExample& example : examples) {
        const QStringList words = shell_words(example.command);
        const auto rounds = words.indexOf(QStringLiteral("--rounds"));
        const bool small = rounds >= 0 && rounds + 1 < words.size() &&
                           words[rounds + 1].toULongLong() <= 1'000'000;
        const bool indices =
            words.contains(QStringLiteral("--indices")) && !words.contains(QStringLiteral("none"));
        if (!small || indices || example.command.find_first_of("|<>&;`") != std::string::npos) {
            continue;
        }
        ++run;
        QTemporaryDir directory;
        ASSERT_TRUE(directory.isValid());
        for (const auto& [name, text] : example.files) {
            std::ofstream(directory.filePath(QString::fromStdString(name)).toStdString()) << text;
        }
        QProcess process;
        process.setWorkingDirectory(directory.path());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(TAVOLIX_SIM), words);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(300'000)) << "README line " << example.line;
        EXPECT_EQ(without_timing(process.readAll().toStdString()), without_timing(example.shown))
            << "README line " << example.line << ": tavolix-sim " << example.command;
    }
    EXPECT_GE(run, 4) << "too few of the README's simulator examples are short enough to run";
}

}  // namespace
}  // namespace tavolix::cli
