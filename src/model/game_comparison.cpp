// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "game_comparison.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "comparison_table.h"
#include "simulation/options.h"
#include "table_text.h"

namespace tavolix {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

// Why an option of the command line's own cannot stand on a line.
std::optional<std::string> misplaced(const GivenOption& option) {
    if (option.name == "help" || option.name == "version") {
        return "--" + option.name + " is for the command line";
    }
    for (const SimulationOptionEntry& entry : simulation_option_entries()) {
        if (entry.name != option.name) {
            continue;
        }
        if (entry.place == OptionPlace::common) {
            return "--" + option.name +
                   " is common to every game: give it on the command line, not on a line";
        }
        if (entry.place == OptionPlace::command_line) {
            return "--" + option.name + " is for the command line, not for a game";
        }
    }
    return std::nullopt;
}

bool has_score(const ComparedResult& result) {
    return result.report && result.report->figures.ev_per_round > 0;
}

std::string right(const std::string& text, std::size_t width) {
    const std::size_t length = characters(text);
    return std::string(length < width ? width - length : 0, ' ') + text;
}

std::string full(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

}  // namespace

std::variant<ComparedGame, std::string> compared_game(std::string_view line,
                                                      const std::vector<GivenOption>& common) {
    auto words = words_of_line(line);
    if (auto* fault = std::get_if<std::string>(&words)) {
        return std::move(*fault);
    }
    auto own = options_of_words(std::get<std::vector<std::string>>(words));
    if (auto* fault = std::get_if<std::string>(&own)) {
        return std::move(*fault);
    }
    std::vector<GivenOption> given = common;
    for (const GivenOption& option : std::get<std::vector<GivenOption>>(own)) {
        if (option.name.empty()) {
            return "unexpected word \"" + option.value + "\": a line holds options only";
        }
        if (auto fault = misplaced(option)) {
            return *std::move(fault);
        }
        given.push_back(option);
    }
    auto arguments = arguments_of(given);
    if (auto* fault = std::get_if<std::string>(&arguments)) {
        return std::move(*fault);
    }
    const SimulationRequest& request = std::get<SimulationArguments>(arguments).request;
    if (const auto fault = simulation::options_fault(request.options)) {
        return *fault;
    }
    return ComparedGame{.label = std::string(trimmed(line)), .request = request};
}

std::variant<std::vector<ComparedGame>, GameListFault> compared_games(
    std::string_view text, const std::vector<GivenOption>& common) {
    std::vector<ComparedGame> games;
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.find('\0') != std::string_view::npos) {
            return GameListFault{number, "a NUL byte: not a line of text"};
        }
        auto game = compared_game(line, common);
        if (auto* fault = std::get_if<std::string>(&game)) {
            return GameListFault{number, std::move(*fault)};
        }
        games.push_back(std::get<ComparedGame>(std::move(game)));
    }
    if (games.empty()) {
        return GameListFault{0, "no game to compare: every line is blank or a comment"};
    }
    return games;
}

std::vector<ComparedResult> run_games(const std::vector<ComparedGame>& games,
                                      const ComparisonProgressCall& progress, std::stop_token stop,
                                      simulation::PreparedStrategies* known) {
    simulation::PreparedStrategies own;
    simulation::PreparedStrategies* kept = known != nullptr ? known : &own;
    std::vector<ComparedResult> results;
    for (std::size_t at = 0; at < games.size(); ++at) {
        ComparedResult result{.game = games[at]};
        if (!stop.stop_requested()) {
            auto run = run_request(
                games[at].request,
                [&](const RequestProgress& now) {
                    if (progress) {
                        progress({.game = at, .games = games.size(), .run = now});
                    }
                },
                stop, kept);
            if (auto* error = std::get_if<std::string>(&run)) {
                result.error = std::move(*error);
            } else {
                result.report = std::get<SimulationReport>(std::move(run));
            }
        }
        results.push_back(std::move(result));
    }
    return results;
}

bool same_game(const SimulationRequest& a, const SimulationRequest& b) {
    return simulation::fingerprint(a.options) == simulation::fingerprint(b.options) &&
           a.bankroll == b.bankroll && a.trip == b.trip;
}

std::vector<std::size_t> score_order(const std::vector<ComparedResult>& results) {
    std::vector<std::size_t> order(results.size());
    std::iota(order.begin(), order.end(), 0);
    const auto rank = [](const ComparedResult& result) {
        return has_score(result) ? 0 : result.report ? 1 : 2;
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const ComparedResult& first = results[a];
        const ComparedResult& second = results[b];
        if (rank(first) != rank(second)) {
            return rank(first) < rank(second);
        }
        if (rank(first) == 2) {
            return false;
        }
        const auto& f = first.report->figures;
        const auto& s = second.report->figures;
        return rank(first) == 0 ? f.score > s.score : f.di > s.di;
    });
    return order;
}

std::string comparison_text(const std::vector<ComparedResult>& results,
                            const ComparisonWords& words) {
    const bool ruin = std::any_of(results.begin(), results.end(), [](const ComparedResult& r) {
        return r.report && r.report->figures.risk_of_ruin;
    });
    const auto& c = words.columns;
    constexpr std::size_t kWidths[] = {3, 8, 10, 13, 9, 9, 8, 9, 8, 9};
    std::string text;
    for (std::size_t column = 0; column < 10; ++column) {
        if (column == 9 && !ruin) {
            continue;
        }
        text += right(c[column], kWidths[column]);
    }
    text += "  " + c[10] + "\n";
    for (const ComparisonRow& row : comparison_rows(results)) {
        const ComparedResult& result = results[row.result];
        for (std::size_t column = 0; column < 10; ++column) {
            if (column == 9 && !ruin) {
                continue;
            }
            text += right(row.cells[column], kWidths[column]);
        }
        text += "  " + result.game.label;
        if (!result.report) {
            text += "  (" + (result.error.empty() ? words.not_played : result.error) + ")";
        }
        text += "\n";
    }
    return text;
}

std::string comparison_csv(const std::vector<ComparedResult>& results,
                           const ComparisonWords& words) {
    const auto& c = words.columns;
    std::string text;
    for (std::size_t column = 0; column < c.size(); ++column) {
        text += (column == 0 ? "" : ",") + csv_field(c[column]);
    }
    text += "\n";
    std::size_t place = 0;
    for (const std::size_t at : score_order(results)) {
        const ComparedResult& result = results[at];
        std::vector<std::string> cells{std::to_string(++place)};
        if (result.report) {
            const simulation::Figures& f = result.report->figures;
            const bool wins = f.ev_per_round > 0;
            cells.push_back(wins ? full(f.score) : "");
            cells.push_back(wins ? full(f.n0) : "");
            cells.push_back(full(100 * f.advantage));
            cells.push_back(full(100 * f.advantage_se));
            cells.push_back(full(f.win_rate_per_100));
            cells.push_back(full(f.sd_per_100));
            cells.push_back(full(f.win_rate_per_hour));
            cells.push_back(full(f.sd_per_hour));
            cells.push_back(f.risk_of_ruin ? full(100 * *f.risk_of_ruin) : "");
        } else {
            cells.resize(10);
        }
        cells.push_back(result.game.label);
        cells.push_back(result.report          ? ""
                        : result.error.empty() ? words.not_played
                                               : result.error);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            text += (column == 0 ? "" : ",") + csv_field(cells[column]);
        }
        text += "\n";
    }
    return text;
}

}  // namespace tavolix
