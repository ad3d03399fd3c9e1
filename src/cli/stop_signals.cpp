// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "stop_signals.h"

#include <pthread.h>

#include <initializer_list>

namespace tavolix::cli {

StopSignalsHeld::StopSignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int stop : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        sigaddset(&held, stop);
    }
    pthread_sigmask(SIG_BLOCK, &held, &before_);
}

StopSignalsHeld::~StopSignalsHeld() {
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

}  // namespace tavolix::cli
