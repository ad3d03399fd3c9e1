// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "model_words.h"
#include "table_state.h"

namespace tavolix {

enum class Side { Banco, Player };

// The Label3 index of a face on a side's pad: the dealer's labels 0..12 are
// the faces A, 2, ..., K; the player's labels 13..25 the faces K, Q, ..., 2, A.
inline constexpr int kPadLabels = 26;
constexpr int pad_index(Side side, Integer face) {
    return side == Side::Banco ? face - kAce : kPadLabels - face;
}
constexpr bool is_pad_index(int index) {
    return index >= 0 && index < kPadLabels;
}

// What a label of the card pads stands for; only for a pad index.
struct PadCard {
    Side side;
    Integer face;
};
constexpr PadCard pad_card(int index) {
    for (const Side side : {Side::Banco, Side::Player}) {
        for (Integer face = kAce; face <= kKing; ++face) {
            if (pad_index(side, face) == index) {
                return {side, face};
            }
        }
    }
    return {Side::Banco, 0};
}
// The fields of one side's hand in the state.
struct HandFields {
    Integer& count;
    HandArray& faces;
    HandArray& cards;
    std::string& text;
};
HandFields hand_of(TableState& state, Side side);

enum class CardEntry {
    Accepted,
    RefusedFifthFace,  // the hand already holds 4 x deck_count cards of that face
    RefusedNoneLeft,   // the shoe has no card of that face or value left
    RefusedBust,       // the card would take the hand over 21
};

// Adds one card of `face` to that side's hand unless it is refused; on
// acceptance the count, faces, card values and text of the hand change, and
// `total` receives the new hand total. A card refused for bust leaves in
// `total` the total it would have made, so a caller can say why; a refused
// card changes nothing else that anyone reads (its face may stay in the slot
// above the count).
CardEntry enter_card(TableState& state, Side side, Integer face, Integer& total);

// Takes the last card of that side's hand back, if it holds one: the count,
// card values and text are those the hand had before that card, and `total`
// receives the hand's total then. Returns false for an empty hand.
bool remove_last_card(TableState& state, Side side, Integer& total);

// Whether both hands and the cards out as they stand could have been entered
// with `decks` decks in the shoe: no face more than 4 x decks times among
// them, and no more cards of a value than the shoe has.
bool hands_fit_shoe(const TableState& state, Integer decks);

// Takes one card of `face` out of play, unless the shoe has none of that face
// or value left; a card out is no hand's, so no total bounds it.
CardEntry take_out_card(TableState& state, Integer face);
// Puts one card of `face` that went out back into the shoe. False when none
// of that face is out.
bool put_back_card(TableState& state, Integer face);

// The round is over: both hands' cards go out of play and both hands are
// empty for the next round.
void end_round(TableState& state);
// A fresh shoe: every card out of play goes back.
void new_shoe(TableState& state);

// The "Somma =" caption of a hand total.
std::string total_caption(Integer total, const ModelWords& words = {});

}  // namespace tavolix
