#pragma once

#include <array>

#include "hand_total.h"
#include "remaining_cards.h"
#include "table_state.h"

namespace tavolix {

// The chance of each outcome, indexed by draw_stats column, over all draw
// sequences with every sequence weighted by its own probability: each card
// drawn is equally likely among the cards actually left at that moment. This
// is the figure the position-averaged tallies approximate.
using OutcomeChances = std::array<double, kStatColumns>;

namespace detail {

template <class Classify>
void exact_draws(DeckCounts& left, int cards, Integer total, Integer soft, double reach,
                 const Classify& classify, OutcomeChances& chances) {
    for (Integer value = 1; value <= 10; ++value) {
        if (left[value] < 1) {
            continue;
        }
        const double chance = reach * left[value] / cards;
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, value);
        const int column = classify(next_total);
        if (column != kDrawAgain) {
            chances[column] += chance;
        } else if (cards > 1) {
            --left[value];
            exact_draws(left, cards - 1, next_total, next_soft, chance, classify, chances);
            ++left[value];
        }
    }
}

}  // namespace detail

// Draws at least one card onto the hand that totals start_sum (start_soft:
// an ace counted as 11), then keeps drawing while classify(total) says
// kDrawAgain; classify returns the outcome column that ends the hand.
template <class Classify>
OutcomeChances exact_outcomes(const TableState& state, Integer start_sum, Integer start_soft,
                              const Classify& classify) {
    DeckCounts left = cards_left(state);
    int cards = 0;
    for (const int count : left) {
        cards += count;
    }
    OutcomeChances chances{};
    if (cards > 0) {
        detail::exact_draws(left, cards, start_sum, start_soft, 1.0, classify, chances);
    }
    return chances;
}

}  // namespace tavolix
