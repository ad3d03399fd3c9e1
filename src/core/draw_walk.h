// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>

#include "hand_total.h"
#include "remaining_cards.h"
#include "table_state.h"

namespace tavolix {

// Both engines walk the draw sequences the same way and differ only in when
// a hand stops. What follows is that shared walk and the arithmetic that turns
// its tallies into probabilities.

// Fresh work fields: draw_stats zeroed with the cards left before each draw
// (52 cards a deck, less the cards on the table and out of play, plus any surplus the two
// hands hold beyond the shoe), draw_seq zeroed, first position open.
void start_walk(TableState& state);

[[noreturn]] void walk_out_of_bounds();

// A hand that already ends by its rule draws nothing: its outcome is settled.
// It stands in the tallies as one opening of the first position at which
// every card left keeps that outcome, so the chained figure and the first
// card's share both give it whole, and no sequence is finished.
void settle_without_drawing(TableState& state, int column);

// Visits every sequence of cards that can still be drawn, depth first and
// card values ascending at every position; that order is the order of the
// report lines. `classify(total, soft)` returns kDrawAgain or the outcome column
// that ends the hand; each card's count is added to that column of its
// position. `on_finished(column, total)` sees every finished sequence, with
// draw_seq positions 1..draw_pos holding its cards.
//
// A count below 1 means no card of that value is left. Card entry limits
// each hand on its own, so the two hands together may hold more cards of a
// value than the deck; such a value is then simply never drawn, which keeps
// the walk inside its positions.
template <class Classify, class OnFinished>
void walk_draws(TableState& state, Integer start_sum, Integer start_soft, Classify classify,
                OnFinished on_finished) {
    state.draw_seq[state.draw_pos] = 1;
    for (;;) {
        const Integer carta = state.draw_seq[state.draw_pos];
        const Integer count = Ostalo_karata(state, carta, state.draw_pos);
        if (count >= 1) {
            Integer total = start_sum;
            Integer soft = start_soft;
            for (int i = 1; i <= state.draw_pos; ++i) {
                add_card(total, soft, state.draw_seq[i]);
            }
            const int column = classify(total, soft);
            state.draw_stats[state.draw_pos][column] += count;
            if (column == kDrawAgain) {
                if (state.draw_pos + 1 >= kSlots) {
                    walk_out_of_bounds();
                }
                ++state.draw_pos;
                if (state.draw_pos > state.draw_depth) {
                    state.draw_depth = state.draw_pos;
                }
                state.draw_seq[state.draw_pos] = 1;
                continue;
            }
            on_finished(column, total);
        }
        for (;;) {
            ++state.draw_seq[state.draw_pos];
            if (state.draw_seq[state.draw_pos] <= 10) {
                break;
            }
            state.draw_stats[state.draw_pos][kOpenings] += 1.0;
            --state.draw_pos;
            if (state.draw_pos < 1) {
                return;
            }
        }
    }
}

// Per position k, the mean share of the deck after which the hand draws again,
// held in single precision as the engines always have.
using ContinueRatios = std::array<float, kSlots>;
ContinueRatios continue_ratios(const TableState& state);

// Chains the positions: P = r(1) + c(1) * (r(2) + c(2) * (r(3) + ...)), where
// r(k) is the share of position k's cards that end in `column`, averaged with
// equal weight over the openings of k. Stores P in row 0 of that column.
void combine_outcome(TableState& state, const ContinueRatios& ratios, int column);

// The share of the first draw's cards that end the hand in `column`.
double first_card_share(const DrawStats& draw_stats, int column);

}  // namespace tavolix
