// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The whole round against plain oracles: every initial hand is the exact
// analysis of its own table, dealt with the chance a plain count gives, and
// the round, standing at N and the chart follow from the hands by their
// definitions; then the facts about rules that every player knows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis_figures.h"
#include "strategy/round.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix::strategy {
namespace {

using analysis::Play;
using analysis::testing::figures_of;
using analysis::testing::rules_of;

// The shoe a case deals from: full decks, less a few cards taken at random
// when it is a shoe in play.
DeckCounts shoe_of(int decks, int taken_out, unsigned seed) {
    DeckCounts shoe = full_shoe(decks);
    std::mt19937 random(seed);
    for (int taken = 0; taken < taken_out;) {
        const int value = std::uniform_int_distribution<int>(1, 10)(random);
        if (shoe[value] > 0) {
            --shoe[value];
            ++taken;
        }
    }
    return shoe;
}

struct RoundCase {
    const char* rules;
    int decks;
    int taken_out;  // cards gone from the shoe before the round
};

void PrintTo(const RoundCase& given, std::ostream* out) {
    *out << given.rules << " " << given.decks << " decks less " << given.taken_out;
}

class StrategyRound : public ::testing::TestWithParam<RoundCase> {
  protected:
    void SetUp() override {
        const RoundCase& given = GetParam();
        rules = rules_of(given.rules);
        shoe = shoe_of(given.decks, given.taken_out, 20261209u + given.taken_out);
        // Each case's round is worked out once for all its tests.
        static std::map<std::string, Strategy> worked_out;
        const std::string name = ::testing::PrintToString(given);
        if (!worked_out.contains(name)) {
            const auto computed = compute_strategy(shoe, rules);
            ASSERT_TRUE(computed.has_value());
            worked_out.emplace(name, *computed);
        }
        strategy = worked_out.at(name);
    }

    TableRules rules;
    DeckCounts shoe{};
    Strategy strategy;
};

// Each hand's plays are the analysis of that table, every figure to 1e-12
// (the round only shares the work); it is dealt with the chance of drawing
// its three cards, the player's two in either order; and every hand the
// shoe can deal is there once.
TEST_P(StrategyRound, holds_every_dealable_hand_as_the_analysis_of_its_table) {
    const int cards = cards_in(shoe);
    int expected_hands = 0;
    double total_chance = 0;
    for (int up = 1; up <= 10; ++up) {
        for (int first = 1; first <= 10; ++first) {
            for (int second = first; second <= 10; ++second) {
                DeckCounts left = shoe;
                if (--left[up] < 0 || --left[first] < 0 || --left[second] < 0) {
                    continue;
                }
                ++expected_hands;
            }
        }
    }
    EXPECT_EQ(static_cast<int>(strategy.hands.size()), expected_hands);

    analysis::AnalysisScratch scratch;
    // Under the sanitizers every seventh hand is analysed again, the rest
    // only counted: each analysis is many times slower there.
    const std::size_t analysed_every = tavolix::testing::kSanitized ? 7 : 1;
    for (std::size_t index = 0; index < strategy.hands.size(); ++index) {
        const InitialHand& hand = strategy.hands[index];
        DeckCounts left = shoe;
        // The chance of the up card, then the first card, then the second, in
        // either order when they differ.
        double chance = static_cast<double>(left[hand.up]--) / cards;
        chance *= static_cast<double>(left[hand.first]--) / (cards - 1);
        chance *= static_cast<double>(left[hand.second]--) / (cards - 2);
        if (hand.first != hand.second) {
            chance *= 2;
        }
        total_chance += hand.probability;
        const std::string name = std::to_string(hand.first) + "," + std::to_string(hand.second) +
                                 " v " + std::to_string(hand.up);
        EXPECT_NEAR(hand.probability, chance, 1e-15) << name;
        if (index % analysed_every != 0) {
            continue;
        }

        const analysis::Table table{
            .banco = {static_cast<Integer>(hand.up)},
            .player = {static_cast<Integer>(hand.first), static_cast<Integer>(hand.second)},
            .shoe = left,
            .stand_at = 17,
            .rules = rules};
        const auto alone = figures_of(analysis::analyse(table, scratch));
        const auto shared = figures_of(hand.plays);
        ASSERT_EQ(alone.size(), shared.size());
        for (std::size_t i = 0; i < alone.size(); ++i) {
            // The panels' figures are the window's, not the round's.
            if (alone[i].name.starts_with("dealer_now") ||
                alone[i].name.starts_with("player_draw")) {
                continue;
            }
            EXPECT_NEAR(shared[i].value, alone[i].value, 1e-12) << name << ": " << alone[i].name;
        }
    }
    EXPECT_NEAR(total_chance, 1.0, 1e-12);
}

// What a hand is worth over the round: under the peek with an ace or a ten
// up, the dealer's natural first (a push for the player's, else the bet
// lost), and the hand as the analysis plays it when there is none; its best
// play otherwise. The round sums the hands by their chances, standing at N
// alike, and the best N is the lowest of the highest EV.
TEST_P(StrategyRound, adds_up_the_hands_by_their_chances_with_the_dealers_natural) {
    double round = 0;
    std::array<double, analysis::kThresholds> stand_at{};
    for (const InitialHand& hand : strategy.hands) {
        DeckCounts left = shoe;
        --left[hand.up];
        --left[hand.first];
        --left[hand.second];
        const bool hole_case = casino_dealer(rules) && rules.hole_card == HoleCard::peek &&
                               (hand.up == 1 || hand.up == 10);
        const double natural =
            hole_case ? static_cast<double>(left[hand.up == 1 ? 10 : 1]) / cards_in(left) : 0.0;
        const auto over_round = [&](double played) {
            return natural * (hand.plays.natural ? 0.0 : -1.0) + (1 - natural) * played;
        };
        const std::optional<double> best = analysis::play_ev(hand.plays, hand.plays.advice);
        ASSERT_TRUE(best.has_value());
        EXPECT_NEAR(hand.ev, over_round(*best), 1e-12);
        round += hand.probability * hand.ev;
        for (int row = 0; row < analysis::kThresholds; ++row) {
            EXPECT_NEAR(hand.stand_at_ev[row], over_round(hand.plays.stand_at[row].ev()), 1e-12);
            stand_at[row] += hand.probability * hand.stand_at_ev[row];
        }
    }
    EXPECT_NEAR(strategy.round_ev, round, 1e-12);
    int best_row = 0;
    for (int row = 0; row < analysis::kThresholds; ++row) {
        EXPECT_EQ(strategy.stand_at[row].n, analysis::kLowestThreshold + row);
        EXPECT_NEAR(strategy.stand_at[row].ev, stand_at[row], 1e-12);
        if (stand_at[row] > stand_at[best_row] + analysis::kTie) {
            best_row = row;
        }
    }
    EXPECT_EQ(strategy.best_stand_at, analysis::kLowestThreshold + best_row);
}

// The chart from the hands: a one-hand row plays as its hand and is never
// marked; a hard row whose hands all agree plays as they do; a cell is
// marked exactly when some hand of its row plays otherwise, each such hand
// listed; a double or a surrender falls back to hit or stand.
TEST_P(StrategyRound, charts_every_row_as_its_hands_play) {
    std::map<std::array<int, 3>, const InitialHand*> dealt;
    for (const InitialHand& hand : strategy.hands) {
        dealt[{hand.up, hand.first, hand.second}] = &hand;
    }
    for (const auto* rows : {&strategy.chart.hard, &strategy.chart.soft, &strategy.chart.pairs}) {
        for (const ChartRow& row : *rows) {
            for (const ChartCell& cell : row.cells) {
                std::vector<const InitialHand*> hands;
                for (const auto& [first, second] : row.hands) {
                    if (const auto found = dealt.find({cell.up, first, second});
                        found != dealt.end()) {
                        hands.push_back(found->second);
                    }
                }
                const std::string name = row.label + " v " + std::to_string(cell.up);
                if (hands.empty()) {
                    EXPECT_FALSE(cell.play.has_value()) << name;
                    EXPECT_EQ(cell.code, "") << name;
                    continue;
                }
                ASSERT_TRUE(cell.play.has_value()) << name;
                std::size_t differing = 0;
                for (const InitialHand* hand : hands) {
                    differing += hand->plays.advice != *cell.play ? 1 : 0;
                }
                EXPECT_EQ(cell.marked, differing > 0) << name;
                EXPECT_EQ(cell.exceptions.size(), differing) << name;
                if (differing == hands.size()) {
                    ADD_FAILURE() << name << ": no hand of the row plays as its cell";
                }
                const bool falls_back =
                    *cell.play == Play::double_down || *cell.play == Play::surrender;
                EXPECT_EQ(cell.fallback.has_value(), falls_back) << name;
                EXPECT_EQ(cell.code.size(), falls_back ? 2u : 1u) << name;
                EXPECT_EQ(cell.code[0], play_letter(*cell.play)[0]) << name;
            }
        }
    }
}

// A square's mean is never below the mean's square (Cauchy-Schwarz), nor
// above the square of the most a deal can win or lose: every hand the rules
// let a split make, doubled. The round's moments are the hands' sums.
TEST_P(StrategyRound, has_second_moments_between_the_evs_square_and_the_most_at_stake) {
    const double most_at_stake = 2.0 * (rules.splits + 1);
    double round = 0;
    for (const InitialHand& hand : strategy.hands) {
        const std::string name = std::to_string(hand.first) + "," + std::to_string(hand.second) +
                                 " v " + std::to_string(hand.up);
        EXPECT_GE(hand.second_moment, hand.ev * hand.ev - 1e-12) << name;
        EXPECT_LE(hand.second_moment, most_at_stake * most_at_stake) << name;
        round += hand.probability * hand.second_moment;
    }
    EXPECT_NEAR(strategy.round_second_moment, round, 1e-12);
    EXPECT_NEAR(strategy.round_variance, round - strategy.round_ev * strategy.round_ev, 1e-12);
    EXPECT_GT(strategy.round_variance, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Tables, StrategyRound,
                         ::testing::Values(RoundCase{"TABLE", 1, 0}, RoundCase{"S17 DAS LS", 1, 0},
                                           RoundCase{"H17 ENHC D10 SPL1", 2, 0},
                                           RoundCase{"S17 BJ6:5 NODBL SPL0", 1, 0},
                                           RoundCase{"S17 DAS SPL3 RSA HSA LS", 1, 9},
                                           RoundCase{"H17 D9 DAS SPL2 LS", 6, 40},
                                           RoundCase{"S17 ENHC BJ1:1 LS", 1, 20},
                                           RoundCase{"TABLE DAS LS", 2, 30}),
                         tavolix::testing::described_row<RoundCase>);

double round_ev(const char* rules, int decks) {
    const auto strategy = compute_strategy(full_shoe(decks), rules_of(rules));
    EXPECT_TRUE(strategy.has_value()) << rules;
    return strategy ? strategy->round_ev : 0.0;
}

// The facts every player knows: one deck with good rules is close to even,
// more decks cost the player, H17 costs more than S17, DAS and LS help, 6:5
// costs far more.
void costs_and_helps_as_players_know() {
    const double one_deck = round_ev("S17 DAS LS", 1);
    EXPECT_NEAR(one_deck, 0.0, 0.005);
    EXPECT_GT(one_deck, round_ev("S17 DAS LS", 2));
    EXPECT_GT(round_ev("S17 DAS LS", 2), round_ev("S17 DAS LS", 6));
    EXPECT_GT(round_ev("S17 DAS LS", 6), round_ev("S17 DAS LS", 8));
    const double six_decks = round_ev("S17", 6);
    EXPECT_GT(six_decks, round_ev("H17", 6));
    EXPECT_GT(round_ev("S17 DAS", 6), six_decks);
    EXPECT_GT(round_ev("S17 LS", 6), six_decks);
    EXPECT_LT(round_ev("S17 BJ6:5", 6), six_decks - 0.01);
}

// Those facts, and a cell every chart of one deck shows: hard 12 against a
// 4 stands, but 10,2 hits.
TEST(StrategyFacts, rules_cost_and_help_the_player_as_players_know) {
    // Ten rounds of up to eight decks are many times slower under the
    // sanitizers; the chart's one-deck fact below runs there too.
    if (!tavolix::testing::kSanitized) {
        costs_and_helps_as_players_know();
    }
    const auto strategy = compute_strategy(full_shoe(1), rules_of("S17 DAS LS"));
    ASSERT_TRUE(strategy.has_value());
    const ChartRow& twelve = strategy->chart.hard[12 - 5];
    ASSERT_EQ(twelve.label, "12");
    const ChartCell& against_four = twelve.cells[2];
    ASSERT_EQ(against_four.up, 4);
    EXPECT_EQ(against_four.play, Play::stand);
    EXPECT_TRUE(against_four.marked);
    EXPECT_TRUE(std::any_of(
        against_four.exceptions.begin(), against_four.exceptions.end(), [](const HandPlay& hand) {
            return hand.first == 2 && hand.second == 10 && hand.play == Play::hit;
        }));
}

}  // namespace
}  // namespace tavolix::strategy
