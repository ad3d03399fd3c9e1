// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "hand_total.h"

#include <cassert>

namespace tavolix {

Integer SumaKarti(TableState& state, const Integer& broj_karti, const HandArray& Carte) {
    assert(broj_karti < kSlots);
    Integer total = 0;
    Integer soft = 0;
    for (int i = 1; i <= broj_karti; ++i) {
        add_card(total, soft, Carte[i]);
    }
    state.sum_soft = soft;
    return total;
}

void store_hand_totals(TableState& state) {
    state.banco_sum = SumaKarti(state, state.banco_count, state.banco_cards);
    state.banco_soft = state.sum_soft;
    state.player_sum = SumaKarti(state, state.player_count, state.player_cards);
    state.player_soft = state.sum_soft;
}

}  // namespace tavolix
