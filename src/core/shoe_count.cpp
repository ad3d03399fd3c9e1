// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "shoe_count.h"

namespace tavolix {

ShoeCount shoe_count(const TableState& state) {
    ShoeCount count;
    count.by_value = cards_left(state);
    for (Integer value = 1; value <= 10; ++value) {
        const int full = cards_in_deck(value) * state.deck_count;
        count.cards += full;
        count.left += count.by_value[value];
        count.running += hi_lo(value) * (full - count.by_value[value]);
    }
    if (count.left > 0) {
        count.true_count = count.running / (count.left / 52.0);
    }
    return count;
}

}  // namespace tavolix
