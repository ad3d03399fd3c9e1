#pragma once

#include "core/engine_run.h"
#include "core/table_state.h"

namespace tavolix {

// The dealer engine. Walks every sequence of cards the dealer can still draw,
// classifies each against player_sum, and leaves in draw_stats row 0 the
// chances that the dealer wins, pushes, loses or busts (columns 1..4).
//
// The dealer draws on 15 or less, stands on 17..21 (soft 17 included), and on
// 16 stands only when 16 beats or ties the player. At least one card is
// always drawn, whatever the hand entered.
//
// Needs banco_count >= 1, player_count >= 2 and banco_sum, banco_soft,
// player_sum fresh. Writes the dealer's report files when write_reports is set.
EngineRun Banco(TableState& state, const ReportSettings& reports = {});

// The dealer's stopping rule: kDrawAgain, or the outcome column of a total.
int dealer_outcome(Integer total, Integer player_sum);

}  // namespace tavolix
