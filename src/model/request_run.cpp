// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "request_run.h"

#include <chrono>

namespace tavolix {

std::variant<PreparedRequest, std::string> prepare_request(const SimulationRequest& request,
                                                           const RequestProgressCall& progress,
                                                           std::stop_token stop,
                                                           simulation::PreparedStrategies* known) {
    auto prepared = simulation::prepare_game(request.options, stop, known);
    if (auto* error = std::get_if<std::string>(&prepared)) {
        return std::move(*error);
    }
    PreparedRequest ready{.request = request,
                          .game = std::get<simulation::Game>(std::move(prepared))};
    if (!request.optimal_ramp) {
        return ready;
    }
    const std::uint64_t pilot_rounds = pilot_rounds_of(request);
    auto chosen = run_pilot(
        ready.game, request.optimal_ramp->spread, pilot_rounds, request.threads,
        [&](std::uint64_t dealt, std::uint64_t rounds) {
            if (progress) {
                progress(
                    {.phase = RequestProgress::Phase::pilot, .dealt = dealt, .rounds = rounds});
            }
        },
        stop);
    if (auto* error = std::get_if<std::string>(&chosen)) {
        return std::move(*error);
    }
    ready.optimal_ramp = std::get<OptimalRamp>(std::move(chosen));
    ready.request.options.ramp = ready.optimal_ramp->ramp;
    simulation::set_ramp(ready.game, ready.optimal_ramp->ramp);
    return ready;
}

std::variant<SimulationReport, std::string> run_request(const SimulationRequest& request,
                                                        const RequestProgressCall& progress,
                                                        std::stop_token stop,
                                                        simulation::PreparedStrategies* known) {
    using Clock = std::chrono::steady_clock;
    auto prepared = prepare_request(request, progress, stop, known);
    if (auto* error = std::get_if<std::string>(&prepared)) {
        return std::move(*error);
    }
    const PreparedRequest& ready = std::get<PreparedRequest>(prepared);
    simulation::RunState state = simulation::fresh_state(ready.request.options);
    const Clock::time_point start = Clock::now();
    simulation::run(
        ready.game, ready.request.threads, state,
        [&](const simulation::RunState& now) {
            if (progress) {
                progress({.phase = RequestProgress::Phase::game,
                          .dealt = now.sums.rounds_dealt,
                          .rounds = ready.request.options.rounds,
                          .state = &now});
            }
        },
        stop);
    if (state.blocks_done() == 0 && stop.stop_requested()) {
        return std::string("stopped before a block was played");
    }
    SimulationReport report = report_of(
        ready.request, state, std::chrono::duration<double>(Clock::now() - start).count());
    report.optimal_ramp = ready.optimal_ramp;
    return report;
}

}  // namespace tavolix
