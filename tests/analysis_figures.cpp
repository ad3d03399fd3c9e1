// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "analysis_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <variant>

#include "analysis/table_analysis.h"
#include "table_fixtures.h"

namespace tavolix::analysis::testing {

namespace {

void add_outcome(std::vector<Figure>& figures, const std::string& name, const Outcome& outcome) {
    figures.push_back({name + " win", outcome.win});
    figures.push_back({name + " push", outcome.push});
    figures.push_back({name + " lose", outcome.lose});
    // The payout shows only where a win has a share.
    figures.push_back({name + " ev", outcome.ev()});
}

void add_optional(std::vector<Figure>& figures, const std::string& name,
                  const std::optional<double>& value) {
    figures.push_back({name + " offered", value ? 1.0 : 0.0});
    figures.push_back({name, value.value_or(0.0)});
}

}  // namespace

Table table_at(int decks, const std::vector<int>& banco, const std::vector<int>& player,
               int stand_at, const TableRules& rules) {
    TableState state = tavolix::testing::make_table(banco, player, stand_at, decks);
    state.rules = rules;
    return table_of(state);
}

std::string describe(const Table& table) {
    std::string text = rules_text(table.rules) + ": dealer";
    for (const Integer value : table.banco) {
        text += " " + std::to_string(value);
    }
    text += ", player";
    for (const Integer value : table.player) {
        text += " " + std::to_string(value);
    }
    int left = 0;
    for (int value = 1; value <= 10; ++value) {
        left += table.shoe[value];
    }
    return text + " at " + std::to_string(table.stand_at) + ", " + std::to_string(left) +
           " cards left";
}

std::vector<Figure> figures_of(const HandAnalysis& analysis) {
    std::vector<Figure> figures;
    for (int n = kLowestThreshold; n <= kHighestThreshold; ++n) {
        add_outcome(figures, "row " + std::to_string(n), analysis.row(n));
    }
    figures.push_back({"best_stand_at", static_cast<double>(analysis.best_stand_at)});
    figures.push_back({"stand_ev", analysis.stand_ev});
    add_optional(figures, "hit_ev", analysis.hit_ev);
    add_optional(figures, "double_ev", analysis.double_ev);
    add_optional(figures, "split_ev", analysis.split_ev);
    add_optional(figures, "surrender_ev", analysis.surrender_ev);
    add_optional(figures, "insurance_ev", analysis.insurance_ev);
    figures.push_back({"no_dealer_blackjack", analysis.no_dealer_blackjack ? 1.0 : 0.0});
    figures.push_back({"natural", analysis.natural ? 1.0 : 0.0});
    figures.push_back({"dealer_natural", analysis.dealer_natural ? 1.0 : 0.0});
    figures.push_back({"advice", static_cast<double>(analysis.advice)});
    figures.push_back({"advice_outcome offered", analysis.advice_outcome ? 1.0 : 0.0});
    add_outcome(figures, "advice_outcome", analysis.advice_outcome.value_or(Outcome{}));
    const DealerChances& dealer = analysis.dealer_now;
    figures.push_back({"dealer_now wins", dealer.wins});
    figures.push_back({"dealer_now push", dealer.push});
    figures.push_back({"dealer_now loses", dealer.loses});
    figures.push_back({"dealer_now busts", dealer.busts});
    figures.push_back({"player_draw stands", analysis.player_draw.stands});
    figures.push_back({"player_draw busts", analysis.player_draw.busts});
    return figures;
}

std::vector<std::string> differences(const HandAnalysis& one, const HandAnalysis& other,
                                     double tolerance) {
    const std::vector<Figure> ones = figures_of(one);
    const std::vector<Figure> others = figures_of(other);
    std::vector<std::string> differing;
    for (std::size_t i = 0; i < ones.size(); ++i) {
        // NaN differs from everything, itself included.
        if (!(std::abs(ones[i].value - others[i].value) <= tolerance)) {
            std::ostringstream text;
            text.precision(17);
            text << ones[i].name << " " << ones[i].value << " against " << others[i].value;
            differing.push_back(text.str());
        }
    }
    return differing;
}

double largest_difference(const HandAnalysis& one, const HandAnalysis& other) {
    const std::vector<Figure> ones = figures_of(one);
    const std::vector<Figure> others = figures_of(other);
    double largest = 0;
    for (std::size_t i = 0; i < ones.size(); ++i) {
        const double difference = std::abs(ones[i].value - others[i].value);
        if (std::isnan(difference)) {
            return difference;
        }
        largest = std::max(largest, difference);
    }
    return largest;
}

}  // namespace tavolix::analysis::testing
