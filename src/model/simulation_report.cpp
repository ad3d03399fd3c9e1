// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "simulation_report.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "figure_text.h"
#include "placeholders.h"
#include "table_text.h"

namespace tavolix {

namespace {

using simulation::CountFigures;
using simulation::Figures;

// The shortest text that reads back as the same double; JSON has no
// infinities, so a figure without a value is null.
std::string json_number(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string ramp_text(const simulation::SimulationOptions& options,
                      const SimulationReportWords& words) {
    return options.ramp.empty() ? words.flat : simulation::ramp_text(options.ramp);
}

std::string json_counts(const std::vector<CountFigures>& rows) {
    std::string counts = "[";
    for (const CountFigures& count : rows) {
        counts += std::string(counts.size() > 1 ? ",\n    " : "\n    ") +
                  "{\"tc\": " + std::to_string(count.true_count) +
                  ", \"rounds\": " + std::to_string(count.rounds) +
                  ", \"advantage\": " + json_number(count.advantage) +
                  ", \"sd\": " + json_number(count.sd) + "}";
    }
    return counts + "\n  ]";
}

// Whether the readable report gives the figures per hour: they differ from
// those per 100 rounds only for a player who sits rounds out, or at
// another pace than the default.
bool shows_per_hour(const SimulationReport& report) {
    return report.rounds_per_hour || report.options.wong_out || report.options.back_count;
}

std::string shuffle_text(const simulation::SimulationOptions& options,
                         const SimulationReportWords& words) {
    const int cut = simulation::cut_card_of(options);
    if (cut == 0) {
        return words.fresh_shoe;
    }
    return with_values(words.after_card, {std::to_string(cut), std::to_string(options.decks * 52)});
}

// "1 deck", "6 decks".
std::string how_many(std::uint64_t number, const std::string& one, const std::string& more) {
    return with_values(number == 1 ? one : more, {std::to_string(number)});
}

// A label padded to the column where the figures start.
std::string labelled(const std::string& label, const std::string& value) {
    constexpr std::size_t kColumn = 20;
    const std::size_t length = characters(label);
    return label + std::string(length < kColumn ? kColumn - length : 1, ' ') + value + "\n";
}

std::string numbers_list(const std::vector<std::uint64_t>& numbers, std::string_view between) {
    std::string text;
    for (const std::uint64_t number : numbers) {
        text += (text.empty() ? "" : std::string(between)) + std::to_string(number);
    }
    return text;
}

}  // namespace

std::string json_text(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string simulation_text(const SimulationReport& report, const SimulationReportWords& words) {
    const auto& options = report.options;
    const Figures& f = report.figures;
    const auto threads = static_cast<std::uint64_t>(report.threads);
    std::string text;
    text += with_values(
                words.rules,
                {rules_text(options.rules),
                 how_many(static_cast<std::uint64_t>(options.decks), words.deck, words.decks),
                 how_many(static_cast<std::uint64_t>(options.players), words.seat, words.seats)}) +
            "\n";
    text += with_values(words.reshuffle, {shuffle_text(options, words)}) + "\n";
    text +=
        with_values(words.play,
                    {words.plays.at(static_cast<std::size_t>(options.play)), options.count.title,
                     words.index_sets.at(static_cast<std::size_t>(options.indices)),
                     ramp_text(options, words)}) +
        (options.wong_out ? with_values(words.wong_out, {std::to_string(*options.wong_out)}) : "") +
        (options.back_count
             ? with_values(words.back_count, {std::to_string(options.back_count->enter),
                                              std::to_string(options.back_count->leave)})
             : "") +
        "\n";
    if (options.tc_decks != simulation::TcDecks::exact ||
        options.tc_division != simulation::TcDivision::floor) {
        text +=
            with_values(words.true_count,
                        {words.tc_decks.at(static_cast<std::size_t>(options.tc_decks)),
                         words.tc_divisions.at(static_cast<std::size_t>(options.tc_division))}) +
            "\n";
    }
    if (const auto& chosen = report.optimal_ramp) {
        text +=
            with_values(words.ramp_chosen,
                        {std::to_string(chosen->spread), grouped_digits(chosen->pilot.rounds_dealt),
                         fixed_figure(chosen->scale, 3), fixed_figure(chosen->predicted.di, 3)}) +
            "\n";
    }
    text += with_values(
                words.run,
                {std::to_string(options.seed), how_many(threads, words.thread, words.threads),
                 fixed_figure(report.seconds, 1),
                 fixed_figure(report.seconds > 0 ? f.rounds_dealt / report.seconds / 1e6 : 0, 1)}) +
            (report.finished ? "" : words.stopped) + "\n";
    if (!report.blocks_per_rank.empty()) {
        text += with_values(words.spread,
                            {how_many(report.blocks_per_rank.size(), words.rank, words.ranks),
                             numbers_list(report.blocks_per_rank, ", ")}) +
                "\n";
    }
    text += "\n";
    text += labelled(words.rounds_bet,
                     with_values(words.rounds_bet_value,
                                 {grouped_digits(f.rounds), grouped_digits(f.rounds_dealt),
                                  grouped_digits(f.hands)}));
    text += labelled(words.advantage,
                     with_values(words.advantage_value, {fixed_figure(100 * f.advantage, 3),
                                                         fixed_figure(100 * f.advantage_se, 3)}));
    text += labelled(words.ev, with_values(words.ev_value, {fixed_figure(f.ev_per_round, 5),
                                                            fixed_figure(f.ev_per_round_se, 5)}));
    text += labelled(words.sd, with_values(words.units, {fixed_figure(f.sd_per_round, 4)}));
    text += labelled(words.win_rate,
                     with_values(words.win_rate_value, {fixed_figure(f.win_rate_per_100, 3),
                                                        fixed_figure(f.sd_per_100, 2)}));
    if (shows_per_hour(report)) {
        text += labelled(
            words.win_rate_hour,
            with_values(
                words.win_rate_hour_value,
                {fixed_figure(f.win_rate_per_hour, 3), fixed_figure(f.sd_per_hour, 2),
                 fixed_figure(report.rounds_per_hour.value_or(simulation::kRoundsPerHour), 0)}));
    }
    text += labelled(
        "N0", with_values(words.rounds, {f.ev_per_round > 0 ? grouped_digits(std::llround(f.n0))
                                                            : std::string("-")}));
    text += labelled("DI", fixed_figure(f.di, 3));
    text += labelled("SCORE", f.ev_per_round > 0 ? fixed_figure(f.score, 3) : "-");
    if (f.risk_of_ruin) {
        text += labelled(words.ruin,
                         with_values(words.ruin_value, {fixed_figure(100 * *f.risk_of_ruin, 3),
                                                        fixed_figure(*report.bankroll, 0)}));
    }
    if (f.trip_risk_of_ruin) {
        text += labelled(words.trip_ruin, with_values(words.trip_ruin_value,
                                                      {fixed_figure(100 * *f.trip_risk_of_ruin, 3),
                                                       grouped_digits(*report.trip)}));
    }
    // The headings right-aligned over their columns, whatever their language.
    const auto& c = words.columns;
    const auto right = [](const std::string& heading, std::size_t width) {
        const std::size_t length = characters(heading);
        return std::string(length < width ? width - length : 0, ' ') + heading;
    };
    text += "\n" + right(c[0], 4) + " " + right(c[1], 11) + " " + right(c[2], 7) + " " +
            right(c[3], 10) + " " + right(c[4], 7) + "\n";
    for (const CountFigures& count : f.true_counts) {
        if (count.rounds == 0) {
            continue;
        }
        char line[128];
        const std::string label = count.true_count == simulation::kLowestCount
                                      ? "<=" + std::to_string(count.true_count)
                                  : count.true_count == simulation::kHighestCount
                                      ? ">=" + std::to_string(count.true_count)
                                      : std::to_string(count.true_count);
        std::snprintf(line, sizeof line, "%4s %11llu %6.2f %% %8.3f %% %7.3f\n", label.c_str(),
                      static_cast<unsigned long long>(count.rounds),
                      f.rounds_dealt > 0 ? 100.0 * count.rounds / f.rounds_dealt : 0.0,
                      100 * count.advantage, count.sd);
        text += line;
    }
    return text;
}

std::string simulation_json(const SimulationReport& report, std::string_view rules_object) {
    const auto& options = report.options;
    const Figures& f = report.figures;
    const auto optional = [](const std::optional<double>& value) {
        return value ? json_number(*value) : std::string("null");
    };
    std::string json = "{\n";
    const auto key = [&](std::string_view name, const std::string& value) {
        json += "  " + json_text(name) + ": " + value + ",\n";
    };
    key("rounds", std::to_string(f.rounds));
    key("rounds_played", std::to_string(f.rounds));
    key("rounds_dealt", std::to_string(f.rounds_dealt));
    key("hands", std::to_string(f.hands));
    key("advantage", json_number(f.advantage));
    key("advantage_se", json_number(f.advantage_se));
    key("ev_per_round", json_number(f.ev_per_round));
    key("ev_per_round_se", json_number(f.ev_per_round_se));
    key("sd_per_round", json_number(f.sd_per_round));
    key("win_rate_per_100", json_number(f.win_rate_per_100));
    key("sd_per_100", json_number(f.sd_per_100));
    key("win_rate_per_hour", json_number(f.win_rate_per_hour));
    key("sd_per_hour", json_number(f.sd_per_hour));
    key("rounds_per_hour",
        json_number(report.rounds_per_hour.value_or(simulation::kRoundsPerHour)));
    key("n0", f.ev_per_round > 0 ? json_number(f.n0) : "null");
    key("di", json_number(f.di));
    key("score", f.ev_per_round > 0 ? json_number(f.score) : "null");
    key("risk_of_ruin", optional(f.risk_of_ruin));
    key("trip_risk_of_ruin", optional(f.trip_risk_of_ruin));
    key("true_counts", json_counts(f.true_counts));
    key("rules", std::string(rules_object));
    key("rules_text", json_text(rules_text(options.rules)));
    key("decks", std::to_string(options.decks));
    key("players", std::to_string(options.players));
    key("play", json_text(simulation::play_name(options.play)));
    key("count", json_text(options.count.name));
    key("indices", json_text(simulation::index_set_name(options.indices)));
    key("cut_card", std::to_string(simulation::cut_card_of(options)));
    key("ramp", options.ramp.empty() ? "null" : json_text(simulation::ramp_text(options.ramp)));
    key("wong_out", options.wong_out ? std::to_string(*options.wong_out) : "null");
    key("back_count", options.back_count
                          ? "{\"in\": " + std::to_string(options.back_count->enter) +
                                ", \"out\": " + std::to_string(options.back_count->leave) + "}"
                          : "null");
    key("tc_decks", json_text(simulation::tc_decks_name(options.tc_decks)));
    key("tc_division", json_text(simulation::tc_division_name(options.tc_division)));
    if (const auto& chosen = report.optimal_ramp) {
        key("ramp_chosen", json_text(simulation::ramp_text(chosen->ramp)));
        key("spread", std::to_string(chosen->spread));
        key("scale", json_number(chosen->scale));
        key("pilot", "{\"rounds\": " + std::to_string(chosen->pilot.rounds_dealt) +
                         ", \"rounds_played\": " + std::to_string(chosen->pilot.rounds) +
                         ", \"predicted_di\": " + json_number(chosen->predicted.di) +
                         ", \"true_counts\": " + json_counts(chosen->pilot.true_counts) + "}");
    }
    key("seed", std::to_string(options.seed));
    key("finished", report.finished ? "true" : "false");
    key("threads", std::to_string(report.threads));
    if (!report.blocks_per_rank.empty()) {
        key("ranks", std::to_string(report.blocks_per_rank.size()));
        key("blocks_per_rank", "[" + numbers_list(report.blocks_per_rank, ", ") + "]");
    }
    key("seconds", json_number(report.seconds));
    json += "  \"rounds_per_second\": " +
            json_number(report.seconds > 0 ? f.rounds_dealt / report.seconds : 0) + "\n}\n";
    return json;
}

}  // namespace tavolix
