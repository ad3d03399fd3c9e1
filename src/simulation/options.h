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
    std::optional<int> wong_out = std::nullopt;  // no bet below this floored true count
    std::uint64_t rounds = 10'000'000;
    std::uint64_t seed = 1;
    std::uint64_t block_rounds = 1u << 18;
};

inline constexpr int kMostPlayers = 7;
inline constexpr int kMostDecks = 8;

// A ramp as "TC:UNITS,...", the true counts rising, each bet 1 to 1000
// units; an error line naming the fault.
std::variant<std::vector<RampStep>, std::string> parse_ramp(std::string_view text);

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

}  // namespace tavolix::simulation
