// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_state.h"

namespace tavolix {

void reset_to_start(TableState& state) {
    state.write_reports = 0;
    for (std::size_t face = 0; face < kFaceNames.size(); ++face) {
        state.face_names[face] = kFaceNames[face];
    }
    state.banco_text.clear();
    state.player_text.clear();
    state.stand_at = 17;
    state.banco_faces = {};
    state.player_faces = {};
    state.deck_count = 1;
    state.rules = {};
    state.banco_count = 0;
    state.player_count = 0;
    state.banco_sum = 0;
    state.banco_soft = 0;
    state.player_sum = 0;
    state.player_soft = 0;
    state.cards_out = {};
}

}  // namespace tavolix
