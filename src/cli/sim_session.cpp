// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "sim_session.h"

#include <QJsonDocument>
#include <cerrno>
#include <cstdio>

#include "exit_status.h"
#include "message.h"
#include "model/request_run.h"
#include "rules_json.h"
#include "sim_compare.h"

namespace tavolix::cli {

namespace {

using simulation::RunState;

constexpr auto kProgressAfter = std::chrono::seconds(1);
constexpr auto kProgressEvery = std::chrono::milliseconds(250);

}  // namespace

int sim_fail(std::ostream& err, std::string_view message, int status, std::string_view program) {
    err << program << ": " << message << '\n';
    err.flush();
    return status;
}

std::variant<RunState, std::string> starting_state(const SimRequest& request) {
    if (!request.checkpoint) {
        return simulation::fresh_state(request.options);
    }
    auto loaded =
        simulation::load_checkpoint(*request.checkpoint, simulation::fingerprint(request.options),
                                    simulation::blocks_of(request.options));
    if (auto* error = std::get_if<std::string>(&loaded)) {
        return std::move(*error);
    }
    auto& resumed = std::get<std::optional<RunState>>(loaded);
    return resumed ? std::move(*resumed) : simulation::fresh_state(request.options);
}

RunWatch::RunWatch(const SimRequest& request, const RunState& start, std::ostream& err,
                   bool progress, std::string label)
    : request_(request),
      err_(err),
      progress_(progress),
      fingerprint_(simulation::fingerprint(request.options)),
      rounds_before_(start.sums.rounds_dealt),
      label_(std::move(label)) {}

SimRequest pilot_request(const SimRequest& request) {
    SimRequest pilot = request;
    pilot.options.rounds = pilot_rounds_of(request);
    pilot.checkpoint.reset();
    return pilot;
}

double RunWatch::seconds() const {
    return std::chrono::duration<double>(end_.value_or(Clock::now()) - start_).count();
}

void RunWatch::save(const RunState& state) {
    if (request_.checkpoint) {
        if (auto error = simulation::save_checkpoint(*request_.checkpoint, fingerprint_, state)) {
            save_error_ = std::move(error);
        }
        saved_ = Clock::now();
    }
}

void RunWatch::on_block(const RunState& now) {
    const Clock::time_point time = Clock::now();
    if (request_.checkpoint && time - saved_ >= request_.checkpoint_every && !save_error_) {
        save(now);
    }
    if (progress_ && time - start_ >= kProgressAfter && time - shown_ >= kProgressEvery) {
        shown_ = time;
        showing_ = true;
        const double rate = (now.sums.rounds_dealt - rounds_before_) / seconds();
        char line[128];
        std::snprintf(line, sizeof line, "%6.2f %% of %llu rounds, %.1f million rounds/s ",
                      100.0 * static_cast<double>(now.sums.rounds_dealt) /
                          static_cast<double>(request_.options.rounds),
                      static_cast<unsigned long long>(request_.options.rounds), rate / 1e6);
        err_ << '\r' << label_ << line << std::flush;
    }
}

void RunWatch::finish(const RunState& state) {
    end_ = Clock::now();
    if (showing_) {
        err_ << "\r" << std::string(60 + label_.size(), ' ') << "\r" << std::flush;
        showing_ = false;
    }
    save(state);
}

std::string report_output(const SimRequest& request, const SimulationReport& report) {
    return request.json ? simulation_json(report, QJsonDocument(rules_json(request.options.rules))
                                                      .toJson(QJsonDocument::Compact)
                                                      .toStdString())
                        : simulation_text(report);
}

int report_run(const SimRequest& request, const RunState& state, const RunWatch& watch,
               std::ostream& out, std::ostream& err, std::string_view program,
               const std::vector<std::uint64_t>& blocks_per_rank,
               const std::optional<simulation::OptimalRamp>& optimal_ramp) {
    const auto& save_error = watch.save_error();
    if (save_error) {
        sim_fail(err, *save_error, kExitCheckpointFailed, program);
    }
    if (!state.finished()) {
        return sim_fail(
            err,
            "stopped after " + std::to_string(state.blocks_done()) + " of " +
                std::to_string(state.done.size()) + " blocks" +
                (request.checkpoint && !save_error ? "; " + *request.checkpoint + " keeps them"
                                                   : std::string()),
            kExitStopped, program);
    }

    SimulationReport report =
        report_of(request, state, watch.seconds(), watch.rounds_before(), blocks_per_rank);
    report.optimal_ramp = optimal_ramp;
    const std::string text = report_output(request, report);
    errno = 0;
    out << text;
    if (!out.flush()) {
        return sim_fail(err, stream_failure("cannot write standard output", errno),
                        kExitStreamFailed, program);
    }
    return save_error ? kExitCheckpointFailed : kExitOk;
}

int run_simulation(const SimRequest& request, std::ostream& out, std::ostream& err, bool progress,
                   std::stop_token stop, simulation::PreparedStrategies* known) {
    if (request.compare) {
        return run_comparison(request, out, err, progress, stop, known);
    }
    const SimRequest pilot = pilot_request(request);
    std::optional<RunWatch> pilot_watch;
    if (request.optimal_ramp) {
        pilot_watch.emplace(pilot, simulation::fresh_state(pilot.options), err, progress,
                            "pilot: ");
    }
    auto prepared = prepare_request(
        request,
        [&](const RequestProgress& now) {
            if (pilot_watch) {
                RunState shown;
                shown.sums.rounds_dealt = now.dealt;
                pilot_watch->on_block(shown);
            }
        },
        stop, known);
    if (pilot_watch) {
        pilot_watch->finish({});
    }
    if (const auto* error = std::get_if<std::string>(&prepared)) {
        return sim_fail(err, *error, stop.stop_requested() ? kExitStopped : kExitBadInput);
    }
    const PreparedRequest& ready = std::get<PreparedRequest>(prepared);
    SimRequest played = request;
    played.options = ready.request.options;
    auto started = starting_state(played);
    if (const auto* error = std::get_if<std::string>(&started)) {
        return sim_fail(err, *error, kExitBadInput);
    }
    RunState& state = std::get<RunState>(started);
    RunWatch watch(played, state, err, progress);
    simulation::run(
        ready.game, played.threads, state, [&](const RunState& now) { watch.on_block(now); }, stop);
    watch.finish(state);
    return report_run(played, state, watch, out, err, "tavolix-sim", {}, ready.optimal_ramp);
}

}  // namespace tavolix::cli
