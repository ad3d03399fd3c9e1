// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "simulation_runner.h"

#include <QMetaObject>
#include <chrono>
#include <memory>

namespace tavolix::ui {

namespace {

using Clock = std::chrono::steady_clock;

// Often enough for a bar that moves, seldom enough not to flood the loop.
constexpr auto kProgressEvery = std::chrono::milliseconds(100);
// The figures so far: often enough to watch them settle, seldom enough to
// be read.
constexpr auto kPartialEvery = std::chrono::seconds(1);

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

SimulationRunner::SimulationRunner(Progress progress, Partial partial, Finished finished,
                                   QObject* parent)
    : QObject(parent),
      progress_(std::move(progress)),
      partial_(std::move(partial)),
      finished_(std::move(finished)) {}

// The thread ends before the object does, so no posted call outlives it:
// QObject's own destructor then drops those still waiting.
SimulationRunner::~SimulationRunner() {
    cancel();
}

void SimulationRunner::stop() {
    thread_.request_stop();
}

// A block in progress is finished first: a fraction of a second.
void SimulationRunner::cancel() {
    ++generation_;
    running_ = false;
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

void SimulationRunner::start(const SimulationRequest& request) {
    cancel();
    running_ = true;
    const unsigned generation = generation_;
    thread_ = std::jthread([this, request, generation](std::stop_token stop) {
        const auto post = [this, generation](auto call) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, call] {
                    if (generation == generation_) {
                        call();
                    }
                },
                Qt::QueuedConnection);
        };
        auto prepared = simulation::prepare_game(request.options, stop);
        if (const auto* error = std::get_if<std::string>(&prepared)) {
            const std::string message = stop.stop_requested() ? std::string() : *error;
            post([this, message] {
                running_ = false;
                finished_(std::nullopt, message);
            });
            return;
        }
        const Clock::time_point start = Clock::now();
        Clock::time_point shown = start;
        Clock::time_point figured = start;
        simulation::RunState state = simulation::fresh_state(request.options);
        // Called with the blocks' sums locked: the figures so far are a
        // few sums over the true counts, quick beside a block.
        const auto on_block = [&](const simulation::RunState& now) {
            const Clock::time_point time = Clock::now();
            if (time - shown >= kProgressEvery) {
                shown = time;
                const std::uint64_t rounds = now.sums.rounds_dealt;
                const double seconds = seconds_since(start);
                post([this, rounds, seconds] { progress_(rounds, seconds); });
            }
            if (time - figured >= kPartialEvery && partial_) {
                figured = time;
                post([this, report = report_of(request, now, seconds_since(start))] {
                    partial_(report);
                });
            }
        };
        simulation::run(std::get<simulation::Game>(prepared), request.threads, state, on_block,
                        stop);
        const double seconds = seconds_since(start);
        std::optional<SimulationReport> report;
        if (state.sums.rounds_dealt > 0) {
            report = report_of(request, state, seconds);
        }
        const std::uint64_t rounds = state.sums.rounds_dealt;
        post([this, report = std::move(report), rounds, seconds] {
            running_ = false;
            progress_(rounds, seconds);
            finished_(report, std::string());
        });
    });
}

}  // namespace tavolix::ui
