// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/hand_analysis.h"
#include "core/engine_run.h"
#include "core/model_words.h"
#include "core/report_file.h"
#include "core/table_state.h"

namespace tavolix {

using analysis::HandAnalysis;

struct Calculation {
    EngineRun banco;
    EngineRun player;
    // One message per report file that could not be written. The four files
    // are one set: when any fails, none replaces its earlier file.
    std::vector<std::string> report_errors;
    // The exact analysis of the same table, and the path-weighted figures
    // that the two panels' averages approximate.
    HandAnalysis analysis;
};

// The calculate command: with at least one dealer card and two player cards,
// stores both hand totals and soft flags, then runs the dealer engine, the
// player engine and the exact analysis. With fewer cards it does nothing and
// returns nothing. While write_reports is set, both engines' report files
// are committed together once both have run. The panels are written in `words`.
// A caller that calculates click after click keeps a scratch for the analysis.
std::optional<Calculation> calculate(TableState& state, const ReportSettings& reports = {},
                                     const ModelWords& words = {},
                                     analysis::AnalysisScratch* scratch = nullptr);

}  // namespace tavolix
