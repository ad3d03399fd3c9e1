// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "remaining_cards.h"

#include <cassert>

namespace tavolix {

namespace {

int count_value(const HandArray& cards, int count, Integer carta) {
    int found = 0;
    for (int i = 1; i <= count; ++i) {
        found += cards[i] == carta ? 1 : 0;
    }
    return found;
}

}  // namespace

Integer Ostalo_karata(const TableState& state, const Integer& carta, const Integer& n_card) {
    assert(n_card >= 1 && n_card <= kSlots);
    int count = cards_in_deck(carta) * state.deck_count;
    count -= count_value(state.player_cards, state.player_count, carta);
    count -= count_value(state.banco_cards, state.banco_count, carta);
    count -= count_value(state.draw_seq, n_card - 1, carta);
    count -= cards_out_of_value(state, carta);
    return static_cast<Integer>(count);
}

int cards_out_of_value(const TableState& state, Integer value) {
    int out = 0;
    for (Integer face = kAce; face <= kKing; ++face) {
        out += card_value(face) == value ? state.cards_out[face] : 0;
    }
    return out;
}

int cards_out_in_all(const TableState& state) {
    int out = 0;
    for (Integer face = kAce; face <= kKing; ++face) {
        out += state.cards_out[face];
    }
    return out;
}

Integer surplus_on_table(const TableState& state, Integer carta) {
    const Integer left = Ostalo_karata(state, carta, Integer{1});
    return left < 0 ? static_cast<Integer>(-left) : Integer{0};
}

DeckCounts cards_left(const TableState& state) {
    DeckCounts left{};
    for (Integer value = 1; value <= 10; ++value) {
        const Integer count = Ostalo_karata(state, value, Integer{1});
        left[value] = count > 0 ? count : 0;
    }
    return left;
}

int cards_in(const DeckCounts& shoe) {
    int cards = 0;
    for (int value = 1; value <= 10; ++value) {
        cards += shoe[value];
    }
    return cards;
}

}  // namespace tavolix
