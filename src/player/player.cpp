#include "player.h"

#include <optional>

#include "core/draw_walk.h"
#include "player_panel.h"
#include "player_report.h"

namespace tavolix {

int player_outcome(Integer total, Integer stand_at) {
    if (total > 21) {
        return kBust;
    }
    if (total >= stand_at) {
        return kStandColumn;
    }
    return kDrawAgain;
}

EngineRun Player(TableState& state, const ReportSettings& reports) {
    EngineRun run;
    start_walk(state);

    std::optional<ReportFile> combinations;
    if (state.write_reports != 0) {
        combinations.emplace(reports.directory / kPlayerCombinationsFile,
                             reports.decimal_separator);
    }
    const Integer stand_at = state.stand_at;
    walk_draws(
        state, state.player_sum, state.player_soft,
        [stand_at](Integer total) { return player_outcome(total, stand_at); },
        [&](int column, Integer total) {
            if (combinations) {
                write_player_combination(*combinations, state, column, total);
            }
        });
    if (combinations) {
        if (auto error = combinations->commit()) {
            run.report_errors.push_back(std::move(*error));
        }
    }

    const ContinueRatios ratios = continue_ratios(state);
    combine_outcome(state, ratios, kStandColumn);
    combine_outcome(state, ratios, kBust);

    if (state.write_reports != 0) {
        if (auto error = write_player_results(state, reports.directory / kPlayerResultsFile,
                                              reports.decimal_separator)) {
            run.report_errors.push_back(std::move(*error));
        }
    }
    run.panel = player_panel(state);
    return run;
}

}  // namespace tavolix
