// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "card_entry.h"

#include <array>
#include <utility>

#include "hand_total.h"
#include "remaining_cards.h"

namespace tavolix {

HandFields hand_of(TableState& state, Side side) {
    if (side == Side::Banco) {
        return {state.banco_count, state.banco_faces, state.banco_cards, state.banco_text};
    }
    return {state.player_count, state.player_faces, state.player_cards, state.player_text};
}

namespace {

void rebuild_text(const TableState& state, HandFields& hand) {
    hand.text.clear();
    for (int i = 1; i <= hand.count; ++i) {
        hand.text += ' ';
        hand.text += state.face_names[hand.faces[i]];
    }
}

// Cards of a face anywhere but in the shoe: in either hand or out of play.
int face_gone(const TableState& state, Integer face) {
    int gone = state.cards_out[face];
    for (const auto& [count, faces] : {std::pair{state.banco_count, &state.banco_faces},
                                       std::pair{state.player_count, &state.player_faces}}) {
        for (int i = 1; i <= count; ++i) {
            gone += (*faces)[i] == face ? 1 : 0;
        }
    }
    return gone;
}

bool shoe_has(const TableState& state, Integer face) {
    return face_gone(state, face) < 4 * state.deck_count &&
           Ostalo_karata(state, card_value(face), Integer{1}) >= 1;
}

}  // namespace

CardEntry enter_card(TableState& state, Side side, Integer face, Integer& total) {
    HandFields hand = hand_of(state, side);

    int same_face = 0;
    for (int i = 1; i <= hand.count; ++i) {
        same_face += hand.faces[i] == face ? 1 : 0;
        hand.cards[i] = card_value(hand.faces[i]);
    }
    if (same_face >= 4 * state.deck_count) {
        return CardEntry::RefusedFifthFace;
    }
    // The per-face limit looks at one hand; the shoe also bounds both hands
    // and the cards out together, by face and by value, so that no table is
    // entered that no shoe could deal.
    if (!shoe_has(state, face)) {
        return CardEntry::RefusedNoneLeft;
    }

    // The candidate goes into the slot above the count before it is tested;
    // even a hand of the most cards has that slot.
    ++hand.count;
    hand.faces[hand.count] = face;
    hand.cards[hand.count] = card_value(face);
    const Integer candidate_total = SumaKarti(state, hand.count, hand.cards);
    total = candidate_total;
    if (candidate_total > 21) {
        --hand.count;
        return CardEntry::RefusedBust;
    }

    rebuild_text(state, hand);
    return CardEntry::Accepted;
}

bool remove_last_card(TableState& state, Side side, Integer& total) {
    HandFields hand = hand_of(state, side);
    if (hand.count < 1) {
        return false;
    }
    --hand.count;
    rebuild_text(state, hand);
    total = SumaKarti(state, hand.count, hand.cards);
    return true;
}

bool hands_fit_shoe(const TableState& state, Integer decks) {
    std::array<int, 11> per_value{};
    for (Integer face = kAce; face <= kKing; ++face) {
        const int gone = face_gone(state, face);
        if (gone > 4 * decks) {
            return false;
        }
        per_value[card_value(face)] += gone;
    }
    for (Integer value = 1; value <= 10; ++value) {
        if (per_value[value] > cards_in_deck(value) * decks) {
            return false;
        }
    }
    return true;
}

CardEntry take_out_card(TableState& state, Integer face) {
    if (!shoe_has(state, face)) {
        return CardEntry::RefusedNoneLeft;
    }
    ++state.cards_out[face];
    return CardEntry::Accepted;
}

bool put_back_card(TableState& state, Integer face) {
    if (state.cards_out[face] < 1) {
        return false;
    }
    --state.cards_out[face];
    return true;
}

void end_round(TableState& state) {
    for (const Side side : {Side::Banco, Side::Player}) {
        HandFields hand = hand_of(state, side);
        for (int i = 1; i <= hand.count; ++i) {
            ++state.cards_out[hand.faces[i]];
        }
        hand.count = 0;
        hand.text.clear();
    }
}

void new_shoe(TableState& state) {
    state.cards_out = {};
}

std::string total_caption(Integer total, const ModelWords& words) {
    return words.total + " " + std::to_string(total);
}

}  // namespace tavolix
