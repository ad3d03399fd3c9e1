// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "model/strategy_text.h"
#include "work_runner.h"

namespace tavolix::ui {

// Works out one strategy at a time off the thread it lives on, as a
// WorkRunner does: the callbacks run on its own thread, never for a run
// that has been replaced or cancelled since. Destroying the runner cancels
// its work and waits for it.
class StrategyRunner : public QObject {
  public:
    using Progress = WorkRunner::Progress;
    // The strategy, or none when the shoe cannot deal a round.
    using Finished = std::function<void(const std::optional<Strategy>& strategy)>;

    StrategyRunner(Progress progress, Finished finished, QObject* parent = nullptr);
    ~StrategyRunner() override;
    StrategyRunner(const StrategyRunner&) = delete;
    StrategyRunner& operator=(const StrategyRunner&) = delete;

    // Cancels the run in progress, if any, and starts on `request`.
    void start(const StrategyRequest& request);
    void cancel() { runner_->cancel(); }
    bool running() const { return runner_->running(); }

  private:
    Finished finished_;
    WorkRunner* runner_;
};

}  // namespace tavolix::ui
