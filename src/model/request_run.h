// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <variant>

#include "optimal_ramp.h"
#include "simulation/game.h"
#include "simulation/run.h"
#include "simulation_session.h"

namespace tavolix {

// Where a run stands: the pilot of an optimal ramp, then the game itself.
struct RequestProgress {
    enum class Phase { pilot, game };
    Phase phase = Phase::game;
    std::uint64_t dealt = 0;   // of the phase's rounds so far
    std::uint64_t rounds = 0;  // the phase deals
    // The game's blocks so far (the game phase only), for figures that
    // follow the run.
    const simulation::RunState* state = nullptr;
};
using RequestProgressCall = std::function<void(const RequestProgress&)>;

// A request ready to play: its game prepared and, for an optimal ramp, the
// pilot run and its ramp put in, so that `request` is then exactly the run
// of that ramp.
struct PreparedRequest {
    SimulationRequest request;
    simulation::Game game;
    std::optional<OptimalRamp> optimal_ramp = std::nullopt;
};

// The fault when the game cannot be prepared or the pilot was stopped.
// `known` keeps the strategies worked out, for a caller that prepares many
// games.
std::variant<PreparedRequest, std::string> prepare_request(
    const SimulationRequest& request, const RequestProgressCall& progress = {},
    std::stop_token stop = {}, simulation::PreparedStrategies* known = nullptr);

// The whole run of a request from a fresh start, as tavolix-sim plays it:
// the report (of the blocks done, when stopped during the game), or the
// fault when it could not be prepared or was stopped before the game.
std::variant<SimulationReport, std::string> run_request(
    const SimulationRequest& request, const RequestProgressCall& progress = {},
    std::stop_token stop = {}, simulation::PreparedStrategies* known = nullptr);

}  // namespace tavolix
