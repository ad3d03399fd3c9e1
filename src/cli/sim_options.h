// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QStringList>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/simulation_arguments.h"
#include "model/simulation_session.h"

namespace tavolix::cli {

// What tavolix-sim was asked to do: the run, and how it is written and kept.
struct SimRequest : SimulationRequest {
    bool json = false;
    std::optional<std::string> checkpoint = std::nullopt;
    // How often the checkpoint is written while the run goes on; a job on a
    // cluster whose machines are often lost may want it sooner.
    std::chrono::milliseconds checkpoint_every = std::chrono::seconds(5);
    // --compare FILE: the games are its lines, each read after `common`.
    std::optional<std::string> compare = std::nullopt;
    std::vector<GivenOption> common = {};
};

// --help or --version: the text to print, and nothing to run.
struct SimInfo {
    std::string text;
};

// The program's arguments, the program's name first; a one-line error
// naming the fault when they cannot be run. The options are read as the
// model reads them, a --compare file's lines too.
std::variant<SimRequest, SimInfo, std::string> parse_sim_arguments(const QStringList& arguments);

}  // namespace tavolix::cli
