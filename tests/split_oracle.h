// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>

#include "analysis/hand_analysis.h"

namespace tavolix::testing {

// The EV of splitting the pair of `table` (two equal cards against the
// banco), per unit of the original bet, by the rules' post-split strategy
// (all but PERHAND), found the slow way: every order of the cards is dealt
// out, the hands completed left to right as the table deals them (for CDP,
// whose hands know how many the split made, every second card first), and
// each play decided by EVs worked out plainly from the shoe the strategy
// reads. Under the peek with an ace or a ten up the value is conditioned on
// no dealer natural, the hole card being the first card the dealer draws.
// Nothing when some order runs out of cards.
std::optional<double> split_by_every_order(const analysis::Table& table);

}  // namespace tavolix::testing
