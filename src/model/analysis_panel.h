// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <string>

#include "calculate.h"
#include "core/model_words.h"
#include "core/table_rules.h"

namespace tavolix {

// The texts of the panel "Analisi esatta": one row per threshold 12..21 with
// the chances to win, push and lose and the EV, the best row and the row of
// the threshold chosen marked, then the advice and the EV of each play. All
// empty while there is nothing to show.
struct AnalysisPanel {
    // "Analisi esatta", or its qualified form while the figures assume that
    // the dealer holds no blackjack.
    std::string title;
    std::string heading;                 // the columns' names, aligned with the rows
    std::array<std::string, 10> rows{};  // thresholds 12..21
    int best_row = -1;                   // 0..9, -1 with no analysis
    int chosen_row = -1;
    std::string legend;  // what the two marks mean
    // "Consiglio: CARTA", with "ASSICURAZIONE: no" beside it when the dealer's
    // ace offers insurance; what a natural on the table means instead of any
    // advice, since nothing is left to decide.
    std::string advice;
    // The EV of each play allowed, in lines: standing, a card and the double
    // as they have always read, then splitting and surrender, then insurance,
    // each further line under the first play. A natural on the table has
    // standing's only. Under a casino's rules, where the post-split strategy
    // is a setting, the split's EV names the strategy it is for:
    // "DIVIDI +0.123 (CDP1)".
    std::string actions;

    bool empty() const { return best_row < 0; }
};

// In `words`, Italian unless a front end translates them; `rules` are those
// the analysis was worked out under.
AnalysisPanel analysis_panel(const HandAnalysis& analysis, int stand_at,
                             const AnalysisWords& words = {}, const TableRules& rules = {});

// "+0.123", "-0.540": an EV per unit bet as the panel writes it, with no
// sign of its own where it rounds to zero.
std::string signed_ev(double ev);

// The panel as plain text, one line each, heading first; empty for an
// empty panel.
std::string analysis_text(const AnalysisPanel& panel);

// The advice as one word for machines: "stand", "hit", "double", "split" or
// "surrender".
const char* advice_key(analysis::Play play);

}  // namespace tavolix
