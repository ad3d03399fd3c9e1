// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_analysis.h"

#include "core/remaining_cards.h"

namespace tavolix::analysis {

Table table_of(const TableState& state) {
    Table table;
    for (int i = 1; i <= state.banco_count; ++i) {
        table.banco.push_back(state.banco_cards[i]);
    }
    for (int i = 1; i <= state.player_count; ++i) {
        table.player.push_back(state.player_cards[i]);
    }
    table.shoe = cards_left(state);
    table.stand_at = state.stand_at;
    table.rules = state.rules;
    return table;
}

}  // namespace tavolix::analysis
