// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "strategy_runner.h"

#include <QMetaObject>
#include <algorithm>

namespace tavolix::ui {

StrategyRunner::StrategyRunner(Progress progress, Finished finished, QObject* parent)
    : QObject(parent), progress_(std::move(progress)), finished_(std::move(finished)) {}

// The threads end before the object does, so no posted call outlives it:
// QObject's own destructor then drops those still waiting.
StrategyRunner::~StrategyRunner() {
    cancel();
    retired_.clear();
}

void StrategyRunner::retire_current() {
    if (current_.thread.joinable()) {
        current_.thread.request_stop();
        retired_.push_back(std::move(current_));
        current_ = {};
    }
    // Those that have ended are joined at once; the others are left to end.
    std::erase_if(retired_, [](const Run& run) { return run.ended->load(); });
}

void StrategyRunner::cancel() {
    ++generation_;
    running_ = false;
    retire_current();
}

void StrategyRunner::start(const StrategyRequest& request) {
    cancel();
    running_ = true;
    const unsigned generation = generation_;
    auto ended = std::make_shared<std::atomic<bool>>(false);
    current_.ended = ended;
    current_.thread = std::jthread([this, request, generation, ended](std::stop_token stop) {
        const auto progress = [this, generation](int done, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, done, total] {
                    if (generation == generation_ && progress_) {
                        progress_(done, total);
                    }
                },
                Qt::QueuedConnection);
        };
        auto strategy =
            std::make_shared<const std::optional<Strategy>>(run_strategy(request, progress, stop));
        if (!stop.stop_requested()) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, strategy] {
                    if (generation != generation_) {
                        return;
                    }
                    running_ = false;
                    if (finished_) {
                        finished_(*strategy);
                    }
                },
                Qt::QueuedConnection);
        }
        ended->store(true);
    });
}

}  // namespace tavolix::ui
