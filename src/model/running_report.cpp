// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "running_report.h"

#include <utility>

namespace tavolix {

std::string running_simulation_text(SimulationReport report, SimulationReportWords words,
                                    const std::string& so_far) {
    // Even the last block's report, handed over before the run is told
    // done, reads as the run's own until the run's end replaces it.
    report.finished = false;
    words.stopped = so_far;
    return simulation_text(report, words);
}

}  // namespace tavolix
