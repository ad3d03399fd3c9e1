// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <vector>

#include "core/remaining_cards.h"
#include "count.h"

namespace tavolix::counting {

// A shoe of fractional cards, by value 1..10; index 0 unused.
using Composition = std::array<double, 11>;

// How many cards are left where the indices are worked out, of a shoe of
// `cards`: half of them, at least 26 (all of them when fewer).
int index_depth(int cards);

// The composition of `depth` cards left of `shoe` that a count expects at the
// true count t: the conditional expectation given the tags' sum, to the
// linear approximation, within 0 and the shoe's own cards.
Composition expected_composition(const Count& count, const DeckCounts& shoe, int depth, double t);

// A whole shoe and its weight in a fractional one.
struct Vertex {
    DeckCounts shoe{};
    double weight = 0;
};

// The whole shoes whose weighed sum is `composition`, weights adding up to 1:
// the vertices of the simplex around it, those of no weight left out.
std::vector<Vertex> simplex_of(const Composition& composition);

}  // namespace tavolix::counting
