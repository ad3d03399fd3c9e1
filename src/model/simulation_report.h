// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "simulation/figures.h"
#include "simulation/options.h"
#include "simulation/pilot.h"

namespace tavolix {

// A finished (or stopped) simulation as it is reported: what was played,
// the figures, and how long it took.
struct SimulationReport {
    simulation::SimulationOptions options;
    simulation::Figures figures;
    std::optional<double> bankroll = std::nullopt;
    std::optional<std::uint64_t> trip = std::nullopt;
    unsigned threads = 1;
    double seconds = 0;
    bool finished = true;  // false: stopped, the figures are of the blocks done
    // Played by several processes (MPI ranks): the blocks each played in
    // this run, rank 0 first; empty for one process.
    std::vector<std::uint64_t> blocks_per_rank = {};
    // The rounds dealt in an hour, as asked; unset, kRoundsPerHour.
    std::optional<double> rounds_per_hour = std::nullopt;
    // The ramp played was chosen by this pilot.
    std::optional<simulation::OptimalRamp> optimal_ramp = std::nullopt;
};

// The words of the readable report: tavolix-sim's English, unless a front
// end translates them. %1.. stand for figures and names; each label is
// padded to the report's column.
struct SimulationReportWords {
    std::string rules = "Rules %1, %2, %3";
    std::string deck = "%1 deck";
    std::string decks = "%1 decks";
    std::string seat = "%1 seat";
    std::string seats = "%1 seats";
    std::string reshuffle = "Reshuffle %1";
    std::string fresh_shoe = "a fresh shoe every round";
    std::string after_card = "after the round in which card %1 of %2 came out";
    std::string play = "Play %1, count %2, indices %3, ramp %4";
    std::array<std::string, 2> plays{"basic", "composition"};     // by PlayStyle
    std::array<std::string, 3> index_sets{"none", "i18", "all"};  // by IndexSet
    std::string flat = "flat, 1 unit";
    std::string wong_out = ", wong out below %1";
    std::string back_count = ", back-counted: in at %1, out below %2";
    // Only for a true count reckoned otherwise than exactly and floored.
    std::string true_count = "True count by %1, %2";
    std::array<std::string, 4> tc_decks{"the exact decks left", "the decks left to a quarter deck",
                                        "the decks left to a half deck",
                                        "the decks left to a whole deck"};       // by TcDecks
    std::array<std::string, 3> tc_divisions{"floored", "truncated", "rounded"};  // by TcDivision
    std::string ramp_chosen =
        "Ramp chosen for a spread of 1-%1 by a pilot of %2 rounds: scale %3, DI %4 predicted";
    std::string run = "Seed %1, %2, %3 s, %4 million rounds/s";
    std::string thread = "%1 thread";
    std::string threads = "%1 threads";
    std::string stopped = " (stopped: the blocks done so far)";
    std::string spread = "Spread over %1, blocks played %2 (rank 0 first)";
    std::string rank = "%1 rank";
    std::string ranks = "%1 ranks";
    std::string rounds_bet = "Rounds bet";
    std::string rounds_bet_value = "%1 of %2 dealt, %3 hands";
    std::string advantage = "Advantage";
    std::string advantage_value = "%1 % +- %2 % of the units bet";
    std::string ev = "EV per round";
    std::string ev_value = "%1 +- %2 units";
    std::string sd = "SD per round";
    std::string units = "%1 units";
    std::string win_rate = "Win rate per 100";
    std::string win_rate_value = "%1 units, SD %2";
    // Only for a player who sits rounds out, or rounds an hour asked for.
    std::string win_rate_hour = "Win rate per hour";
    std::string win_rate_hour_value = "%1 units, SD %2 (%3 rounds an hour)";
    std::string rounds = "%1 rounds";
    std::string ruin = "Risk of ruin";
    std::string ruin_value = "%1 % with %2 units";
    std::string trip_ruin = "Trip risk of ruin";
    std::string trip_ruin_value = "%1 % in %2 rounds";
    // The columns of the table by true count.
    std::array<std::string, 5> columns{"TC", "rounds", "share", "advantage", "SD"};
};

// The readable report.
std::string simulation_text(const SimulationReport& report,
                            const SimulationReportWords& words = {});

// One JSON object, every figure in units of the smallest bet; `rules_object`
// is the rules as the command line's JSON writes them. The rows by true
// count, "true_counts", are of every round dealt; an optimal ramp adds
// "ramp_chosen", "spread", "scale" and "pilot" (its "rounds" and its own
// rows, of the rounds it bet).
std::string simulation_json(const SimulationReport& report, std::string_view rules_object);

// A text as a JSON string, quotes and all; control characters escaped.
std::string json_text(std::string_view text);

}  // namespace tavolix
