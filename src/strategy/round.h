// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

#include "analysis/hand_analysis.h"
#include "chart.h"
#include "core/remaining_cards.h"
#include "core/table_rules.h"

namespace tavolix::strategy {

using analysis::kThresholds;

// One deal of the round: the dealer's up card and the player's two cards
// (card values, first <= second), how likely the shoe deals them (the two
// player cards in either order), every play's EV as the analysis of that
// table gives it, and what the hand is worth over the whole round.
struct InitialHand {
    int up = 0;
    int first = 0;
    int second = 0;
    double probability = 0;
    // The analysis of the table: rows, plays, advice, naturals; the panels'
    // figures are left empty.
    analysis::HandAnalysis plays = {};
    // Under the peek with an ace or a ten up, the plays are conditioned on no
    // dealer natural; these two count the natural in: it takes the bet, but
    // a player's natural's, which it pushes.
    double ev = 0;                                  // played as advised
    double second_moment = 0;                       // E[X^2] of its money X, so played
    std::array<double, kThresholds> stand_at_ev{};  // drawing while below N
};

struct StandAtEv {
    int n = 0;
    double ev = 0;
};

// The whole round from one shoe under one set of rules, played perfectly
// but for the composition of the cards after the first two.
struct Strategy {
    TableRules rules;
    DeckCounts shoe{};  // before the deal
    std::vector<InitialHand> hands = {};
    double round_ev = 0;  // the player's; the house edge is its negative
    // Per unit bet: E[X^2] of the round's money X, and E[X^2] - round_ev^2.
    double round_second_moment = 0;
    double round_variance = 0;
    std::array<StandAtEv, kThresholds> stand_at{};
    int best_stand_at = analysis::kLowestThreshold;  // the lowest N on a tie
    Chart chart = {};
};

// How far a computation has come: up cards done of those with a card.
using Progress = std::function<void(int done, int total)>;

// The round from `shoe` under `rules`, on every core: each up card is one
// piece of work, each thread with its own scratch. Progress is reported from
// the working threads. Nothing when `stop` is requested before it ends, or
// when the shoe cannot deal a round's first three cards.
std::optional<Strategy> compute_strategy(const DeckCounts& shoe, const TableRules& rules,
                                         const Progress& progress = {}, std::stop_token stop = {});

// A shoe of full decks.
DeckCounts full_shoe(int decks);

}  // namespace tavolix::strategy
