// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "simulation/options.h"

namespace tavolix::cli {

// What tavolix-sim was asked to do.
struct SimRequest {
    simulation::SimulationOptions options;
    unsigned threads = 1;
    std::optional<double> bankroll = std::nullopt;
    std::optional<std::uint64_t> trip = std::nullopt;
    bool json = false;
    std::optional<std::string> checkpoint = std::nullopt;
};

// --help or --version: the text to print, and nothing to run.
struct SimInfo {
    std::string text;
};

// The program's arguments, the program's name first; a one-line error
// naming the fault when they cannot be run.
std::variant<SimRequest, SimInfo, std::string> parse_sim_arguments(const QStringList& arguments);

}  // namespace tavolix::cli
