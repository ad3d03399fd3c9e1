// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "core/report_file.h"
#include "core/table_state.h"

namespace tavolix {

inline constexpr const char* kDealerCombinationsFile = "_combinazioni_BANCO.txt";
inline constexpr const char* kDealerResultsFile = "_risultato_BNC.txt";

// One line of the combinations file for the finished sequence in draw_seq
// positions 1..draw_pos: the dealer's cards, " | ", the drawn cards,
// ", SUM=", the total and the outcome word.
void write_dealer_combination(ReportFile& file, const TableState& state, int column, Integer total);

// The results file: the four probabilities of row 0 and their sum.
void write_dealer_results(const TableState& state, ReportFile& file);

}  // namespace tavolix
