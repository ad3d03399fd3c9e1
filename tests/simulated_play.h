// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Hands dealt and played out card by card from a shoe, for the simulations
// that check the exact figures: a split as the per-hand method supposes it,
// and whole rounds.
#pragma once

#include <map>
#include <optional>
#include <random>
#include <tuple>

#include "analysis/hand_analysis.h"
#include "analysis/plain_analysis.h"
#include "core/dealer_rule.h"
#include "core/remaining_cards.h"

namespace tavolix::analysis::simulated {

// A copy of a shoe that cards are dealt from, each card left equally likely.
class Cards {
  public:
    explicit Cards(const DeckCounts& counts);
    Integer draw(std::mt19937_64& random);
    void put_back(Integer value);
    const DeckCounts& counts() const { return counts_; }

  private:
    DeckCounts counts_;
    int left_ = 0;
};

struct Hand {
    Integer total = 0;
    Integer soft = 0;
    void take(Integer value);
};

// The plain walk's plays of split hands, each remembered by the shoe it was
// asked of: the walk starts afresh for every shoe, and a simulation asks of
// the same few shoes again and again.
class SplitPlays {
  public:
    explicit SplitPlays(const Table& table) : plain_(table) {}
    Play on_two_cards(const DeckCounts& shoe, Integer pair, Integer second);
    Play after_drawing(const DeckCounts& shoe, Integer total, Integer soft);

  private:
    using Key = std::tuple<DeckCounts, bool, Integer, Integer>;
    PlainSplitPlays plain_;
    std::map<Key, Play> known_;
};

// The method's world for one split: the table at the decision, the plain
// walk's plays, and what the dealer's second card does.
struct SplitWorld {
    const Table& table;
    SplitPlays& plays;
    bool hole_case;  // a casino dealer with an ace or a ten alone up
    int natural_card;
    DealerRule rule;
    bool peek;
};

// The split played as the method deals it: each hand's second card from the
// shoe less the pair cards dealt as second cards so far, a pair card
// splitting again while the rules allow; each hand then plays on from its
// own copy of that shoe by the plain walk's plays. Per unit of one hand's
// stake; a deal that the peek rules out counts 0.
double play_split(const SplitWorld& world, std::mt19937_64& random);

// One round at a real table: a hole card dealt before the player plays
// (PEEK) or after (ENHC), the split hands dealt in turn from the one shoe
// and played out as they come, then the dealer from what is left. Each hand
// decides by the plain walk's best play for its cards from the shoe its
// strategy reads: the per-hand method's count of the shoe (less the pair
// cards dealt as second cards so far), CDP1's (less both pair cards) or
// CDZ-'s (less one). Per unit of one hand's stake; nothing for a deal in
// which the dealer, having peeked, turns up a natural, which the exact
// figures are given none of. A casino dealer's table: one dealer hand plays
// against every split hand.
std::optional<double> play_split_at_a_table(const Table& table, SplitPlays& plays,
                                            std::mt19937_64& random);

// The dealer plays out against a player who stands on `player_total`, from
// the dealer's cards so far: the dealer's final total, above 21 for a bust.
int dealer_final(DealerRule rule, int player_total, Hand dealer, Cards& cards,
                 std::mt19937_64& random);

// A standing hand's result against the dealer's final total, per unit stake.
double settle(int player_total, int dealer_total);

}  // namespace tavolix::analysis::simulated
