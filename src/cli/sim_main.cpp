// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <pthread.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>
#include <ctime>
#include <iostream>
#include <thread>

#include "argument_text.h"
#include "exit_status.h"
#include "sim_options.h"
#include "sim_session.h"

namespace {

// Ctrl-C and the kills a scheduler sends end the run by its stop token, so
// that the checkpoint is written whole before the program ends: the signals
// are held in every thread and one thread waits for them.
sigset_t stop_signals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int stop : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&set, stop);
    }
    return set;
}

void watch_signals(std::stop_token watching, std::stop_source run) {
    const sigset_t set = stop_signals();
    const timespec tick{.tv_sec = 0, .tv_nsec = 100'000'000};
    while (!watching.stop_requested()) {
        if (sigtimedwait(&set, nullptr, &tick) > 0) {
            run.request_stop();
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const sigset_t held = stop_signals();
    pthread_sigmask(SIG_BLOCK, &held, nullptr);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavolix-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIX_VERSION));
    std::ios::sync_with_stdio(false);
    auto parsed = tavolix::cli::parse_sim_arguments(tavolix::cli::argument_texts(argc, argv));
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        return tavolix::cli::sim_fail(std::cerr, *error, tavolix::cli::kExitBadInput);
    }
    if (const auto* info = std::get_if<tavolix::cli::SimInfo>(&parsed)) {
        std::cout << info->text << std::flush;
        return std::cout ? tavolix::cli::kExitOk : tavolix::cli::kExitStreamFailed;
    }
    std::stop_source run;
    std::jthread watcher(watch_signals, run);
    return tavolix::cli::run_simulation(std::get<tavolix::cli::SimRequest>(parsed), std::cout,
                                        std::cerr, ::isatty(STDERR_FILENO) == 1, run.get_token());
}
