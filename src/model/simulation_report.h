// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "simulation/figures.h"
#include "simulation/options.h"

namespace tavolix {

// A finished (or stopped) simulation as it is reported: what was played,
// the figures, and how long it took.
struct SimulationReport {
    simulation::SimulationOptions options;
    simulation::Figures figures;
    std::optional<double> bankroll = std::nullopt;
    std::optional<std::uint64_t> trip = std::nullopt;
    unsigned threads = 1;
    double seconds = 0;
    bool finished = true;  // false: stopped, the figures are of the blocks done
    // Played by several processes (MPI ranks): the blocks each played in
    // this run, rank 0 first; empty for one process.
    std::vector<std::uint64_t> blocks_per_rank = {};
};

// The readable report, English.
std::string simulation_text(const SimulationReport& report);

// One JSON object, every figure in units of the smallest bet; `rules_object`
// is the rules as the command line's JSON writes them.
std::string simulation_json(const SimulationReport& report, std::string_view rules_object);

}  // namespace tavolix
