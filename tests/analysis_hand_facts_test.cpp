// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Figures of the casino rules that a player can work out by hand from the
// cards left, put to both analyses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis/plain_analysis.h"
#include "analysis_figures.h"

namespace tavolix::analysis {
namespace {

using testing::describe;
using testing::rules_of;
using testing::table_at;

struct Analyser {
    const char* name;
    HandAnalysis (*analyse)(const Table& table);
};

HandAnalysis analyse_by_walking(const Table& table) {
    return analyse_plainly(table, {.memory = PlainMemory::by_position}).value();
}

class HandFacts : public ::testing::TestWithParam<Analyser> {
  protected:
    HandAnalysis analysed(const Table& table) const { return GetParam().analyse(table); }
};

struct NaturalCase {
    const char* rules;
    double payout;
};

// The dealer has looked, or holds no ace or ten: nothing can tie a natural.
TEST_P(HandFacts, a_natural_is_paid_in_full_when_no_dealer_natural_can_tie_it) {
    for (const NaturalCase& given :
         {NaturalCase{"S17", 1.5}, NaturalCase{"H17 BJ6:5", 1.2},
          NaturalCase{"S17 BJ1:1 DAS LS", 1.0}, NaturalCase{"H17 ENHC BJ6:5", 1.2}}) {
        for (const int up : {1, 10, 6}) {
            for (const int decks : {1, 6}) {
                const Table table = table_at(decks, {up}, {1, 13}, 17, rules_of(given.rules));
                if (table.rules.hole_card == HoleCard::enhc && up != 6) {
                    continue;
                }
                const HandAnalysis analysis = analysed(table);
                const std::string name = describe(table);
                EXPECT_TRUE(analysis.natural) << name;
                EXPECT_NEAR(analysis.stand_ev, given.payout, 1e-12) << name;
                EXPECT_NEAR(analysis.row(kLowestThreshold).ev(), given.payout, 1e-12) << name;
                EXPECT_FALSE(analysis.hit_ev || analysis.double_ev || analysis.split_ev ||
                             analysis.surrender_ev)
                    << name;
                EXPECT_EQ(analysis.advice, Play::stand) << name;
                ASSERT_TRUE(analysis.advice_outcome) << name;
                EXPECT_NEAR(analysis.advice_outcome->win, 1.0, 1e-12) << name;
            }
        }
    }
}

// Under ENHC the dealer's hole card comes after; a natural in it ties.
TEST_P(HandFacts, a_natural_ties_the_natural_an_enhc_dealer_may_still_draw) {
    struct Case {
        int decks;
        int up;
        const char* rules;
        double expected;
    };
    for (const Case& given : {
             // One deck less A, A and K: 15 tens of 49 cards; 6 decks: 95 of 309.
             Case{1, 1, "S17 ENHC", 1.5 * (1.0 - 15.0 / 49.0)},
             Case{6, 1, "S17 ENHC", 1.5 * (1.0 - 95.0 / 309.0)},
             // Less K, A and K: 3 aces of 49.
             Case{1, 10, "H17 ENHC", 1.5 * (1.0 - 3.0 / 49.0)},
             Case{1, 10, "S17 ENHC BJ6:5", 1.2 * (1.0 - 3.0 / 49.0)},
         }) {
        const Table table =
            table_at(given.decks, {given.up == 10 ? 13 : 1}, {1, 13}, 17, rules_of(given.rules));
        const HandAnalysis analysis = analysed(table);
        EXPECT_TRUE(analysis.natural) << describe(table);
        EXPECT_NEAR(analysis.stand_ev, given.expected, 1e-12) << describe(table);
        EXPECT_FALSE(analysis.no_dealer_blackjack) << describe(table);
    }
}

TEST_P(HandFacts, insurance_is_worth_three_times_the_tens_left_less_one) {
    struct Case {
        int decks;
        std::vector<int> player;
        const char* rules;
        double expected;
    };
    for (const Case& given : {
             Case{1, {8, 8}, "S17", 3.0 * 16 / 49 - 1},
             Case{1, {1, 13}, "S17", 3.0 * 15 / 49 - 1},
             Case{1, {1, 13}, "H17 ENHC", 3.0 * 15 / 49 - 1},
             Case{2, {10, 12}, "S17 LS", 3.0 * 30 / 101 - 1},
             Case{6, {5, 4, 3}, "H17", 3.0 * 96 / 308 - 1},
         }) {
        const Table table = table_at(given.decks, {1}, given.player, 17, rules_of(given.rules));
        const HandAnalysis analysis = analysed(table);
        ASSERT_TRUE(analysis.insurance_ev) << describe(table);
        EXPECT_NEAR(*analysis.insurance_ev, given.expected, 1e-12) << describe(table);
    }
    // Only against a casino dealer's ace alone up.
    for (const Table& table : {table_at(1, {10}, {8, 8}, 17, rules_of("S17")),
                               table_at(1, {1}, {8, 8}, 17, rules_of("TABLE")),
                               table_at(1, {1, 5}, {8, 8}, 17, rules_of("S17"))}) {
        EXPECT_FALSE(analysed(table).insurance_ev) << describe(table);
    }
}

TEST_P(HandFacts, surrender_gives_up_half_the_stake) {
    for (const char* rules : {"S17 LS", "H17 DAS LS", "TABLE LS"}) {
        for (const int up : {10, 1, 6}) {
            const Table table = table_at(1, {up}, {10, 6}, 17, rules_of(rules));
            const HandAnalysis analysis = analysed(table);
            ASSERT_TRUE(analysis.surrender_ev) << describe(table);
            EXPECT_NEAR(*analysis.surrender_ev, -0.5, 1e-12) << describe(table);
        }
    }
    // Under ENHC a natural behind takes the whole stake first: 4 aces of 49
    // behind a ten, 15 tens of 49 behind an ace.
    const Table behind_ten = table_at(1, {10}, {10, 6}, 17, rules_of("S17 ENHC LS"));
    EXPECT_NEAR(analysed(behind_ten).surrender_ev.value_or(0), -0.5 * 45 / 49 - 4.0 / 49, 1e-12);
    const Table behind_ace = table_at(1, {1}, {10, 6}, 17, rules_of("H17 ENHC LS"));
    EXPECT_NEAR(analysed(behind_ace).surrender_ev.value_or(0), -0.5 * 34 / 49 - 15.0 / 49, 1e-12);
    // Two cards only, never a natural, and only where the rules offer it.
    for (const Table& table : {table_at(1, {10}, {10, 4, 2}, 17, rules_of("S17 LS")),
                               table_at(1, {10}, {1, 13}, 17, rules_of("S17 LS")),
                               table_at(1, {10}, {10, 6}, 17, rules_of("S17"))}) {
        EXPECT_FALSE(analysed(table).surrender_ev) << describe(table);
    }
}

// Whatever the player does, an ENHC dealer's natural takes the stake in
// play, two units for a double; without it the round goes as if the dealer
// had peeked. So each ENHC figure is the PEEK figure given no natural,
// shrunk by the natural's chance, less that chance times the stake.
TEST_P(HandFacts, every_play_loses_its_whole_stake_to_an_enhc_natural) {
    for (const int up : {1, 10}) {
        for (const std::vector<int>& player :
             {std::vector<int>{5, 6}, {10, 6}, {1, 7}, {9, 2}, {3, 2}}) {
            for (const int decks : {1, 6}) {
                const Table peek = table_at(decks, {up}, player, 17, rules_of("S17 DAS"));
                const Table enhc = table_at(decks, {up}, player, 17, rules_of("S17 ENHC DAS"));
                const std::string name = describe(enhc);
                const HandAnalysis peeked = analysed(peek);
                const HandAnalysis open = analysed(enhc);
                const int natural_card = up == 1 ? 10 : 1;
                int cards = 0;
                for (int value = 1; value <= 10; ++value) {
                    cards += enhc.shoe[value];
                }
                const double natural = static_cast<double>(enhc.shoe[natural_card]) / cards;
                const double kept = 1.0 - natural;
                EXPECT_TRUE(peeked.no_dealer_blackjack) << name;
                EXPECT_NEAR(open.stand_ev, kept * peeked.stand_ev - natural, 1e-12) << name;
                ASSERT_TRUE(open.hit_ev && peeked.hit_ev) << name;
                EXPECT_NEAR(*open.hit_ev, kept * *peeked.hit_ev - natural, 1e-12) << name;
                ASSERT_TRUE(open.double_ev && peeked.double_ev) << name;
                EXPECT_NEAR(*open.double_ev, kept * *peeked.double_ev - 2.0 * natural, 1e-12)
                    << name;
                for (int n = kLowestThreshold; n <= kHighestThreshold; ++n) {
                    const Outcome& row = open.row(n);
                    const Outcome& given_none = peeked.row(n);
                    EXPECT_NEAR(row.win, kept * given_none.win, 1e-12) << name << " at " << n;
                    EXPECT_NEAR(row.push, kept * given_none.push, 1e-12) << name << " at " << n;
                    EXPECT_NEAR(row.lose, kept * given_none.lose + natural, 1e-12)
                        << name << " at " << n;
                }
                if (open.advice == Play::double_down) {
                    EXPECT_NEAR(2.0 * open.advice_outcome->ev(), *open.double_ev, 1e-12) << name;
                }
            }
        }
    }
}

TEST_P(HandFacts, a_dealer_natural_on_the_table_ends_the_round) {
    struct Case {
        std::vector<int> player;
        double ev;
    };
    for (const char* rules : {"S17", "H17 ENHC DAS LS"}) {
        for (const Case& given : {Case{{8, 8}, -1.0}, Case{{1, 12}, 0.0}, Case{{5, 4, 2}, -1.0}}) {
            const Table table = table_at(1, {1, 11}, given.player, 17, rules_of(rules));
            const std::string name = describe(table);
            const HandAnalysis analysis = analysed(table);
            EXPECT_TRUE(analysis.dealer_natural) << name;
            EXPECT_EQ(analysis.stand_ev, given.ev) << name;
            for (int n = kLowestThreshold; n <= kHighestThreshold; ++n) {
                EXPECT_EQ(analysis.row(n).ev(), given.ev) << name << " at " << n;
                EXPECT_EQ(analysis.row(n).win, 0.0) << name << " at " << n;
            }
            EXPECT_FALSE(analysis.hit_ev || analysis.double_ev || analysis.split_ev ||
                         analysis.surrender_ev || analysis.insurance_ev)
                << name;
            EXPECT_EQ(analysis.advice, Play::stand) << name;
        }
    }
    // The window's own dealer has no naturals: the same two cards are a 21
    // it stands on, the player's ace and king a 21 that may still draw.
    const HandAnalysis window = analysed(table_at(1, {1, 11}, {1, 12}, 17, rules_of("TABLE")));
    EXPECT_FALSE(window.dealer_natural || window.natural);
    EXPECT_TRUE(window.hit_ev && window.double_ev);
    EXPECT_EQ(window.stand_ev, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Analyses, HandFacts,
                         ::testing::Values(Analyser{"fast", analyse},
                                           Analyser{"plain", analyse_by_walking}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavolix::analysis
