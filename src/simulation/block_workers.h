// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "block_sums.h"
#include "game.h"

namespace tavolix::simulation {

struct FinishedBlock {
    std::uint64_t block = 0;
    BlockSums sums;
};

// Threads that play the blocks they are given, for a thread that hands the
// blocks out and gathers the sums and must stay free for that (the one that
// talks to the other processes): it gives, waits for news, and takes.
class BlockWorkers {
  public:
    BlockWorkers(const Game& game, unsigned threads);
    ~BlockWorkers();  // the blocks not started are dropped; those in play end first
    BlockWorkers(const BlockWorkers&) = delete;
    BlockWorkers& operator=(const BlockWorkers&) = delete;

    void give(const std::vector<std::uint64_t>& blocks);
    // Blocks given and not started yet.
    std::size_t waiting() const;
    // Nothing waiting, in play, or finished and not taken.
    bool idle() const;
    // No block given and not started will be: a stopped run plays only
    // those already in play.
    void drop_waiting();
    // Waits until a finished block is there to take, `most` at the longest.
    void wait(std::chrono::milliseconds most);
    std::vector<FinishedBlock> take_finished();

  private:
    void work();

    const Game& game_;
    mutable std::mutex mutex_;
    std::condition_variable given_;
    std::condition_variable finished_;
    std::deque<std::uint64_t> waiting_;
    std::vector<FinishedBlock> done_;
    unsigned playing_ = 0;
    bool closing_ = false;
    std::vector<std::jthread> threads_;
};

}  // namespace tavolix::simulation
