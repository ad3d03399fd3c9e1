// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>

#include "hand_analysis.h"

namespace tavolix::analysis {

// The ways to play the hand now that the rules allow, each as it ends (the
// double at even money: its stake counts twice) or, for the plays that end
// in more than one hand or in none, as an EV.
struct Plays {
    Outcome stand;
    std::optional<Outcome> hit = std::nullopt;
    std::optional<Outcome> doubled = std::nullopt;
    std::optional<double> split = std::nullopt;
    std::optional<double> surrender = std::nullopt;
    double surrender_second_moment = 0;  // with `surrender`
};

// Fills in the best threshold from the rows already set, the EV of each play
// and the advice: the play of the highest EV, ties going to the earlier play
// of stand, hit, double, split, surrender. A split's second moment is left
// to the caller, which has its trees.
void choose_plays(HandAnalysis& analysis, const Plays& plays);

// The three plays of the window's own table, no double but on two cards.
void choose_plays(HandAnalysis& analysis, const Outcome& stand, const Outcome& hit,
                  const std::optional<Outcome>& doubled);

}  // namespace tavolix::analysis
