// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "count_window_text.h"

#include <cmath>
#include <cstdio>

#include "placeholders.h"
#include "strategy_text.h"

namespace tavolix {

namespace {

using counting::Decision;
using counting::IndexKind;
using counting::IndexPlay;

// A typographic minus: as wide as a plus, so a column of indices lines up.
constexpr const char* kMinus = "\u2212";

std::string fixed(double value, int decimals) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

const std::string& decision_word(Decision decision, const CountWindowWords& words) {
    return words.decisions.at(static_cast<std::size_t>(decision));
}

std::optional<analysis::Play> decision_play(Decision decision) {
    switch (decision) {
        case Decision::stand:
            return analysis::Play::stand;
        case Decision::hit:
            return analysis::Play::hit;
        case Decision::double_down:
            return analysis::Play::double_down;
        case Decision::split:
            return analysis::Play::split;
        case Decision::surrender:
            return analysis::Play::surrender;
        case Decision::insure:
        case Decision::no_insurance:
            break;
    }
    return std::nullopt;
}

RowKind row_kind(IndexKind kind) {
    switch (kind) {
        case IndexKind::soft:
            return RowKind::soft;
        case IndexKind::pair:
            return RowKind::pair;
        case IndexKind::hard:
        case IndexKind::insurance:
            break;
    }
    return RowKind::hard;
}

// The keys of the command line's JSON.
const char* kind_key(IndexKind kind) {
    switch (kind) {
        case IndexKind::hard:
            return "hard";
        case IndexKind::soft:
            return "soft";
        case IndexKind::pair:
            return "pair";
        case IndexKind::insurance:
            break;
    }
    return "insurance";
}

const char* decision_key(Decision decision) {
    constexpr std::array<const char*, 7> kKeys{"stand",     "hit",    "double",      "split",
                                               "surrender", "insure", "no insurance"};
    return kKeys.at(static_cast<std::size_t>(decision));
}

std::string play_lines(const IndexPlay& play, const CountWindowWords& words) {
    return with_values(words.index_line,
                       {decision_word(play.higher, words), index_text(play.index),
                        decision_word(play.lower, words), crossing_text(play.crossing)}) +
           '\n' +
           with_values(words.evs_at,
                       {index_text(play.index), decision_word(play.higher, words),
                        percent_text(play.higher_ev, 2), decision_word(play.lower, words),
                        percent_text(play.lower_ev, 2)});
}

}  // namespace

std::vector<std::string> count_choices(const CountWindowWords& words) {
    std::vector<std::string> choices;
    for (const counting::Count& count : counting::built_in_counts()) {
        choices.push_back(count.title);
    }
    choices.push_back(words.custom);
    return choices;
}

std::size_t count_choice(const counting::Count& count) {
    const std::vector<counting::Count>& built_in = counting::built_in_counts();
    std::size_t choice = 0;
    while (choice < built_in.size() && !(built_in[choice] == count)) {
        ++choice;
    }
    return choice;
}

std::string index_text(int index) {
    return index > 0 ? '+' + std::to_string(index)
                     : (index < 0 ? kMinus + std::to_string(-index) : "0");
}

std::string crossing_text(double crossing) {
    const std::string digits = fixed(std::abs(crossing), 1);
    if (digits == "0.0") {
        return digits;
    }
    return (crossing < 0 ? kMinus : "+") + digits;
}

std::string effect_text(double share) {
    return percent_text(share, 3);
}

std::string correlation_text(double correlation) {
    return fixed(correlation, 3);
}

std::array<std::string, 10> effect_labels() {
    std::array<std::string, 10> labels;
    for (int value = 1; value <= 10; ++value) {
        labels[static_cast<std::size_t>(value - 1)] = value_text(value);
    }
    return labels;
}

std::string effects_description(const std::array<double, 10>& effects) {
    std::string text;
    const std::array<std::string, 10> labels = effect_labels();
    for (std::size_t i = 0; i < effects.size(); ++i) {
        text += (i == 0 ? "" : ", ") + labels[i] + ' ' + effect_text(effects[i]) + '%';
    }
    return text;
}

std::vector<CorrelationRow> correlation_rows(const counting::RemovalEffects& effects,
                                             const counting::Count& chosen,
                                             const CountWindowWords& words) {
    std::vector<CorrelationRow> rows;
    bool found = false;
    for (const counting::CountCorrelations& row : counting::built_in_correlations(effects)) {
        const bool is_chosen = row.count.half_tags == chosen.half_tags;
        found = found || is_chosen;
        rows.push_back({row.count.title, correlation_text(row.betting),
                        correlation_text(row.insurance), is_chosen});
    }
    if (!found) {
        rows.push_back({words.custom,
                        correlation_text(counting::betting_correlation(chosen, effects)),
                        correlation_text(counting::insurance_correlation(chosen, effects)), true});
    }
    return rows;
}

std::vector<IndexChartCell> index_chart_cells(const counting::IndexTable& table,
                                              const CountWindowWords& words) {
    std::vector<IndexChartCell> cells;
    const strategy::Chart& basic = table.chart_at(0);
    for (const RowKind kind : {RowKind::hard, RowKind::soft, RowKind::pair}) {
        const std::vector<ChartRow>& rows = chart_rows(basic, kind);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (std::size_t column = 0; column < rows[row].cells.size(); ++column) {
                const strategy::ChartCell& plain = rows[row].cells[column];
                IndexChartCell cell{.at = {kind, row, column},
                                    .text = plain.code.empty() ? "-" : plain.code,
                                    .short_text = {},
                                    .play = plain.play,
                                    .has_index = false,
                                    .details = row_caption(rows[row]) + ' ' + words.against + ' ' +
                                               value_text(plain.up) + ": "};
                std::string entries;
                std::string first;
                for (const IndexPlay& play : table.plays) {
                    if (play.kind == IndexKind::insurance || row_kind(play.kind) != kind ||
                        play.row != rows[row].label || play.up != plain.up) {
                        continue;
                    }
                    if (!cell.has_index) {
                        cell.play = decision_play(play.higher);
                        first = index_text(play.index);
                    }
                    entries += (cell.has_index ? "/" : "") + index_text(play.index);
                    cell.details += (cell.has_index ? "\n" : "") + play_lines(play, words);
                    cell.has_index = true;
                }
                if (cell.has_index) {
                    cell.text = entries;
                    cell.short_text = entries == first ? first : first + "/\u2026";
                } else {
                    cell.details += cell.text + ", " + words.no_index;
                    cell.short_text = cell.text;
                }
                cells.push_back(std::move(cell));
            }
        }
    }
    return cells;
}

std::string insurance_line(const counting::IndexTable& table, const CountWindowWords& words) {
    for (const IndexPlay& play : table.plays) {
        if (play.kind == IndexKind::insurance) {
            return with_values(words.insure_at,
                               {index_text(play.index), crossing_text(play.crossing)});
        }
    }
    return words.never_insure;
}

std::string index_csv(const counting::IndexTable& table) {
    std::string csv = "kind,row,up,higher,lower,index,crossing,higher_ev,lower_ev\n";
    for (const IndexPlay& play : table.plays) {
        // A pair's row, "8,8", holds the separator.
        const std::string row =
            play.row.find(',') == std::string::npos ? play.row : '"' + play.row + '"';
        csv += std::string(kind_key(play.kind)) + ',' + row + ',' + value_text(play.up) + ',' +
               decision_key(play.higher) + ',' + decision_key(play.lower) + ',' +
               std::to_string(play.index) + ',' + csv_number(play.crossing) + ',' +
               csv_number(play.higher_ev) + ',' + csv_number(play.lower_ev) + '\n';
    }
    return csv;
}

}  // namespace tavolix
