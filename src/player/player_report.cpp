// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "player_report.h"

namespace tavolix {

void write_player_combination(ReportFile& file, const TableState& state, int column,
                              Integer total) {
    write_combination_line(file, state.player_cards, state.player_count, state, total,
                           column == kBust ? " SBALLA" : " => Stare");
}

void write_player_results(const TableState& state, ReportFile& file) {
    const auto& results = state.draw_stats[0];
    file.text(">= Stare =").number(results[kStandColumn]).end_line();
    file.text("Sballa   =").number(results[kBust]).end_line();
    file.end_line();
    file.text("SUM =").number(results[kStandColumn] + results[kBust]).end_line();
}

}  // namespace tavolix
