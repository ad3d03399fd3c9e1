// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "counter_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "placeholders.h"
#include "shoe_captions.h"
#include "strategy_text.h"

namespace tavolix {

namespace {

std::string fixed(double value, const char* format) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), format, value);
    return text.data();
}

std::string padded(const std::string& text, std::size_t width, bool right = true) {
    const std::string blanks(width > text.size() ? width - text.size() : 0, ' ');
    return right ? blanks + text : text + blanks;
}

// The up cards in the chart's order: 2..10, then the ace.
constexpr std::array<int, 10> kUpCards{2, 3, 4, 5, 6, 7, 8, 9, 10, 1};

const std::string& play_code(counting::Decision decision, const CounterWords& words) {
    switch (decision) {
        case counting::Decision::stand:
            return words.stand;
        case counting::Decision::hit:
            return words.hit;
        case counting::Decision::double_down:
            return words.double_down;
        case counting::Decision::split:
            return words.split;
        case counting::Decision::surrender:
        case counting::Decision::insure:
        case counting::Decision::no_insurance:
            break;
    }
    return words.surrender;
}

}  // namespace

const char* decision_key(counting::Decision decision) {
    switch (decision) {
        case counting::Decision::stand:
            return "stand";
        case counting::Decision::hit:
            return "hit";
        case counting::Decision::double_down:
            return "double";
        case counting::Decision::split:
            return "split";
        case counting::Decision::surrender:
            return "surrender";
        case counting::Decision::insure:
            return "insure";
        case counting::Decision::no_insurance:
            break;
    }
    return "no insurance";
}

const char* index_kind_key(counting::IndexKind kind) {
    switch (kind) {
        case counting::IndexKind::hard:
            return "hard";
        case counting::IndexKind::soft:
            return "soft";
        case counting::IndexKind::pair:
            return "pair";
        case counting::IndexKind::insurance:
            break;
    }
    return "insurance";
}

std::string count_line(const counting::Count& count, int decks, const CounterWords& words) {
    return with_values(words.count, {count.title}) + ": " + counting::tags_text(count) + ", " +
           (count.balanced() ? words.balanced
                             : with_values(words.unbalanced,
                                           {signed_count(count.initial_running_count(decks))}));
}

std::string removal_effects_text(const counting::RemovalEffects& effects,
                                 const counting::Count& chosen, int decks,
                                 const CounterWords& words) {
    constexpr std::size_t kLabel = 8;
    constexpr std::size_t kColumn = 8;
    std::string text = count_line(chosen, decks, words) + "\n\n" + words.effects + '\n';
    text += std::string(kLabel, ' ');
    for (int value = 1; value <= 10; ++value) {
        text += padded(value_text(value), kColumn);
    }
    text += '\n';
    for (const auto& [label, row] : {std::pair{&words.round, &effects.round},
                                     std::pair{&words.insurance, &effects.insurance}}) {
        text += padded(*label, kLabel, false);
        for (const double effect : *row) {
            text += padded(fixed(100 * effect, "%+.3f"), kColumn);
        }
        text += '\n';
    }
    const std::size_t name_width = 12;
    text += '\n' + padded(words.correlations, name_width, false) +
            padded(words.betting, kColumn + 4) + padded(words.insurance_correlation, kColumn + 8) +
            '\n';
    std::vector<counting::CountCorrelations> rows = counting::built_in_correlations(effects);
    if (std::none_of(rows.begin(), rows.end(),
                     [&](const auto& row) { return row.count == chosen; })) {
        rows.push_back({.count = chosen,
                        .betting = counting::betting_correlation(chosen, effects),
                        .insurance = counting::insurance_correlation(chosen, effects)});
    }
    for (const auto& row : rows) {
        text += padded(row.count.title + (row.count == chosen ? " *" : ""), name_width, false) +
                padded(fixed(row.betting, "%.3f"), kColumn + 4) +
                padded(fixed(row.insurance, "%.3f"), kColumn + 8) + '\n';
    }
    return text;
}

std::string index_table_text(const counting::IndexTable& table, int decks,
                             const CounterWords& words) {
    constexpr std::size_t kLabel = 6;
    constexpr std::size_t kColumn = 9;
    std::string text = count_line(table.count, decks, words) + "\n\n" + words.indices + '\n';
    for (const auto& [kind, title] : {std::pair{counting::IndexKind::hard, &words.hard},
                                      std::pair{counting::IndexKind::soft, &words.soft},
                                      std::pair{counting::IndexKind::pair, &words.pairs}}) {
        // The rows in the order the plays come, each cell's entries joined.
        std::vector<std::string> rows;
        std::map<std::pair<std::string, int>, std::string> cells;
        for (const counting::IndexPlay& play : table.plays) {
            if (play.kind != kind) {
                continue;
            }
            if (std::find(rows.begin(), rows.end(), play.row) == rows.end()) {
                rows.push_back(play.row);
            }
            std::string& cell = cells[{play.row, play.up}];
            cell += (cell.empty() ? "" : "/") + play_code(play.higher, words) +
                    signed_count(play.index);
        }
        if (rows.empty()) {
            continue;
        }
        text += '\n' + *title + '\n' + std::string(kLabel, ' ');
        for (const int up : kUpCards) {
            text += padded(value_text(up), kColumn);
        }
        text += '\n';
        for (const std::string& row : rows) {
            text += padded(row, kLabel, false);
            for (const int up : kUpCards) {
                const auto cell = cells.find({row, up});
                text += padded(cell == cells.end() ? "." : cell->second, kColumn);
            }
            text += '\n';
        }
    }
    text += '\n' +
            (table.insurance_index
                 ? with_values(words.insure_at, {signed_count(*table.insurance_index)})
                 : words.never_insure) +
            '\n';
    return text;
}

}  // namespace tavolix
