// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "play_choice.h"

namespace tavolix::analysis {

void choose_plays(HandAnalysis& analysis, const Outcome& stand, const Outcome& hit,
                  const std::optional<Outcome>& doubled) {
    analysis.best_stand_at = kLowestThreshold;
    for (int threshold = kLowestThreshold + 1; threshold <= kHighestThreshold; ++threshold) {
        if (analysis.row(threshold).ev() > analysis.row(analysis.best_stand_at).ev() + kTie) {
            analysis.best_stand_at = threshold;
        }
    }

    analysis.stand_ev = stand.ev();
    analysis.hit_ev = hit.ev();
    analysis.advice = Play::stand;
    analysis.advice_outcome = stand;
    double best_ev = analysis.stand_ev;
    if (analysis.hit_ev > best_ev + kTie) {
        analysis.advice = Play::hit;
        analysis.advice_outcome = hit;
        best_ev = analysis.hit_ev;
    }
    analysis.double_ev.reset();
    if (doubled) {
        // The stake is doubled, so both the win and the loss count twice.
        analysis.double_ev = 2.0 * doubled->ev();
        if (*analysis.double_ev > best_ev + kTie) {
            analysis.advice = Play::double_down;
            analysis.advice_outcome = *doubled;
        }
    }
}

}  // namespace tavolix::analysis
