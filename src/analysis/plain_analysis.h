// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <limits>
#include <optional>

#include "hand_analysis.h"

namespace tavolix::analysis {

// Whether the plain walk remembers what it has worked out. Everything it
// works out at a step depends only on the cards left in the shoe, the hand's
// total and soft flag, and the dealer's rule on 16: remembered, each such
// position is walked once however many orders of draws lead to it.
enum class PlainMemory { none, by_position };

struct PlainWalk {
    PlainMemory memory = PlainMemory::none;
    // The walk gives up once the dealer has been dealt more than this many
    // cards over all the walks; without memory, a table that would take more
    // is known before the walk starts.
    long long dealer_cards_limit = std::numeric_limits<long long>::max();
};

// The figures of `analyse` found by walking every order of every draw as the
// rules read, the dealer's hand played out behind every hand of the player:
// slow, and plain enough to check `analyse` against. Nothing when the walk
// gives up.
std::optional<HandAnalysis> analyse_plainly(const Table& table, const PlainWalk& how = {});

}  // namespace tavolix::analysis
