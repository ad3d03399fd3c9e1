// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "core/engine_run.h"
#include "core/model_words.h"
#include "core/table_state.h"

namespace tavolix {

// The player's result panel from the tallies a player run left in
// draw_stats: "Tutte combinazioni" (Label10) from row 0, "Prima carta"
// (Label13) from row 1. Every line is written, a 0 as 0.00.
// The words are Italian unless a translation is given.
PanelTexts player_panel(const TableState& state, const ModelWords& words = {});

}  // namespace tavolix
