// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <string_view>

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
};

// The readable report, English.
std::string simulation_text(const SimulationReport& report);

// One JSON object, every figure in units of the smallest bet; `rules_object`
// is the rules as the command line's JSON writes them.
std::string simulation_json(const SimulationReport& report, std::string_view rules_object);

}  // namespace tavolix
