// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>

#include "core/dealer_rule.h"
#include "core/engine_run.h"
#include "core/model_words.h"
#include "core/report_file.h"
#include "core/table_state.h"

namespace tavolix {

// The dealer engine. Counts every sequence of cards the dealer can still draw,
// classifies each against player_sum, and leaves in draw_stats row 0 the
// chances that the dealer wins, pushes, loses or busts (columns 1..4).
//
// The dealer draws by the table's rule: the window's own dealer on 15 or
// less, standing on 17..21 (soft 17 included), and on 16 only when 16 beats
// or ties the player; a casino dealer on 16 or less, and under H17 on soft 17
// too. A hand entered that already stands by that rule draws nothing: its
// outcome is settled, at 1. Naturals and the hole card play no part here.
//
// Needs banco_count >= 1, player_count >= 2 and banco_sum, banco_soft,
// player_sum fresh. Writes the dealer's report files when write_reports is set,
// walking every sequence for them; otherwise counts by tally_draws.
// Its panel is written in `words`.
EngineRun Banco(TableState& state, const ReportSettings& reports = {},
                const ModelWords& words = {});
// The same run with its report files joining `reports`, for a caller that
// commits them together with other reports.
EngineRun Banco(TableState& state, ReportSet& reports, const ModelWords& words = {});

// The dealer's figures alone, no panel and no report: draw_stats rows 1..12,
// draw_depth, and the four chances in row 0. Banco takes DrawPath::tally
// unless it writes the report files.
// Returns the number of finished draw sequences.
std::int64_t dealer_figures(TableState& state, DrawPath path);

// The dealer's stopping rule: kDrawAgain, or the outcome column of a total
// against the player's.
int dealer_outcome(Integer total, Integer soft, Integer player_sum, DealerStop stop);

}  // namespace tavolix
