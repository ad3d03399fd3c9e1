// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/hand_total.h"
#include "core/prefix_level.h"
#include "dealer/banco.h"
#include "player/player.h"
#include "report_dir.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix {
namespace {

using testing::describe_table;
using testing::kSanitized;
using testing::make_table;
using testing::ScratchDir;

// Every cell of every row, the results in row 0 included, compared exactly,
// and the other work fields as the walk leaves them.
void expect_same_figures(const TableState& walked, const TableState& tallied,
                         const std::string& table) {
    ASSERT_EQ(tallied.draw_depth, walked.draw_depth) << table;
    ASSERT_EQ(tallied.draw_pos, walked.draw_pos) << table;
    ASSERT_EQ(tallied.draw_seq, walked.draw_seq) << table;
    for (int r = 0; r < kSlots; ++r) {
        for (int c = 0; c < kStatColumns; ++c) {
            ASSERT_EQ(tallied.draw_stats[r][c], walked.draw_stats[r][c])
                << table << " row " << r << " column " << c;
        }
    }
}

// The engines as the window runs them (reports off) against the literal walk.
void expect_engines_match_the_walk(const std::vector<int>& banco, const std::vector<int>& player,
                                   int stand_at) {
    const std::string table = describe_table(banco, player, stand_at);
    TableState walked = make_table(banco, player, stand_at);
    TableState tallied = walked;
    dealer_figures(walked, DrawPath::walk);
    Banco(tallied);
    expect_same_figures(walked, tallied, "Banco, " + table);

    walked = make_table(banco, player, stand_at);
    tallied = walked;
    player_figures(walked, DrawPath::walk);
    Player(tallied);
    expect_same_figures(walked, tallied, "Player, " + table);
}

// Every table of one dealer card and two player cards at every threshold,
// one dealer card per test so that the runs share the cores.
class DrawTallySmallTables : public ::testing::TestWithParam<int> {};

TEST_P(DrawTallySmallTables, engines_give_the_walks_figures_at_every_threshold) {
    const int dealer = GetParam();
    int tables = 0;
    for (int first = 1; first <= 10; ++first) {
        for (int second = first; second <= 10; ++second) {
            const std::vector<int> banco{dealer};
            const std::vector<int> player{first, second};
            // The dealer ignores the threshold: once per hand pair is enough.
            TableState walked = make_table(banco, player);
            TableState tallied = walked;
            dealer_figures(walked, DrawPath::walk);
            Banco(tallied);
            expect_same_figures(walked, tallied, "Banco, " + describe_table(banco, player, 17));
            for (int stand_at = 12; stand_at <= 21; ++stand_at) {
                walked = make_table(banco, player, stand_at);
                tallied = walked;
                player_figures(walked, DrawPath::walk);
                Player(tallied);
                expect_same_figures(walked, tallied,
                                    "Player, " + describe_table(banco, player, stand_at));
                if (HasFatalFailure()) {
                    return;
                }
                ++tables;
            }
        }
    }
    EXPECT_EQ(tables, 550);
}

INSTANTIATE_TEST_SUITE_P(DealerCards, DrawTallySmallTables, ::testing::Range(1, 11),
                         [](const auto& row) { return "dealer_" + std::to_string(row.param); });

// A hand as card entry builds it: faces clicked at random, refused when the
// fifth of a face or over 21. Drawing only from low faces piles the same
// values into both hands, more than the deck holds between them.
std::vector<int> random_hand(std::mt19937& rng, int min_cards, bool low_faces) {
    const int wanted = min_cards + static_cast<int>(rng() % 6);
    std::vector<int> faces;
    std::vector<int> per_face(14, 0);
    Integer total = 0;
    Integer soft = 0;
    for (int attempt = 0; attempt < 40 && static_cast<int>(faces.size()) < wanted; ++attempt) {
        const int face =
            low_faces ? 1 + static_cast<int>(rng() % 3) : 1 + static_cast<int>(rng() % 13);
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, card_value(static_cast<Integer>(face)));
        if (per_face[face] == 4 || next_total > 21) {
            continue;
        }
        ++per_face[face];
        faces.push_back(face);
        total = next_total;
        soft = next_soft;
    }
    return faces;
}

bool oversubscribed(const std::vector<int>& banco, const std::vector<int>& player) {
    std::vector<int> per_value(11, 0);
    for (const int face : banco) {
        ++per_value[card_value(static_cast<Integer>(face))];
    }
    for (const int face : player) {
        ++per_value[card_value(static_cast<Integer>(face))];
    }
    for (int value = 1; value <= 10; ++value) {
        if (per_value[value] > (value == 10 ? 16 : 4)) {
            return true;
        }
    }
    return false;
}

TEST(DrawTally, gives_the_walks_figures_on_random_tables_of_more_cards) {
    const int tables = kSanitized ? 1000 : 3000;
    std::mt19937 rng(20240611);
    int overfull = 0;
    for (int i = 0; i < tables; ++i) {
        const bool low_faces = i % 4 == 0;
        std::vector<int> banco = random_hand(rng, 1, low_faces);
        std::vector<int> player = random_hand(rng, 2, low_faces);
        if (player.size() < 2) {
            continue;  // card entry could not have made this hand either
        }
        const int stand_at = 12 + static_cast<int>(rng() % 10);
        overfull += oversubscribed(banco, player) ? 1 : 0;
        expect_engines_match_the_walk(banco, player, stand_at);
        if (HasFatalFailure()) {
            return;
        }
    }
    RecordProperty("overfull_tables", overfull);
    EXPECT_GE(overfull, tables / 20) << "too few tables hold more of a value than the deck";
}

struct OverfullTable {
    std::vector<int> banco;
    std::vector<int> player;
    int stand_at;
};

void PrintTo(const OverfullTable& t, std::ostream* out) {
    *out << describe_table(t.banco, t.player, t.stand_at);
}

class DrawTallyOverfull : public ::testing::TestWithParam<OverfullTable> {};

TEST_P(DrawTallyOverfull, matches_the_walk_when_both_hands_hold_more_than_the_deck) {
    const OverfullTable& t = GetParam();
    expect_engines_match_the_walk(t.banco, t.player, t.stand_at);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DrawTallyOverfull,
    ::testing::Values(OverfullTable{{1, 1, 1, 1}, {1, 1}, 21},           // six aces
                      OverfullTable{{1, 1, 1, 1}, {1, 1, 1, 1, 2}, 21},  // eight aces
                      OverfullTable{{2, 2, 2, 2}, {2, 2, 2, 1, 1}, 21},  // seven twos
                      OverfullTable{{3, 3, 3}, {3, 3, 2, 2}, 17},
                      OverfullTable{{1, 2, 2, 2, 2}, {2, 2, 2, 2, 1, 1}, 20}),
    testing::described_row<OverfullTable>);

// Reports on, the engines walk every sequence for the combination lines; the
// figures must not depend on which way they were counted.
TEST(DrawTally, engines_give_the_same_figures_with_reports_on_and_off) {
    ScratchDir dir;
    for (const int stand_at : {12, 17, 21}) {
        TableState off = make_table({1}, {1, 1}, stand_at);
        TableState on = off;
        on.write_reports = 1;
        Banco(off);
        EXPECT_TRUE(Banco(on, {dir.path(), "."}).report_errors.empty());
        expect_same_figures(on, off, "Banco at " + std::to_string(stand_at));
        Player(off);
        EXPECT_TRUE(Player(on, {dir.path(), "."}).report_errors.empty());
        expect_same_figures(on, off, "Player at " + std::to_string(stand_at));
    }
}

TEST(PrefixLevel, merges_equal_cards_and_keeps_every_set_as_it_grows) {
    PrefixLevel level;
    constexpr int kSets = 3000;  // well past the first index size
    for (int pass = 1; pass <= 2; ++pass) {
        for (int i = 0; i < kSets; ++i) {
            level.add(static_cast<DrawnCards>(i), i + 1, static_cast<Integer>(i % 31), 0);
        }
    }
    ASSERT_EQ(level.prefixes().size(), static_cast<std::size_t>(kSets));
    for (int i = 0; i < kSets; ++i) {
        EXPECT_EQ(level.prefixes()[i].cards, static_cast<DrawnCards>(i));
        EXPECT_EQ(level.prefixes()[i].orderings, 2 * (i + 1)) << i;
    }
    level.clear();
    EXPECT_TRUE(level.empty());
}

TEST(DrawnCards, counts_each_value_apart) {
    DrawnCards cards = 0;
    for (int n = 0; n < 11; ++n) {
        cards = with_card(cards, 10);
    }
    cards = with_card(with_card(cards, 1), 9);
    EXPECT_EQ(drawn_of(cards, 10), 11);
    EXPECT_EQ(drawn_of(cards, 9), 1);
    EXPECT_EQ(drawn_of(cards, 1), 1);
    EXPECT_EQ(drawn_of(cards, 2), 0);
}

}  // namespace
}  // namespace tavolix
