// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The round's EV against whole rounds dealt card by card from the shoe: the
// three first cards, the dealer's hole card and its peek, the naturals, the
// chart's play of the hand, the best play after every card drawn, and the
// dealer playing out. A split is played as the per-hand method supposes,
// which its own simulation checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "analysis/plain_analysis.h"
#include "analysis_figures.h"
#include "simulated_play.h"
#include "strategy/round.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix::strategy {
namespace {

using analysis::Play;
using analysis::simulated::Cards;
using analysis::simulated::Hand;
using analysis::testing::rules_of;

// One table's rounds: its rules, its shoe, the chart's hands, and the plain
// walk's plays of split hands, one per up card.
class Rounds {
  public:
    Rounds(const Strategy& strategy, const TableRules& rules, const DeckCounts& shoe)
        : rules_(rules), shoe_(shoe) {
        for (const InitialHand& hand : strategy.hands) {
            dealt_[{hand.up, hand.first, hand.second}] = &hand;
        }
        for (int up = 1; up <= 10; ++up) {
            const analysis::Table table{
                .banco = {static_cast<Integer>(up)}, .player = {}, .shoe = shoe, .rules = rules};
            plays_[up] = std::make_unique<analysis::simulated::SplitPlays>(table);
        }
    }

    // One round per unit bet.
    double play(std::mt19937_64& random) {
        Cards cards(shoe_);
        const Integer up = cards.draw(random);
        const Integer first = cards.draw(random);
        const Integer second = cards.draw(random);
        const InitialHand& hand =
            *dealt_.at({up, std::min(first, second), std::max(first, second)});
        split_ = hand.plays.advice == Play::split;
        const bool casino = casino_dealer(rules_);
        const bool peek = casino && rules_.hole_card == HoleCard::peek;
        const bool hole_case = casino && (up == kAce || up == 10);
        const Integer natural_card = up == kAce ? 10 : kAce;

        Hand dealer;
        dealer.take(up);
        // Under the peek the hole card is dealt now, face down: the player
        // decides on a shoe that still holds it.
        std::optional<Integer> hole;
        if (peek) {
            hole = cards.draw(random);
            if (hole_case && *hole == natural_card) {
                return hand.plays.natural ? 0.0 : -1.0;
            }
            dealer.take(*hole);
        }
        const auto shoe_seen = [&] {
            DeckCounts seen = cards.counts();
            if (hole) {
                ++seen[*hole];
            }
            return seen;
        };
        // Without a hole card the dealer's second card comes after the
        // player's play; a natural takes every bet on the table.
        const auto late_natural = [&] {
            if (!casino || peek) {
                return false;
            }
            const Integer late = cards.draw(random);
            dealer.take(late);
            return hole_case && late == natural_card;
        };

        if (hand.plays.natural) {
            return late_natural() ? 0.0 : natural_payout(rules_);
        }
        if (hand.plays.advice == Play::surrender) {
            return late_natural() ? -1.0 : -0.5;
        }
        if (hand.plays.advice == Play::split) {
            const analysis::Table table{
                .banco = {up}, .player = {first, first}, .shoe = shoe_seen(), .rules = rules_};
            const analysis::simulated::SplitWorld world{table,        *plays_[up],   hole_case,
                                                        natural_card, rules_.dealer, peek};
            // The method's split is worth this given no dealer natural, which
            // the peek has shown.
            const double kept =
                hole_case && peek
                    ? 1.0 - static_cast<double>(table.shoe[natural_card]) / cards_in(table.shoe)
                    : 1.0;
            return analysis::simulated::play_split(world, random) / kept;
        }

        Hand player;
        player.take(first);
        player.take(second);
        double stake = 1.0;
        if (hand.plays.advice == Play::double_down) {
            stake = 2.0;
            player.take(cards.draw(random));
        } else if (hand.plays.advice == Play::hit) {
            std::vector<Integer> held{first, second};
            do {
                held.push_back(cards.draw(random));
                player.take(held.back());
            } while (player.total <= 21 && hits_again(up, held, shoe_seen()));
        }
        if (player.total > 21) {
            return -stake;
        }
        if (late_natural()) {
            return -stake;
        }
        return stake * analysis::simulated::settle(
                           player.total, analysis::simulated::dealer_final(
                                             rules_.dealer, player.total, dealer, cards, random));
    }

    // Whether the last round's hand was split.
    bool split() const { return split_; }

  private:
    // Whether the best play of a hand that has drawn is another card: the
    // exact analysis of its table, remembered by the cards it holds, which
    // with the up card tell the shoe the player sees.
    bool hits_again(Integer up, std::vector<Integer> held, const DeckCounts& seen) {
        std::sort(held.begin(), held.end());
        const auto key = std::pair{up, held};
        if (const auto known = hits_.find(key); known != hits_.end()) {
            return known->second;
        }
        const analysis::HandAnalysis analysis = analysis::analyse(
            {.banco = {up}, .player = held, .shoe = seen, .rules = rules_}, scratch_);
        const bool hits = analysis.hit_ev && *analysis.hit_ev > analysis.stand_ev + analysis::kTie;
        hits_.emplace(key, hits);
        return hits;
    }

    TableRules rules_;
    DeckCounts shoe_;
    std::map<std::array<int, 3>, const InitialHand*> dealt_;
    std::array<std::unique_ptr<analysis::simulated::SplitPlays>, 11> plays_;
    std::map<std::pair<Integer, std::vector<Integer>>, bool> hits_;
    analysis::AnalysisScratch scratch_;
    bool split_ = false;
};

struct SimulationCase {
    const char* rules;
    int decks;
    int rounds;
};

void PrintTo(const SimulationCase& given, std::ostream* out) {
    *out << given.rules << " " << given.decks << " decks";
}

class RoundSimulation : public ::testing::TestWithParam<SimulationCase> {};

// The second moment is checked on the rounds that do not split: the
// simulated split deals each hand its own dealer, as the per-hand method
// supposes for the EV, while the method's second moment has every hand face
// one dealer (tavolix_split_bias measures it against a real table).
TEST_P(RoundSimulation, agrees_with_the_rounds_ev_and_second_moment_within_four_standard_errors) {
    // Millions of rounds and thousands of exact analyses are many times
    // slower under the sanitizers, and run no code that the other tests leave
    // out there.
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "simulated outside the sanitizers only";
    }
    const SimulationCase& given = GetParam();
    // The simulated split is the per-hand method's: the round's figures are
    // to split by it too (the other strategies have their own checks).
    TableRules rules = rules_of(given.rules);
    rules.post_split = PostSplit::per_hand;
    const DeckCounts shoe = full_shoe(given.decks);
    const auto strategy = compute_strategy(shoe, rules);
    ASSERT_TRUE(strategy.has_value());
    Rounds rounds(*strategy, rules, shoe);

    const int count = given.rounds;
    std::mt19937_64 random(20261209 + given.decks);
    double sum = 0;
    double squares = 0;
    double unsplit_squares = 0;
    double unsplit_fourths = 0;
    for (int round = 0; round < count; ++round) {
        const double worth = rounds.play(random);
        sum += worth;
        squares += worth * worth;
        if (!rounds.split()) {
            unsplit_squares += worth * worth;
            unsplit_fourths += worth * worth * worth * worth;
        }
    }
    const double mean = sum / count;
    const double error = std::sqrt((squares / count - mean * mean) / count);
    EXPECT_NEAR(mean, strategy->round_ev, 4.0 * error)
        << given.rules << ", " << given.decks << " decks: simulated " << mean << " +- " << error
        << " over " << count << " rounds";

    double unsplit = 0;
    for (const InitialHand& hand : strategy->hands) {
        if (hand.plays.advice != Play::split) {
            unsplit += hand.probability * hand.second_moment;
        }
    }
    const double square = unsplit_squares / count;
    const double square_error = std::sqrt((unsplit_fourths / count - square * square) / count);
    EXPECT_NEAR(square, unsplit, 4.0 * square_error)
        << given.rules << ", " << given.decks << " decks: E[X^2] of the unsplit rounds simulated "
        << square << " +- " << square_error;
}

INSTANTIATE_TEST_SUITE_P(Tables, RoundSimulation,
                         ::testing::Values(SimulationCase{"S17 DAS LS", 1, 2'000'000},
                                           SimulationCase{"S17 DAS LS", 6, 1'000'000},
                                           SimulationCase{"H17 ENHC DAS", 1, 500'000},
                                           SimulationCase{"TABLE", 1, 500'000}),
                         tavolix::testing::described_row<SimulationCase>);

}  // namespace
}  // namespace tavolix::strategy
