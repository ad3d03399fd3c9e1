// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>

#include "hand_analysis.h"

namespace tavolix::analysis {

// Fills in the best threshold and the advice from the rows already set and
// the three ways to play now (no double but on two cards).
void choose_plays(HandAnalysis& analysis, const Outcome& stand, const Outcome& hit,
                  const std::optional<Outcome>& doubled);

}  // namespace tavolix::analysis
