// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>

#include "analysis/hand_analysis.h"
#include "core/table_state.h"

namespace tavolix {

// Chances by draw_stats column, as the engines' row 0 holds them.
using OutcomeChances = std::array<double, kStatColumns>;

// The figures each panel's averages approximate, with every draw sequence
// weighted by its own probability: the dealer against the player's total as
// it stands (columns 1..4), drawing nothing once the rule says stand; the
// player taking one card and drawing on while below stand_at (columns 1 and
// 4). Read from the analysis the calculation already ran, so a click pays
// for one exact walk, not one per panel.
struct ExactChances {
    OutcomeChances banco{};
    OutcomeChances player{};
};

ExactChances exact_chances(const analysis::HandAnalysis& analysis);

}  // namespace tavolix
