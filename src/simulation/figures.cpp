// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "figures.h"

#include <cmath>

namespace tavolix::simulation {

namespace {

using Real = long double;

Real real(Uint128 value) {
    return static_cast<Real>(value);
}

// The variance per round of a sum and its squares over n rounds.
Real variance(Real sum, Real squares, Real n) {
    const Real mean = sum / n;
    return std::max(squares / n - mean * mean, Real{0});
}

double normal_cdf(double x) {
    return 0.5 * std::erfc(-x / std::sqrt(2.0));
}

}  // namespace

double risk_of_ruin(double ev, double sd, double bankroll) {
    if (ev <= 0 || sd <= 0) {
        return ev > 0 ? 0.0 : 1.0;
    }
    return std::exp(-2.0 * ev * bankroll / (sd * sd));
}

std::optional<double> bankroll_for_risk(double ev, double sd, double risk) {
    if (!(ev > 0) || !(sd > 0)) {
        return std::nullopt;
    }
    return -std::log(risk) * sd * sd / (2.0 * ev);
}

double trip_risk_of_ruin(double ev, double sd, double bankroll, double rounds) {
    if (sd <= 0 || rounds <= 0) {
        return ev * rounds <= -bankroll ? 1.0 : 0.0;
    }
    const double spread = sd * std::sqrt(rounds);
    const double drift = ev * rounds;
    const double far = -2.0 * ev * bankroll / (sd * sd);
    return std::min(1.0, normal_cdf((-bankroll - drift) / spread) +
                             std::exp(far) * normal_cdf((-bankroll + drift) / spread));
}

Figures figures_of(const BlockSums& sums, std::optional<double> bankroll,
                   std::optional<std::uint64_t> trip, double rounds_per_hour) {
    Figures figures{.rounds_dealt = sums.rounds_dealt, .rounds = sums.rounds, .hands = sums.hands};
    const Real scale = kMoneyScale;
    if (sums.rounds > 0) {
        const auto n = static_cast<Real>(sums.rounds);
        const Real money = static_cast<Real>(sums.money) / scale;
        const Real squares = real(sums.money_squared) / (scale * scale);
        const Real units = static_cast<Real>(sums.units);
        const Real var = variance(money, squares, n);
        figures.ev_per_round = static_cast<double>(money / n);
        figures.sd_per_round = static_cast<double>(std::sqrt(var));
        figures.ev_per_round_se = static_cast<double>(std::sqrt(var / n));
        // The advantage is a ratio of two means: its error by the delta
        // method, from the spread of money less advantage times bet.
        const Real advantage = money / units;
        const Real cross = static_cast<Real>(sums.money_by_units) / scale;
        const Real spread =
            squares - 2 * advantage * cross + advantage * advantage * real(sums.units_squared);
        const Real mean_bet = units / n;
        figures.advantage = static_cast<double>(advantage);
        figures.advantage_se =
            static_cast<double>(std::sqrt(std::max(spread, Real{0}) / n / n) / mean_bet);
        figures.win_rate_per_100 = 100 * figures.ev_per_round;
        figures.sd_per_100 = 10 * figures.sd_per_round;
        // Rounds bet in an hour: the share of the rounds dealt that were bet.
        const double bet_per_hour =
            sums.rounds_dealt > 0
                ? rounds_per_hour * static_cast<double>(n) / static_cast<double>(sums.rounds_dealt)
                : 0;
        figures.win_rate_per_hour = bet_per_hour * figures.ev_per_round;
        figures.sd_per_hour = std::sqrt(bet_per_hour) * figures.sd_per_round;
        if (figures.ev_per_round != 0) {
            const double ratio = figures.sd_per_round / figures.ev_per_round;
            figures.n0 = ratio * ratio;
        }
        if (figures.sd_per_round > 0) {
            figures.di = 1000 * figures.ev_per_round / figures.sd_per_round;
            figures.score = figures.di * figures.di;
        }
        if (bankroll) {
            figures.risk_of_ruin =
                risk_of_ruin(figures.ev_per_round, figures.sd_per_round, *bankroll);
            if (trip) {
                figures.trip_risk_of_ruin =
                    trip_risk_of_ruin(figures.ev_per_round, figures.sd_per_round, *bankroll,
                                      static_cast<double>(*trip));
            }
        }
    }
    for (int slot = 0; slot < kCountSlots; ++slot) {
        const CountSums& at = sums.by_count[static_cast<std::size_t>(slot)];
        CountFigures count{.true_count = slot + kLowestCount, .rounds = at.rounds};
        if (at.rounds > 0) {
            const auto n = static_cast<Real>(at.rounds);
            const Real money = static_cast<Real>(at.money) / scale;
            count.advantage = static_cast<double>(money / n);
            count.sd = static_cast<double>(
                std::sqrt(variance(money, real(at.squares) / (scale * scale), n)));
        }
        figures.true_counts.push_back(count);
    }
    return figures;
}

}  // namespace tavolix::simulation
