#include "banco.h"

#include <optional>

#include "core/draw_walk.h"
#include "dealer_panel.h"
#include "dealer_report.h"

namespace tavolix {

int dealer_outcome(Integer total, Integer player_sum) {
    if (total > 21) {
        return kBust;
    }
    if (total >= 16 && total > player_sum) {
        return kDealerWins;
    }
    if (total >= 16 && total == player_sum) {
        return kPush;
    }
    if (total < 17) {
        return kDrawAgain;
    }
    return kDealerLoses;
}

EngineRun Banco(TableState& state, const ReportSettings& reports) {
    EngineRun run;
    start_walk(state);

    std::optional<ReportFile> combinations;
    if (state.write_reports != 0) {
        combinations.emplace(reports.directory / kDealerCombinationsFile,
                             reports.decimal_separator);
    }
    const Integer player_sum = state.player_sum;
    walk_draws(
        state, state.banco_sum, state.banco_soft,
        [player_sum](Integer total) { return dealer_outcome(total, player_sum); },
        [&](int column, Integer total) {
            if (combinations) {
                write_dealer_combination(*combinations, state, column, total);
            }
        });
    if (combinations) {
        if (auto error = combinations->commit()) {
            run.report_errors.push_back(std::move(*error));
        }
    }

    const ContinueRatios ratios = continue_ratios(state);
    for (int h = kDealerWins; h <= kBust; ++h) {
        combine_outcome(state, ratios, h);
    }

    if (state.write_reports != 0) {
        if (auto error = write_dealer_results(state, reports.directory / kDealerResultsFile,
                                              reports.decimal_separator)) {
            run.report_errors.push_back(std::move(*error));
        }
    }
    run.panel = dealer_panel(state);
    return run;
}

}  // namespace tavolix
