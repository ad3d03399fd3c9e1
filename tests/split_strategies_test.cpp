// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The split worked out by each post-split strategy: against every order of
// the cards on small shoes, against a published exact figure, and against
// each other where the strategies must agree or one must do better.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis_figures.h"
#include "simulated_play.h"
#include "split_oracle.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix::analysis {
namespace {

using testing::rules_of;

// A pair against an up card, the shoe after the deal by value, ace first.
struct SplitCase {
    const char* rules;  // without the strategy
    int pair;
    int up;
    DeckCounts shoe;
};

void PrintTo(const SplitCase& split, std::ostream* out) {
    *out << split.rules << ", " << split.pair << "," << split.pair << " v " << split.up;
}

Table split_table(const SplitCase& split, PostSplit strategy) {
    Table table{.banco = {static_cast<Integer>(split.up)},
                .player = {static_cast<Integer>(split.pair), static_cast<Integer>(split.pair)},
                .shoe = split.shoe,
                .rules = rules_of(split.rules)};
    table.rules.post_split = strategy;
    return table;
}

// Shoes of 12 to 20 cards, rich in tens so that no order runs out, that
// hold further pair cards: resplits to three and four hands, doubles after
// them or not, soft hands, the peek and ENHC behind an ace and a ten, split
// aces that resplit and draw, the window's own dealer.
const std::vector<SplitCase> kSmallShoes = {
    {"S17 DAS SPL3", 8, 6, {0, 0, 1, 0, 1, 0, 1, 0, 2, 0, 9}},
    {"S17 DAS SPL3", 2, 7, {0, 1, 1, 2, 1, 0, 0, 1, 0, 0, 8}},
    {"H17 SPL2", 9, 5, {0, 1, 0, 1, 0, 1, 1, 1, 1, 2, 7}},
    {"H17 D10 DAS SPL3", 7, 10, {0, 1, 0, 1, 1, 0, 1, 2, 0, 1, 8}},
    {"S17 ENHC DAS SPL3", 6, 10, {0, 0, 1, 1, 0, 1, 2, 0, 1, 0, 9}},
    {"S17 DAS SPL3", 10, 1, {0, 1, 0, 1, 0, 0, 0, 1, 1, 1, 10}},
    {"H17 ENHC SPL3", 10, 1, {0, 1, 1, 0, 0, 0, 1, 0, 1, 1, 9}},
    {"S17 DAS SPL3 RSA HSA", 1, 6, {0, 2, 0, 0, 1, 0, 0, 1, 0, 1, 8}},
    {"S17 SPL3 RSA", 1, 9, {0, 2, 0, 1, 0, 0, 0, 0, 1, 0, 9}},
    {"TABLE DAS SPL3", 3, 4, {0, 0, 1, 2, 0, 1, 0, 0, 1, 1, 8}},
    {"S17 DAS SPL1", 8, 10, {0, 1, 1, 0, 1, 0, 1, 1, 1, 1, 8}},
    {"H17 DAS SPL1", 4, 5, {0, 0, 1, 1, 2, 0, 1, 1, 0, 0, 8}},
};

class SmallShoes : public ::testing::TestWithParam<SplitCase> {};

// The fast value of every strategy is the mean over every order of the
// cards, dealt as the table deals them, to 1e-12.
TEST_P(SmallShoes, every_strategy_is_the_mean_over_every_order_of_the_cards) {
    const SplitCase& split = GetParam();
    std::vector<PostSplit> strategies{PostSplit::cdz_minus, PostSplit::cdp1, PostSplit::cdp};
    if (rules_of(split.rules).splits == 1) {
        strategies.push_back(PostSplit::opt);
    }
    for (const PostSplit strategy : strategies) {
        const Table table = split_table(split, strategy);
        const auto dealt = tavolix::testing::split_by_every_order(table);
        ASSERT_TRUE(dealt) << "an order of this shoe runs out of cards";
        const HandAnalysis analysis = analyse(table);
        ASSERT_TRUE(analysis.split_ev) << post_split_token(strategy);
        EXPECT_NEAR(*analysis.split_ev, *dealt, 1e-12) << post_split_token(strategy);
    }
}

INSTANTIATE_TEST_SUITE_P(Splits, SmallShoes, ::testing::ValuesIn(kSmallShoes), [](const auto& row) {
    return tavolix::testing::row_name(row.index, std::string(row.param.rules) + " " +
                                                     std::to_string(row.param.pair) + " v " +
                                                     std::to_string(row.param.up));
});

// Sixteen cards after 2,2 against a 7 (the whole shoe 0,4,4,2,0,0,2,0,0,7
// by value), S17 DOA DAS SPL3: a shoe on which CDZ- and CDP1 play alike,
// and the published exact figures of every play.
TEST(PublishedShoe, gives_the_published_exact_figures) {
    const SplitCase split{"S17 DOA DAS SPL3", 2, 7, {0, 0, 2, 4, 2, 0, 0, 1, 0, 0, 7}};
    for (const PostSplit strategy : {PostSplit::cdz_minus, PostSplit::cdp1}) {
        const HandAnalysis analysis = analyse(split_table(split, strategy));
        ASSERT_TRUE(analysis.split_ev && analysis.hit_ev && analysis.double_ev);
        EXPECT_NEAR(100 * *analysis.split_ev, -76.210220335, 1e-9) << post_split_token(strategy);
        EXPECT_NEAR(100 * analysis.stand_ev, -61.639194139, 1e-9);
        EXPECT_NEAR(100 * *analysis.hit_ev, -13.266733267, 1e-9);
        EXPECT_NEAR(100 * *analysis.double_ev, -123.278388278, 1e-9);
    }
}

struct FullShoe {
    const char* rules;
    int decks;
    int pair;
    int up;
};

void PrintTo(const FullShoe& shoe, std::ostream* out) {
    *out << shoe.rules << ", " << shoe.decks << " decks, " << shoe.pair << "," << shoe.pair << " v "
         << shoe.up;
}

// Whole decks, where no order can be dealt out but the strategies' bounds
// hold: with one split there are no resplit pair cards to know of, so CDP1,
// CDP and the per-hand method are one strategy, and OPT, which plays its
// second hand knowing the first, never does worse.
const std::vector<FullShoe> kOneSplit = {
    {"S17 DAS SPL1", 1, 8, 10}, {"S17 SPL1", 1, 2, 6},           {"H17 DAS SPL1", 1, 7, 7},
    {"S17 DAS SPL1", 1, 9, 9},  {"H17 D10 SPL1", 2, 6, 2},       {"S17 DAS SPL1 HSA", 1, 1, 10},
    {"S17 SPL1", 1, 1, 5},      {"H17 ENHC DAS SPL1", 1, 10, 1}, {"S17 DAS SPL1", 1, 3, 1},
};

class OneSplit : public ::testing::TestWithParam<FullShoe> {};

TEST_P(OneSplit, cdp1_is_cdp_and_the_per_hand_method_and_opt_does_no_worse) {
    const FullShoe& shoe = GetParam();
    const auto split_ev = [&](PostSplit strategy) {
        Table table = testing::table_at(shoe.decks, {shoe.up}, {shoe.pair, shoe.pair}, 17,
                                        rules_of(shoe.rules));
        table.rules.post_split = strategy;
        const HandAnalysis analysis = analyse(table);
        EXPECT_TRUE(analysis.split_ev);
        return analysis.split_ev.value_or(0.0);
    };
    const double cdp1 = split_ev(PostSplit::cdp1);
    EXPECT_NEAR(split_ev(PostSplit::per_hand), cdp1, 1e-12);
    EXPECT_NEAR(split_ev(PostSplit::cdp), cdp1, 1e-12);
    EXPECT_GE(split_ev(PostSplit::opt), cdp1 - 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Splits, OneSplit, ::testing::ValuesIn(kOneSplit), [](const auto& row) {
    return tavolix::testing::row_name(row.index, std::string(row.param.rules) + " " +
                                                     std::to_string(row.param.pair) + " v " +
                                                     std::to_string(row.param.up));
});

struct TableCase {
    const char* rules;
    int decks;
    int pair;
    int up;
    int rounds;
};

void PrintTo(const TableCase& given, std::ostream* out) {
    *out << given.rules << ", " << given.decks << " decks, " << given.pair << "," << given.pair
         << " v " << given.up;
}

class RealTable : public ::testing::TestWithParam<TableCase> {};

// Whole decks, where no order can be counted out: a table that deals every
// hand of the split and then the dealer's from one shoe, each hand playing
// the strategy's decisions, comes to the exact figure within four standard
// errors (about 0.015 of the stake here: the small shoes above check the
// last digits, this the figures' road at full decks: the peek behind a ten
// and an ace, ENHC, resplit aces).
TEST_P(RealTable, deals_every_hand_from_one_shoe_to_the_exact_figure) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "simulated outside the sanitizers only";
    }
    const TableCase& given = GetParam();
    for (const PostSplit strategy : {PostSplit::cdp1, PostSplit::cdz_minus}) {
        Table table = testing::table_at(given.decks, {given.up}, {given.pair, given.pair}, 17,
                                        rules_of(given.rules));
        table.rules.post_split = strategy;
        const double exact = analyse(table).split_ev.value_or(0.0);
        simulated::SplitPlays plays(table);
        std::mt19937_64 random(20261210 + given.pair);
        double sum = 0;
        double squares = 0;
        int kept = 0;
        for (int round = 0; round < given.rounds; ++round) {
            if (const auto worth = simulated::play_split_at_a_table(table, plays, random)) {
                sum += *worth;
                squares += *worth * *worth;
                ++kept;
            }
        }
        const double mean = sum / kept;
        const double error = std::sqrt((squares / kept - mean * mean) / kept);
        EXPECT_NEAR(mean, exact, 4.0 * error)
            << post_split_token(strategy) << ": simulated " << mean << " +- " << error;
    }
}

INSTANTIATE_TEST_SUITE_P(Splits, RealTable,
                         ::testing::Values(TableCase{"S17 DAS SPL3", 1, 10, 6, 400'000},
                                           TableCase{"H17 ENHC SPL3 RSA", 1, 1, 10, 200'000},
                                           TableCase{"S17 DAS SPL3", 6, 8, 10, 200'000},
                                           TableCase{"S17 SPL3", 1, 9, 1, 200'000}),
                         [](const auto& row) {
                             return tavolix::testing::row_name(
                                 row.index, std::string(row.param.rules) + " " +
                                                std::to_string(row.param.decks) + " decks " +
                                                std::to_string(row.param.pair) + " v " +
                                                std::to_string(row.param.up));
                         });

}  // namespace
}  // namespace tavolix::analysis
