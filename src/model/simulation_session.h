// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "simulation/block_workers.h"
#include "simulation/checkpoint.h"
#include "simulation/game.h"
#include "simulation/run.h"
#include "simulation_report.h"

namespace tavolix {

// What a front end asks the simulator for: the game, and what its report
// is to say of it.
struct SimulationRequest {
    simulation::SimulationOptions options;
    std::optional<double> bankroll = std::nullopt;
    std::optional<std::uint64_t> trip = std::nullopt;
    unsigned threads = 1;
};

// The report of a run that stands at `state` after `seconds`. A run that
// went on from a checkpoint where `rounds_before` were dealt is timed by
// the rounds it dealt itself, so that its rate is this run's. The blocks
// each process played, rank 0 first, when several played them.
SimulationReport report_of(const SimulationRequest& request, const simulation::RunState& state,
                           double seconds, std::uint64_t rounds_before = 0,
                           std::vector<std::uint64_t> blocks_per_rank = {});

}  // namespace tavolix
