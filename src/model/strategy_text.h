// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <stop_token>
#include <string>

#include "core/model_words.h"
#include "core/remaining_cards.h"
#include "core/table_rules.h"
#include "strategy/round.h"

namespace tavolix {

using strategy::Strategy;

// The words of the strategy's texts, in Italian unless a front end
// translates them. The plays' codes (S, H, D, P, R) are the chart's own in
// every language; the legend says what they mean.
struct StrategyWords {
    std::string title = "Strategia";
    std::string round_ev = "EV del giro: %1%";
    std::string house_edge = "Vantaggio del banco: %1%";
    std::string variance = "Varianza: %1";
    std::string stand_at = "Stare sempre a N (senza raddoppio, divisione né resa):";
    std::string best_stand_at = "migliore: %1";
    std::string hard = "Duri";
    std::string soft = "Morbidi";
    std::string pairs = "Coppie";
    std::string against = "contro";
    std::string exceptions = "Eccezioni (* nella tabella):";
    std::array<std::string, 5> legend{"S = stai", "H = carta", "D = raddoppia", "P = dividi",
                                      "R = resa"};
    std::string fallback = "Dh, Ds, Rh, Rs: se non è permesso, carta (h) o stai (s)";
    // A cell's details: the EVs per unit bet of each play for each hand.
    std::string hand_evs = "EV per unità puntata, per mano:";
    std::string no_blackjack = "(se il banco non ha blackjack)";
    std::string not_dealt = "nessuna mano della riga dal sabot";
};

// What the strategy is asked of: the shoe before the deal, the rules, and
// the decks it was made of, for the texts.
struct StrategyRequest {
    DeckCounts shoe{};
    TableRules rules;
    int decks = 1;
    bool operator==(const StrategyRequest&) const = default;
};

// The request for a fresh shoe of `decks` decks.
StrategyRequest full_shoe_request(const TableRules& rules, int decks);

// The whole round, as the front ends ask for it; nothing once `stop` is
// requested or when the shoe cannot deal a round.
std::optional<Strategy> run_strategy(const StrategyRequest& request,
                                     const strategy::Progress& progress = {},
                                     std::stop_token stop = {});

// "-0.330", "0.33": a share as a percentage, a point as decimal mark.
std::string percent_text(double share, int decimals);

// The header's lines: the round's EV and the house edge in percent.
std::string round_ev_line(const Strategy& strategy, const StrategyWords& words = {});
std::string house_edge_line(const Strategy& strategy, const StrategyWords& words = {});
// The round's variance per unit bet squared: "Varianza: 1.29".
std::string variance_line(const Strategy& strategy, const StrategyWords& words = {});

// One line of standing at N: "  17    -5.123%", the best N marked.
std::string stand_at_line(const strategy::StandAtEv& row, int best_stand_at,
                          const StrategyWords& words = {});

// A chart cell's exceptions in words: "10,2 H".
std::string exception_text(const strategy::ChartCell& cell);

// The chart as plain text: the rules, the decks, the round's EV and the
// house edge, standing at every N, then the grid by row and up card with the
// marked cells starred, the exceptions, and the legend.
std::string strategy_text(const Strategy& strategy, int decks, const StrategyWords& words = {},
                          const ModelWords& model_words = {});

// One line per initial hand, with a header line: the up card, the player's
// two cards, the deal's probability, each play's EV (empty where the rules
// do not allow it), the play and the hand's EV over the round. Full
// precision, a point as decimal mark, whatever the locale.
std::string strategy_csv(const Strategy& strategy);

// The face a card value is written as: "A", "2".."10".
std::string value_text(int value);

}  // namespace tavolix
