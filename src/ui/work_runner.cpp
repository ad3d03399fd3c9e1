// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "work_runner.h"

#include <QMetaObject>
#include <algorithm>

namespace tavolix::ui {

WorkRunner::WorkRunner(Progress progress, QObject* parent)
    : QObject(parent), progress_(std::move(progress)) {}

// The threads end before the object does, so no posted call outlives it:
// QObject's own destructor then drops those still waiting.
WorkRunner::~WorkRunner() {
    cancel();
    retired_.clear();
}

void WorkRunner::retire_current() {
    if (current_.thread.joinable()) {
        current_.thread.request_stop();
        retired_.push_back(std::move(current_));
        current_ = {};
    }
    // Those that have ended are joined at once; the others are left to end.
    std::erase_if(retired_, [](const Run& run) { return run.ended->load(); });
}

void WorkRunner::cancel() {
    ++generation_;
    running_ = false;
    retire_current();
}

void WorkRunner::stop() {
    if (current_.thread.joinable()) {
        current_.thread.request_stop();
    }
}

void WorkRunner::start(Work work) {
    cancel();
    running_ = true;
    const unsigned generation = generation_;
    auto ended = std::make_shared<std::atomic<bool>>(false);
    current_.ended = ended;
    current_.thread =
        std::jthread([this, work = std::move(work), generation, ended](std::stop_token stop) {
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
            Delivery delivery = work(progress, stop);
            // Told even without a delivery, so that a run stopped short is
            // no longer taken for running; a cancelled one is not its own
            // generation any more and is dropped.
            QMetaObject::invokeMethod(
                this,
                [this, generation, delivery = std::move(delivery)] {
                    if (generation != generation_) {
                        return;
                    }
                    running_ = false;
                    if (delivery) {
                        delivery();
                    }
                },
                Qt::QueuedConnection);
            ended->store(true);
        });
}

}  // namespace tavolix::ui
