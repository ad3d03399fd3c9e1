// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <limits>
#include <memory>
#include <optional>

#include "hand_analysis.h"

namespace tavolix::analysis {

// Whether the plain walk remembers what it has worked out. Everything it
// works out at a step depends only on the cards left in the shoe, the hand's
// total and soft flag, the dealer's stop rule, and for the dealer whether
// its next card is the one that can make its natural: remembered, each such
// position is walked once however many orders of draws lead to it.
enum class PlainMemory { none, by_position };

struct PlainWalk {
    PlainMemory memory = PlainMemory::none;
    // The walk gives up once the dealer has been dealt more than this many
    // cards over all the walks; without memory, a table that would take more
    // is known before the walk starts.
    long long dealer_cards_limit = std::numeric_limits<long long>::max();
};

// The figures of `analyse` found by walking every order of every draw as the
// rules read, the dealer's hand played out behind every hand of the player,
// and a split worked out hand by hand by the per-hand method, whatever the
// rules' post-split strategy (so `analyse` under PERHAND): slow, and plain
// enough to check `analyse` against. Nothing when the walk gives up.
std::optional<HandAnalysis> analyse_plainly(const Table& table, const PlainWalk& how = {});

// The plays the plain walk finds best for the hands of a split, position by
// position, remembered: for simulations that play the hands out card by card
// and should decide as the per-hand method does. Each position is the hand's
// own: its cards and the shoe it leaves in the method's count of the shoe.
class PlainSplitPlays {
  public:
    // The table's dealer cards and rules; its shoe is not used.
    explicit PlainSplitPlays(const Table& table);
    ~PlainSplitPlays();
    PlainSplitPlays(const PlainSplitPlays&) = delete;
    PlainSplitPlays& operator=(const PlainSplitPlays&) = delete;

    // A split hand on its pair card and its second card, `shoe` the cards
    // those two leave: stand, hit or double.
    Play on_two_cards(const DeckCounts& shoe, Integer pair, Integer second);
    // The hand after it has drawn: stand or hit.
    Play after_drawing(const DeckCounts& shoe, Integer total, Integer soft);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace tavolix::analysis
