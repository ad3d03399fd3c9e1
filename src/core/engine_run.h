// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report_file.h"
#include "table_state.h"

namespace tavolix {

// The texts of one result panel: the column of the first card drawn and the
// column over all draw sequences, each line ended by LF then CR.
struct PanelTexts {
    std::string prima_carta;
    std::string tutte_combinazioni;
};

struct EngineRun {
    PanelTexts panel;
    // The tallies and depth the run left in the shared work fields, kept here
    // because the next engine re-creates those fields at its start.
    DrawStats draw_stats{};
    Integer draw_depth = 0;
    // Finished draw sequences: one line each in the combinations file.
    std::int64_t sequences = 0;
    // One message per report file that could not be written; the figures and
    // the panel are complete regardless.
    std::vector<std::string> report_errors;
};

// How an engine fills its tallies: by counting the drawn prefixes by the
// cards they hold (tally_draws, the default), or by the literal walk over
// every sequence (walk_draws), which the report files need for their order.
// Both give the same figures to the last bit.
enum class DrawPath { tally, walk };

inline constexpr const char* kPanelLineEnd = "\n\r";

}  // namespace tavolix
