// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <vector>

#include "dealer/banco.h"
#include "player/player.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix {
namespace {

using testing::make_table;

// Each opening of a position covers every card left in the deck exactly once.
void expect_rows_cover_the_deck(const TableState& state, const std::string& table) {
    for (int r = 1; r <= state.draw_depth; ++r) {
        const auto& row = state.draw_stats[r];
        ASSERT_GT(row[kOpenings], 0) << table << " position " << r;
        ASSERT_EQ(row[0] + row[1] + row[2] + row[3] + row[4], row[kCardsLeft] * row[kOpenings])
            << table << " position " << r;
    }
    for (int r = state.draw_depth + 1; r < kSlots; ++r) {
        ASSERT_EQ(state.draw_stats[r][kOpenings], 0) << table << " position " << r;
    }
}

// Every table of one dealer card and two player cards, at every threshold.
TEST(EngineSweep, every_small_table_covers_the_deck_at_every_position) {
    int tables = 0;
    for (int dealer = 1; dealer <= 10; ++dealer) {
        for (int first = 1; first <= 10; ++first) {
            for (int second = first; second <= 10; ++second) {
                const std::string name = "dealer " + std::to_string(dealer) + ", player " +
                                         std::to_string(first) + " " + std::to_string(second);
                TableState dealer_table = make_table({dealer}, {first, second});
                Banco(dealer_table);
                expect_rows_cover_the_deck(dealer_table, name);
                const auto& r = dealer_table.draw_stats[0];
                ASSERT_NEAR(r[1] + r[2] + r[3] + r[4], 1.0, 1e-6) << name;
                ASSERT_LE(dealer_table.draw_depth, 9) << name;
                for (int stand_at = 12; stand_at <= 21; ++stand_at) {
                    TableState state = make_table({dealer}, {first, second}, stand_at);
                    Player(state);
                    expect_rows_cover_the_deck(state, name + " at " + std::to_string(stand_at));
                    ASSERT_NEAR(state.draw_stats[0][kStandColumn] + state.draw_stats[0][kBust], 1.0,
                                1e-6)
                        << name;
                    ASSERT_LE(state.draw_depth, 9) << name;
                    ++tables;
                }
            }
        }
    }
    EXPECT_EQ(tables, 5500);
}

// Card entry checks each hand alone, so the two hands may together hold more
// cards of a value than the deck. The surplus is no card in the deck: the
// tallies still cover exactly the cards left, and the chances add up to 1.
struct OverfullTable {
    std::vector<int> banco;
    std::vector<int> player;
    int stand_at;
};

void PrintTo(const OverfullTable& t, std::ostream* out) {
    *out << "dealer";
    for (const int face : t.banco) {
        *out << ' ' << face;
    }
    *out << ", player";
    for (const int face : t.player) {
        *out << ' ' << face;
    }
    *out << " at " << t.stand_at;
}

class OverfullTables : public ::testing::TestWithParam<OverfullTable> {};

TEST_P(OverfullTables, cover_the_cards_really_left_and_never_pass_100_percent) {
    const OverfullTable& t = GetParam();
    TableState dealer_table = testing::make_table(t.banco, t.player, t.stand_at);
    Banco(dealer_table);
    expect_rows_cover_the_deck(dealer_table, "dealer");
    const auto& d = dealer_table.draw_stats[0];
    EXPECT_NEAR(d[1] + d[2] + d[3] + d[4], 1.0, 1e-6);

    TableState player_table = testing::make_table(t.banco, t.player, t.stand_at);
    Player(player_table);
    expect_rows_cover_the_deck(player_table, "player");
    const auto& p = player_table.draw_stats[0];
    EXPECT_NEAR(p[kStandColumn] + p[kBust], 1.0, 1e-6);
    EXPECT_LE(p[kBust], 1.0 + 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    BothHandsTogether, OverfullTables,
    ::testing::Values(OverfullTable{{1, 1, 1, 1}, {1, 5}, 17},           // five aces
                      OverfullTable{{1, 1, 1, 1}, {1, 1, 1, 1}, 21},     // eight aces
                      OverfullTable{{7, 7, 7}, {7, 7, 7}, 21},           // six sevens
                      OverfullTable{{2, 2, 2, 2}, {2, 2, 2, 1, 1}, 21},  // seven twos
                      OverfullTable{{3, 3, 3}, {3, 3, 2, 2}, 17}),
    testing::described_row<OverfullTable>);

}  // namespace
}  // namespace tavolix
