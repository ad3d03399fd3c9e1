// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "calculate.h"

#include <cstdio>
#include <cstdlib>

#include "analysis/table_analysis.h"
#include "core/hand_total.h"
#include "dealer/banco.h"
#include "player/player.h"

namespace tavolix {

namespace {

// Card entry never lets a hand pass 21, so a stored total above 21 means the
// state is corrupt; the engines must not run on it.
void require_valid_total(Integer total, const char* hand) {
    if (total > 21) {
        std::fprintf(stderr, "tavolix: internal error: %s total %d is above 21\n", hand, total);
        std::abort();
    }
}

}  // namespace

std::optional<Calculation> calculate(TableState& state, const ReportSettings& settings,
                                     const ModelWords& words, analysis::AnalysisScratch* scratch) {
    if (state.banco_count < 1 || state.player_count < 2) {
        return std::nullopt;
    }
    store_hand_totals(state);
    require_valid_total(state.banco_sum, "banco");
    require_valid_total(state.player_sum, "player");

    ReportSet reports(settings);
    Calculation calculation;
    calculation.banco = Banco(state, reports, words);
    calculation.player = Player(state, reports, words);
    const analysis::Table table = analysis::table_of(state);
    calculation.analysis =
        scratch != nullptr ? analysis::analyse(table, *scratch) : analysis::analyse(table);
    calculation.report_errors = reports.commit();
    return calculation;
}

}  // namespace tavolix
