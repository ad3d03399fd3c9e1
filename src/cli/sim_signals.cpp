// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "sim_signals.h"

#include <pthread.h>

#include <ctime>

namespace tavolix::cli {

sigset_t simulation_stop_signals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int stop : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&set, stop);
    }
    return set;
}

void hold_simulation_stop_signals() {
    const sigset_t held = simulation_stop_signals();
    pthread_sigmask(SIG_BLOCK, &held, nullptr);
}

void watch_simulation_stop_signals(std::stop_token watching, std::stop_source run) {
    const sigset_t set = simulation_stop_signals();
    const timespec tick{.tv_sec = 0, .tv_nsec = 100'000'000};
    while (!watching.stop_requested()) {
        if (sigtimedwait(&set, nullptr, &tick) > 0) {
            run.request_stop();
        }
    }
}

}  // namespace tavolix::cli
