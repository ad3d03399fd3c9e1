#include "player.h"

#include <utility>

#include "core/draw_tally.h"
#include "player_panel.h"
#include "player_report.h"

namespace tavolix {

namespace {

auto player_rule(const TableState& state) {
    return [stand_at = state.stand_at](Integer total) { return player_outcome(total, stand_at); };
}

void combine_player_outcomes(TableState& state) {
    const ContinueRatios ratios = continue_ratios(state);
    combine_outcome(state, ratios, kStandColumn);
    combine_outcome(state, ratios, kBust);
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

void player_figures(TableState& state, DrawPath path) {
    start_walk(state);
    if (path == DrawPath::walk) {
        walk_draws(state, state.player_sum, state.player_soft, player_rule(state),
                   [](int, Integer) {});
    } else {
        tally_draws(state, state.player_sum, state.player_soft, player_rule(state));
    }
    combine_player_outcomes(state);
}

EngineRun Player(TableState& state, const ReportSettings& reports) {
    EngineRun run;
    if (state.write_reports == 0) {
        player_figures(state, DrawPath::tally);
        run.panel = player_panel(state);
        return run;
    }

    // The combinations file lists the sequences in the walk's order, so only
    // the walk can write it.
    start_walk(state);
    ReportFile combinations(reports.directory / kPlayerCombinationsFile, reports.decimal_separator);
    walk_draws(state, state.player_sum, state.player_soft, player_rule(state),
               [&](int column, Integer total) {
                   write_player_combination(combinations, state, column, total);
               });
    if (auto error = combinations.commit()) {
        run.report_errors.push_back(std::move(*error));
    }
    combine_player_outcomes(state);
    if (auto error = write_player_results(state, reports.directory / kPlayerResultsFile,
                                          reports.decimal_separator)) {
        run.report_errors.push_back(std::move(*error));
    }
    run.panel = player_panel(state);
    return run;
}

}  // namespace tavolix
