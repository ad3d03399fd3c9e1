// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "optimal_ramp.h"

#include "simulation/pilot.h"
#include "simulation/run.h"

namespace tavolix {

std::variant<OptimalRamp, std::string> optimal_ramp_of(const simulation::BlockSums& pilot,
                                                       int spread) {
    const std::vector<simulation::CountMoments> moments = simulation::count_moments(pilot);
    if (moments.empty()) {
        return "the pilot of " + std::to_string(pilot.rounds_dealt) +
               " rounds bet none: give it more rounds (--pilot-rounds)";
    }
    const simulation::RampChoice choice = simulation::best_ramp(moments, spread);
    return OptimalRamp{
        .ramp = simulation::ramp_of(moments, choice.units),
        .spread = spread,
        .scale = choice.scale,
        .predicted = choice.predicted,
        .pilot = simulation::figures_of(pilot, std::nullopt, std::nullopt),
    };
}

std::variant<OptimalRamp, std::string> run_pilot(const simulation::Game& game, int spread,
                                                 std::uint64_t pilot_rounds, unsigned threads,
                                                 const PilotProgress& progress,
                                                 std::stop_token stop) {
    const simulation::Game pilot = simulation::pilot_game(game, pilot_rounds);
    simulation::RunState state = simulation::fresh_state(pilot.options);
    const bool finished = simulation::run(
        pilot, threads, state,
        [&](const simulation::RunState& now) {
            if (progress) {
                progress(now.sums.rounds_dealt, pilot_rounds);
            }
        },
        stop);
    if (!finished) {
        return std::string("stopped during the pilot run");
    }
    return optimal_ramp_of(state.sums, spread);
}

std::variant<OptimalRamp, std::string> choose_optimal_ramp(const SimulationRequest& request,
                                                           int spread, std::uint64_t pilot_rounds,
                                                           const PilotProgress& progress,
                                                           std::stop_token stop,
                                                           simulation::PreparedStrategies* known) {
    simulation::SimulationOptions options = request.options;
    options.ramp.clear();
    auto prepared = simulation::prepare_game(options, stop, known);
    if (auto* error = std::get_if<std::string>(&prepared)) {
        return std::move(*error);
    }
    return run_pilot(std::get<simulation::Game>(prepared), spread, pilot_rounds, request.threads,
                     progress, stop);
}

}  // namespace tavolix
