// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "analysis_panel.h"

#include <cstdio>

#include "table_text.h"

namespace tavolix {

namespace {

// Always a point as decimal mark, as in the other panels: these are plain
// numbers, never the locale's.
std::string percent(double chance) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%6.2f%%", 100.0 * chance);
    return text.data();
}

std::string signed_ev(double ev) {
    std::array<char, 16> text{};
    // A value that rounds to zero shows no sign of its own.
    std::snprintf(text.data(), text.size(), "%+.3f", ev > -0.0005 && ev < 0.0005 ? 0.0 : ev);
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
    }
    return words.stand;
}

}  // namespace

AnalysisPanel analysis_panel(const HandAnalysis& analysis, int stand_at,
                             const AnalysisWords& words) {
    AnalysisPanel panel;
    panel.title = words.title;
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
    panel.advice = words.advice + ' ' + play_word(analysis.advice, words);
    panel.actions = words.ev + ": " + words.stand + ' ' + signed_ev(analysis.stand_ev) + "  " +
                    words.hit + ' ' + signed_ev(analysis.hit_ev);
    if (analysis.double_ev) {
        panel.actions += "  " + words.double_down + ' ' + signed_ev(*analysis.double_ev);
    }
    return panel;
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
    }
    return "";
}

}  // namespace tavolix
