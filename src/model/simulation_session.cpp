// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "simulation_session.h"

#include <algorithm>
#include <utility>

namespace tavolix {

std::uint64_t pilot_rounds_of(const SimulationRequest& request) {
    if (request.optimal_ramp && request.optimal_ramp->pilot_rounds) {
        return *request.optimal_ramp->pilot_rounds;
    }
    return std::max<std::uint64_t>(request.options.rounds / 4, 1);
}

SimulationReport report_of(const SimulationRequest& request, const simulation::RunState& state,
                           double seconds, std::uint64_t rounds_before,
                           std::vector<std::uint64_t> blocks_per_rank) {
    SimulationReport report{
        .options = request.options,
        .figures =
            simulation::figures_of(state.sums, request.bankroll, request.trip,
                                   request.rounds_per_hour.value_or(simulation::kRoundsPerHour)),
        .bankroll = request.bankroll,
        .trip = request.trip,
        .threads = request.threads,
        .seconds = seconds,
        .finished = state.finished(),
        .blocks_per_rank = std::move(blocks_per_rank),
        .rounds_per_hour = request.rounds_per_hour,
    };
    if (rounds_before > 0 && seconds > 0) {
        const auto dealt = static_cast<double>(state.sums.rounds_dealt);
        report.seconds = seconds * dealt / (dealt - static_cast<double>(rounds_before) + 1);
    }
    return report;
}

}  // namespace tavolix
