// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The counter's numbers against plain oracles: correlations over the cards
// of a shoe one by one, effects of removal as two whole rounds apart, the
// expected composition's sums, and each index's plays recomputed on either
// side of its crossing.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <stop_token>

#include "analysis/hand_analysis.h"
#include "counting/correlations.h"
#include "counting/expected_composition.h"
#include "counting/index_plays.h"
#include "counting/removal_effects.h"
#include "table_fixtures.h"

namespace tavolix::counting {
namespace {

using strategy::compute_strategy;
using strategy::full_shoe;
using tavolix::testing::rules_of;

// Pearson's correlation over every card of the shoe as one observation.
double correlation_card_by_card(const Count& count, const DeckCounts& shoe,
                                const std::array<double, 10>& effects) {
    std::vector<std::pair<double, double>> cards;
    for (int value = 1; value <= 10; ++value) {
        for (int card = 0; card < shoe[value]; ++card) {
            cards.emplace_back(count.tag(value), effects[static_cast<std::size_t>(value - 1)]);
        }
    }
    double x = 0, y = 0;
    for (const auto& [tag, effect] : cards) {
        x += tag / cards.size();
        y += effect / cards.size();
    }
    double xy = 0, xx = 0, yy = 0;
    for (const auto& [tag, effect] : cards) {
        xy += (tag - x) * (effect - y);
        xx += (tag - x) * (tag - x);
        yy += (effect - y) * (effect - y);
    }
    return xy / std::sqrt(xx * yy);
}

TEST(Correlations, agree_with_the_cards_one_by_one_for_every_count) {
    std::mt19937 random(20260428u);
    std::uniform_real_distribution<double> effect(-0.002, 0.002);
    for (int trial = 0; trial < 20; ++trial) {
        RemovalEffects effects{.shoe = full_shoe(1 + trial % 4)};
        effects.shoe[1 + trial % 10] -= trial % 3;  // a shoe in play, now and then
        for (std::size_t value = 0; value < 10; ++value) {
            effects.round[value] = effect(random);
            effects.insurance[value] = effect(random);
        }
        const auto all = built_in_correlations(effects);
        ASSERT_EQ(all.size(), built_in_counts().size());
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Count& count = built_in_counts()[i];
            EXPECT_EQ(all[i].count, count);
            EXPECT_NEAR(all[i].betting,
                        correlation_card_by_card(count, effects.shoe, effects.round), 1e-12);
            EXPECT_NEAR(all[i].insurance,
                        correlation_card_by_card(count, effects.shoe, effects.insurance), 1e-12);
        }
    }
}

TEST(Correlations, are_nothing_where_the_effects_do_not_vary) {
    const RemovalEffects flat{.shoe = full_shoe(2)};
    EXPECT_EQ(betting_correlation(hi_lo_count(), flat), 0);
    EXPECT_EQ(insurance_correlation(hi_lo_count(), flat), 0);
}

// Each value's effect is the round less one card of it against the round,
// whatever the rules; the insurance bet's, 3 P(ten) - 1 counted plainly.
TEST(RemovalEffects, are_two_whole_rounds_apart) {
    // Under the sanitizers, the first rules only: thirty whole rounds each.
    const std::vector<const char*> rule_sets{"S17 DAS", "H17 LS ENHC", "S17 DAS SPL3 RSA"};
    for (std::size_t set = 0; set < (tavolix::testing::kSanitized ? 1 : rule_sets.size()); ++set) {
        const char* text = rule_sets[set];
        SCOPED_TRACE(text);
        const TableRules rules = rules_of(text);
        DeckCounts shoe = full_shoe(1);
        shoe[7] = 0;  // a value the shoe lacks has no effect
        const auto effects = compute_removal_effects(shoe, rules);
        ASSERT_TRUE(effects.has_value());
        const double whole = compute_strategy(shoe, rules)->round_ev;
        EXPECT_NEAR(effects->round_ev, whole, 1e-12);
        for (int value = 1; value <= 10; ++value) {
            DeckCounts less = shoe;
            less[value] = std::max(0, less[value] - 1);
            EXPECT_NEAR(effects->round_effect(value),
                        compute_strategy(less, rules)->round_ev - whole, 1e-12)
                << value;
            // The dealer's ace and then the card are out of the shoe.
            const double tens = shoe[10] - (value == 10 ? 1 : 0);
            const double after_ace = cards_in(shoe) - 1;
            const double insurance =
                value == 7 ? 0 : 3 * tens / (after_ace - 1) - 3 * shoe[10] / after_ace;
            EXPECT_NEAR(effects->insurance_effect(value), insurance, 1e-12) << value;
        }
    }
}

// The cards a count expects at a true count add up to the depth, their tags
// to minus its running count there; the simplex's shoes, weighed, give them
// back.
TEST(ExpectedComposition, holds_the_depth_and_the_count_and_its_simplex_sums_to_it) {
    for (const Count& count : built_in_counts()) {
        if (!count.balanced()) {
            continue;
        }
        for (const int decks : {1, 6}) {
            const DeckCounts shoe = full_shoe(decks);
            const int depth = index_depth(cards_in(shoe));
            EXPECT_EQ(depth, std::max(26, 26 * decks));
            for (const double t : {-7.0, -0.5, 0.0, 2.25, 9.0}) {
                const Composition expected = expected_composition(count, shoe, depth, t);
                double cards = 0;
                double tags = 0;
                Composition sum{};
                for (const Vertex& vertex : simplex_of(expected)) {
                    for (int value = 1; value <= 10; ++value) {
                        sum[value] += vertex.weight * vertex.shoe[value];
                    }
                }
                for (int value = 1; value <= 10; ++value) {
                    cards += expected[value];
                    tags += expected[value] * count.tag(value);
                    EXPECT_NEAR(sum[value], expected[value], 1e-9);
                }
                EXPECT_NEAR(cards, depth, 1e-9) << count.name;
                EXPECT_NEAR(-tags / (depth / 52.0), t, 1e-9) << count.name;
            }
        }
    }
}

// A row's EVs at true count t, plainly: each hand's EVs and chance averaged
// over the simplex's rounds, the hands weighed by chance.
class PlainCell {
  public:
    PlainCell(const DeckCounts& shoe, const TableRules& rules) : shoe_(shoe), rules_(rules) {}

    double ev(const strategy::ChartRow& row, int up, analysis::Play play, double t) {
        const Count& count = hi_lo_count();
        double sum = 0;
        double chance = 0;
        for (const auto& [first, second] : row.hands) {
            double hand_ev = 0;
            double hand_chance = 0;
            for (const Vertex& vertex :
                 simplex_of(expected_composition(count, shoe_, index_depth(cards_in(shoe_)), t))) {
                for (const strategy::InitialHand& hand : round(vertex.shoe).hands) {
                    if (hand.up == up && hand.first == first && hand.second == second) {
                        hand_ev += vertex.weight * *analysis::play_ev(hand.plays, play);
                        hand_chance += vertex.weight * hand.probability;
                    }
                }
            }
            sum += hand_chance * hand_ev;
            chance += hand_chance;
        }
        return sum / chance;
    }

  private:
    const strategy::Strategy& round(const DeckCounts& shoe) {
        if (!rounds_.contains(shoe)) {
            rounds_.emplace(shoe, *compute_strategy(shoe, rules_));
        }
        return rounds_.at(shoe);
    }

    DeckCounts shoe_;
    TableRules rules_;
    std::map<DeckCounts, strategy::Strategy> rounds_;
};

analysis::Play play_of(Decision decision) {
    switch (decision) {
        case Decision::hit:
            return analysis::Play::hit;
        case Decision::double_down:
            return analysis::Play::double_down;
        case Decision::split:
            return analysis::Play::split;
        case Decision::surrender:
            return analysis::Play::surrender;
        default:
            return analysis::Play::stand;
    }
}

// At the whole true counts either side of each crossing, the play made above
// is no worse above and no better below; the index is the first floored
// count whose middle is past the crossing.
TEST(IndexPlays, cross_where_their_plays_recomputed_cross) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "a hundred whole rounds: checked outside the sanitizers";
    }
    const TableRules rules = rules_of("S17 DAS LS");
    const DeckCounts shoe = full_shoe(1);
    const auto table = compute_indices(shoe, rules, hi_lo_count());
    ASSERT_TRUE(table.has_value());
    ASSERT_FALSE(table->plays.empty());
    PlainCell plain(shoe, rules);
    const strategy::Chart& layout = table->chart_at(0);
    for (const IndexPlay& index : table->plays) {
        SCOPED_TRACE(index.row + " v " + std::to_string(index.up));
        EXPECT_EQ(index.index, static_cast<int>(std::ceil(index.crossing - 0.5)));
        if (index.kind == IndexKind::insurance) {
            EXPECT_EQ(table->insurance_index, index.index);
            continue;
        }
        const auto& rows = index.kind == IndexKind::hard   ? layout.hard
                           : index.kind == IndexKind::soft ? layout.soft
                                                           : layout.pairs;
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const auto& r) { return r.label == index.row; });
        ASSERT_NE(row, rows.end());
        const double below = std::floor(index.crossing);
        const auto gain = [&](double t) {
            return plain.ev(*row, index.up, play_of(index.higher), t) -
                   plain.ev(*row, index.up, play_of(index.lower), t);
        };
        EXPECT_LE(gain(below), 1e-12);
        EXPECT_GE(gain(std::min(below + 1, 10.0)), -1e-12);
    }
}

TEST(IndexPlays, refuse_an_unbalanced_count) {
    const Count& ko = built_in_counts()[1];
    ASSERT_FALSE(ko.balanced());
    EXPECT_FALSE(compute_indices(full_shoe(1), rules_of("S17"), ko).has_value());
}

TEST(IndexPlays, stop_when_asked_after_reporting_progress) {
    std::stop_source stop;
    int reports = 0;
    const auto progress = [&](int done, int total) {
        ++reports;
        EXPECT_GT(done, 0);
        EXPECT_LE(done, total);
        stop.request_stop();
    };
    EXPECT_FALSE(
        compute_indices(full_shoe(1), rules_of("S17"), hi_lo_count(), progress, stop.get_token())
            .has_value());
    EXPECT_GT(reports, 0);
}

// What every counter knows of a four-deck game: insure at about +3.
TEST(IndexPlays, insure_at_about_plus_three_at_four_decks) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "eighty whole rounds of four decks: checked outside the sanitizers";
    }
    // Insurance does not depend on how splits are played: the per-hand
    // method's splits make the table in half the time.
    const auto table = compute_indices(full_shoe(4), rules_of("S17 DAS PERHAND"), hi_lo_count());
    ASSERT_TRUE(table.has_value());
    ASSERT_TRUE(table->insurance_index.has_value());
    EXPECT_GE(*table->insurance_index, 2);
    EXPECT_LE(*table->insurance_index, 4);
}

}  // namespace
}  // namespace tavolix::counting
