// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "banco.h"

#include <cstdint>

#include "core/engine_steps.h"
#include "dealer_panel.h"
#include "dealer_report.h"

namespace tavolix {

namespace {

constexpr int kDealerOutcomes[] = {kDealerWins, kPush, kDealerLoses, kBust};

struct DealerDraws {
    DealerStop stop;
    Integer player_sum;
    int operator()(Integer total, Integer soft) const {
        return dealer_outcome(total, soft, player_sum, stop);
    }
};

EngineRules<DealerDraws> dealer_rules(const TableState& state) {
    const DealerStop stop = dealer_stop(state.rules.dealer, state.player_sum);
    return {
        .start_sum = state.banco_sum,
        .start_soft = state.banco_soft,
        .rule = DealerDraws{stop, state.player_sum},
        .outcome_columns = kDealerOutcomes,
        .combinations_file = kDealerCombinationsFile,
        .results_file = kDealerResultsFile,
        .write_line = write_dealer_combination,
        .write_results = write_dealer_results,
        .panel = dealer_panel,
        .settled_column = dealer_outcome(state.banco_sum, state.banco_soft, state.player_sum, stop),
    };
}

}  // namespace

int dealer_outcome(Integer total, Integer soft, Integer player_sum, DealerStop stop) {
    if (total > 21) {
        return kBust;
    }
    if (dealer_draws(stop, total, soft != 0)) {
        return kDrawAgain;
    }
    if (total > player_sum) {
        return kDealerWins;
    }
    return total == player_sum ? kPush : kDealerLoses;
}

std::int64_t dealer_figures(TableState& state, DrawPath path) {
    return engine_figures(state, dealer_rules(state), path);
}

EngineRun Banco(TableState& state, const ReportSettings& settings, const ModelWords& words) {
    return run_engine(state, dealer_rules(state), settings, words);
}

EngineRun Banco(TableState& state, ReportSet& reports, const ModelWords& words) {
    return run_engine(state, dealer_rules(state), reports, words);
}

}  // namespace tavolix
