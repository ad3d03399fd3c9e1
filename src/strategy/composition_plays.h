// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <vector>

#include "core/remaining_cards.h"
#include "core/table_rules.h"
#include "round.h"

namespace tavolix::strategy {

// One hand of the player's cards against one up card, known by the multiset
// of its cards, and how the whole round plays it: at two cards the advice of
// its analysis (a double, a split or a surrender naming the better of hit and
// stand as its fallback), after that the better of hit and stand.
struct CompositionPlay {
    std::array<int, 11> next{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // by value 1..10
    analysis::Play play = analysis::Play::stand;
    analysis::Play fallback = analysis::Play::stand;  // hit or stand
};

// Every hand of 21 or less the player can hold against `up`, the empty hand
// first (index 0), its cards drawn from `shoe` less the up card; the
// two-card advice from `strategy`, the round worked out from the same shoe.
std::vector<CompositionPlay> composition_plays(int up, const Strategy& strategy);

}  // namespace tavolix::strategy
