// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "block_workers.h"

#include <algorithm>
#include <utility>

namespace tavolix::simulation {

BlockWorkers::BlockWorkers(const Game& game, unsigned threads) : game_(game) {
    for (unsigned t = 0; t < std::max(threads, 1u); ++t) {
        threads_.emplace_back([this] { work(); });
    }
}

BlockWorkers::~BlockWorkers() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
        waiting_.clear();
    }
    given_.notify_all();
}

void BlockWorkers::give(const std::vector<std::uint64_t>& blocks) {
    {
        const std::lock_guard lock(mutex_);
        waiting_.insert(waiting_.end(), blocks.begin(), blocks.end());
    }
    given_.notify_all();
}

std::size_t BlockWorkers::waiting() const {
    const std::lock_guard lock(mutex_);
    return waiting_.size();
}

bool BlockWorkers::idle() const {
    const std::lock_guard lock(mutex_);
    return waiting_.empty() && playing_ == 0 && done_.empty();
}

void BlockWorkers::drop_waiting() {
    const std::lock_guard lock(mutex_);
    waiting_.clear();
}

void BlockWorkers::wait(std::chrono::milliseconds most) {
    std::unique_lock lock(mutex_);
    finished_.wait_for(lock, most, [this] { return !done_.empty(); });
}

std::vector<FinishedBlock> BlockWorkers::take_finished() {
    const std::lock_guard lock(mutex_);
    return std::exchange(done_, {});
}

void BlockWorkers::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        given_.wait(lock, [this] { return closing_ || !waiting_.empty(); });
        if (closing_) {
            return;
        }
        const std::uint64_t block = waiting_.front();
        waiting_.pop_front();
        ++playing_;
        lock.unlock();
        FinishedBlock finished{block, run_block(game_, game_.options.seed, block)};
        lock.lock();
        --playing_;
        done_.push_back(std::move(finished));
        finished_.notify_all();
    }
}

}  // namespace tavolix::simulation
