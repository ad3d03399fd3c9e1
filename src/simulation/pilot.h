// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <vector>

#include "block_sums.h"
#include "figures.h"
#include "game.h"
#include "ramp_choice.h"

namespace tavolix::simulation {

// The ramp a pilot chose for a spread, and what the pilot saw.
struct OptimalRamp {
    std::vector<RampStep> ramp;  // as --ramp reads it
    int spread = 0;
    double scale = 0;          // L: a count's bet is L a / s units, rounded
    RampPrediction predicted;  // the ramped game as the pilot predicts it
    // The pilot's figures at a flat unit; its rows by true count are of the
    // rounds bet only.
    Figures pilot;
};

// The pilot's game: the prepared game at a flat unit for `rounds` rounds,
// betting where the game bets (wonging and back-counting alike), its sums
// by true count kept of the rounds bet only, and dealt from random streams
// of its own drawn from the game's seed, none of which the game itself
// deals from.
Game pilot_game(const Game& game, std::uint64_t rounds);

// What a pilot's sums measured at each true count where a round was bet,
// the lowest count first.
std::vector<CountMoments> count_moments(const BlockSums& pilot);

}  // namespace tavolix::simulation
