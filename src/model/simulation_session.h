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

inline constexpr int kLeastSpread = 2;
inline constexpr int kMostSpread = 100;

// The best ramp for a spread, chosen by a flat-bet pilot run before the
// game is played with it.
struct OptimalRampWanted {
    int spread = 12;  // the largest bet over the smallest, kLeastSpread to kMostSpread
    std::optional<std::uint64_t> pilot_rounds = std::nullopt;  // else a quarter of the rounds

    bool operator==(const OptimalRampWanted&) const = default;
};

// What a front end asks the simulator for: the game, and what its report
// is to say of it.
struct SimulationRequest {
    simulation::SimulationOptions options;
    std::optional<double> bankroll = std::nullopt;
    std::optional<std::uint64_t> trip = std::nullopt;
    unsigned threads = 1;
    // Set: the options' ramp is the one the pilot chooses.
    std::optional<OptimalRampWanted> optimal_ramp = std::nullopt;
    // The rounds dealt in an hour, watched or bet; unset, 100, and the
    // readable report gives the figures per hour only for a player who
    // sits rounds out.
    std::optional<double> rounds_per_hour = std::nullopt;
};

// The rounds the pilot of an optimal ramp deals: as asked, or a quarter of
// the game's rounds (at least one).
std::uint64_t pilot_rounds_of(const SimulationRequest& request);

// The report of a run that stands at `state` after `seconds`. A run that
// went on from a checkpoint where `rounds_before` were dealt is timed by
// the rounds it dealt itself, so that its rate is this run's. The blocks
// each process played, rank 0 first, when several played them.
SimulationReport report_of(const SimulationRequest& request, const simulation::RunState& state,
                           double seconds, std::uint64_t rounds_before = 0,
                           std::vector<std::uint64_t> blocks_per_rank = {});

}  // namespace tavolix
