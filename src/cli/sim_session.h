// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <stop_token>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sim_options.h"

namespace tavolix::cli {

inline constexpr int kExitCheckpointFailed = 3;
inline constexpr int kExitStopped = 130;

// Writes "PROGRAM: MESSAGE" as one line on `err` and returns `status`.
int sim_fail(std::ostream& err, std::string_view message, int status,
             std::string_view program = "tavolix-sim");

// The state a run starts from: the request's checkpoint when there is one,
// else no block done; an error line when the checkpoint is refused.
std::variant<simulation::RunState, std::string> starting_state(const SimRequest& request);

// Watches a run as its blocks are added in: keeps the checkpoint every few
// seconds and shows the progress on `err` once the run has taken a second.
class RunWatch {
  public:
    // `label` starts the progress line ("pilot: ", "game 2 of 6: ").
    RunWatch(const SimRequest& request, const simulation::RunState& start, std::ostream& err,
             bool progress, std::string label = {});

    // After each block is added in.
    void on_block(const simulation::RunState& state);
    // Writes the checkpoint now, as a run that stops must before it ends.
    void save(const simulation::RunState& state);
    // The run is over: the progress line goes and the checkpoint is written.
    void finish(const simulation::RunState& state);

    double seconds() const;
    std::uint64_t rounds_before() const { return rounds_before_; }
    const std::optional<std::string>& save_error() const { return save_error_; }

  private:
    using Clock = std::chrono::steady_clock;

    const SimRequest& request_;
    std::ostream& err_;
    bool progress_;
    std::string fingerprint_;
    std::uint64_t rounds_before_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point saved_ = start_;
    Clock::time_point shown_ = start_;
    std::optional<Clock::time_point> end_ = std::nullopt;
    bool showing_ = false;
    std::optional<std::string> save_error_ = std::nullopt;
    std::string label_;
};

// The request as its pilot plays it: its rounds, and no checkpoint of its
// own (a stopped pilot is played again).
SimRequest pilot_request(const SimRequest& request);

// The end of a run: the line saying where a stopped run stands, or the
// report of a finished one on `out`; the exit status. `blocks_per_rank`
// says how the blocks were spread when several processes played them.
// `optimal_ramp` is the pilot's choice when the request asked for one (the
// request then holds its ramp).
int report_run(const SimRequest& request, const simulation::RunState& state, const RunWatch& watch,
               std::ostream& out, std::ostream& err, std::string_view program = "tavolix-sim",
               const std::vector<std::uint64_t>& blocks_per_rank = {},
               const std::optional<simulation::OptimalRamp>& optimal_ramp = std::nullopt);

// The report of a run as the request asks for it: the JSON object or the
// readable text.
std::string report_output(const SimRequest& request, const SimulationReport& report);

// Prepares the game (running the pilot of an optimal ramp), resumes from the
// checkpoint if there is one, runs the blocks left (showing progress on
// `err` when `progress` and the run takes more than a second), keeps the
// checkpoint, and writes the report to `out`. With --compare, plays the
// file's games instead and writes their table.
int run_simulation(const SimRequest& request, std::ostream& out, std::ostream& err, bool progress,
                   std::stop_token stop, simulation::PreparedStrategies* known = nullptr);

}  // namespace tavolix::cli
