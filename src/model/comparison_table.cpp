// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "comparison_table.h"

#include <cmath>
#include <cstdio>

#include "core/table_rules.h"
#include "figure_text.h"
#include "placeholders.h"

namespace tavolix {

namespace {

// A share as a percentage, without decimals when it has none: "75", "82.5".
std::string percent(double share) {
    const double value = 100 * share;
    return std::abs(value - std::round(value)) < 1e-9 ? std::to_string(std::llround(value))
                                                      : fixed_figure(value, 1);
}

}  // namespace

std::string game_label(const SimulationRequest& request, const GameLabelWords& words) {
    const simulation::SimulationOptions& options = request.options;
    const auto number = [](auto value) { return std::to_string(value); };
    std::string label = rules_text(options.rules);
    label +=
        ", " + with_values(options.decks == 1 ? words.deck : words.decks, {number(options.decks)});
    if (options.players > 1) {
        label += ", " + with_values(words.seats, {number(options.players)});
    }
    if (options.play == simulation::PlayStyle::composition) {
        label += ", " + words.composition;
    }
    label += ", " + options.count.title;
    label += ", " + with_values(words.indices,
                                {words.index_sets.at(static_cast<std::size_t>(options.indices))});
    if (options.cut_card) {
        label += ", " + with_values(words.cut_card, {number(*options.cut_card)});
    } else if (options.penetration > 0) {
        label += ", " + with_values(words.penetration, {percent(options.penetration)});
    } else {
        label += ", " + words.fresh_shoe;
    }
    label += ", " + (options.ramp.empty()
                         ? words.flat
                         : with_values(words.ramp, {simulation::ramp_text(options.ramp)}));
    return label;
}

std::vector<ComparisonRow> comparison_rows(const std::vector<ComparedResult>& results) {
    std::vector<ComparisonRow> rows;
    std::size_t place = 0;
    for (const std::size_t at : score_order(results)) {
        ComparisonRow row{.result = at};
        row.cells.fill("-");
        row.cells[0] = std::to_string(++place);
        if (const auto& report = results[at].report) {
            const simulation::Figures& f = report->figures;
            const bool wins = f.ev_per_round > 0;
            if (wins) {
                row.cells[1] = fixed_figure(f.score, 3);
                row.cells[2] = grouped_digits(std::llround(f.n0));
                row.score = f.score;
            }
            row.cells[3] = fixed_figure(100 * f.advantage, 3);
            row.cells[4] = fixed_figure(100 * f.advantage_se, 3);
            row.cells[5] = fixed_figure(f.win_rate_per_100, 3);
            row.cells[6] = fixed_figure(f.sd_per_100, 2);
            row.cells[7] = fixed_figure(f.win_rate_per_hour, 3);
            row.cells[8] = fixed_figure(f.sd_per_hour, 2);
            if (f.risk_of_ruin) {
                row.cells[9] = fixed_figure(100 * *f.risk_of_ruin, 3);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tavolix
