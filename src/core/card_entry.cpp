#include "card_entry.h"

#include "hand_total.h"

namespace tavolix {

HandFields hand_of(TableState& state, Side side) {
    if (side == Side::Banco) {
        return {state.banco_count, state.banco_faces, state.banco_cards, state.banco_text};
    }
    return {state.player_count, state.player_faces, state.player_cards, state.player_text};
}

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

    // The candidate goes into the slot above the count before it is tested;
    // even a hand of 11 cards has that slot.
    ++hand.count;
    hand.faces[hand.count] = face;
    hand.cards[hand.count] = card_value(face);
    const Integer candidate_total = SumaKarti(state, hand.count, hand.cards);
    total = candidate_total;
    if (candidate_total > 21) {
        --hand.count;
        return CardEntry::RefusedBust;
    }

    hand.text.clear();
    for (int i = 1; i <= hand.count; ++i) {
        hand.text += ' ';
        hand.text += state.face_names[hand.faces[i]];
    }
    return CardEntry::Accepted;
}

std::string total_caption(Integer total) {
    return "Somma = " + std::to_string(total);
}

}  // namespace tavolix
