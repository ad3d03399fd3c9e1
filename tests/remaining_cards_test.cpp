// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include "core/remaining_cards.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

using testing::make_table;

TEST(Ostalo_karata, counts_a_full_deck_when_nothing_is_on_the_table) {
    const TableState state = make_table({}, {});
    EXPECT_EQ(Ostalo_karata(state, 1, 1), 4);
    EXPECT_EQ(Ostalo_karata(state, 10, 1), 16);
    EXPECT_EQ(Ostalo_karata(state, 7, 1), 4);
}

TEST(Ostalo_karata, takes_out_both_hands_by_card_value) {
    const TableState state = make_table({13}, {10, 6});
    EXPECT_EQ(Ostalo_karata(state, 10, 1), 14);  // the king counts as a ten
    EXPECT_EQ(Ostalo_karata(state, 6, 1), 3);
}

TEST(Ostalo_karata, takes_out_only_the_draws_before_the_position) {
    TableState state = make_table({13}, {10, 6});
    state.draw_seq[1] = 10;
    state.draw_seq[2] = 1;
    state.draw_seq[3] = 1;  // the candidate itself is not counted
    EXPECT_EQ(Ostalo_karata(state, 10, 3), 13);
    EXPECT_EQ(Ostalo_karata(state, 1, 3), 3);
    EXPECT_EQ(Ostalo_karata(state, 1, 2), 4);
}

TEST(Ostalo_karata, is_not_clamped_when_the_hands_hold_too_many) {
    const TableState state = make_table({1, 1, 1, 1}, {1, 5});
    EXPECT_EQ(Ostalo_karata(state, 1, 1), -1);
}

TEST(Ostalo_karata, scales_with_the_deck_count) {
    TableState state = make_table({10}, {10, 2});
    state.deck_count = 2;
    EXPECT_EQ(Ostalo_karata(state, 10, 1), 30);
    EXPECT_EQ(Ostalo_karata(state, 2, 1), 7);
}

}  // namespace
}  // namespace tavolix
