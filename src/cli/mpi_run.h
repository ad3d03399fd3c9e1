// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

#include "sim_session.h"

namespace tavolix::cli {

// Rank 0: hands the blocks `state` has not done to the ranks as they ask,
// plays some on its own `threads` meanwhile, and adds every block's sums
// into `state` as they arrive (exact sums, so arriving in any order changes
// nothing), telling `watch` of each. On a stop no more blocks go out and the
// checkpoint is written at once; it returns when every rank has said it is
// done. The blocks each rank played, rank 0 first.
std::vector<std::uint64_t> serve_blocks(const simulation::Game& game, unsigned threads,
                                        simulation::RunState& state, RunWatch& watch,
                                        std::stop_token stop);

// Every other rank: asks rank 0 for blocks, plays them on `threads`, and
// sends back each block's sums, until rank 0 has no more or `stop`.
void play_given_blocks(const simulation::Game& game, unsigned threads, std::stop_token stop);

}  // namespace tavolix::cli
