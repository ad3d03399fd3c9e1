#include "banco.h"

#include <cstdint>
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

// The panel, and a copy of what the next engine's run will overwrite.
EngineRun finish_run(EngineRun run, const TableState& state) {
    run.draw_stats = state.draw_stats;
    run.draw_depth = state.draw_depth;
    run.panel = dealer_panel(state);
    return run;
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

std::int64_t dealer_figures(TableState& state, DrawPath path) {
    start_walk(state);
    std::int64_t finished = 0;
    if (path == DrawPath::walk) {
        walk_draws(state, state.banco_sum, state.banco_soft, dealer_rule(state),
                   [&finished](int, Integer) { ++finished; });
    } else {
        finished = tally_draws(state, state.banco_sum, state.banco_soft, dealer_rule(state));
    }
    combine_dealer_outcomes(state);
    return finished;
}

EngineRun Banco(TableState& state, const ReportSettings& reports) {
    EngineRun run;
    if (state.write_reports == 0) {
        run.sequences = dealer_figures(state, DrawPath::tally);
        return finish_run(std::move(run), state);
    }

    // The combinations file lists the sequences in the walk's order, so only
    // the walk can write it.
    start_walk(state);
    ReportFile combinations(reports.directory / kDealerCombinationsFile, reports.decimal_separator);
    walk_draws(state, state.banco_sum, state.banco_soft, dealer_rule(state),
               [&](int column, Integer total) {
                   ++run.sequences;
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
    return finish_run(std::move(run), state);
}

}  // namespace tavolix
