// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "game_comparison.h"
#include "simulation_session.h"

namespace tavolix {

// The words of a game's name in the window's comparison, in Italian unless
// a front end translates them. %1 stands for a figure or a name.
struct GameLabelWords {
    std::string deck = "%1 mazzo";
    std::string decks = "%1 mazzi";
    std::string seats = "%1 posti";
    std::string composition = "gioco per composizione";
    std::string indices = "indici %1";
    std::array<std::string, 3> index_sets{"nessuno", "i18", "tutti"};  // by IndexSet
    std::string penetration = "penetrazione %1 %";
    std::string cut_card = "taglio alla carta %1";
    std::string fresh_shoe = "sabot nuovo a ogni giro";
    std::string ramp = "rampa %1";
    std::string flat = "puntata fissa";
};

// A game as the window's comparison names it, what tells it from the
// others first: "S17 DAS LS, 6 mazzi, Hi-Lo, indici i18, penetrazione 75 %,
// rampa 1:1,2:2,3:4".
std::string game_label(const SimulationRequest& request, const GameLabelWords& words = {});

// A game's row of the comparison's table: its place, SCORE, N0, advantage
// and its standard error in %, win rate and SD per 100 rounds and per hour,
// risk of ruin in %; "-" where a game has none of a figure.
struct ComparisonRow {
    std::size_t result = 0;  // where it stands in the results
    std::array<std::string, 10> cells = {};
    std::optional<double> score = std::nullopt;  // a game that wins
};

// The rows in the table's order, best SCORE first.
std::vector<ComparisonRow> comparison_rows(const std::vector<ComparedResult>& results);

}  // namespace tavolix
