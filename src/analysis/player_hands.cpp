// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "player_hands.h"

#include "core/hand_total.h"

namespace tavolix::analysis {

Vector<PlayerHand> player_hands(Integer total, Integer soft, const DeckCounts& shoe,
                                std::pmr::memory_resource* memory, int most_cards) {
    Vector<PlayerHand> hands(memory);
    // A hand of one card at eight decks leads to some 2,500 hands.
    hands.reserve(4096);
    hands.resize(1);
    hands[0].total = total;
    hands[0].soft = soft;
    CodeIndex index(4096, memory);
    index.find_or_add(0);
    for (std::size_t i = 0; i < hands.size(); ++i) {
        const CardCode drawn = hands[i].drawn;
        if (hands[i].cards >= most_cards) {
            continue;
        }
        for (int value = 1; value <= 10; ++value) {
            if (shoe[value] - count_in(drawn, value) < 1) {
                continue;
            }
            Integer next_total = hands[i].total;
            Integer next_soft = hands[i].soft;
            add_card(next_total, next_soft, static_cast<Integer>(value));
            if (next_total > 21) {
                continue;
            }
            const auto [next, added] = index.find_or_add(drawn + one_card(value));
            if (added) {
                PlayerHand hand;
                hand.drawn = drawn + one_card(value);
                hand.total = next_total;
                hand.soft = next_soft;
                hand.cards = hands[i].cards + 1;
                hands.push_back(hand);
            }
            hands[i].next[value] = next;
        }
    }
    return hands;
}

}  // namespace tavolix::analysis
