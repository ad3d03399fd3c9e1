// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "analysis/dealer_plays.h"
#include "analysis/hand_analysis.h"
#include "analysis/table_analysis.h"
#include "core/hand_total.h"
#include "table_fixtures.h"

namespace tavolix::analysis {
namespace {

using tavolix::testing::make_table;

Table table_at(int decks, const std::vector<int>& banco, const std::vector<int>& player,
               int stand_at) {
    TableState state = make_table(banco, player, stand_at);
    state.deck_count = static_cast<Integer>(decks);
    return table_of(state);
}

std::string describe(const Table& table) {
    std::string text = "dealer";
    for (const Integer value : table.banco) {
        text += " " + std::to_string(value);
    }
    text += ", player";
    for (const Integer value : table.player) {
        text += " " + std::to_string(value);
    }
    return text + ", " + std::to_string(table.shoe[10]) + " tens left";
}

void expect_same_outcome(const Outcome& fast, const Outcome& plain, const std::string& what) {
    EXPECT_NEAR(fast.win, plain.win, 1e-12) << what;
    EXPECT_NEAR(fast.push, plain.push, 1e-12) << what;
    EXPECT_NEAR(fast.lose, plain.lose, 1e-12) << what;
}

void expect_same_analysis(const HandAnalysis& fast, const HandAnalysis& plain,
                          const std::string& table) {
    for (int threshold = kLowestThreshold; threshold <= kHighestThreshold; ++threshold) {
        expect_same_outcome(fast.row(threshold), plain.row(threshold),
                            table + ", standing at " + std::to_string(threshold));
    }
    EXPECT_EQ(fast.best_stand_at, plain.best_stand_at) << table;
    EXPECT_NEAR(fast.stand_ev, plain.stand_ev, 1e-12) << table;
    EXPECT_NEAR(fast.hit_ev, plain.hit_ev, 1e-12) << table;
    ASSERT_EQ(fast.double_ev.has_value(), plain.double_ev.has_value()) << table;
    if (fast.double_ev) {
        EXPECT_NEAR(*fast.double_ev, *plain.double_ev, 1e-12) << table;
    }
    EXPECT_EQ(fast.advice, plain.advice) << table;
    expect_same_outcome(fast.advice_outcome, plain.advice_outcome, table + ", as advised");
    EXPECT_NEAR(fast.dealer_now.wins, plain.dealer_now.wins, 1e-12) << table;
    EXPECT_NEAR(fast.dealer_now.push, plain.dealer_now.push, 1e-12) << table;
    EXPECT_NEAR(fast.dealer_now.loses, plain.dealer_now.loses, 1e-12) << table;
    EXPECT_NEAR(fast.dealer_now.busts, plain.dealer_now.busts, 1e-12) << table;
    EXPECT_NEAR(fast.player_draw.busts, plain.player_draw.busts, 1e-12) << table;
}

// The plain walk deals the dealer every card of every order again behind
// every player's hand; past this many cards a table is too big to wait for.
constexpr long long kPlainLimit = 2'000'000;

TEST(ExactAnalysis, matches_the_plain_walk_on_one_deck_tables_of_three_cards) {
    int compared = 0;
    for (int dealer = 1; dealer <= 10; ++dealer) {
        for (int first = 1; first <= 10; ++first) {
            for (int second = first; second <= 10; ++second) {
                const Table table =
                    table_at(1, {dealer}, {first, second}, 12 + (dealer + first + second) % 10);
                const auto plain = analyse_plainly(table, kPlainLimit);
                if (!plain) {
                    continue;
                }
                ++compared;
                expect_same_analysis(analyse(table), *plain, describe(table));
            }
        }
    }
    // Half the tables are small enough for the walk; the soft and small
    // hands that are not are left to the simulation.
    EXPECT_GE(compared, 250);
}

TEST(ExactAnalysis, matches_the_plain_walk_on_a_sample_of_larger_tables) {
    std::mt19937 random(20260512);
    std::uniform_int_distribution<int> face(1, 13);
    int compared = 0;
    for (int sample = 0; sample < 400 && compared < 40; ++sample) {
        const int decks = 2 + sample % 7;
        std::vector<int> banco(1 + sample % 2);
        std::vector<int> player(2 + sample % 3);
        for (int& card : banco) {
            card = face(random);
        }
        for (int& card : player) {
            card = face(random);
        }
        const TableState state = make_table(banco, player);
        if (state.banco_sum > 21 || state.player_sum > 21) {
            continue;
        }
        const Table table = table_at(decks, banco, player, 12 + sample % 10);
        if (const auto plain = analyse_plainly(table, kPlainLimit)) {
            ++compared;
            expect_same_analysis(analyse(table), *plain, describe(table));
        }
    }
    EXPECT_GE(compared, 40);
}

// Each row adds up to one, a row at or below the hand's total is standing
// now, no row beats the best threshold or the advice, and the advice is the
// best of the three plays.
TEST(ExactAnalysis, keeps_its_own_promises_on_every_small_table) {
    for (const int decks : {1, 6}) {
        for (int dealer = 1; dealer <= 10; dealer += decks == 1 ? 1 : 3) {
            for (int first = 1; first <= 10; ++first) {
                for (int second = first; second <= 10; ++second) {
                    const Table table = table_at(decks, {dealer}, {first, second}, 17);
                    const HandAnalysis analysis = analyse(table);
                    const std::string name = describe(table);
                    const int total = make_table({dealer}, {first, second}).player_sum;
                    double best_ev = std::max(analysis.stand_ev, analysis.hit_ev);
                    best_ev = std::max(best_ev, analysis.double_ev.value_or(-2.0));
                    for (int n = kLowestThreshold; n <= kHighestThreshold; ++n) {
                        const Outcome& row = analysis.row(n);
                        ASSERT_NEAR(row.win + row.push + row.lose, 1.0, 1e-12) << name << " " << n;
                        ASSERT_LE(row.ev(), best_ev + 1e-12) << name << " " << n;
                        ASSERT_LE(row.ev(), analysis.row(analysis.best_stand_at).ev() + 1e-12)
                            << name << " " << n;
                        if (n <= total) {
                            ASSERT_NEAR(row.ev(), analysis.stand_ev, 1e-15) << name << " " << n;
                        }
                    }
                    const double advised = analysis.advice == Play::double_down
                                               ? 2.0 * analysis.advice_outcome.ev()
                                               : analysis.advice_outcome.ev();
                    ASSERT_NEAR(advised, best_ev, 1e-12) << name;
                }
            }
        }
    }
}

// One deck, the dealer standing on every 17, before any peek for a natural,
// given only the up card: Wizard of Odds, "Blackjack Appendix 2B: Dealer
// Probabilities", table "1 Deck - Dealer Stands on Soft 17"
// (wizardofodds.com/games/blackjack/appendix/2b/). A natural counts as 21
// here, so the table's 21 and BJ columns are added.
struct PublishedRow {
    int up;
    std::array<double, 6> chance;  // 17, 18, 19, 20, 21 with naturals, bust
};

class PublishedDealerTable : public ::testing::TestWithParam<PublishedRow> {};

TEST_P(PublishedDealerTable, is_what_a_dealer_drawing_to_17_reaches) {
    const PublishedRow& row = GetParam();
    DeckCounts shoe{0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 16};
    --shoe[row.up];
    Integer total = 0;
    Integer soft = 0;
    add_card(total, soft, static_cast<Integer>(row.up));
    const Shoe full{.counts = shoe, .cards = 51};
    const DealerFinals finals = DealerPlays(total, soft, shoe).finals({&full, 1}, On16::draws)[0];
    EXPECT_EQ(finals.of_total(16), 0.0);
    for (int final_total = 17; final_total <= 21; ++final_total) {
        // Six significant digits, and two rounded figures for the 21.
        EXPECT_NEAR(finals.of_total(final_total), row.chance[final_total - 17], 1e-6)
            << final_total;
    }
    EXPECT_NEAR(finals.chance[DealerFinals::kBust], row.chance[5], 5e-7);
}

INSTANTIATE_TEST_SUITE_P(
    UpCards, PublishedDealerTable,
    ::testing::Values(
        PublishedRow{1, {0.126128, 0.131003, 0.129486, 0.131553, 0.0515646 + 0.313726, 0.11654}},
        PublishedRow{2, {0.138976, 0.131762, 0.131815, 0.123948, 0.120526, 0.352973}},
        PublishedRow{3, {0.130313, 0.130946, 0.123761, 0.123345, 0.116047, 0.375588}},
        PublishedRow{4, {0.130973, 0.114163, 0.120679, 0.116286, 0.115096, 0.402803}},
        PublishedRow{5, {0.119687, 0.123483, 0.116909, 0.104694, 0.106321, 0.428905}},
        PublishedRow{6, {0.166948, 0.106454, 0.107192, 0.100705, 0.0978785, 0.420823}},
        PublishedRow{7, {0.372345, 0.138583, 0.0773344, 0.0788967, 0.072987, 0.259854}},
        PublishedRow{8, {0.130857, 0.362989, 0.129445, 0.0682898, 0.0697914, 0.238627}},
        PublishedRow{9, {0.121886, 0.103921, 0.357391, 0.12225, 0.0611088, 0.233442}},
        PublishedRow{10,
                     {0.114418, 0.112879, 0.114662, 0.328879, 0.0364661 + 0.0784314, 0.214264}}),
    [](const auto& test) { return "up_" + std::to_string(test.param.up); });

}  // namespace
}  // namespace tavolix::analysis
