// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "request_run.h"
#include "simulation_arguments.h"
#include "simulation_report.h"

namespace tavolix {

// One game of a comparison: what it is called (a --compare line's options,
// or the window's description of its game) and the run it asks for.
struct ComparedGame {
    std::string label;
    SimulationRequest request;
};

// A line of options in tavolix-sim's words, read after `common` (the
// command line's options, which the line's own replace): the game, or the
// fault in one line. A line gives only the game's options: the rounds,
// seed, threads, bankroll and trip are common to every game.
std::variant<ComparedGame, std::string> compared_game(std::string_view line,
                                                      const std::vector<GivenOption>& common = {});

// The first line that cannot be played, numbered from 1, and why.
struct GameListFault {
    std::size_t line = 0;
    std::string message;
};

// A --compare file's games, one a line, blank lines and lines starting with
// # skipped; the first faulty line (or a file of no game) refused whole.
std::variant<std::vector<ComparedGame>, GameListFault> compared_games(
    std::string_view text, const std::vector<GivenOption>& common = {});

// What came of one game: its report, or why there is none (a game the run
// was stopped before has neither).
struct ComparedResult {
    ComparedGame game;
    std::optional<SimulationReport> report = std::nullopt;
    std::string error = {};
};

// The game in play, numbered from 0, of how many, and where its run stands.
struct ComparisonProgress {
    std::size_t game = 0;
    std::size_t games = 0;
    RequestProgress run;
};
using ComparisonProgressCall = std::function<void(const ComparisonProgress&)>;

// Plays the games in turn, each exactly as run_request plays it alone (the
// strategies of games of the same rules and decks worked out once, in
// `known` when given); on a stop, the games played so far (the one in play
// with the blocks it did).
std::vector<ComparedResult> run_games(const std::vector<ComparedGame>& games,
                                      const ComparisonProgressCall& progress = {},
                                      std::stop_token stop = {},
                                      simulation::PreparedStrategies* known = nullptr);

// The same game twice: the same options (by the checkpoint's fingerprint),
// bankroll and trip, which would play to the same digits.
bool same_game(const SimulationRequest& a, const SimulationRequest& b);

// The results' order in the table, best first: the games that win by their
// SCORE, then the rest by their DI, then those with no report.
std::vector<std::size_t> score_order(const std::vector<ComparedResult>& results);

// The table's words: tavolix-sim's English unless a front end translates
// them.
struct ComparisonWords {
    std::array<std::string, 12> columns{"#",       "SCORE",   "N0",     "advantage %",
                                        "+- SE %", "win/100", "SD/100", "win/hour",
                                        "SD/hour", "ruin %",  "game",   "error"};
    std::string not_played = "not played";
};

// The table, best SCORE first, the risk of ruin only when a game has one;
// one line a game, its label last.
std::string comparison_text(const std::vector<ComparedResult>& results,
                            const ComparisonWords& words = {});

// The same as comma-separated values with every figure in full, for a
// spreadsheet: a heading line, then one line a game, best first.
std::string comparison_csv(const std::vector<ComparedResult>& results,
                           const ComparisonWords& words = {});

}  // namespace tavolix
