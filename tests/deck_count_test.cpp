// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "analysis/table_analysis.h"
#include "core/card_entry.h"
#include "dealer/banco.h"
#include "model/exact_chances.h"
#include "player/player.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

using testing::describe_table;
using testing::kSanitized;
using testing::make_table;

struct Table {
    std::vector<int> banco;
    std::vector<int> player;
    int stand_at = 17;
    int decks = 1;

    std::string describe() const {
        return std::to_string(decks) + " decks, " + describe_table(banco, player, stand_at);
    }
    TableState state() const { return make_table(banco, player, stand_at, decks); }
};

// A table as card entry builds it at `decks` decks: faces clicked at random
// and kept when card entry accepts them. Low faces make long hands.
Table random_table(std::mt19937& rng, int decks) {
    TableState entry;
    reset_to_start(entry);
    entry.deck_count = static_cast<Integer>(decks);
    Table table;
    table.decks = decks;
    table.stand_at = 12 + static_cast<int>(rng() % 10);
    const bool low_faces = rng() % 3 == 0;
    for (const Side side : {Side::Banco, Side::Player}) {
        const int wanted = (side == Side::Banco ? 1 : 2) + static_cast<int>(rng() % 8);
        auto& faces = side == Side::Banco ? table.banco : table.player;
        for (int attempt = 0; attempt < 60 && static_cast<int>(faces.size()) < wanted; ++attempt) {
            const auto face = static_cast<Integer>(1 + rng() % (low_faces ? 3 : 13));
            Integer total = 0;
            if (enter_card(entry, side, face, total) == CardEntry::Accepted) {
                faces.push_back(face);
            }
        }
    }
    return table;
}

void expect_same_tallies(const TableState& walked, const TableState& tallied,
                         const std::string& where) {
    ASSERT_EQ(tallied.draw_depth, walked.draw_depth) << where;
    for (int r = 0; r < kSlots; ++r) {
        ASSERT_EQ(tallied.draw_stats[r], walked.draw_stats[r]) << where << " row " << r;
    }
}

// Each opening covers every card of the shoe once, the first draw sees the
// whole shoe less the table, and no position past the depth was opened.
void expect_rows_cover_the_shoe(const TableState& state, const Table& table,
                                const std::string& where) {
    const double on_table = static_cast<double>(table.banco.size() + table.player.size());
    ASSERT_EQ(state.draw_stats[1][kCardsLeft], 52.0 * table.decks - on_table) << where;
    ASSERT_LE(state.draw_depth, kSlots - 2) << where;
    for (int r = 1; r < kSlots; ++r) {
        const auto& row = state.draw_stats[r];
        if (r > state.draw_depth) {
            ASSERT_EQ(row[kOpenings], 0) << where << " position " << r;
            continue;
        }
        ASSERT_GT(row[kOpenings], 0) << where << " position " << r;
        ASSERT_EQ(row[0] + row[1] + row[2] + row[3] + row[4], row[kCardsLeft] * row[kOpenings])
            << where << " position " << r;
    }
}

double sum_of(const OutcomeChances& chances) {
    double sum = 0;
    for (const double chance : chances) {
        sum += chance;
    }
    return sum;
}

// Both engines at one deck count on random tables: the tally gives the
// walk's figures where the walk is cheap enough to run, the rows cover the
// shoe, and the averaged and the exact chances each add up to 1.
class SeveralDecks : public ::testing::TestWithParam<int> {};

TEST_P(SeveralDecks, engines_count_the_whole_shoe_on_random_tables) {
    const int decks = GetParam();
    std::mt19937 rng(20261208 + decks);
    const int tables = kSanitized ? 40 : 150;
    for (int i = 0; i < tables; ++i) {
        const Table table = random_table(rng, decks);
        if (table.banco.empty() || table.player.size() < 2) {
            continue;
        }
        for (const bool dealer : {true, false}) {
            const std::string where = (dealer ? "Banco, " : "Player, ") + table.describe();
            TableState tallied = table.state();
            const std::int64_t sequences = dealer ? dealer_figures(tallied, DrawPath::tally)
                                                  : player_figures(tallied, DrawPath::tally);
            expect_rows_cover_the_shoe(tallied, table, where);
            const auto& row = tallied.draw_stats[0];
            ASSERT_NEAR(row[1] + row[2] + row[3] + row[4], 1.0, 1e-6) << where;
            const ExactChances both = exact_chances(analysis::analyse(analysis::table_of(tallied)));
            const OutcomeChances& exact = dealer ? both.banco : both.player;
            ASSERT_NEAR(sum_of(exact), 1.0, 1e-12) << where;
            if (sequences <= 20000) {
                TableState walked = table.state();
                dealer ? dealer_figures(walked, DrawPath::walk)
                       : player_figures(walked, DrawPath::walk);
                expect_same_tallies(walked, tallied, where);
            }
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DeckCounts, SeveralDecks, ::testing::Range(1, kMaxDecks + 1));

// The longest hands and draw sequences at eight decks: a hand of 21 aces and
// the candidate card above it, and the tables that draw deepest. The sanitizer
// build checks every subscript.
TEST(SeveralDecks, longest_hands_and_draws_stay_inside_the_arrays) {
    TableState entry;
    reset_to_start(entry);
    entry.deck_count = kMaxDecks;
    Integer total = 0;
    for (int i = 0; i < kMaxHandCards; ++i) {
        ASSERT_EQ(enter_card(entry, Side::Player, kAce, total), CardEntry::Accepted) << i;
    }
    EXPECT_EQ(total, 21);
    EXPECT_EQ(enter_card(entry, Side::Player, kAce, total), CardEntry::RefusedBust);

    const std::vector<Table> deepest{
        {{1}, {1, 1}, 21, kMaxDecks},
        {{2}, {2, 2}, 21, kMaxDecks},
        {{1}, std::vector<int>(20, 1), 21, kMaxDecks},
        {{1}, {10, 10}, 21, kMaxDecks},
        {{1}, {10, 1}, 21, kMaxDecks},  // soft 21 goes on after an ace: hard 12
    };
    for (const Table& table : deepest) {
        for (const bool dealer : {true, false}) {
            TableState state = table.state();
            dealer ? dealer_figures(state, DrawPath::tally)
                   : player_figures(state, DrawPath::tally);
            expect_rows_cover_the_shoe(state, table, table.describe());
            RecordProperty((dealer ? "dealer depth, " : "player depth, ") + table.describe(),
                           state.draw_depth);
        }
    }
}

}  // namespace
}  // namespace tavolix
