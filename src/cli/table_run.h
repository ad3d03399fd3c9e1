// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/table_state.h"
#include "model/form1_model.h"
#include "model/table_text.h"
#include "table_request.h"

namespace tavolix::cli {

// The figures behind one side of the window after a calculation: the hand's
// total, the tallies, and the path-weighted chances beside them.
struct SideOutcome {
    Integer sum = 0;
    bool soft = false;
    DrawStats draw_stats{};
    Integer draw_depth = 0;
    std::int64_t sequences = 0;
    OutcomeChances exact{};
};

struct TableOutcome {
    TableView view;  // the window's texts and threshold
    SideOutcome banco;
    SideOutcome player;
    HandAnalysis analysis;         // the exact analysis of the table
    AnalysisPanel analysis_panel;  // and its texts, as the window's panel shows them
    std::vector<std::string> report_errors;
};

// Runs one table through the window's model: start-up, the threshold picked
// in its list, then every card clicked on its pad in order, dealer first.
// A card that the pads would refuse is an error naming the card, so no
// figures are ever given for a hand other than the one asked for. With a
// report directory the model writes its report files there.
std::variant<TableOutcome, InputError> run_table(
    const TableRequest& request,
    const std::optional<std::filesystem::path>& report_directory = std::nullopt);

}  // namespace tavolix::cli
