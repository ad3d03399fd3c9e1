// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "strategy_runner.h"

#include <memory>

namespace tavolix::ui {

StrategyRunner::StrategyRunner(Progress progress, Finished finished, QObject* parent)
    : QObject(parent),
      finished_(std::move(finished)),
      runner_(new WorkRunner(std::move(progress), this)) {}

// The work ends, joined, while the callback it may call is still whole.
StrategyRunner::~StrategyRunner() {
    delete runner_;
}

void StrategyRunner::start(const StrategyRequest& request) {
    runner_->start([this, request](const WorkRunner::Progress& progress,
                                   std::stop_token stop) -> WorkRunner::Delivery {
        auto strategy =
            std::make_shared<const std::optional<Strategy>>(run_strategy(request, progress, stop));
        if (stop.stop_requested()) {
            return {};
        }
        return [this, strategy] {
            if (finished_) {
                finished_(*strategy);
            }
        };
    });
}

}  // namespace tavolix::ui
