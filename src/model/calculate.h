#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/engine_run.h"
#include "core/report_file.h"
#include "core/table_state.h"

namespace tavolix {

struct Calculation {
    EngineRun banco;
    EngineRun player;
    // One message per report file that could not be written. The four files
    // are one set: when any fails, none replaces its earlier file.
    std::vector<std::string> report_errors;
};

// The calculate command: with at least one dealer card and two player cards,
// stores both hand totals and soft flags, then runs the dealer engine and then
// the player engine. With fewer cards it does nothing and returns nothing.
// While write_reports is set, both engines' report files are committed
// together once both have run.
std::optional<Calculation> calculate(TableState& state, const ReportSettings& reports = {});

}  // namespace tavolix
