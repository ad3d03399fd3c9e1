// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <ostream>
#include <stop_token>
#include <string_view>

#include "sim_options.h"

namespace tavolix::cli {

inline constexpr int kExitCheckpointFailed = 3;
inline constexpr int kExitStopped = 130;

// Writes "tavolix-sim: MESSAGE" as one line on `err` and returns `status`.
int sim_fail(std::ostream& err, std::string_view message, int status);

// Prepares the game, resumes from the checkpoint if there is one, runs the
// blocks left (showing progress on `err` when `progress` and the run takes
// more than a second), keeps the checkpoint, and writes the report to `out`.
int run_simulation(const SimRequest& request, std::ostream& out, std::ostream& err, bool progress,
                   std::stop_token stop);

}  // namespace tavolix::cli
