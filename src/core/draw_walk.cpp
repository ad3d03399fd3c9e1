// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "draw_walk.h"

namespace tavolix {

void start_walk(TableState& state) {
    state.draw_stats = {};
    state.draw_seq = {};
    // A surplus the two hands hold beyond the deck is never drawn and is no
    // card in the deck: leaving it out keeps every share a share of the cards
    // really there, so no figure passes 100%.
    int surplus = 0;
    for (Integer value = 1; value <= 10; ++value) {
        surplus += surplus_on_table(state, value);
    }
    const int shoe = 52 * state.deck_count - cards_out_in_all(state);
    for (int r = 1; r < kSlots - 1; ++r) {
        const Integer left =
            static_cast<Integer>(shoe - state.banco_count - state.player_count - (r - 1) + surplus);
        state.draw_stats[r][kCardsLeft] = left;
    }
    state.draw_pos = 1;
    state.draw_depth = 1;
}

void walk_out_of_bounds() {
    std::fputs("tavolix: a draw sequence passed the last position of the table\n", stderr);
    std::abort();
}

void settle_without_drawing(TableState& state, int column) {
    auto& row = state.draw_stats[1];
    row[column] = row[kCardsLeft];
    row[kOpenings] = 1;
    state.draw_depth = 1;
    state.draw_pos = 0;
}

ContinueRatios continue_ratios(const TableState& state) {
    ContinueRatios ratios{};
    for (int k = 1; k <= state.draw_depth; ++k) {
        const auto& row = state.draw_stats[k];
        if (row[kOpenings] * row[kCardsLeft] > 0) {
            ratios[k] = static_cast<float>(row[kDrawAgain] / (row[kOpenings] * row[kCardsLeft]));
        }
    }
    return ratios;
}

void combine_outcome(TableState& state, const ContinueRatios& ratios, int column) {
    double sum = 0;
    for (int z = state.draw_depth; z >= 1; --z) {
        const auto& row = state.draw_stats[z];
        const double cards = row[kCardsLeft] * row[kOpenings];
        if (cards > 0) {
            sum += row[column] / cards;
        }
        if (z > 1) {
            sum *= ratios[z - 1];
        }
    }
    state.draw_stats[0][column] = sum;
}

double first_card_share(const DrawStats& draw_stats, int column) {
    const auto& row = draw_stats[1];
    return row[column] / (row[kCardsLeft] * row[kOpenings]);
}

}  // namespace tavolix
