// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <random>

#include "cli/sum_words.h"

namespace tavolix::cli {
namespace {

using simulation::BlockSums;
using simulation::Int128;
using simulation::Uint128;

// Sums whose every field is drawn over its whole range, the wide ones from
// two independent words, so that a half lost or a sign not carried shows.
BlockSums random_sums(std::mt19937_64& random) {
    const auto wide = [&] { return static_cast<Uint128>(random()) << 64 | random(); };
    const auto signed_word = [&] { return static_cast<std::int64_t>(random()); };
    BlockSums sums;
    sums.rounds_dealt = random();
    sums.rounds = random();
    sums.hands = random();
    sums.units = random();
    sums.units_squared = wide();
    sums.money = signed_word();
    sums.money_squared = wide();
    sums.money_by_units = static_cast<Int128>(wide());
    for (auto& at : sums.by_count) {
        at.rounds = random();
        at.money = signed_word();
        at.squares = wide();
    }
    return sums;
}

TEST(SumWords, EverySumArrivesAsItLeft) {
    std::mt19937_64 random(20260530);
    for (int trial = 0; trial < 200; ++trial) {
        const BlockSums sums = random_sums(random);
        EXPECT_EQ(sums_of(words_of(sums)), sums) << "trial " << trial;
    }
    BlockSums extremes;
    extremes.money = std::numeric_limits<std::int64_t>::min();
    extremes.money_by_units = -static_cast<Int128>(~Uint128{0} >> 1) - 1;
    extremes.units_squared = ~Uint128{0};
    extremes.by_count.front().money = -1;
    EXPECT_EQ(sums_of(words_of(extremes)), extremes);
}

}  // namespace
}  // namespace tavolix::cli
