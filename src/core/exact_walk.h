#pragma once

#include <array>

#include <utility>

#include "hand_total.h"
#include "prefix_level.h"
#include "table_state.h"

namespace tavolix {

// The chance of each outcome, indexed by draw_stats column, over all draw
// sequences with every sequence weighted by its own probability: each card
// drawn is equally likely among the cards actually left at that moment. This
// is the figure the position-averaged tallies approximate.
using OutcomeChances = std::array<double, kStatColumns>;

// Cards of each value 1..10 left in the deck before the first draw. Two
// hands that together hold more cards of a value than the deck leave none
// of it, not a negative count.
using DeckCounts = std::array<int, 11>;
DeckCounts cards_left(const TableState& state);

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

// The same chances with the drawn cards merged by value: every ordering of
// the same cards has the same chance and leaves the same total, so the
// prefixes of each length that keep drawing are one entry per set of cards,
// carrying the chance of reaching it. A shoe of several decks has far too
// many sequences to visit one by one.
template <class Classify>
void exact_levels(const DeckCounts& left, int cards, Integer total, Integer soft,
                  const Classify& classify, OutcomeChances& chances) {
    PrefixLevel level;
    PrefixLevel next;
    level.add(DrawnCards{0}, 0, total, soft, 1.0);
    for (int drawn = 0; drawn < cards && !level.empty(); ++drawn) {
        for (const DrawnPrefix& prefix : level.prefixes()) {
            for (Integer value = 1; value <= 10; ++value) {
                const int count = left[value] - drawn_of(prefix.cards, value);
                if (count < 1) {
                    continue;
                }
                const double chance = prefix.reach * count / (cards - drawn);
                Integer next_total = prefix.total;
                Integer next_soft = prefix.soft;
                add_card(next_total, next_soft, value);
                const int column = classify(next_total);
                if (column != kDrawAgain) {
                    chances[column] += chance;
                } else {
                    next.add(with_card(prefix.cards, value), 0, next_total, next_soft, chance);
                }
            }
        }
        std::swap(level, next);
        next.clear();
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
    if (cards == 0) {
        return chances;
    }
    // One deck keeps the sum sequence by sequence that its figures have
    // always had, to the last bit.
    if (state.deck_count == 1) {
        detail::exact_draws(left, cards, start_sum, start_soft, 1.0, classify, chances);
    } else {
        detail::exact_levels(left, cards, start_sum, start_soft, classify, chances);
    }
    return chances;
}

}  // namespace tavolix
