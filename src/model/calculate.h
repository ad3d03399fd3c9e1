#pragma once

#include <optional>

#include "analysis/hand_analysis.h"
#include "core/engine_run.h"
#include "core/table_state.h"

namespace tavolix {

using analysis::HandAnalysis;

struct Calculation {
    EngineRun banco;
    EngineRun player;
    // The exact analysis of the same table, and the path-weighted figures
    // that the two panels' averages approximate.
    HandAnalysis analysis;
};

// The calculate command: with at least one dealer card and two player cards,
// stores both hand totals and soft flags, then runs the dealer engine, the
// player engine and the exact analysis. With fewer cards it does nothing and
// returns nothing.
std::optional<Calculation> calculate(TableState& state, const ReportSettings& reports = {});

}  // namespace tavolix
