// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "model/strategy_text.h"

namespace tavolix::ui {

// Works out one strategy at a time on threads of its own and hands what it
// learns to the thread it lives on, through that thread's event loop: the
// callbacks never run on a working thread, and never for a run that has been
// replaced or cancelled since. Destroying the runner cancels its work and
// waits for it.
class StrategyRunner : public QObject {
  public:
    using Progress = std::function<void(int done, int total)>;
    // The strategy, or none when the shoe cannot deal a round.
    using Finished = std::function<void(const std::optional<Strategy>& strategy)>;

    StrategyRunner(Progress progress, Finished finished, QObject* parent = nullptr);
    ~StrategyRunner() override;
    StrategyRunner(const StrategyRunner&) = delete;
    StrategyRunner& operator=(const StrategyRunner&) = delete;

    // Cancels the run in progress, if any, and starts on `request`.
    void start(const StrategyRequest& request);
    void cancel();
    bool running() const { return running_; }

  private:
    // A run that was cancelled may still be finishing its current piece of
    // work; it is kept, and joined, until it has.
    struct Run {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> ended;
    };
    void retire_current();

    Progress progress_;
    Finished finished_;
    Run current_;
    std::vector<Run> retired_;
    unsigned generation_ = 0;
    bool running_ = false;
};

}  // namespace tavolix::ui
