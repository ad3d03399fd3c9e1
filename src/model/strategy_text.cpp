// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "strategy_text.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "analysis_panel.h"
#include "placeholders.h"
#include "rule_line.h"
#include "table_text.h"

namespace tavolix {

namespace {

using strategy::ChartRow;

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = characters(text);
    return length < width ? text + std::string(width - length, ' ') : text;
}

std::string right(const std::string& text, std::size_t width) {
    const std::size_t length = characters(text);
    return length < width ? std::string(width - length, ' ') + text : text;
}

constexpr std::size_t kLabelWidth = 7;
constexpr std::size_t kCellWidth = 5;

std::string grid_block(const std::string& heading, const std::vector<ChartRow>& rows,
                       const StrategyWords& words, std::string& exceptions) {
    std::string block = heading + '\n';
    for (const ChartRow& row : rows) {
        std::string line = padded(row.label, kLabelWidth);
        for (const strategy::ChartCell& cell : row.cells) {
            const std::string code = cell.code.empty() ? "-" : cell.code;
            line += right(code + (cell.marked ? "*" : " "), kCellWidth);
            if (cell.marked) {
                exceptions += "  " + row.label + ' ' + words.against + ' ' + value_text(cell.up) +
                              ": " + exception_text(cell) + '\n';
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        block += line + '\n';
    }
    return block;
}

}  // namespace

StrategyRequest full_shoe_request(const TableRules& rules, int decks) {
    return {.shoe = strategy::full_shoe(decks), .rules = rules, .decks = decks};
}

std::optional<Strategy> run_strategy(const StrategyRequest& request,
                                     const strategy::Progress& progress, std::stop_token stop) {
    return strategy::compute_strategy(request.shoe, request.rules, progress, std::move(stop));
}

// %a would be exact but unreadable, and 17 digits give the double back.
std::string csv_number(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    std::string out = text.data();
    for (char& c : out) {
        if (c == ',') {
            c = '.';
        }
    }
    return out;
}

std::string value_text(int value) {
    return std::string(kFaceNames.at(static_cast<std::size_t>(value)));
}

std::string percent_text(double share, int decimals) {
    std::array<char, 32> text{};
    const double percent = 100.0 * share;
    // A figure that rounds to zero shows no sign of its own.
    const double shown = std::abs(percent) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : percent;
    std::snprintf(text.data(), text.size(), "%.*f", decimals, shown);
    return text.data();
}

std::string round_ev_line(const Strategy& strategy, const StrategyWords& words) {
    return with_values(words.round_ev, {percent_text(strategy.round_ev, 3)});
}

std::string house_edge_line(const Strategy& strategy, const StrategyWords& words) {
    return with_values(words.house_edge, {percent_text(-strategy.round_ev, 2)});
}

std::string variance_line(const Strategy& strategy, const StrategyWords& words) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.2f", strategy.round_variance);
    return with_values(words.variance, {text.data()});
}

std::string stand_at_line(const strategy::StandAtEv& row, int best_stand_at,
                          const StrategyWords& words) {
    return right(std::to_string(row.n), 4) + "  " + right(percent_text(row.ev, 3), 8) + '%' +
           (row.n == best_stand_at
                ? "  <- " + with_values(words.best_stand_at, {std::to_string(row.n)})
                : std::string());
}

std::string exception_text(const strategy::ChartCell& cell) {
    std::string text;
    for (const strategy::HandPlay& hand : cell.exceptions) {
        if (!text.empty()) {
            text += ", ";
        }
        text += value_text(hand.second) + ',' + value_text(hand.first) + ' ' +
                strategy::play_letter(hand.play);
    }
    return text;
}

std::string strategy_text(const Strategy& strategy, int decks, const StrategyWords& words,
                          const ModelWords& model_words) {
    std::string text = words.title + '\n' + rule_line(strategy.rules, decks, model_words) + '\n' +
                       round_ev_line(strategy, words) + "   " + house_edge_line(strategy, words) +
                       "\n\n" + words.stand_at + '\n';
    for (const strategy::StandAtEv& row : strategy.stand_at) {
        text += stand_at_line(row, strategy.best_stand_at, words) + '\n';
    }
    std::string columns = padded("", kLabelWidth);
    for (const int up : strategy::kChartUps) {
        columns += right(value_text(up) + " ", kCellWidth);
    }
    columns.erase(columns.find_last_not_of(' ') + 1);
    std::string exceptions;
    text += '\n' + columns + '\n';
    text += grid_block(words.hard, strategy.chart.hard, words, exceptions);
    text += grid_block(words.soft, strategy.chart.soft, words, exceptions);
    text += grid_block(words.pairs, strategy.chart.pairs, words, exceptions);
    if (!exceptions.empty()) {
        text += '\n' + words.exceptions + '\n' + exceptions;
    }
    text += '\n';
    for (std::size_t i = 0; i < words.legend.size(); ++i) {
        text += (i == 0 ? "" : ", ") + words.legend[i];
    }
    return text + '\n' + words.fallback + '\n';
}

std::string strategy_csv(const Strategy& strategy) {
    std::string csv = "up,first,second,probability,stand,hit,double,split,surrender,play,ev\n";
    for (const strategy::InitialHand& hand : strategy.hands) {
        csv += value_text(hand.up) + ',' + value_text(hand.first) + ',' + value_text(hand.second) +
               ',' + csv_number(hand.probability);
        for (const analysis::Play play : analysis::kPlays) {
            const std::optional<double> ev = analysis::play_ev(hand.plays, play);
            csv += ',' + (ev ? csv_number(*ev) : std::string());
        }
        csv += std::string(",") + advice_key(hand.plays.advice) + ',' + csv_number(hand.ev) + '\n';
    }
    return csv;
}

}  // namespace tavolix
