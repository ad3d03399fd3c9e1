// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <vector>

#include "count.h"
#include "removal_effects.h"

namespace tavolix::counting {

// How well a count's tags follow the effects of removal: their correlation,
// each value weighed by its share of the shoe (a ten four times an ace's in a
// full shoe). Betting against the round's effects, insurance against the
// insurance bet's. 0 where either side does not vary.
double betting_correlation(const Count& count, const RemovalEffects& effects);
double insurance_correlation(const Count& count, const RemovalEffects& effects);

struct CountCorrelations {
    Count count;
    double betting = 0;
    double insurance = 0;
};

// Every built-in count's, in the order of built_in_counts().
std::vector<CountCorrelations> built_in_correlations(const RemovalEffects& effects);

}  // namespace tavolix::counting
