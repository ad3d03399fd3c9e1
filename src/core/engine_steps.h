#pragma once

#include <cstdint>
#include <span>
#include <utility>

#include "draw_tally.h"
#include "draw_walk.h"
#include "engine_run.h"
#include "exact_walk.h"
#include "report_file.h"

namespace tavolix {

// What sets the dealer's engine apart from the player's: the hand it draws
// to, when that hand stops, which outcome columns it reports, and how its
// reports and panel read. Everything else both engines do alike, below.
// The rule is a small function object, so the walk and the tally inline it.
template <class Rule>
struct EngineRules {
    Integer start_sum;
    Integer start_soft;
    Rule rule;  // total -> kDrawAgain or the outcome column that ends the hand
    std::span<const int> outcome_columns;
    const char* combinations_file;
    const char* results_file;
    // One combinations line for a finished sequence, the results file's
    // lines, and the result panel's texts.
    void (*write_line)(ReportFile& file, const TableState& state, int column, Integer total);
    void (*write_results)(const TableState& state, ReportFile& file);
    PanelTexts (*panel)(const TableState& state);
};

// Fills draw_stats rows 1..12 and draw_depth by the chosen path, then chains
// the positions into row 0 for each outcome column. Returns the number of
// finished draw sequences.
template <class Rule>
std::int64_t engine_figures(TableState& state, const EngineRules<Rule>& engine, DrawPath path) {
    start_walk(state);
    std::int64_t finished = 0;
    if (path == DrawPath::walk) {
        walk_draws(state, engine.start_sum, engine.start_soft, engine.rule,
                   [&finished](int, Integer) { ++finished; });
    } else {
        finished = tally_draws(state, engine.start_sum, engine.start_soft, engine.rule);
    }
    const ContinueRatios ratios = continue_ratios(state);
    for (const int column : engine.outcome_columns) {
        combine_outcome(state, ratios, column);
    }
    return finished;
}

// The same outcomes with every draw sequence weighted by its own probability.
template <class Rule>
OutcomeChances engine_exact(const TableState& state, const EngineRules<Rule>& engine) {
    return exact_outcomes(state, engine.start_sum, engine.start_soft, engine.rule);
}

// A whole engine run: the figures, the report files while write_reports is
// set, and the panel. The combinations file lists the sequences in the walk's
// order, so only the walk can write it; without reports the faster tally
// gives the same figures. The reports join `reports`, whose owner commits
// them.
template <class Rule>
EngineRun run_engine(TableState& state, const EngineRules<Rule>& engine, ReportSet& reports) {
    EngineRun run;
    if (state.write_reports == 0) {
        run.sequences = engine_figures(state, engine, DrawPath::tally);
    } else {
        start_walk(state);
        ReportFile& combinations = reports.add(engine.combinations_file);
        walk_draws(state, engine.start_sum, engine.start_soft, engine.rule,
                   [&](int column, Integer total) {
                       ++run.sequences;
                       engine.write_line(combinations, state, column, total);
                   });
        const ContinueRatios ratios = continue_ratios(state);
        for (const int column : engine.outcome_columns) {
            combine_outcome(state, ratios, column);
        }
        engine.write_results(state, reports.add(engine.results_file));
    }
    // Kept with the run: the next engine re-creates the shared work fields.
    run.draw_stats = state.draw_stats;
    run.draw_depth = state.draw_depth;
    run.panel = engine.panel(state);
    return run;
}

// The same run with report files of its own, committed as a set at its end.
template <class Rule>
EngineRun run_engine(TableState& state, const EngineRules<Rule>& engine,
                     const ReportSettings& settings) {
    ReportSet reports(settings);
    EngineRun run = run_engine(state, engine, reports);
    run.report_errors = reports.commit();
    return run;
}

}  // namespace tavolix
