// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_fixtures.h"

#include "core/hand_total.h"

namespace tavolix::testing {

namespace {

void fill_hand(const std::vector<int>& faces, Integer& count, HandArray& face_array,
               HandArray& cards) {
    count = 0;
    for (const int face : faces) {
        ++count;
        face_array[count] = static_cast<Integer>(face);
        cards[count] = card_value(static_cast<Integer>(face));
    }
}

}  // namespace

TableState make_table(std::initializer_list<int> banco_faces,
                      std::initializer_list<int> player_faces, int stand_at, int decks) {
    return make_table(std::vector<int>(banco_faces), std::vector<int>(player_faces), stand_at,
                      decks);
}

TableState make_table(const std::vector<int>& banco_faces, const std::vector<int>& player_faces,
                      int stand_at, int decks) {
    TableState state;
    reset_to_start(state);
    state.deck_count = static_cast<Integer>(decks);
    state.stand_at = static_cast<Integer>(stand_at);
    fill_hand(banco_faces, state.banco_count, state.banco_faces, state.banco_cards);
    fill_hand(player_faces, state.player_count, state.player_faces, state.player_cards);
    state.banco_sum = SumaKarti(state, state.banco_count, state.banco_cards);
    state.banco_soft = state.sum_soft;
    state.player_sum = SumaKarti(state, state.player_count, state.player_cards);
    state.player_soft = state.sum_soft;
    return state;
}

std::string describe_table(const std::vector<int>& banco_faces,
                           const std::vector<int>& player_faces, int stand_at) {
    std::string text = "dealer";
    for (const int face : banco_faces) {
        text += ' ' + std::to_string(face);
    }
    text += ", player";
    for (const int face : player_faces) {
        text += ' ' + std::to_string(face);
    }
    return text + " at " + std::to_string(stand_at);
}

}  // namespace tavolix::testing
