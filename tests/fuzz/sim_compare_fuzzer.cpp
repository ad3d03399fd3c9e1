// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Plays the input as a tavolix-sim invocation: its options one per line up
// to the first NUL byte; after it, when there is one, a --compare file's
// text, which the run is given as --compare FILE. Each run deals a tiny
// number of rounds on one thread (--rounds and --threads are put last, so
// they win). Whatever the input, tavolix-sim ends with 0 or 2: refused,
// it writes one line starting "tavolix-sim: " at the end of standard error
// and no figures, save a comparison's table whose game could not be
// played; run, it writes a report (or help), the JSON of a comparison an
// array of one object per game line, each naming its game.
// The strategy of the full shoe takes seconds to work out under the
// sanitizers, so every game is dealt with one chart, worked out once (one
// deck, no doubles, no splits), whatever its rules: the charts are the
// analysis tests' concern, and here only what the options make of a run
// matters. For the same reason index plays, play by composition (whose
// tables come from the chart's own shoe) and long pilots are left out, and
// checkpoints, which write files.
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_text.h"
#include "cli/sim_options.h"
#include "cli/sim_session.h"
#include "model/game_comparison.h"
#include "strategy/round.h"

namespace {

constexpr std::size_t kMaxInput = 1024;
constexpr std::string_view kRounds = "300";

[[noreturn]] void fail(const std::string& what, const std::string& out, const std::string& err) {
    std::fprintf(stderr, "%s\n--- out:\n%s\n--- err:\n%s\n", what.c_str(), out.c_str(),
                 err.c_str());
    std::abort();
}

const std::string& compare_path() {
    static const std::string path = [] {
        char name[] = "/tmp/tavolix_fuzz_compare_XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd >= 0) {
            ::close(fd);
        }
        return std::string(name);
    }();
    return path;
}

std::vector<std::string> lines_of(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The lines a --compare file plays: not blank, not a comment.
std::size_t game_lines(std::string_view text) {
    std::size_t games = 0;
    for (const std::string& line : lines_of(text)) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        games += first != std::string::npos && line[first] != '#' ? 1 : 0;
    }
    return games;
}

const tavolix::strategy::Strategy& one_chart() {
    static const tavolix::strategy::Strategy chart = *tavolix::strategy::compute_strategy(
        tavolix::strategy::full_shoe(1),
        std::get<tavolix::TableRules>(tavolix::parse_rules("S17 NODBL SPL0")));
    return chart;
}

// Every game the request plays, as far as it reads; none when it is refused.
std::vector<tavolix::SimulationRequest> games_of(const tavolix::cli::SimRequest& request,
                                                 const std::string& file) {
    if (!request.compare) {
        return {request};
    }
    std::vector<tavolix::SimulationRequest> games;
    const auto listed = tavolix::compared_games(file, request.common);
    if (const auto* found = std::get_if<std::vector<tavolix::ComparedGame>>(&listed)) {
        for (const tavolix::ComparedGame& game : *found) {
            games.push_back(game.request);
        }
    }
    return games;
}

bool asks_help(const std::vector<std::string>& arguments) {
    for (const std::string& word : arguments) {
        if (word == "--") {
            return false;
        }
        if (word == "--help" || word == "--help-all" || word == "--version" ||
            (word.size() > 1 && word[0] == '-' && word[1] != '-' &&
             word.find_first_of("hv") != std::string::npos)) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) {
        return -1;
    }
    const std::string input(reinterpret_cast<const char*>(data), size);
    for (const std::string_view slow : {"pilot", "checkpoint"}) {
        if (input.find(slow) != std::string::npos) {
            return -1;
        }
    }
    const std::size_t split = input.find('\0');
    const bool compare = split != std::string::npos;
    // Without a file of its own the input could name any file to compare.
    if (!compare && input.find("compare") != std::string::npos) {
        return -1;
    }
    const std::vector<std::string> arguments = lines_of(input.substr(0, split));
    const std::string file = compare ? input.substr(split + 1) : std::string();

    QStringList words{QStringLiteral("tavolix-sim")};
    for (const std::string& argument : arguments) {
        words << tavolix::cli::argument_text(argument);
    }
    if (compare) {
        std::ofstream(compare_path(), std::ios::binary | std::ios::trunc) << file;
        words << QStringLiteral("--compare") << QString::fromStdString(compare_path());
    }
    words << QStringLiteral("--rounds") << QString::fromLatin1(kRounds.data(), kRounds.size())
          << QStringLiteral("--threads") << QStringLiteral("1");

    static tavolix::simulation::PreparedStrategies known;
    std::ostringstream out_stream;
    std::ostringstream err_stream;
    int status = 0;
    auto parsed = tavolix::cli::parse_sim_arguments(words);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        status = tavolix::cli::sim_fail(err_stream, *error, 2);
    } else if (const auto* info = std::get_if<tavolix::cli::SimInfo>(&parsed)) {
        out_stream << info->text;
    } else {
        const auto& request = std::get<tavolix::cli::SimRequest>(parsed);
        for (const tavolix::SimulationRequest& game : games_of(request, file)) {
            const auto& options = game.options;
            if (options.play != tavolix::simulation::PlayStyle::basic ||
                options.indices != tavolix::simulation::IndexSet::none) {
                return 0;
            }
            if (known.strategy(options.rules, options.decks) == nullptr) {
                known.keep(options.rules, options.decks, one_chart());
            }
        }
        status = tavolix::cli::run_simulation(request, out_stream, err_stream, false,
                                              std::stop_token{}, &known);
    }
    const std::string out = out_stream.str();
    const std::string err = err_stream.str();
    const std::vector<std::string> err_lines = lines_of(err);

    if (status != 0 && status != 2) {
        fail("unexpected exit status " + std::to_string(status), out, err);
    }
    if (!err.empty() && err.back() != '\n') {
        fail("standard error must end a line", out, err);
    }
    if (status == 2) {
        if (err_lines.empty() || !err_lines.back().starts_with("tavolix-sim: ")) {
            fail("a refusal must end with one line naming the program", out, err);
        }
        if (!out.empty() && (!compare || err.find("was not played") == std::string::npos)) {
            fail("a refusal must write no figures", out, err);
        }
        return 0;
    }
    if (out.empty()) {
        fail("a run must write its figures", out, err);
    }
    if (asks_help(arguments)) {
        return 0;
    }
    // --json as an option, not as the value of the option before it.
    bool json = false;
    for (std::size_t i = 0; i < arguments.size() && arguments[i] != "--"; ++i) {
        json = json || arguments[i] == "--json";
        for (const tavolix::SimulationOptionEntry& entry : tavolix::simulation_option_entries()) {
            if (!entry.value.empty() && arguments[i] == "--" + std::string(entry.name)) {
                ++i;
                break;
            }
        }
    }
    if (!json) {
        return 0;
    }
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out));
    if (compare) {
        if (!document.isArray() ||
            static_cast<std::size_t>(document.array().size()) != game_lines(file)) {
            fail("the comparison's JSON must hold one object per game line", out, err);
        }
        for (const QJsonValue& game : document.array()) {
            if (!game.toObject()[QStringLiteral("game")].isString() ||
                game.toObject()[QStringLiteral("rounds_dealt")].toInteger() != 300) {
                fail("each game's object names its game and deals the rounds asked", out, err);
            }
        }
    } else if (!document.isObject() ||
               document.object()[QStringLiteral("rounds_dealt")].toInteger() != 300) {
        fail("a run's JSON must be one object of the rounds asked", out, err);
    }
    return 0;
}
