#include "banco.h"

#include <utility>

#include "core/draw_tally.h"
#include "dealer_panel.h"
#include "dealer_report.h"

namespace tavolix {

namespace {

auto dealer_rule(const TableState& state) {
    return [player_sum = state.player_sum](Integer total) {
        return dealer_outcome(total, player_sum);
    };
}

void combine_dealer_outcomes(TableState& state) {
    const ContinueRatios ratios = continue_ratios(state);
    for (int h = kDealerWins; h <= kBust; ++h) {
        combine_outcome(state, ratios, h);
    }
}

}  // namespace

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

void dealer_figures(TableState& state, DrawPath path) {
    start_walk(state);
    if (path == DrawPath::walk) {
        walk_draws(state, state.banco_sum, state.banco_soft, dealer_rule(state),
                   [](int, Integer) {});
    } else {
        tally_draws(state, state.banco_sum, state.banco_soft, dealer_rule(state));
    }
    combine_dealer_outcomes(state);
}

EngineRun Banco(TableState& state, const ReportSettings& reports) {
    EngineRun run;
    if (state.write_reports == 0) {
        dealer_figures(state, DrawPath::tally);
        run.panel = dealer_panel(state);
        return run;
    }

    // The combinations file lists the sequences in the walk's order, so only
    // the walk can write it.
    start_walk(state);
    ReportFile combinations(reports.directory / kDealerCombinationsFile, reports.decimal_separator);
    walk_draws(state, state.banco_sum, state.banco_soft, dealer_rule(state),
               [&](int column, Integer total) {
                   write_dealer_combination(combinations, state, column, total);
               });
    if (auto error = combinations.commit()) {
        run.report_errors.push_back(std::move(*error));
    }
    combine_dealer_outcomes(state);
    if (auto error = write_dealer_results(state, reports.directory / kDealerResultsFile,
                                          reports.decimal_separator)) {
        run.report_errors.push_back(std::move(*error));
    }
    run.panel = dealer_panel(state);
    return run;
}

}  // namespace tavolix
