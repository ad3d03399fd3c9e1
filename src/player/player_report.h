// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "core/report_file.h"
#include "core/table_state.h"

namespace tavolix {

inline constexpr const char* kPlayerCombinationsFile = "_combinazioni_PLAYER.txt";
inline constexpr const char* kPlayerResultsFile = "_risultato_PLAYER.txt";

// One line of the combinations file for the stand or bust just counted: the
// player's cards, " | ", the drawn cards, ", SUM=", the total and the word.
void write_player_combination(ReportFile& file, const TableState& state, int column, Integer total);

// The results file: stand and bust of row 0 and their sum.
void write_player_results(const TableState& state, ReportFile& file);

}  // namespace tavolix
