// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "play_choice.h"

namespace tavolix::analysis {

void choose_plays(HandAnalysis& analysis, const Plays& plays) {
    analysis.best_stand_at = kLowestThreshold;
    for (int threshold = kLowestThreshold + 1; threshold <= kHighestThreshold; ++threshold) {
        if (analysis.row(threshold).ev() > analysis.row(analysis.best_stand_at).ev() + kTie) {
            analysis.best_stand_at = threshold;
        }
    }

    analysis.stand_ev = plays.stand.ev();
    analysis.hit_ev.reset();
    analysis.double_ev.reset();
    analysis.split_ev = plays.split;
    analysis.surrender_ev = plays.surrender;
    if (plays.hit) {
        analysis.hit_ev = plays.hit->ev();
    }
    if (plays.doubled) {
        // The stake is doubled, so both the win and the loss count twice.
        analysis.double_ev = 2.0 * plays.doubled->ev();
    }

    analysis.advice = Play::stand;
    analysis.advice_outcome = plays.stand;
    double best_ev = analysis.stand_ev;
    const auto consider = [&](Play play, const std::optional<double>& ev,
                              const std::optional<Outcome>& outcome) {
        if (ev && *ev > best_ev + kTie) {
            analysis.advice = play;
            analysis.advice_outcome = outcome;
            best_ev = *ev;
        }
    };
    consider(Play::hit, analysis.hit_ev, plays.hit);
    consider(Play::double_down, analysis.double_ev, plays.doubled);
    consider(Play::split, analysis.split_ev, std::nullopt);
    consider(Play::surrender, analysis.surrender_ev, std::nullopt);
}

void choose_plays(HandAnalysis& analysis, const Outcome& stand, const Outcome& hit,
                  const std::optional<Outcome>& doubled) {
    choose_plays(analysis, Plays{.stand = stand, .hit = hit, .doubled = doubled});
}

}  // namespace tavolix::analysis
