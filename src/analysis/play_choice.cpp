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
    analysis.advice_second_moment = plays.stand.second_moment();
    double best_ev = analysis.stand_ev;
    const auto consider = [&](Play play, const std::optional<double>& ev,
                              const std::optional<Outcome>& outcome, double second_moment) {
        if (ev && *ev > best_ev + kTie) {
            analysis.advice = play;
            analysis.advice_outcome = outcome;
            analysis.advice_second_moment = second_moment;
            best_ev = *ev;
        }
    };
    consider(Play::hit, analysis.hit_ev, plays.hit, plays.hit ? plays.hit->second_moment() : 0);
    // A doubled stake wins or loses twice as much: four times the square.
    consider(Play::double_down, analysis.double_ev, plays.doubled,
             plays.doubled ? 4.0 * plays.doubled->second_moment() : 0);
    consider(Play::split, analysis.split_ev, std::nullopt, 0);
    consider(Play::surrender, analysis.surrender_ev, std::nullopt, plays.surrender_second_moment);
}

void choose_plays(HandAnalysis& analysis, const Outcome& stand, const Outcome& hit,
                  const std::optional<Outcome>& doubled) {
    choose_plays(analysis, Plays{.stand = stand, .hit = hit, .doubled = doubled});
}

}  // namespace tavolix::analysis
