// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
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

}  // namespace
}  // namespace tavolix::cli
