// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/remaining_cards.h"
#include "core/table_state.h"

namespace tavolix::analysis {

// A table as the analysis sees it: both hands as card values in the order
// dealt, the cards of each value 1..10 still in the shoe, the threshold.
struct Table {
    std::vector<Integer> banco;
    std::vector<Integer> player;
    DeckCounts shoe{};
    int stand_at = 17;
};

// EVs closer than this are ties; ties go to the plainer choice.
inline constexpr double kTie = 1e-12;

inline constexpr int kLowestThreshold = 12;
inline constexpr int kHighestThreshold = 21;
inline constexpr int kThresholds = kHighestThreshold - kLowestThreshold + 1;

// How one way of playing the hand ends for the player, at even money.
struct Outcome {
    double win = 0;
    double push = 0;
    double lose = 0;
    double ev() const { return win - lose; }
};

enum class Play { stand, hit, double_down };

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

struct HandAnalysis {
    // Standing at N = 12..21: drawing while below N, then the dealer plays.
    std::array<Outcome, kThresholds> stand_at{};
    int best_stand_at = kLowestThreshold;  // the highest EV, the lowest N on a tie

    double stand_ev = 0;
    double hit_ev = 0;                // a card now, then the better play at every turn
    std::optional<double> double_ev;  // one card for a doubled stake; two-card hands only
    Play advice = Play::stand;
    Outcome advice_outcome;  // the hand played as advised, stake not doubled

    DealerChances dealer_now;
    DrawChances player_draw;

    const Outcome& row(int threshold) const { return stand_at[threshold - kLowestThreshold]; }
};

// The exact analysis: every card drawn uniformly from the cards left, counted
// by the multiset of cards that left the shoe. Needs at least one dealer card
// and two player cards, neither hand above 21.
HandAnalysis analyse(const Table& table);

}  // namespace tavolix::analysis
