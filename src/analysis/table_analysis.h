// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "core/table_state.h"
#include "hand_analysis.h"

namespace tavolix::analysis {

// The table on screen as the analysis takes it: both hands, the shoe of
// deck_count decks less both hands, the threshold and the rules.
Table table_of(const TableState& state);

}  // namespace tavolix::analysis
