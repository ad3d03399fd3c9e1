// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Plays the input as a tavolix-calc invocation: arguments one per line up to
// the first NUL byte, standard input after it. Whatever the arguments, the tool
// must end with a known status, say why in one line when it refuses, write
// nothing else then, and in batch mode answer every table line with one JSON
// object, an error object exactly for the lines that give no table. Help and
// version come before everything else, batch mode included. Rules the
// shorthand refuses, from --rules or a batch line, are refused, never read as
// other rules; every table is played by the rules it was given, and says so.
// Every table tells the shoe it was dealt from, and that shoe is the decks
// less both hands and the cards seen, with the count --count chose (Hi-Lo
// unless told). The whole round, and the counter's numbers built on it, take
// too long to play on every input, so only their refusals are played.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/argument_text.h"
#include "cli/command_line.h"
#include "core/model_words.h"
#include "core/table_rules.h"
#include "counting/count.h"

namespace {

// Enough for a dozen batch lines and every option; longer inputs only cost time.
constexpr std::size_t kMaxInput = 2048;

[[noreturn]] void fail(const std::string& what, const std::string& out, const std::string& err) {
    std::fprintf(stderr, "%s\n--- out:\n%s\n--- err:\n%s\n", what.c_str(), out.c_str(),
                 err.c_str());
    std::abort();
}

// Whether an argument asks for help or the version as Qt's parser reads it:
// a long form of one of the help or version option's names ("--help",
// "--h", "--help-all", "--version", "--v"), or those names' letters among
// compacted short options such as "-vh". There is no prefix matching, and a
// value given to any of them ("--h=1") is refused.
bool asks_help_or_version(std::string_view argument) {
    for (const std::string_view name : {"--help", "--h", "--help-all", "--version", "--v"}) {
        if (argument == name) {
            return true;
        }
    }
    return argument.size() > 1 && argument[0] == '-' && argument[1] != '-' &&
           argument.find_first_of("hv") != std::string_view::npos;
}

// Whether an argument is an option that takes the next argument as its value,
// whatever that argument is.
bool takes_next_as_value(std::string_view argument) {
    for (const std::string_view name :
         {"--stand", "--decks", "--rules", "--reports", "--seen", "--count"}) {
        if (argument == name) {
            return true;
        }
    }
    return false;
}

std::size_t count_lines(std::string_view text) {
    std::size_t lines = 0;
    for (const char ch : text) {
        lines += ch == '\n' ? 1 : 0;
    }
    return lines;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        lines.push_back(line);
    }
    return lines;
}

// What the rules of a text must come out as: their canonical text, or
// nothing when the shorthand refuses them.
std::optional<std::string> canonical(std::string_view text) {
    const auto parsed = tavolix::parse_rules(text);
    if (const auto* rules = std::get_if<tavolix::TableRules>(&parsed)) {
        return tavolix::rules_text(*rules);
    }
    return std::nullopt;
}

// The value the tool reads for an option: its last one before "--", given as
// "--name VALUE" or "--name=VALUE". An option that takes a value swallows the
// next argument whatever it is.
std::optional<std::string> option_value(const std::vector<std::string>& arguments,
                                        std::string_view name) {
    const std::string flag = "--" + std::string(name);
    std::optional<std::string> value;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            break;
        }
        const bool takes_value = takes_next_as_value(argument);
        if (argument == flag && i + 1 < arguments.size()) {
            value = arguments[i + 1];
        } else if (argument.starts_with(flag + "=")) {
            value = argument.substr(flag.size() + 1);
        }
        i += takes_value ? 1 : 0;
    }
    return value;
}

// The blank-separated fields of a batch line, as the tool splits them.
std::vector<std::string_view> fields_of(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::vector<std::string_view> fields;
    std::size_t start = line.find_first_not_of(" \t");
    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(" \t", start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        start = line.find_first_not_of(" \t", end);
    }
    return fields;
}

// A table object says which rules it was played by, in canonical form.
void check_rules_of_table(const QJsonObject& table, const std::optional<std::string>& expected,
                          const std::string& out, const std::string& err) {
    const std::string text = table.value(QStringLiteral("rules_text")).toString().toStdString();
    if (!table.value(QStringLiteral("rules")).isObject() || canonical(text) != text) {
        fail("a table without its rules in canonical form", out, err);
    }
    if (expected && text != *expected) {
        fail("a table played by " + text + " instead of " + *expected, out, err);
    }
}

// A face's card value, 1 for the ace and 10 for every ten.
int value_of(const QString& face) {
    if (face == QLatin1String("A")) {
        return 1;
    }
    if (face.size() == 2 || face == QLatin1String("J") || face == QLatin1String("Q") ||
        face == QLatin1String("K")) {
        return 10;
    }
    return face.toInt();
}

// The shoe a table object tells: full decks less the cards of both hands (as
// their texts show them) and the cards seen, none of a value below zero, and
// the count of every card gone.
void check_shoe_of_table(const QJsonObject& table, const tavolix::counting::Count& counted,
                         const std::string& out, const std::string& err) {
    const int decks = table.value(QStringLiteral("decks")).toInt(1);
    QStringList gone;
    for (const char* side : {"banco", "player"}) {
        gone += table[QLatin1String(side)][QLatin1String("text")].toString().split(
            QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    for (const QJsonValue& face : table[QStringLiteral("seen")].toArray()) {
        gone << face.toString();
    }
    const QJsonArray by_value = table[QStringLiteral("shoe")][QStringLiteral("by_value")].toArray();
    const int left = table[QStringLiteral("shoe")][QStringLiteral("left")].toInt(-1);
    int sum = 0;
    for (const QJsonValue& count : by_value) {
        if (count.toInt(-1) < 0) {
            fail("a value with fewer than no cards left", out, err);
        }
        sum += count.toInt();
    }
    if (by_value.size() != 10 || sum != left || left != 52 * decks - gone.size() || left <= 0) {
        fail("a shoe that is not the decks less the hands and the cards seen", out, err);
    }
    double running = counted.initial_running_count(decks);
    for (const QString& face : gone) {
        running += counted.tag(value_of(face));
    }
    const QJsonObject count = table[QStringLiteral("count")].toObject();
    if (count[QStringLiteral("running")].toDouble() != running ||
        count[QStringLiteral("true")].toDouble() != running / (left / 52.0)) {
        fail("a count that is not the chosen count of the cards gone", out, err);
    }
}

// Pairs each table line of the input with its answer: the rules of a line
// that gives them, else those of the option; rules the shorthand refuses
// must be answered by an error object.
void check_batch_rules(const std::string& input, const std::vector<std::string>& answers,
                       const std::string& option_rules, const tavolix::counting::Count& counted,
                       const std::string& out, const std::string& err) {
    std::size_t answer = 0;
    for (const std::string& line : lines_of(input)) {
        const auto fields = fields_of(line);
        if (fields.empty() || fields.front().front() == '#') {
            continue;
        }
        if (answer == answers.size()) {
            fail("a table line without its answer: " + line, out, err);
        }
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(answers[answer++])).object();
        if (fields.size() < 2 || fields.size() > 6 || object.contains(QStringLiteral("error"))) {
            continue;
        }
        check_shoe_of_table(object, counted, out, err);
        const bool own = fields.size() >= 5 && fields[4] != "-";
        const auto expected = canonical(own ? fields[4] : option_rules);
        if (!expected) {
            fail("rules refused by the shorthand gave a table: " + line, out, err);
        }
        check_rules_of_table(object, expected, out, err);
    }
    if (answer != answers.size()) {
        fail("more answers than table lines", out, err);
    }
}

// The plain text names the rules on a line of their own exactly when they
// are not the window's own.
void check_text_rules(const std::string& out, const std::string& expected, const std::string& err) {
    const std::string heading = tavolix::ModelWords{}.rules;
    std::optional<std::string> named;
    for (const std::string& line : lines_of(out)) {
        if (line.starts_with(heading)) {
            const std::size_t text = line.find_first_not_of(' ', heading.size());
            named = text == std::string::npos ? std::string() : line.substr(text);
        }
    }
    const bool own_rules = expected == tavolix::rules_text({});
    if (own_rules ? named.has_value() : named != expected) {
        fail("the text does not name the rules " + expected, out, err);
    }
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
    std::vector<std::string> argument_list;
    bool batch = false;
    bool strategy = false;
    bool help_or_version = false;
    bool options_ended = false;  // after "--" every argument is a hand
    bool is_value = false;       // the value of the option before it
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
        if (!options_ended && !is_value) {
            batch = batch || argument == "--batch";
            strategy = strategy || argument == "--strategy" || argument == "--eor" ||
                       argument == "--indices";
            help_or_version = help_or_version || asks_help_or_version(argument);
            options_ended = argument == "--";
            is_value = takes_next_as_value(argument);
        } else {
            is_value = false;
        }
        arguments << tavolix::cli::argument_text(argument);
        argument_list.push_back(argument);
        start = end + 1;
    }

    if (strategy && !batch && !help_or_version) {
        return -1;
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
    const std::string option_rules = option_value(argument_list, "rules").value_or("TABLE");
    const auto rules = canonical(option_rules);
    if (!rules && !help_or_version && status != 2) {
        fail("--rules " + option_rules + " was not refused", out, err);
    }
    const std::string option_count = option_value(argument_list, "count").value_or("hilo");
    const auto parsed_count = tavolix::counting::parse_count(option_count);
    const auto* counted = std::get_if<tavolix::counting::Count>(&parsed_count);
    if (counted == nullptr && !help_or_version && status != 2) {
        fail("--count " + option_count + " was not refused", out, err);
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
    } else if (strategy) {
        fail("--strategy, --eor or --indices with --batch was not refused", out, err);
    } else if (batch) {
        bool any_error = false;
        const std::vector<std::string> answers = lines_of(out);
        for (const std::string& line : answers) {
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
        check_batch_rules(stdin_text, answers, option_rules, *counted, out, err);
    } else if (status != 0) {
        fail("status 1 outside batch mode", out, err);
    } else if (const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(out));
               json.isObject()) {
        check_rules_of_table(json.object(), rules, out, err);
        check_shoe_of_table(json.object(), *counted, out, err);
    } else {
        check_text_rules(out, *rules, err);
    }
    return 0;
}
