// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "correlations.h"

#include <cmath>

namespace tavolix::counting {

namespace {

// Pearson's correlation of the tags with `effects`, each value weighed by how
// many of its cards the shoe holds.
double weighted_correlation(const Count& count, const DeckCounts& shoe,
                            const std::array<double, 10>& effects) {
    double weight = 0;
    double tag_mean = 0;
    double effect_mean = 0;
    for (int value = 1; value <= 10; ++value) {
        const double w = shoe[value];
        weight += w;
        tag_mean += w * count.tag(value);
        effect_mean += w * effects[static_cast<std::size_t>(value - 1)];
    }
    if (weight <= 0) {
        return 0;
    }
    tag_mean /= weight;
    effect_mean /= weight;
    double covariance = 0;
    double tag_spread = 0;
    double effect_spread = 0;
    for (int value = 1; value <= 10; ++value) {
        const double w = shoe[value];
        const double tag = count.tag(value) - tag_mean;
        const double effect = effects[static_cast<std::size_t>(value - 1)] - effect_mean;
        covariance += w * tag * effect;
        tag_spread += w * tag * tag;
        effect_spread += w * effect * effect;
    }
    // Spreads of a handful of rounding errors are no spread at all.
    if (tag_spread <= 0 || effect_spread <= 1e-30 * weight) {
        return 0;
    }
    return covariance / std::sqrt(tag_spread * effect_spread);
}

}  // namespace

double betting_correlation(const Count& count, const RemovalEffects& effects) {
    return weighted_correlation(count, effects.shoe, effects.round);
}

double insurance_correlation(const Count& count, const RemovalEffects& effects) {
    return weighted_correlation(count, effects.shoe, effects.insurance);
}

std::vector<CountCorrelations> built_in_correlations(const RemovalEffects& effects) {
    std::vector<CountCorrelations> correlations;
    for (const Count& count : built_in_counts()) {
        correlations.push_back({.count = count,
                                .betting = betting_correlation(count, effects),
                                .insurance = insurance_correlation(count, effects)});
    }
    return correlations;
}

}  // namespace tavolix::counting
