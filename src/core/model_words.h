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
    std::string split = "DIVIDI";
    std::string surrender = "RESA";

    // What the panel says under a casino's rules. Insurance is answered
    // beside the advice ("ASSICURAZIONE: no") and its EV listed with the
    // plays; the qualified title stands in for the title while the figures
    // assume that the dealer holds no blackjack.
    std::string insurance = "ASSICURAZIONE";
    std::string yes = "sì";
    std::string no = "no";
    std::string title_no_blackjack = "Analisi esatta, se il banco non ha blackjack";
    std::string natural = "Blackjack: niente da decidere";
    std::string dealer_natural = "Blackjack del banco: la mano è finita";
};

// The words of the rule line under a casino's rules, in the order the line
// names the rules; %1 stands for a number. The dealer goes by its shorthand,
// which reads alike in every language.
struct RuleLineWords {
    std::string s17 = "S17";
    std::string h17 = "H17";
    std::string one_deck = "1 mazzo";
    std::string decks = "%1 mazzi";
    std::string natural = "blackjack %1";  // %1: the payout, 3:2, 6:5 or 1:1
    std::string no_hole_card = "senza carta coperta";
    std::string double_9 = "raddoppio 9-11";
    std::string double_10 = "raddoppio 10-11";
    std::string no_double = "senza raddoppio";
    std::string double_after_split = "raddoppio dopo divisione";
    std::string split_hands = "divisione fino a %1 mani";
    std::string no_split = "senza divisione";
    std::string resplit_aces = "ridivisione degli assi";
    std::string hit_split_aces = "carte sugli assi divisi";
    std::string surrender = "resa";
    // The post-split strategy, named by its token (%1), and what each one
    // means, in the order of PostSplit: CDP1, CDZ-, CDP, OPT, PERHAND.
    std::string post_split = "gioco dopo divisione %1";
    std::array<std::string, 5> post_split_meanings{
        "ogni mano divisa gioca tenendo conto delle due carte della coppia",
        "ogni mano divisa gioca come una mano iniziale, ignorando la divisione",
        "come CDP1, tenendo conto anche di quante mani ha formato la divisione",
        "la prima mano gioca come CDP1, la seconda al meglio per le carte "
        "rimaste; una sola divisione",
        "metodo per mano: ogni mano è calcolata a sé, ignorando le carte delle altre"};
};

// The words of the shoe in play: the cards out, the count and the next
// round's edge. %1, %2 stand for the figures.
struct ShoeWords {
    std::string cards_out = "Uscite:";
    std::string shoe = "Sabot: %1 carte su %2";
    std::string count = "conteggio %1, vero %2";
    std::string running_count = "conteggio %1";  // an unbalanced count's, alone
    std::string next_round = "prossima mano %1%";
    std::string computing = "prossima mano: in calcolo...";
    std::string out_of_date = "(in calcolo)";
    std::string thin = "sabot quasi finito";
    // The bet a bankroll supports by the Kelly rule, or the table's minimum.
    std::string kelly_bet = "puntata Kelly %1";
    std::string minimum_bet = "punta il minimo";
};

// Every word that the hands' captions, the result panels, the exact analysis
// and the table's summary are made of, in Italian as the window was designed.
// A front end may put a translation in their place; the outcome words of one
// panel share one width in every language, so the percentages after them stay
// in a column.
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

    // The summary's rules line, shown only for rules other than the window's own.
    std::string rules = "Regole =>";

    // The rule line under the hands; %1 stands for the number of decks.
    std::string rule_one_deck =
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco .";
    std::string rule_decks =
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. %1 mazzi in gioco .";
    std::string banco_panel = "Probabilità Banco";
    std::string player_panel = "Probabilità Giocatore";
    AnalysisWords analysis;
    RuleLineWords rule_line;
    ShoeWords shoe;
};

}  // namespace tavolix
