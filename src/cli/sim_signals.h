// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <csignal>
#include <stop_token>

namespace tavolix::cli {

// Ctrl-C and the kills a scheduler sends (SIGINT, SIGTERM, SIGHUP) end a
// simulation by its stop token, so that the checkpoint is written whole
// before the program ends: the signals are held in every thread (hold them
// before any thread starts, a library's included) and one thread waits for
// them.
sigset_t simulation_stop_signals();
void hold_simulation_stop_signals();

// Until `watching` is stopped: requests `run`'s stop when a signal comes.
void watch_simulation_stop_signals(std::stop_token watching, std::stop_source run);

}  // namespace tavolix::cli
