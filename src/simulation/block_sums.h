// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstdint>

#include "game.h"

namespace tavolix::simulation {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 Uint128;

// The rounds dealt at one floored true count, each played for one unit
// whether bet or not: money in tenths of the unit.
struct CountSums {
    std::uint64_t rounds = 0;
    std::int64_t money = 0;
    Uint128 squares = 0;

    bool operator==(const CountSums&) const = default;
};

// Exact sums over rounds, so that adding them in any order gives the same
// figures: money in tenths of a unit, bets in units.
struct BlockSums {
    std::uint64_t rounds_dealt = 0;
    std::uint64_t rounds = 0;  // bet
    std::uint64_t hands = 0;   // of the rounds bet
    std::uint64_t units = 0;   // bet initially
    Uint128 units_squared = 0;
    std::int64_t money = 0;
    Uint128 money_squared = 0;
    Int128 money_by_units = 0;
    std::array<CountSums, kCountSlots> by_count{};

    BlockSums& operator+=(const BlockSums& other);
    bool operator==(const BlockSums&) const = default;
};

// One block of rounds from a freshly shuffled shoe, its cards drawn from the
// stream (seed, game.first_stream + block): the same block always deals the
// same rounds.
BlockSums run_block(const Game& game, std::uint64_t seed, std::uint64_t block);

}  // namespace tavolix::simulation
