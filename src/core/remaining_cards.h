// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>

#include "table_state.h"

namespace tavolix {

// Cards of value carta still in the shoe when the card at position n_card of
// draw_seq is drawn: deck_count decks less both hands, the cards out of play
// and draw_seq positions 1..n_card-1. Not clamped: two hands that together
// hold more cards of a value than the shoe has give a negative count, which
// callers must treat as none.
Integer Ostalo_karata(const TableState& state, const Integer& carta, const Integer& n_card);

// The cards out of play of one value, and of all values.
int cards_out_of_value(const TableState& state, Integer value);
int cards_out_in_all(const TableState& state);

// How many cards of value carta the two hands hold beyond what the shoe has:
// card entry checks each hand alone, so the dealer may hold four aces and the
// player a fifth. 0 for any table the shoe can deal.
Integer surplus_on_table(const TableState& state, Integer carta);

// Cards of each value 1..10 left in the shoe before the first draw, index 0
// unused. Two hands that together hold more cards of a value than the shoe
// leave none of it, not a negative count.
using DeckCounts = std::array<int, 11>;
DeckCounts cards_left(const TableState& state);

// How many cards a shoe holds, of every value.
int cards_in(const DeckCounts& shoe);

}  // namespace tavolix
