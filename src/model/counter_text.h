// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <vector>

#include "counting/correlations.h"
#include "counting/count.h"
#include "counting/index_plays.h"
#include "counting/removal_effects.h"

namespace tavolix {

// The words of the counter's numbers. %1 stands for a figure or a name.
struct CounterWords {
    std::string count = "Conteggio %1";
    std::string balanced = "bilanciato";
    std::string unbalanced = "non bilanciato, conteggio iniziale %1";
    std::string effects = "Effetti della rimozione di una carta, in % della puntata:";
    std::string round = "Giro";
    std::string insurance = "Assic.";
    std::string correlations = "Correlazione";
    std::string betting = "puntata";
    std::string insurance_correlation = "assicurazione";
    std::string indices = "Indici (la giocata indicata a conteggio vero uguale o maggiore):";
    std::string hard = "Totali duri";
    std::string soft = "Totali morbidi";
    std::string pairs = "Coppie";
    std::string insure_at = "Assicurazione a %1 e oltre";
    std::string never_insure = "Assicurazione: mai fra -10 e +10";
    // The plays' codes in a cell, as the chart writes them.
    std::string stand = "S";
    std::string hit = "H";
    std::string double_down = "D";
    std::string split = "P";
    std::string surrender = "R";
};

// The keys the machines read: "stand", "hit", "double", "split",
// "surrender", "insure", "no insurance"; "hard", "soft", "pair", "insurance".
const char* decision_key(counting::Decision decision);
const char* index_kind_key(counting::IndexKind kind);

// "Conteggio Hi-Lo: -1,1,1,1,1,1,0,0,0,-1, bilanciato".
std::string count_line(const counting::Count& count, int decks, const CounterWords& words = {});

// The effects of removal of `effects` in percent per card, ace first, then
// every built-in count's correlations beside the chosen one's.
std::string removal_effects_text(const counting::RemovalEffects& effects,
                                 const counting::Count& chosen, int decks,
                                 const CounterWords& words = {});

// The index plays as grids by kind, a row per chart row and a column per up
// card 2..10, A; a cell holds the code of the play made at and above the
// index and the index, two entries of one cell separated by a slash; the
// insurance index on a line of its own.
std::string index_table_text(const counting::IndexTable& table, int decks,
                             const CounterWords& words = {});

}  // namespace tavolix
