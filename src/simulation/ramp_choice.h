// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <span>
#include <vector>

#include "options.h"

namespace tavolix::simulation {

// What a flat-bet pilot measured at one true count where the player bets,
// for one unit bet.
struct CountMoments {
    int true_count = 0;
    double share = 0;          // f: of the rounds bet
    double advantage = 0;      // a: the mean result
    double second_moment = 0;  // s: the mean square of the result
};

// A game's EV and SD per round as the moments predict them for bets of
// `units` (one per row of `moments`): EV = sum f b a, variance =
// sum f b^2 s - EV^2.
struct RampPrediction {
    double ev = 0;
    double sd = 0;
    double di = 0;  // 1000 EV / SD, as the simulator reports it
};
RampPrediction predict(std::span<const CountMoments> moments, std::span<const int> units);

// The bets for a scale L: clamp(round(L a / s), 1, spread) units at each
// row, one unit where the advantage is not positive.
std::vector<int> scaled_units(std::span<const CountMoments> moments, double scale, int spread);

struct RampChoice {
    std::vector<int> units;  // by row of the moments
    double scale = 0;        // L
    RampPrediction predicted;
};

// The scale whose bets give the highest predicted DI. The bets change only
// where L a / s passes a half, so every distinct set of bets is tried, each
// at the middle of its run of scales, which is the L given (twice the last
// change for the run that goes on without end, 0 when no count has the
// edge); of bets equally good the smaller scale's.
RampChoice best_ramp(std::span<const CountMoments> moments, int spread);

// The bets as a ramp that parse_ramp reads: a step wherever the units
// change, the first at the count below the second step (so that it reads
// as "1:1,2:2,..."), or at 0 when the bets are the same everywhere.
std::vector<RampStep> ramp_of(std::span<const CountMoments> moments, std::span<const int> units);

}  // namespace tavolix::simulation
