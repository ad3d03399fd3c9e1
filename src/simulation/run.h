// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <vector>

#include "block_sums.h"
#include "game.h"

namespace tavolix::simulation {

// Which blocks are finished and what they came to.
struct RunState {
    std::vector<bool> done;  // by block
    BlockSums sums = {};

    std::uint64_t blocks_done() const;
    bool finished() const { return blocks_done() == done.size(); }
    bool operator==(const RunState&) const = default;
};

RunState fresh_state(const SimulationOptions& options);

// Called after each block is added in, one call at a time.
using RunProgress = std::function<void(const RunState&)>;

// Plays every block `state` has not done on `threads` threads, each taking
// the next block as it finishes one, and adds them into `state`: exact
// sums, so the order they finish in changes nothing. Ends early when `stop`
// is requested, with the blocks finished by then; true when all are done.
bool run(const Game& game, unsigned threads, RunState& state, const RunProgress& progress = {},
         std::stop_token stop = {});

}  // namespace tavolix::simulation
