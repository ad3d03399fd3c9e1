// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <span>
#include <utility>

#include "draw_tally.h"
#include "draw_walk.h"
#include "engine_run.h"
#include "model_words.h"
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
    Rule rule;  // (total, soft) -> kDrawAgain or the outcome column that ends the hand
    std::span<const int> outcome_columns;
    const char* combinations_file;
    const char* results_file;
    // One combinations line for a finished sequence, the results file's
    // lines, and the result panel's texts.
    void (*write_line)(ReportFile& file, const TableState& state, int column, Integer total);
    void (*write_results)(const TableState& state, ReportFile& file);
    PanelTexts (*panel)(const TableState& state, const ModelWords& words);
    // The outcome the hand already has before any card, or kDrawAgain when it
    // must draw: a hand that already ends by its rule draws nothing.
    int settled_column = kDrawAgain;
};

// Fills the tallies of draw_stats rows 1..22 and draw_depth, fresh from
// start_walk: the settled outcome, or every sequence by the chosen path, each
// finished one shown to on_finished(column, total) when the walk is taken.
// Returns the number of finished draw sequences.
template <class Rule, class OnFinished>
std::int64_t tally_engine(TableState& state, const EngineRules<Rule>& engine, DrawPath path,
                          OnFinished on_finished) {
    start_walk(state);
    if (engine.settled_column != kDrawAgain) {
        settle_without_drawing(state, engine.settled_column);
        return 0;
    }
    if (path == DrawPath::tally) {
        return tally_draws(state, engine.start_sum, engine.start_soft, engine.rule);
    }
    std::int64_t finished = 0;
    walk_draws(state, engine.start_sum, engine.start_soft, engine.rule,
               [&](int column, Integer total) {
                   ++finished;
                   on_finished(column, total);
               });
    return finished;
}

// Fills the tallies by the chosen path, then chains the positions into row 0
// for each outcome column. Returns the number of finished draw sequences.
template <class Rule>
std::int64_t engine_figures(TableState& state, const EngineRules<Rule>& engine, DrawPath path) {
    const std::int64_t finished = tally_engine(state, engine, path, [](int, Integer) {});
    const ContinueRatios ratios = continue_ratios(state);
    for (const int column : engine.outcome_columns) {
        combine_outcome(state, ratios, column);
    }
    return finished;
}

// A whole engine run: the figures, the report files while write_reports is
// set, and the panel. The combinations file lists the sequences in the walk's
// order, so only the walk can write it; without reports the faster tally
// gives the same figures. The reports join `reports`, whose owner commits
// them.
template <class Rule>
EngineRun run_engine(TableState& state, const EngineRules<Rule>& engine, ReportSet& reports,
                     const ModelWords& words) {
    EngineRun run;
    if (state.write_reports == 0) {
        run.sequences = engine_figures(state, engine, DrawPath::tally);
    } else {
        ReportFile& combinations = reports.add(engine.combinations_file);
        run.sequences = tally_engine(state, engine, DrawPath::walk, [&](int column, Integer total) {
            engine.write_line(combinations, state, column, total);
            reports.count_line();
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
    run.panel = engine.panel(state, words);
    return run;
}

// The same run with report files of its own, committed as a set at its end.
// The panel is written in `words`.
template <class Rule>
EngineRun run_engine(TableState& state, const EngineRules<Rule>& engine,
                     const ReportSettings& settings, const ModelWords& words) {
    ReportSet reports(settings);
    EngineRun run = run_engine(state, engine, reports, words);
    run.report_errors = reports.commit();
    return run;
}

}  // namespace tavolix
