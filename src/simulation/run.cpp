// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "run.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace tavolix::simulation {

std::uint64_t RunState::blocks_done() const {
    return static_cast<std::uint64_t>(std::count(done.begin(), done.end(), true));
}

RunState fresh_state(const SimulationOptions& options) {
    return RunState{.done = std::vector<bool>(blocks_of(options), false)};
}

bool run(const Game& game, unsigned threads, RunState& state, const RunProgress& progress,
         std::stop_token stop) {
    std::vector<std::uint64_t> todo;
    for (std::uint64_t block = 0; block < state.done.size(); ++block) {
        if (!state.done[block]) {
            todo.push_back(block);
        }
    }
    std::atomic<std::size_t> next{0};
    std::mutex adding;
    const auto work = [&] {
        for (std::size_t i = next++; i < todo.size() && !stop.stop_requested(); i = next++) {
            const BlockSums sums = run_block(game, game.options.seed, todo[i]);
            const std::lock_guard lock(adding);
            state.sums += sums;
            state.done[todo[i]] = true;
            if (progress) {
                progress(state);
            }
        }
    };
    threads = std::clamp(threads, 1u, static_cast<unsigned>(std::max<std::size_t>(todo.size(), 1)));
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t) {
            helpers.emplace_back(work);
        }
        work();
    }
    return state.finished();
}

}  // namespace tavolix::simulation
