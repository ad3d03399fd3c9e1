// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <string>

namespace tavolix {

// The words of the exact analysis panel. The outcome words head columns seven
// characters wide, right-aligned over the percentages, so a translation of up
// to seven characters keeps the columns in line.
struct AnalysisWords {
    std::string title = "Analisi esatta";
    std::array<std::string, 3> outcomes{"Vince", "Pari", "Perde"};
    std::string ev = "EV";
    // What the marks of the best row and of the chosen threshold's row mean.
    std::string best = "migliore";
    std::string chosen = "soglia scelta";
    std::string advice = "Consiglio:";
    std::string stand = "STAI";
    std::string hit = "CARTA";
    std::string double_down = "RADDOPPIA";
};

// Every word that the hands' captions, the result panels, the exact analysis
// and the table's summary are made of, in Italian as the window was designed. A front end may
// put a translation in their place; the outcome words of one panel share one
// width in every language, so the percentages after them stay in a column.
struct ModelWords {
    std::string total = "Somma =";
    std::string first_card = "Prima carta";
    std::string all_sequences = "Tutte combinazioni";
    std::array<std::string, 4> dealer_outcomes{"Vincita =", "Parità  =", "Perdita =", "Sballa  ="};
    std::string player_bust = "Sballa =";
    // The summary's headings, as the window's own captions read.
    std::string banco = "BANCO";
    std::string giocatore = "GIOCATORE";
    std::string stand_at = "Stare a =>";
    std::string decks = "Mazzi =>";
    // The rule line under the hands; %1 stands for the number of decks.
    std::string rule_one_deck =
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco .";
    std::string rule_decks =
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. %1 mazzi in gioco .";
    std::string banco_panel = "Probabilità Banco";
    std::string player_panel = "Probabilità Giocatore";
    AnalysisWords analysis;
};

}  // namespace tavolix
