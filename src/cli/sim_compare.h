// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <ostream>
#include <stop_token>

#include "sim_options.h"

namespace tavolix::cli {

// tavolix-sim --compare FILE: reads every line of the file first (a faulty
// line refuses the whole file, naming its line, before anything is
// played), then plays the games in turn, saying on `err` which game of how
// many is in play, and writes one table best SCORE first, or with --json an
// array of the games' objects in the same order, each with its "game".
// Games of the same rules and decks share their strategy, kept in `known`
// when given.
int run_comparison(const SimRequest& request, std::ostream& out, std::ostream& err, bool progress,
                   std::stop_token stop, simulation::PreparedStrategies* known = nullptr);

}  // namespace tavolix::cli
