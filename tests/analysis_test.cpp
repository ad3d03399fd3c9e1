// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/dealer_plays.h"
#include "analysis/hand_analysis.h"
#include "analysis/plain_analysis.h"
#include "analysis_figures.h"
#include "core/hand_total.h"
#include "table_fixtures.h"

namespace tavolix::analysis {
namespace {

using tavolix::testing::kSanitized;
using tavolix::testing::make_table;
using testing::describe;
using testing::differences;
using testing::largest_difference;
using testing::rules_of;
using testing::table_at;

// The window's own dealer with no split: every figure the analysis had
// before the casino rules, and the plays those rules add left out.
const TableRules kWindowRules = rules_of("TABLE SPL0");

// Every dealer card against every pair of player cards at one deck, then a
// fixed sample of hands of more cards at two to eight decks.
std::vector<Table> checked_tables() {
    std::vector<Table> tables;
    for (int dealer = 1; dealer <= 10; ++dealer) {
        for (int first = 1; first <= 10; ++first) {
            for (int second = first; second <= 10; ++second) {
                tables.push_back(table_at(1, {dealer}, {first, second},
                                          12 + (dealer + first + second) % 10, kWindowRules));
            }
        }
    }
    std::mt19937 random(20260512);
    std::uniform_int_distribution<int> face(1, 13);
    for (int sample = 0; sample < 100; ++sample) {
        std::vector<int> banco(1 + sample % 2);
        std::vector<int> player(2 + sample % 3);
        for (int& card : banco) {
            card = face(random);
        }
        for (int& card : player) {
            card = face(random);
        }
        const TableState state = make_table(banco, player);
        if (state.banco_sum <= 21 && state.player_sum <= 21) {
            tables.push_back(
                table_at(2 + sample % 7, banco, player, 12 + sample % 10, kWindowRules));
        }
    }
    return tables;
}

// The plain walk without memory deals the dealer every card of every order
// again behind every player's hand; past this many cards it is too slow.
constexpr long long kPlainLimit = 2'000'000;

// The tables are dealt round the shards, which ctest runs side by side; the
// sanitizer build takes every eighth table of each shard.
constexpr int kShards = 2;
constexpr std::size_t kStride = kShards * (kSanitized ? 8 : 1);

class PlainWalk : public ::testing::TestWithParam<int> {};

// The memoised analysis gives the plain walk's figures, remembering positions
// or not; both walks give up on no table.
TEST_P(PlainWalk, gives_the_figures_of_the_exact_analysis) {
    static const std::vector<Table> tables = checked_tables();
    double largest = 0;
    int compared = 0;
    int walked_plainly = 0;
    for (std::size_t i = static_cast<std::size_t>(GetParam()); i < tables.size(); i += kStride) {
        const Table& table = tables[i];
        const std::string name = describe(table);
        const auto remembered = analyse_plainly(table, {.memory = PlainMemory::by_position});
        ASSERT_TRUE(remembered) << name;
        const HandAnalysis fast = analyse(table);
        EXPECT_EQ(differences(fast, *remembered, 1e-12), std::vector<std::string>{}) << name;
        largest = std::max(largest, largest_difference(fast, *remembered));
        ++compared;
        if (const auto walked = analyse_plainly(table, {.dealer_cards_limit = kPlainLimit})) {
            ++walked_plainly;
            EXPECT_EQ(differences(*walked, *remembered, 1e-12), std::vector<std::string>{}) << name;
        }
    }
    RecordProperty("tables", compared);
    RecordProperty("tables_walked_without_memory", walked_plainly);
    std::ostringstream text;
    text << largest;
    RecordProperty("largest_difference", text.str());
}

INSTANTIATE_TEST_SUITE_P(Shards, PlainWalk, ::testing::Range(0, kShards));

// Each row adds up to one, a row at or below the hand's total is standing
// now, no row beats the best threshold or the advice, and the advice is the
// best of the three plays.
TEST(ExactAnalysis, keeps_its_own_promises_on_every_small_table) {
    for (const int decks : {1, 6}) {
        for (int dealer = 1; dealer <= 10; dealer += decks == 1 ? 1 : 3) {
            for (int first = 1; first <= 10; ++first) {
                for (int second = first; second <= 10; ++second) {
                    const Table table =
                        table_at(decks, {dealer}, {first, second}, 17, kWindowRules);
                    const HandAnalysis analysis = analyse(table);
                    const std::string name = describe(table);
                    const int total = make_table({dealer}, {first, second}).player_sum;
                    double best_ev = std::max(analysis.stand_ev, analysis.hit_ev.value_or(-2.0));
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
                                               ? 2.0 * analysis.advice_outcome->ev()
                                               : analysis.advice_outcome->ev();
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
    const DealerStop stop = DealerStop::from_17;
    const DealerFinals finals =
        DealerPlays(total, soft, false, shoe, {&stop, 1}).finals({&full, 1}, stop)[0];
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
