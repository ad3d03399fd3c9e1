// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/remaining_cards.h"
#include "core/table_rules.h"
#include "core/table_state.h"
#include "scratch.h"

namespace tavolix::analysis {

// A table as the analysis sees it: both hands as card values in the order
// dealt, the cards of each value 1..10 still in the shoe, the threshold and
// the rules.
struct Table {
    std::vector<Integer> banco;
    std::vector<Integer> player;
    DeckCounts shoe{};
    int stand_at = 17;
    TableRules rules;
};

// EVs closer than this are ties; ties go to the plainer choice.
inline constexpr double kTie = 1e-12;

inline constexpr int kLowestThreshold = 12;
inline constexpr int kHighestThreshold = 21;
inline constexpr int kThresholds = kHighestThreshold - kLowestThreshold + 1;

// How one way of playing the hand ends for the player. A win pays even money
// but for a natural's.
struct Outcome {
    double win = 0;
    double push = 0;
    double lose = 0;
    double pays = 1;
    double ev() const { return win * pays - lose; }
    // E[X^2] of the money X it wins per unit staked.
    double second_moment() const { return win * pays * pays + lose; }
};

// In the order that ties go to.
enum class Play { stand, hit, double_down, split, surrender };
inline constexpr std::array kPlays{Play::stand, Play::hit, Play::double_down, Play::split,
                                   Play::surrender};

// The dealer's chances against the player's total as it stands now, the
// player drawing nothing: what the dealer panel shows, weighted by path.
struct DealerChances {
    double wins = 0;
    double push = 0;
    double loses = 0;
    double busts = 0;
};

// The player taking one card now and drawing on while below the threshold:
// what the player panel shows, weighted by path.
struct DrawChances {
    double stands = 0;
    double busts = 0;
};

// Every EV is per unit of the original bet. Under PEEK with an ace or a ten
// alone up, the rows and the plays (but surrender and insurance) are
// conditioned on the dealer holding no blackjack.
struct HandAnalysis {
    // Standing at N = 12..21: drawing while below N, then the dealer plays.
    std::array<Outcome, kThresholds> stand_at{};
    int best_stand_at = kLowestThreshold;  // the highest EV, the lowest N on a tie

    // The plays the rules allow now; an absent one is not allowed.
    double stand_ev = 0;
    std::optional<double> hit_ev;     // a card now, then the better play at every turn
    std::optional<double> double_ev;  // one card for a doubled stake; two-card hands only
    std::optional<double> split_ev;   // a pair split, by the rules' post-split strategy
    std::optional<double> surrender_ev;
    // An insurance bet's EV per unit of that bet, with a casino dealer's ace
    // alone up: 3 P(ten in the hole) - 1, before any peek.
    std::optional<double> insurance_ev;

    bool no_dealer_blackjack = false;  // the figures are conditioned on it
    bool natural = false;              // the player's two cards are a natural
    bool dealer_natural = false;       // the dealer's two cards on the table are one

    Play advice = Play::stand;
    // The hand played as advised, stake not doubled; none for a split or a
    // surrender, which are more than one way to end.
    std::optional<Outcome> advice_outcome;
    // E[X^2] of the money X the advised play wins per unit of the original
    // bet, conditioned as the EVs are; a split's as SplitTrees works it out.
    double advice_second_moment = 0;

    DealerChances dealer_now;
    DrawChances player_draw;

    const Outcome& row(int threshold) const { return stand_at[threshold - kLowestThreshold]; }
    bool takes_insurance() const { return insurance_ev && *insurance_ev > kTie; }
};

// The EV of a play, if the analysis has it.
std::optional<double> play_ev(const HandAnalysis& analysis, Play play);

// The exact analysis: every card drawn uniformly from the cards left, counted
// by the multiset of cards that left the shoe. Needs at least one dealer card
// and two player cards, neither hand above 21. A caller that analyses table
// after table keeps a scratch for them.
HandAnalysis analyse(const Table& table);
HandAnalysis analyse(const Table& table, AnalysisScratch& scratch);

}  // namespace tavolix::analysis
