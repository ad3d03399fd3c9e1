// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "model/simulation_session.h"

namespace tavolix::ui {

// Plays one simulation at a time on a thread of its own, which hands what it
// learns (the rounds dealt, the figures so far, the report at the end) to
// the thread the runner lives on through that thread's event loop:
// the callbacks never run on a working thread. Destroying the runner ends
// its work and waits for it, and no callback comes after.
class SimulationRunner : public QObject {
  public:
    using Progress = std::function<void(std::uint64_t rounds_dealt, double seconds)>;
    // The report of the blocks done (finished or stopped), or none when the
    // run was stopped before a block was done; `error` names a game that
    // could not be prepared.
    using Finished = std::function<void(const std::optional<SimulationReport>& report,
                                        const std::string& error)>;
    // Every second of a run, the report of the blocks done so far.
    using Partial = std::function<void(const SimulationReport& report)>;

    SimulationRunner(Progress progress, Partial partial, Finished finished,
                     QObject* parent = nullptr);
    ~SimulationRunner() override;
    SimulationRunner(const SimulationRunner&) = delete;
    SimulationRunner& operator=(const SimulationRunner&) = delete;

    void start(const SimulationRequest& request);
    // The run ends after the blocks in progress; their report still comes.
    void stop();
    // The run ends and is waited for; nothing more comes from it.
    void cancel();
    bool running() const { return running_; }

  private:
    Progress progress_;
    Partial partial_;
    Finished finished_;
    std::jthread thread_;
    unsigned generation_ = 0;
    bool running_ = false;
};

}  // namespace tavolix::ui
