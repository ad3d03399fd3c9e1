#pragma once

#include <optional>

#include "core/engine_run.h"
#include "core/table_state.h"

namespace tavolix {

struct Calculation {
    EngineRun banco;
    EngineRun player;
};

// The calculate command: with at least one dealer card and two player cards,
// stores both hand totals and soft flags, then runs the dealer engine and then
// the player engine. With fewer cards it does nothing and returns nothing.
std::optional<Calculation> calculate(TableState& state, const ReportSettings& reports = {});

}  // namespace tavolix
