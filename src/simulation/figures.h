// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "block_sums.h"

namespace tavolix::simulation {

// A floored true count's share: the rounds dealt at it, and a unit bet's
// advantage and standard deviation there.
struct CountFigures {
    int true_count = 0;
    std::uint64_t rounds = 0;
    double advantage = 0;
    double sd = 0;
};

// The game's figures, all in units of the smallest bet.
struct Figures {
    std::uint64_t rounds_dealt = 0;
    std::uint64_t rounds = 0;  // bet
    std::uint64_t hands = 0;
    double advantage = 0;  // won per unit bet initially
    double advantage_se = 0;
    double ev_per_round = 0;
    double ev_per_round_se = 0;
    double sd_per_round = 0;
    double win_rate_per_100 = 0;
    double sd_per_100 = 0;
    // Over the hours at the table, the rounds only watched included.
    double win_rate_per_hour = 0;
    double sd_per_hour = 0;
    double n0 = 0;     // rounds for the win to equal one standard deviation
    double di = 0;     // the desirability index, 1000 ev / sd
    double score = 0;  // DI squared
    std::optional<double> risk_of_ruin = std::nullopt;
    std::optional<double> trip_risk_of_ruin = std::nullopt;
    std::vector<CountFigures> true_counts = {};
};

// The chance of ever losing `bankroll` units with this ev and sd per round:
// exp(-2 ev B / sd^2), 1 when the game does not win.
double risk_of_ruin(double ev, double sd, double bankroll);

// The bankroll whose risk of ruin is `risk` (0 < risk < 1), the formula
// above turned round; none where the game loses or does not vary.
std::optional<double> bankroll_for_risk(double ev, double sd, double risk);

// The chance of touching -`bankroll` within `rounds` rounds, by the first
// passage of a Brownian motion drifting by ev with deviation sd per round.
double trip_risk_of_ruin(double ev, double sd, double bankroll, double rounds);

inline constexpr double kRoundsPerHour = 100;

// The figures of the sums; the rounds dealt, bet or only watched, are
// dealt at `rounds_per_hour`.
Figures figures_of(const BlockSums& sums, std::optional<double> bankroll,
                   std::optional<std::uint64_t> trip, double rounds_per_hour = kRoundsPerHour);

}  // namespace tavolix::simulation
