// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <csignal>

namespace tavolix::cli {

// A run stopped by Ctrl-C or a kill while it has a file of its own half made
// (a report, or the probe that tries the directory) would leave it behind.
// While one of these lives, such signals wait; they then end the run as they
// would have. The command line starts no threads, so the calling thread's
// mask is the process's.
class StopSignalsHeld {
  public:
    StopSignalsHeld();
    ~StopSignalsHeld();
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

  private:
    sigset_t before_{};
};

}  // namespace tavolix::cli
