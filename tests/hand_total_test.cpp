// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/hand_total.h"
#include "test_names.h"

namespace tavolix {
namespace {

struct TotalCase {
    std::vector<Integer> cards;
    Integer total;
    Integer soft;
};

void PrintTo(const TotalCase& c, std::ostream* out) {
    *out << "hand";
    for (const Integer card : c.cards) {
        *out << ' ' << card;
    }
}

class SumaKartiTable : public ::testing::TestWithParam<TotalCase> {};

HandArray hand_of(const std::vector<Integer>& cards) {
    HandArray hand{};
    hand.fill(7);  // slots past the count must not be read
    hand[0] = 9;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        hand[i + 1] = cards[i];
    }
    return hand;
}

TEST_P(SumaKartiTable, gives_total_and_soft_flag) {
    const TotalCase& c = GetParam();
    TableState state;
    state.sum_soft = 1;
    const Integer count = static_cast<Integer>(c.cards.size());
    EXPECT_EQ(SumaKarti(state, count, hand_of(c.cards)), c.total);
    EXPECT_EQ(state.sum_soft, c.soft);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, SumaKartiTable,
    ::testing::Values(TotalCase{{}, 0, 0}, TotalCase{{1, 6}, 17, 1}, TotalCase{{1, 6, 10}, 17, 0},
                      TotalCase{{10, 6, 1}, 17, 0}, TotalCase{{1, 1}, 12, 1},
                      TotalCase{{1, 10, 1}, 12, 0}, TotalCase{{1, 6, 10, 1}, 18, 0},
                      TotalCase{{5, 5, 1}, 21, 1}, TotalCase{{10, 10, 5}, 25, 0},
                      TotalCase{{1, 1, 1, 1}, 14, 1}, TotalCase{{1, 1, 1, 1, 10}, 14, 0},
                      TotalCase{{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3}, 21, 0}),
    testing::described_row<TotalCase>);

// The card-by-card rule must agree with the usual best total for every hand,
// whatever the order of its cards.
TEST(SumaKarti, agrees_with_best_total_in_any_order) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> value(1, 10);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 20000; ++round) {
        std::vector<Integer> cards(static_cast<std::size_t>(length(random)));
        for (auto& card : cards) {
            card = static_cast<Integer>(value(random));
        }
        int plain = 0;
        bool has_ace = false;
        for (const Integer card : cards) {
            plain += card;
            has_ace = has_ace || card == 1;
        }
        const bool soft = has_ace && plain + 10 <= 21;
        TableState state;
        const Integer count = static_cast<Integer>(cards.size());
        ASSERT_EQ(SumaKarti(state, count, hand_of(cards)), plain + (soft ? 10 : 0));
        ASSERT_EQ(state.sum_soft, soft ? 1 : 0);
        std::shuffle(cards.begin(), cards.end(), random);
        ASSERT_EQ(SumaKarti(state, count, hand_of(cards)), plain + (soft ? 10 : 0));
    }
}

}  // namespace
}  // namespace tavolix
