// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "player.h"

#include <cstdint>

#include "core/engine_steps.h"
#include "player_panel.h"
#include "player_report.h"

namespace tavolix {

namespace {

constexpr int kPlayerOutcomes[] = {kStandColumn, kBust};

struct PlayerRule {
    Integer stand_at;
    int operator()(Integer total, Integer) const { return player_outcome(total, stand_at); }
};

EngineRules<PlayerRule> player_rules(const TableState& state) {
    return {
        .start_sum = state.player_sum,
        .start_soft = state.player_soft,
        .rule = PlayerRule{state.stand_at},
        .outcome_columns = kPlayerOutcomes,
        .combinations_file = kPlayerCombinationsFile,
        .results_file = kPlayerResultsFile,
        .write_line = write_player_combination,
        .write_results = write_player_results,
        .panel = player_panel,
        // Whatever the hand, the question is what taking a card now brings.
        .settled_column = kDrawAgain,
    };
}

}  // namespace

int player_outcome(Integer total, Integer stand_at) {
    if (total > 21) {
        return kBust;
    }
    if (total >= stand_at) {
        return kStandColumn;
    }
    return kDrawAgain;
}

std::int64_t player_figures(TableState& state, DrawPath path) {
    return engine_figures(state, player_rules(state), path);
}

EngineRun Player(TableState& state, const ReportSettings& settings, const ModelWords& words) {
    return run_engine(state, player_rules(state), settings, words);
}

EngineRun Player(TableState& state, ReportSet& reports, const ModelWords& words) {
    return run_engine(state, player_rules(state), reports, words);
}

}  // namespace tavolix
