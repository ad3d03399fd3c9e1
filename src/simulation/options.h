// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/table_rules.h"
#include "counting/count.h"

namespace tavolix::simulation {

// How the player plays the hands: by the chart of totals, or each hand by
// its own cards as the exact analysis of the full shoe advises.
enum class PlayStyle { basic, composition };

// Which index plays change the chart with the count.
enum class IndexSet { none, i18, all };

// From this floored true count on, this many units are bet.
struct RampStep {
    int true_count = 0;
    int units = 1;

    bool operator==(const RampStep&) const = default;
};

// How the player judges the decks left, by which he divides the running
// count: exactly, or as he reads the discard tray, to the nearest quarter,
// half or whole deck.
enum class TcDecks { exact, quarter, half, full };

// How the quotient becomes a whole true count.
enum class TcDivision { floor, truncate, round };

// Back-counting: the player watches from behind the table after every
// shuffle, sits down at the first round whose true count is at least
// `enter` and leaves for the rest of the shoe at the first round whose
// true count is below `leave`.
struct BackCount {
    int enter = 0;
    int leave = 0;

    bool operator==(const BackCount&) const = default;
};

// The game a simulation plays, and how much of it.
struct SimulationOptions {
    TableRules rules{.dealer = DealerRule::s17};
    int decks = 6;
    double penetration = 0.75;  // of the shoe dealt before the reshuffle; 0: every round
    std::optional<int> cut_card = std::nullopt;  // by card position instead of the penetration
    int players = 1;
    PlayStyle play = PlayStyle::basic;
    counting::Count count = counting::hi_lo_count();
    IndexSet indices = IndexSet::none;
    std::vector<RampStep> ramp = {};             // empty: a flat unit
    std::optional<int> wong_out = std::nullopt;  // no bet below this true count
    std::optional<BackCount> back_count = std::nullopt;
    TcDecks tc_decks = TcDecks::exact;
    TcDivision tc_division = TcDivision::floor;
    std::uint64_t rounds = 10'000'000;
    std::uint64_t seed = 1;
    std::uint64_t block_rounds = 1u << 18;
};

inline constexpr int kMostPlayers = 7;
inline constexpr int kMostDecks = 8;

// The most seats a shoe of `decks` deals a round to: ten cards for each seat
// and the dealer leave room for the longest rounds but the rarest, which take
// the discards.
int most_players(int decks);

// What is wrong with a ramp's step, kept apart from its words so that the
// window can say it in its own language.
enum class RampFault {
    not_a_step,
    not_whole_numbers,
    units_out_of_range,
    count_out_of_range,
    not_rising
};
struct RampError {
    RampFault fault;
    std::string step;  // as it was written
};

// A ramp as "TC:UNITS,...", the true counts rising, each bet 1 to 1000
// units; the first faulty step.
std::variant<std::vector<RampStep>, RampError> parse_ramp(std::string_view text);

// tavolix-sim's line for a ramp's fault.
std::string ramp_error_text(const RampError& error);

// What is wrong with the options, in one line; nothing when they can be run.
std::optional<std::string> options_fault(const SimulationOptions& options);

// The card after whose round the shoe is reshuffled: 0 reshuffles after
// every round.
int cut_card_of(const SimulationOptions& options);

std::uint64_t blocks_of(const SimulationOptions& options);
std::uint64_t rounds_in_block(const SimulationOptions& options, std::uint64_t block);

// Everything that decides the figures, as one line: two runs with the same
// line give the same figures.
std::string fingerprint(const SimulationOptions& options);

const char* play_name(PlayStyle play);
const char* index_set_name(IndexSet indices);
const char* tc_decks_name(TcDecks decks);
const char* tc_division_name(TcDivision division);

// A ramp as parse_ramp reads it, "TC:UNITS,...".
std::string ramp_text(const std::vector<RampStep>& ramp);

}  // namespace tavolix::simulation
