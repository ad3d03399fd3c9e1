// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "dealer_report.h"

namespace tavolix {

void write_dealer_combination(ReportFile& file, const TableState& state, int column,
                              Integer total) {
    static constexpr const char* kWords[] = {"", " Vin", " Par", " Perde", " SBALLA"};
    write_combination_line(file, state.banco_cards, state.banco_count, state, total,
                           kWords[column]);
}

void write_dealer_results(const TableState& state, ReportFile& file) {
    const auto& results = state.draw_stats[0];
    file.text("VIN =").number(results[kDealerWins]).end_line();
    file.text("PAR =").number(results[kPush]).end_line();
    file.text("Per =").number(results[kDealerLoses]).end_line();
    file.text("SBA =").number(results[kBust]).end_line();
    file.end_line();
    const double sum =
        results[kDealerWins] + results[kPush] + results[kDealerLoses] + results[kBust];
    file.text("SUM =").number(sum).end_line();
}

}  // namespace tavolix
