// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <memory_resource>

#include "card_multiset.h"
#include "core/remaining_cards.h"
#include "core/table_state.h"

namespace tavolix::analysis {

// One hand the player can reach by drawing, known by the multiset of cards
// drawn: the total, and so every later chance, depends on nothing else.
struct PlayerHand {
    CardCode drawn = 0;
    Integer total = 0;
    Integer soft = 0;
    int cards = 0;  // drawn so far
    // The hand with one more card of each value 1..10; -1 where that card
    // busts the hand or none is left.
    std::array<int, 11> next{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// Every hand of 21 or less that the player can draw to from the hand dealt,
// drawing at most `most_cards`, the hand dealt first and each hand after all
// hands with fewer cards, so a walk from the back meets every hand after
// those it leads to.
Vector<PlayerHand> player_hands(
    Integer total, Integer soft, const DeckCounts& shoe,
    std::pmr::memory_resource* memory = std::pmr::get_default_resource(),
    int most_cards = kMaxHandCards);

}  // namespace tavolix::analysis
