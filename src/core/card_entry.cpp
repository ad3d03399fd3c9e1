// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "card_entry.h"

#include <array>

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
    // The per-face limit looks at one hand; the shoe also bounds both together,
    // so that no table is entered that no shoe could deal.
    if (Ostalo_karata(state, card_value(face), Integer{1}) < 1) {
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
    for (const Side side : {Side::Banco, Side::Player}) {
        const bool banco = side == Side::Banco;
        const Integer count = banco ? state.banco_count : state.player_count;
        const HandArray& faces = banco ? state.banco_faces : state.player_faces;
        std::array<int, kKing + 1> per_face{};
        for (int i = 1; i <= count; ++i) {
            if (++per_face[faces[i]] > 4 * decks) {
                return false;
            }
            ++per_value[card_value(faces[i])];
        }
    }
    for (Integer value = 1; value <= 10; ++value) {
        if (per_value[value] > cards_in_deck(value) * decks) {
            return false;
        }
    }
    return true;
}

std::string total_caption(Integer total, const ModelWords& words) {
    return words.total + " " + std::to_string(total);
}

}  // namespace tavolix
