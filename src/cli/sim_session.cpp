// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "sim_session.h"

#include <QJsonDocument>
#include <cerrno>
#include <chrono>
#include <cstdio>

#include "exit_status.h"
#include "message.h"
#include "model/simulation_report.h"
#include "rules_json.h"
#include "simulation/checkpoint.h"
#include "simulation/run.h"

namespace tavolix::cli {

namespace {

using Clock = std::chrono::steady_clock;
using simulation::RunState;

constexpr auto kCheckpointEvery = std::chrono::seconds(5);
constexpr auto kProgressAfter = std::chrono::seconds(1);
constexpr auto kProgressEvery = std::chrono::milliseconds(250);

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int sim_fail(std::ostream& err, std::string_view message, int status) {
    err << "tavolix-sim: " << message << '\n';
    err.flush();
    return status;
}

int run_simulation(const SimRequest& request, std::ostream& out, std::ostream& err, bool progress,
                   std::stop_token stop) {
    const simulation::SimulationOptions& options = request.options;
    auto prepared = simulation::prepare_game(options, stop);
    if (const auto* error = std::get_if<std::string>(&prepared)) {
        return sim_fail(err, *error, stop.stop_requested() ? kExitStopped : kExitBadInput);
    }
    const simulation::Game& game = std::get<simulation::Game>(prepared);
    const std::string fingerprint = simulation::fingerprint(options);
    const std::uint64_t blocks = simulation::blocks_of(options);

    RunState state = simulation::fresh_state(options);
    if (request.checkpoint) {
        auto loaded = simulation::load_checkpoint(*request.checkpoint, fingerprint, blocks);
        if (const auto* error = std::get_if<std::string>(&loaded)) {
            return sim_fail(err, *error, kExitBadInput);
        }
        if (auto& resumed = std::get<std::optional<RunState>>(loaded)) {
            state = std::move(*resumed);
        }
    }

    const Clock::time_point start = Clock::now();
    const std::uint64_t rounds_before = state.sums.rounds_dealt;
    Clock::time_point saved = start;
    Clock::time_point shown = start;
    bool showing = false;
    std::optional<std::string> save_error;
    const auto on_block = [&](const RunState& now) {
        const Clock::time_point time = Clock::now();
        if (request.checkpoint && time - saved >= kCheckpointEvery && !save_error) {
            save_error = simulation::save_checkpoint(*request.checkpoint, fingerprint, now);
            saved = time;
        }
        if (progress && time - start >= kProgressAfter && time - shown >= kProgressEvery) {
            shown = time;
            showing = true;
            const double rate = (now.sums.rounds_dealt - rounds_before) / seconds_since(start);
            char line[128];
            std::snprintf(line, sizeof line, "\r%6.2f %% of %llu rounds, %.1f million rounds/s ",
                          100.0 * static_cast<double>(now.sums.rounds_dealt) /
                              static_cast<double>(options.rounds),
                          static_cast<unsigned long long>(options.rounds), rate / 1e6);
            err << line << std::flush;
        }
    };
    const bool finished = simulation::run(game, request.threads, state, on_block, stop);
    const double seconds = seconds_since(start);
    if (showing) {
        err << "\r" << std::string(60, ' ') << "\r" << std::flush;
    }
    if (request.checkpoint) {
        if (auto error = simulation::save_checkpoint(*request.checkpoint, fingerprint, state)) {
            save_error = error;
        }
    }
    if (save_error) {
        sim_fail(err, *save_error, kExitCheckpointFailed);
    }
    if (!finished) {
        return sim_fail(
            err,
            "stopped after " + std::to_string(state.blocks_done()) + " of " +
                std::to_string(blocks) + " blocks" +
                (request.checkpoint && !save_error ? "; " + *request.checkpoint + " keeps them"
                                                   : std::string()),
            kExitStopped);
    }

    SimulationReport report{
        .options = options,
        .figures = simulation::figures_of(state.sums, request.bankroll, request.trip),
        .bankroll = request.bankroll,
        .trip = request.trip,
        .threads = request.threads,
        .seconds = seconds,
    };
    // A resumed run's rate is of the rounds dealt in this run.
    if (rounds_before > 0 && seconds > 0) {
        report.seconds = seconds * static_cast<double>(state.sums.rounds_dealt) /
                         static_cast<double>(state.sums.rounds_dealt - rounds_before + 1);
    }
    const std::string text = request.json
                                 ? simulation_json(report, QJsonDocument(rules_json(options.rules))
                                                               .toJson(QJsonDocument::Compact)
                                                               .toStdString())
                                 : simulation_text(report);
    errno = 0;
    out << text;
    if (!out.flush()) {
        return sim_fail(err, stream_failure("cannot write standard output", errno),
                        kExitStreamFailed);
    }
    return save_error ? kExitCheckpointFailed : kExitOk;
}

}  // namespace tavolix::cli
