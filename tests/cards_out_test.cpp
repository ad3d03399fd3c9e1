// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/card_entry.h"
#include "core/remaining_cards.h"
#include "core/shoe_count.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix {
namespace {

using testing::make_table;

struct EntryCase {
    int decks;
    std::vector<int> banco;
    std::vector<int> player;
    std::vector<int> out;
    bool to_out;  // the card goes out of play, else to the player's hand
    int face;
    CardEntry expected;
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.decks << " decks " << testing::describe_table(c.banco, c.player, 17) << " out "
        << c.out.size() << (c.to_out ? " take out " : " player takes ") << c.face;
}

class CardsOutEntry : public ::testing::TestWithParam<EntryCase> {};

// A face or a value is there to enter while the shoe still has one: both
// hands and the cards out together bound it, the hand alone its fifth face.
TEST_P(CardsOutEntry, refuses_only_what_the_shoe_no_longer_has) {
    const EntryCase& c = GetParam();
    TableState state = make_table(c.banco, c.player, 17, c.decks);
    for (const int face : c.out) {
        ASSERT_EQ(take_out_card(state, static_cast<Integer>(face)), CardEntry::Accepted);
    }
    Integer total = 0;
    const CardEntry entry =
        c.to_out ? take_out_card(state, static_cast<Integer>(c.face))
                 : enter_card(state, Side::Player, static_cast<Integer>(c.face), total);
    EXPECT_EQ(entry, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shoes, CardsOutEntry,
    ::testing::Values(
        EntryCase{1, {1}, {2, 3}, {1, 1}, true, 1, CardEntry::Accepted},
        EntryCase{1, {1}, {2, 3}, {1, 1, 1}, true, 1, CardEntry::RefusedNoneLeft},
        EntryCase{1, {1}, {2, 3}, {1, 1, 1}, false, 1, CardEntry::RefusedNoneLeft},
        EntryCase{1, {13, 13}, {13}, {}, true, 13, CardEntry::Accepted},
        EntryCase{1, {13, 13}, {13}, {13}, false, 13, CardEntry::RefusedNoneLeft},
        EntryCase{1, {13, 13, 13, 13}, {2, 3}, {}, false, 13, CardEntry::RefusedNoneLeft},
        EntryCase{1,
                  {10},
                  {2, 3},
                  {10, 11, 12, 13, 11, 12, 13, 11, 12, 13, 11, 12, 13, 10},
                  false,
                  10,
                  CardEntry::Accepted},
        EntryCase{1,
                  {10},
                  {2, 3},
                  {10, 11, 12, 13, 11, 12, 13, 11, 12, 13, 11, 12, 13, 10, 10},
                  true,
                  11,
                  CardEntry::RefusedNoneLeft},
        EntryCase{2, {5}, {5, 5}, {5, 5, 5, 5}, false, 5, CardEntry::Accepted},
        EntryCase{2, {5}, {5, 5}, {5, 5, 5, 5, 5}, true, 5, CardEntry::RefusedNoneLeft},
        EntryCase{1, {}, {}, {}, true, 9, CardEntry::Accepted},
        EntryCase{1, {10}, {10, 9}, {2}, false, 3, CardEntry::RefusedBust}),
    testing::described_row<EntryCase>);

// Whatever has left the shoe, in hands or out of play, the count is the sum
// of its tags and the shoe what a plain tally of those cards leaves.
TEST(ShoeCount, counts_every_card_that_left_the_shoe) {
    std::mt19937 random(20261209);
    for (int trial = 0; trial < 200; ++trial) {
        const int decks = 1 + trial % 8;
        TableState state = make_table({}, {}, 17, decks);
        std::vector<int> left(11);
        for (int value = 1; value <= 10; ++value) {
            left[value] = cards_in_deck(static_cast<Integer>(value)) * decks;
        }
        int running = 0;
        const int out = std::uniform_int_distribution<int>(0, 52 * decks)(random);
        std::uniform_int_distribution<int> face(1, 13);
        for (int taken = 0; taken < out; ++taken) {
            const auto card = static_cast<Integer>(face(random));
            const int value = card_value(card);
            const bool was_there = left[value] > 0 && state.cards_out[card] < 4 * decks;
            ASSERT_EQ(take_out_card(state, card) == CardEntry::Accepted, was_there);
            if (was_there) {
                --left[value];
                running += value >= 2 && value <= 6 ? 1 : (value == 10 || value == 1 ? -1 : 0);
            }
        }
        // A round dealt from what is left ends and joins the cards out.
        Integer total = 0;
        for (const int card : {2, 10}) {
            if (enter_card(state, Side::Player, static_cast<Integer>(card), total) ==
                CardEntry::Accepted) {
                --left[card];
                running += card == 2 ? 1 : -1;
            }
        }
        end_round(state);
        EXPECT_EQ(state.player_count, 0);

        const ShoeCount count = shoe_count(state);
        int cards_left = 0;
        for (int value = 1; value <= 10; ++value) {
            EXPECT_EQ(count.by_value[value], left[value]) << trial << " value " << value;
            cards_left += left[value];
        }
        EXPECT_EQ(count.left, cards_left);
        EXPECT_EQ(count.cards, 52 * decks);
        EXPECT_EQ(count.running, running) << trial;
        if (cards_left > 0) {
            EXPECT_NEAR(count.true_count, running * 52.0 / cards_left, 1e-12);
        }
        EXPECT_TRUE(hands_fit_shoe(state, static_cast<Integer>(decks)));
        new_shoe(state);
        EXPECT_EQ(shoe_count(state).left, 52 * decks);
        EXPECT_EQ(shoe_count(state).running, 0);
    }
}

// A deck count is refused that the cards out and on the table do not fit.
TEST(ShoeCount, fits_a_shoe_only_with_room_for_the_cards_out) {
    TableState state = make_table({1}, {1}, 17, 2);
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(take_out_card(state, kAce), CardEntry::Accepted);
    }
    EXPECT_TRUE(hands_fit_shoe(state, 2));
    EXPECT_FALSE(hands_fit_shoe(state, 1));
    EXPECT_TRUE(put_back_card(state, kAce));
    EXPECT_FALSE(put_back_card(state, 2));
    EXPECT_EQ(cards_out_of_value(state, kAce), 4);
}

}  // namespace
}  // namespace tavolix
