#include "player.h"

#include <cstdint>
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

// The panel, and a copy of what the next engine's run will overwrite.
EngineRun finish_run(EngineRun run, const TableState& state) {
    run.draw_stats = state.draw_stats;
    run.draw_depth = state.draw_depth;
    run.panel = player_panel(state);
    return run;
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
    start_walk(state);
    std::int64_t finished = 0;
    if (path == DrawPath::walk) {
        walk_draws(state, state.player_sum, state.player_soft, player_rule(state),
                   [&finished](int, Integer) { ++finished; });
    } else {
        finished = tally_draws(state, state.player_sum, state.player_soft, player_rule(state));
    }
    combine_player_outcomes(state);
    return finished;
}

EngineRun Player(TableState& state, const ReportSettings& reports) {
    EngineRun run;
    if (state.write_reports == 0) {
        run.sequences = player_figures(state, DrawPath::tally);
        return finish_run(std::move(run), state);
    }

    // The combinations file lists the sequences in the walk's order, so only
    // the walk can write it.
    start_walk(state);
    ReportFile combinations(reports.directory / kPlayerCombinationsFile, reports.decimal_separator);
    walk_draws(state, state.player_sum, state.player_soft, player_rule(state),
               [&](int column, Integer total) {
                   ++run.sequences;
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
    return finish_run(std::move(run), state);
}

}  // namespace tavolix
