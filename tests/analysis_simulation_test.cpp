// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis/table_analysis.h"
#include "core/hand_total.h"
#include "table_fixtures.h"

namespace tavolix::analysis {
namespace {

// The rules dealt out card by card from a shuffled shoe, as a table would,
// with nothing of the analysis' counting in it.
class Shoe {
  public:
    Shoe(const DeckCounts& counts, std::uint64_t seed) : random_(seed) {
        for (int value = 1; value <= 10; ++value) {
            cards_.insert(cards_.end(), counts[value], static_cast<Integer>(value));
        }
    }
    void shuffle() { left_ = cards_.size(); }
    Integer draw() {
        std::uniform_int_distribution<std::size_t> pick(0, left_ - 1);
        std::swap(cards_[pick(random_)], cards_[left_ - 1]);
        return cards_[--left_];
    }

  private:
    std::vector<Integer> cards_;
    std::size_t left_ = 0;
    std::mt19937_64 random_;
};

struct Tally {
    double win = 0;
    double push = 0;
    double lose = 0;
};

// One hand: the player draws while below stand_at (or takes exactly one card
// when doubling), then the dealer plays against the player's final total.
void play_hand(Shoe& shoe, const Table& table, int stand_at, bool doubles, Tally& tally) {
    shoe.shuffle();
    Integer player = 0;
    Integer player_soft = 0;
    for (const Integer value : table.player) {
        add_card(player, player_soft, value);
    }
    for (int drawn = 0; doubles ? drawn < 1 : player < stand_at; ++drawn) {
        add_card(player, player_soft, shoe.draw());
    }
    if (player > 21) {
        ++tally.lose;
        return;
    }
    Integer dealer = 0;
    Integer dealer_soft = 0;
    for (const Integer value : table.banco) {
        add_card(dealer, dealer_soft, value);
    }
    while (dealer < 16 || (dealer == 16 && player > 16)) {
        add_card(dealer, dealer_soft, shoe.draw());
    }
    if (dealer > 21 || dealer < player) {
        ++tally.win;
    } else if (dealer == player) {
        ++tally.push;
    } else {
        ++tally.lose;
    }
}

struct SimulatedTable {
    int decks;
    std::vector<int> banco;
    std::vector<int> player;
    int stand_at;
};

class Simulation : public ::testing::TestWithParam<SimulatedTable> {};

void expect_within_four_errors(double exact, double hits, double hands, const std::string& what) {
    const double error = std::sqrt(exact * (1.0 - exact) / hands);
    EXPECT_NEAR(hits / hands, exact, 4.0 * error + 1e-9) << what;
}

TEST_P(Simulation, agrees_with_the_exact_figures_within_four_standard_errors) {
    const SimulatedTable& given = GetParam();
    TableState state = tavolix::testing::make_table(given.banco, given.player, given.stand_at);
    state.deck_count = static_cast<Integer>(given.decks);
    const Table table = table_of(state);
    const HandAnalysis exact = analyse(table);

    constexpr int kHands = 200'000;
    Shoe shoe(table.shoe, 1234567 + given.decks);
    Tally drawing;
    Tally doubling;
    for (int hand = 0; hand < kHands; ++hand) {
        play_hand(shoe, table, given.stand_at, false, drawing);
        play_hand(shoe, table, given.stand_at, true, doubling);
    }
    const Outcome& row = exact.row(given.stand_at);
    expect_within_four_errors(row.win, drawing.win, kHands, "win");
    expect_within_four_errors(row.push, drawing.push, kHands, "push");
    expect_within_four_errors(row.lose, drawing.lose, kHands, "lose");
    // The double's EV is twice an even-money EV of the same spread or less.
    const double doubled = 2.0 * (doubling.win - doubling.lose) / kHands;
    EXPECT_NEAR(doubled, *exact.double_ev, 8.0 / std::sqrt(double{kHands})) << "double";
}

INSTANTIATE_TEST_SUITE_P(
    Tables, Simulation,
    ::testing::Values(SimulatedTable{1, {10}, {10, 6}, 17}, SimulatedTable{1, {1}, {1, 1}, 21},
                      SimulatedTable{1, {6}, {2, 3}, 16}, SimulatedTable{6, {2}, {1, 7}, 19},
                      SimulatedTable{6, {10}, {10, 2}, 14}, SimulatedTable{6, {5}, {9, 2}, 18}),
    [](const auto& test) {
        const SimulatedTable& table = test.param;
        std::string name = std::to_string(table.decks) + "_decks_dealer";
        for (const int face : table.banco) {
            name += "_" + std::to_string(face);
        }
        name += "_player";
        for (const int face : table.player) {
            name += "_" + std::to_string(face);
        }
        return name + "_at_" + std::to_string(table.stand_at);
    });

}  // namespace
}  // namespace tavolix::analysis
