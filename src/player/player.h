// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>

#include "core/engine_run.h"
#include "core/model_words.h"
#include "core/report_file.h"
#include "core/table_state.h"

namespace tavolix {

// The player engine. The player takes one card now and keeps drawing while
// the total is below stand_at; counts every such sequence and leaves in
// draw_stats row 0 the chance of ending standing (column 1) and of busting
// (column 4). The dealer's cards count only as cards gone from the deck.
//
// Needs player_count >= 2, banco_count >= 1 and player_sum, player_soft
// fresh. Writes the player's report files when write_reports is set, walking
// every sequence for them; otherwise counts by tally_draws.
// Its panel is written in `words`.
EngineRun Player(TableState& state, const ReportSettings& reports = {},
                 const ModelWords& words = {});
// The same run with its report files joining `reports`, for a caller that
// commits them together with other reports.
EngineRun Player(TableState& state, ReportSet& reports, const ModelWords& words = {});

// The player's figures alone, no panel and no report: draw_stats rows 1..12,
// draw_depth, and the two chances in row 0. Player takes DrawPath::tally
// unless it writes the report files.
// Returns the number of finished draw sequences.
std::int64_t player_figures(TableState& state, DrawPath path);


// The player's stopping rule: kDrawAgain, kStandColumn or kBust.
int player_outcome(Integer total, Integer stand_at);

}  // namespace tavolix
