// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

#include "options.h"
#include "prepared_strategies.h"
#include "true_count.h"

namespace tavolix::simulation {

// The floored true counts the chart, the ramp and the sums are kept for;
// past either end a count takes the end's.
inline constexpr int kLowestCount = -10;
inline constexpr int kHighestCount = 10;
inline constexpr int kCountSlots = kHighestCount - kLowestCount + 1;

// A play and what stands in for it where the rules forbid it: the low bits
// the play, kHitsInstead set when its fallback is a hit rather than a stand.
enum Move : std::uint8_t { kStand = 0, kHit = 1, kDouble = 2, kSplit = 3, kSurrender = 4 };
inline constexpr std::uint8_t kMoveBits = 7;
inline constexpr std::uint8_t kHitsInstead = 8;

enum ChartKind { kHard = 0, kSoft = 1, kPair = 2 };
inline constexpr int kRows = 22;  // a hard or soft total, or a pair's value
inline constexpr int kUps = 11;   // by value 1..10

// One hand of the composition table: the hand one card more, -1 past 21.
struct CompositionNode {
    std::array<std::int32_t, 11> next{};
    std::uint8_t code = kStand;
};

// Money is kept in tenths of a unit: the smallest share the payouts need
// (6:5 pays 1.2, surrender and 3:2 halves).
inline constexpr int kMoneyScale = 10;

// Everything the loop looks up, worked out before it starts.
struct Game {
    SimulationOptions options;
    int cards = 0;
    int cut_card = 0;
    bool peek = true;
    bool hits_soft_17 = false;
    int natural_money = 15;  // in tenths of the bet
    std::array<int, 11> half_tags{};
    int initial_half_count = 0;
    std::vector<std::uint8_t> chart = {};                 // by count slot, kind, row, up
    std::array<std::array<bool, 2>, kRows> may_double{};  // by total, soft
    int insurance_at = INT_MAX;  // floored true count at or above which to insure
    std::array<int, kCountSlots> units{};
    int wong_out = INT_MIN;
    // By the cards not yet dealt, the cards the player divides the running
    // count by.
    std::array<std::int16_t, kMostDecks * 52 + 1> tc_cards{};
    // The pilot of an optimal ramp measures each true count where the
    // player bets: its rounds sit-out are left out of the sums by count.
    bool counts_bet_rounds_only = false;
    // Block b is dealt from random stream first_stream + b of the seed.
    std::uint64_t first_stream = 0;
    std::array<std::vector<CompositionNode>, kUps> composition{};

    std::uint8_t code(int slot, int kind, int row, int up) const {
        return chart[static_cast<std::size_t>(((slot * 3 + kind) * kRows + row) * kUps + up)];
    }
    // The true count as the player reckons it, which his bets, his index
    // plays and his insurance all read.
    int true_count(int half_running, int unseen) const {
        return divided_true_count(half_running, tc_cards[static_cast<std::size_t>(unseen)],
                                  options.tc_division);
    }
};

// The game with another ramp: what the prepared game bets, and nothing else,
// changes.
void set_ramp(Game& game, const std::vector<RampStep>& ramp);

// The game for these options: the strategy of the full shoe (and the index
// charts the options ask for) worked out first, or taken from `known` and
// kept there. An error line when the options are at fault or the work was
// stopped.
std::variant<Game, std::string> prepare_game(const SimulationOptions& options,
                                             std::stop_token stop = {},
                                             PreparedStrategies* known = nullptr);

}  // namespace tavolix::simulation
