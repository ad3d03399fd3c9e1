// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

#include "simulation/game.h"
#include "simulation/pilot.h"
#include "simulation_session.h"

namespace tavolix {

using simulation::OptimalRamp;

// The pilot's rounds dealt so far and the rounds it deals.
using PilotProgress = std::function<void(std::uint64_t dealt, std::uint64_t rounds)>;

// The ramp for `spread` from a pilot's sums (run on pilot_game's game);
// the fault when the pilot bet no round.
std::variant<OptimalRamp, std::string> optimal_ramp_of(const simulation::BlockSums& pilot,
                                                       int spread);

// Runs the pilot of `pilot_rounds` rounds for a prepared game on `threads`
// threads and chooses the ramp; the fault when it was stopped or bet no
// round.
std::variant<OptimalRamp, std::string> run_pilot(const simulation::Game& game, int spread,
                                                 std::uint64_t pilot_rounds, unsigned threads,
                                                 const PilotProgress& progress = {},
                                                 std::stop_token stop = {});

// The same for a request, its game prepared first (the strategy and the
// index plays, which take a few seconds): what the window's ramp table is
// filled with. The request's own ramp is not read.
std::variant<OptimalRamp, std::string> choose_optimal_ramp(
    const SimulationRequest& request, int spread, std::uint64_t pilot_rounds,
    const PilotProgress& progress = {}, std::stop_token stop = {},
    simulation::PreparedStrategies* known = nullptr);

}  // namespace tavolix
