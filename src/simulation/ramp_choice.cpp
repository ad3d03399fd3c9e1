// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "ramp_choice.h"

#include <algorithm>
#include <cmath>

namespace tavolix::simulation {

RampPrediction predict(std::span<const CountMoments> moments, std::span<const int> units) {
    double ev = 0;
    double square = 0;
    for (std::size_t row = 0; row < moments.size(); ++row) {
        const CountMoments& at = moments[row];
        const double bet = units[row];
        ev += at.share * bet * at.advantage;
        square += at.share * bet * bet * at.second_moment;
    }
    RampPrediction prediction{.ev = ev, .sd = std::sqrt(std::max(square - ev * ev, 0.0))};
    prediction.di = prediction.sd > 0 ? 1000 * ev / prediction.sd : 0;
    return prediction;
}

std::vector<int> scaled_units(std::span<const CountMoments> moments, double scale, int spread) {
    std::vector<int> units;
    for (const CountMoments& at : moments) {
        if (!(at.advantage > 0) || !(at.second_moment > 0)) {
            units.push_back(1);
            continue;
        }
        const double bet = std::round(scale * at.advantage / at.second_moment);
        units.push_back(static_cast<int>(std::clamp(bet, 1.0, static_cast<double>(spread))));
    }
    return units;
}

RampChoice best_ramp(std::span<const CountMoments> moments, int spread) {
    // Where some count's bet steps from k to k + 1 units.
    std::vector<double> changes;
    for (const CountMoments& at : moments) {
        if (at.advantage > 0 && at.second_moment > 0) {
            const double ratio = at.advantage / at.second_moment;
            for (int k = 1; k < spread; ++k) {
                changes.push_back((k + 0.5) / ratio);
            }
        }
    }
    std::sort(changes.begin(), changes.end());
    changes.erase(std::unique(changes.begin(), changes.end()), changes.end());
    std::vector<double> scales;
    if (changes.empty()) {
        scales.push_back(0);
    } else {
        scales.push_back(changes.front() / 2);
        for (std::size_t i = 0; i + 1 < changes.size(); ++i) {
            scales.push_back((changes[i] + changes[i + 1]) / 2);
        }
        scales.push_back(2 * changes.back());
    }
    RampChoice best;
    bool found = false;
    for (const double scale : scales) {
        std::vector<int> units = scaled_units(moments, scale, spread);
        const RampPrediction prediction = predict(moments, units);
        if (!found || prediction.di > best.predicted.di) {
            best = {.units = std::move(units), .scale = scale, .predicted = prediction};
            found = true;
        }
    }
    return best;
}

std::vector<RampStep> ramp_of(std::span<const CountMoments> moments, std::span<const int> units) {
    std::vector<RampStep> ramp;
    for (std::size_t row = 0; row < moments.size(); ++row) {
        if (ramp.empty() || units[row] != ramp.back().units) {
            ramp.push_back({moments[row].true_count, units[row]});
        }
    }
    if (ramp.empty()) {
        return {{0, 1}};
    }
    ramp.front().true_count = ramp.size() > 1 ? ramp[1].true_count - 1 : 0;
    return ramp;
}

}  // namespace tavolix::simulation
