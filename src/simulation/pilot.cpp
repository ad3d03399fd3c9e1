// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "pilot.h"

namespace tavolix::simulation {

namespace {

// SplitMix64's finaliser: a seed far from every other for any seed in.
std::uint64_t mixed(std::uint64_t value) {
    value += 0x9e3779b97f4a7c15ull;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ull;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebull;
    return value ^ (value >> 31);
}

// The game's blocks use streams from 0 up; the pilot's start a quarter of
// the way (PCG takes the stream number's low 63 bits).
constexpr std::uint64_t kPilotStreams = 1ull << 62;

}  // namespace

Game pilot_game(const Game& game, std::uint64_t rounds) {
    Game pilot = game;
    set_ramp(pilot, {});
    pilot.options.rounds = rounds;
    pilot.options.seed = mixed(game.options.seed);
    pilot.first_stream = kPilotStreams;
    pilot.counts_bet_rounds_only = true;
    return pilot;
}

std::vector<CountMoments> count_moments(const BlockSums& pilot) {
    std::vector<CountMoments> moments;
    if (pilot.rounds == 0) {
        return moments;
    }
    const auto bet = static_cast<double>(pilot.rounds);
    const double scale = kMoneyScale;
    for (int slot = 0; slot < kCountSlots; ++slot) {
        const CountSums& at = pilot.by_count[static_cast<std::size_t>(slot)];
        if (at.rounds == 0) {
            continue;
        }
        const auto n = static_cast<double>(at.rounds);
        moments.push_back({.true_count = slot + kLowestCount,
                           .share = n / bet,
                           .advantage = static_cast<double>(at.money) / scale / n,
                           .second_moment = static_cast<double>(at.squares) / (scale * scale) / n});
    }
    return moments;
}

}  // namespace tavolix::simulation
