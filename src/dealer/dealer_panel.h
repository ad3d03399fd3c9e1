// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "core/engine_run.h"
#include "core/model_words.h"
#include "core/table_state.h"

namespace tavolix {

// The dealer's result panel from the tallies a dealer run left in draw_stats:
// "Tutte combinazioni" (Label9) from row 0, "Prima carta" (Label12) from
// row 1. An outcome of exactly 0 leaves an empty line in its place.
// The words are Italian unless a translation is given.
PanelTexts dealer_panel(const TableState& state, const ModelWords& words = {});

}  // namespace tavolix
