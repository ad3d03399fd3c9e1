// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "analysis_panel.h"

#include <cstdio>
#include <initializer_list>

#include "table_text.h"

namespace tavolix {

namespace {

using analysis::Play;

// Always a point as decimal mark, as in the other panels: these are plain
// numbers, never the locale's.
std::string percent(double chance) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%6.2f%%", 100.0 * chance);
    return text.data();
}

// Right-aligned by characters, so a translated column name with an accent
// keeps its column.
std::string right(const std::string& text, std::size_t width) {
    const std::size_t length = characters(text);
    return length < width ? std::string(width - length, ' ') + text : text;
}

std::string columns(const std::string& mark, const std::string& threshold, const std::string& win,
                    const std::string& push, const std::string& lose, const std::string& ev) {
    return right(mark, 2) + right(threshold, 2) + "  " + right(win, 7) + "  " + right(push, 7) +
           "  " + right(lose, 7) + "  " + right(ev, 6);
}

const std::string& play_word(analysis::Play play, const AnalysisWords& words) {
    switch (play) {
        case analysis::Play::stand:
            break;
        case analysis::Play::hit:
            return words.hit;
        case analysis::Play::double_down:
            return words.double_down;
        case analysis::Play::split:
            return words.split;
        case analysis::Play::surrender:
            return words.surrender;
    }
    return words.stand;
}

// The plays of `which` that the analysis allows, each with its EV and two
// blanks between them; `lead` comes before the first. The split's EV names
// `split_strategy` after it, when there is one.
std::string plays(const HandAnalysis& analysis, std::initializer_list<Play> which,
                  const AnalysisWords& words, const std::string& lead,
                  const std::string& split_strategy = {}) {
    std::string text;
    for (const Play play : which) {
        if (const auto ev = analysis::play_ev(analysis, play)) {
            text += (text.empty() ? lead : std::string("  ")) + play_word(play, words) + ' ' +
                    signed_ev(*ev);
            if (play == Play::split && !split_strategy.empty()) {
                text += " (" + split_strategy + ')';
            }
        }
    }
    return text;
}

}  // namespace

AnalysisPanel analysis_panel(const HandAnalysis& analysis, int stand_at, const AnalysisWords& words,
                             const TableRules& rules) {
    AnalysisPanel panel;
    // With the dealer's natural on the table nothing is left to assume.
    panel.title = analysis.no_dealer_blackjack && !analysis.dealer_natural
                      ? words.title_no_blackjack
                      : words.title;
    panel.heading =
        columns("", "N", words.outcomes[0], words.outcomes[1], words.outcomes[2], words.ev);
    panel.best_row = analysis.best_stand_at - analysis::kLowestThreshold;
    panel.chosen_row = stand_at - analysis::kLowestThreshold;
    for (int row = 0; row < analysis::kThresholds; ++row) {
        const analysis::Outcome& outcome = analysis.stand_at[row];
        const std::string mark =
            std::string(row == panel.best_row ? "*" : " ") + (row == panel.chosen_row ? ">" : " ");
        panel.rows[row] =
            columns(mark, std::to_string(row + analysis::kLowestThreshold), percent(outcome.win),
                    percent(outcome.push), percent(outcome.lose), signed_ev(outcome.ev()));
    }
    panel.legend = "* " + words.best + "   > " + words.chosen;
    const std::string first = words.ev + ": ";
    panel.actions = first + words.stand + ' ' + signed_ev(analysis.stand_ev);
    if (analysis.dealer_natural || analysis.natural) {
        panel.advice = analysis.dealer_natural ? words.dealer_natural : words.natural;
        return panel;
    }
    panel.advice = words.advice + ' ' + play_word(analysis.advice, words);
    if (analysis.insurance_ev) {
        panel.advice +=
            "   " + words.insurance + ": " + (analysis.takes_insurance() ? words.yes : words.no);
    }
    panel.actions += plays(analysis, {Play::hit, Play::double_down}, words, "  ");
    // Further lines start under the first play.
    const std::string under(characters(first), ' ');
    // The window's own dealer has no choice of strategy, and its panel reads
    // as it always has.
    const std::string split_strategy =
        casino_dealer(rules) ? post_split_token(rules.post_split) : std::string();
    panel.actions +=
        plays(analysis, {Play::split, Play::surrender}, words, '\n' + under, split_strategy);
    if (analysis.insurance_ev) {
        panel.actions += '\n' + under + words.insurance + ' ' + signed_ev(*analysis.insurance_ev);
    }
    return panel;
}

std::string signed_ev(double ev) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%+.3f", ev > -0.0005 && ev < 0.0005 ? 0.0 : ev);
    return text.data();
}

std::string analysis_text(const AnalysisPanel& panel) {
    if (panel.empty()) {
        return {};
    }
    std::string text = panel.title + '\n' + panel.heading + '\n';
    for (const std::string& row : panel.rows) {
        text += row + '\n';
    }
    return text + panel.legend + '\n' + panel.advice + '\n' + panel.actions + '\n';
}

const char* advice_key(analysis::Play play) {
    switch (play) {
        case analysis::Play::stand:
            return "stand";
        case analysis::Play::hit:
            return "hit";
        case analysis::Play::double_down:
            return "double";
        case analysis::Play::split:
            return "split";
        case analysis::Play::surrender:
            return "surrender";
    }
    return "";
}

}  // namespace tavolix
