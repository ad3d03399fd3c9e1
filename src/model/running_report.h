// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>

#include "simulation_report.h"

namespace tavolix {

// The report of a run still going on, from the blocks done so far: the text
// it will have at the end, its run's line marked with `so_far` where a
// stopped run's says that it stopped.
std::string running_simulation_text(SimulationReport report, SimulationReportWords words,
                                    const std::string& so_far);

}  // namespace tavolix
