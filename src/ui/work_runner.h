// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

namespace tavolix::ui {

// Runs one piece of work at a time on a thread of its own and hands what it
// learns to the thread the runner lives on, through that thread's event
// loop: progress and the result's delivery never run on the working thread,
// and never for a run that has been replaced or cancelled since. Destroying
// the runner cancels its work and waits for it.
class WorkRunner : public QObject {
  public:
    using Progress = std::function<void(int done, int total)>;
    // What the work hands back: run on the runner's thread once it is done.
    using Delivery = std::function<void()>;
    // Reports through its progress; returns the delivery, or none when it
    // has nothing to hand back.
    using Work = std::function<Delivery(const Progress& progress, std::stop_token stop)>;

    explicit WorkRunner(Progress progress, QObject* parent = nullptr);
    ~WorkRunner() override;
    WorkRunner(const WorkRunner&) = delete;
    WorkRunner& operator=(const WorkRunner&) = delete;

    // Cancels the run in progress, if any, and starts on `work`.
    void start(Work work);
    // The work is asked to end early; what it hands back for what it did by
    // then is still delivered.
    void stop();
    // The work is asked to end, and nothing more comes from it.
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
    Run current_;
    std::vector<Run> retired_;
    unsigned generation_ = 0;
    bool running_ = false;
};

}  // namespace tavolix::ui
