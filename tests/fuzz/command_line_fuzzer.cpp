// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Plays the input as a tavolix-calc invocation: arguments one per line up to
// the first NUL byte, standard input after it. Whatever the arguments, the tool
// must end with a known status, say why in one line when it refuses, write
// nothing else then, and in batch mode answer every table line with one JSON
// object, an error object exactly for the lines that give no table. Help and
// version come before everything else, batch mode included.
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/argument_text.h"
#include "cli/command_line.h"

namespace {

// Enough for a dozen batch lines and every option; longer inputs only cost time.
constexpr std::size_t kMaxInput = 2048;

[[noreturn]] void fail(const std::string& what, const std::string& out, const std::string& err) {
    std::fprintf(stderr, "%s\n--- out:\n%s\n--- err:\n%s\n", what.c_str(), out.c_str(),
                 err.c_str());
    std::abort();
}

// Whether an argument asks for help or the version: by name, or among
// compacted short options such as "-vh".
bool asks_help_or_version(std::string_view argument) {
    if (argument == "--help" || argument == "--help-all" || argument == "--version") {
        return true;
    }
    return argument.size() > 1 && argument[0] == '-' && argument[1] != '-' &&
           argument.find_first_of("h?v") != std::string_view::npos;
}

std::size_t count_lines(std::string_view text) {
    std::size_t lines = 0;
    for (const char ch : text) {
        lines += ch == '\n' ? 1 : 0;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) {
        return -1;
    }
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string arguments_text = input.substr(0, split);
    const std::string stdin_text = split == std::string::npos ? "" : input.substr(split + 1);

    QStringList arguments{QStringLiteral("tavolix-calc")};
    bool batch = false;
    bool help_or_version = false;
    bool options_ended = false;  // after "--" every argument is a hand
    std::size_t start = 0;
    while (start <= arguments_text.size()) {
        std::size_t end = arguments_text.find('\n', start);
        if (end == std::string::npos) {
            end = arguments_text.size();
        }
        const std::string argument = arguments_text.substr(start, end - start);
        // Report files would land wherever the input points; that path has
        // tests of its own.
        if (argument.find("reports") != std::string::npos) {
            return -1;
        }
        if (!options_ended) {
            batch = batch || argument == "--batch";
            help_or_version = help_or_version || asks_help_or_version(argument);
            options_ended = argument == "--";
        }
        arguments << tavolix::cli::argument_text(argument);
        start = end + 1;
    }

    std::istringstream in(stdin_text);
    std::ostringstream out_stream;
    std::ostringstream err_stream;
    const int status = tavolix::cli::run_command_line(arguments, in, out_stream, err_stream);
    const std::string out = out_stream.str();
    const std::string err = err_stream.str();

    if (status < 0 || status > 2) {
        fail("unexpected exit status " + std::to_string(status), out, err);
    }
    if (status == 2) {
        if (err.empty() || err.back() != '\n' || count_lines(err) != 1) {
            fail("a refusal must be one line on standard error", out, err);
        }
        if (!out.empty()) {
            fail("a refusal must write no figures", out, err);
        }
        return 0;
    }
    if (help_or_version) {
        if (status != 0 || out.empty() || !err.empty()) {
            fail("help or version must be answered alone, with status 0", out, err);
        }
    } else if (batch) {
        bool any_error = false;
        std::istringstream lines(out);
        std::string line;
        while (std::getline(lines, line)) {
            const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line));
            if (!document.isObject()) {
                fail("a batch line that is not a JSON object: " + line, out, err);
            }
            const QJsonObject object = document.object();
            const bool is_error = object.contains(QStringLiteral("error"));
            if (is_error == object.contains(QStringLiteral("stand_at"))) {
                fail("a batch line that is neither a table nor an error: " + line, out, err);
            }
            any_error = any_error || is_error;
        }
        if (any_error != (status == 1)) {
            fail("exit status " + std::to_string(status) + " does not match the error lines", out,
                 err);
        }
    } else if (status != 0) {
        fail("status 1 outside batch mode", out, err);
    }
    return 0;
}
