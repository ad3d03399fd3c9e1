// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis/plain_analysis.h"
#include "analysis_figures.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix::analysis {
namespace {

using tavolix::testing::kSanitized;
using testing::describe;
using testing::differences;
using testing::rules_of;
using testing::table_at;

// Between them every setting of the shorthand, each with others.
constexpr const char* kRuleSets[] = {
    "TABLE SPL0",
    "TABLE",
    "TABLE D10 DAS SPL1 LS",
    "TABLE NODBL SPL2 RSA HSA",
    "S17",
    "H17",
    "S17 ENHC",
    "H17 ENHC BJ6:5 DAS LS",
    "S17 BJ1:1 D9 SPL2 RSA",
    "H17 BJ6:5 D10 DAS SPL1 HSA",
    "S17 NODBL SPL0 LS",
    "S17 ENHC DAS RSA HSA",
    "H17 ENHC BJ1:1 D9 SPL2 LS",
    "S17 D9 DAS LS",
};

struct SmallTable {
    int decks;
    std::vector<int> banco;
    std::vector<int> player;
    int stand_at;
    // The cards left, when the shoe is near its end rather than whole decks
    // less both hands.
    std::optional<DeckCounts> shoe = std::nullopt;
};

// Aces and tens up, under the hole-card rules, against pairs and naturals; a
// dealer natural on the table, a dealer that must draw to 16 or on soft 17,
// and one that already stands; hands of more cards; more decks with the
// dealer's hand further on.
const std::vector<SmallTable> kTables = {
    {1, {1}, {1, 13}, 17},
    {1, {1}, {5, 6}, 17},
    {1, {1}, {10, 6}, 16},
    {1, {10}, {8, 8}, 17},
    {1, {12}, {1, 11}, 18},
    {1, {10}, {1, 1}, 19},
    {1, {10}, {5, 6}, 17},
    {1, {13}, {10, 6}, 16},
    {1, {10}, {9, 9}, 18},
    {1, {10}, {1, 7}, 18},
    {1, {6}, {1, 7}, 18},
    {1, {9}, {9, 9}, 19},
    {1, {1, 13}, {8, 8}, 17},
    {1, {10, 1}, {1, 10}, 17},
    {1, {1, 11}, {5, 3, 2}, 17},
    {1, {10, 6}, {8, 8}, 17},
    {1, {1, 6}, {10, 7}, 18},
    {1, {10, 7}, {9, 9}, 17},
    {1, {10}, {2, 3, 4}, 17},
    {1, {1}, {1, 1, 5}, 17},
    {1, {6}, {2, 2, 2, 2}, 13},
    {6, {10}, {8, 8}, 17},
    {6, {1}, {10, 1}, 17},
    {6, {10, 6}, {7, 7}, 17},
    {6, {9, 8}, {9, 9}, 17},
    {4, {3, 10}, {1, 1}, 17},
    // Tens of milliseconds each for the plain walk: pairs that split into
    // many hands that draw.
    {1, {1}, {8, 8}, 17},
    {1, {1}, {2, 2}, 15},
    {1, {6}, {8, 8}, 17},
    {1, {5}, {4, 4}, 14},
    {1, {7}, {2, 2}, 17},
    {1, {2}, {12, 11}, 20},
    {2, {1}, {9, 9}, 17},
    {2, {10}, {1, 1}, 17},
    {2, {5, 4}, {6, 6}, 16},
    {6, {1, 5}, {3, 3}, 17},
    {6, {6}, {10, 10}, 17},
    {6, {10}, {2, 2}, 17},
    // Near the end of a shoe the walk without memory gets through splits
    // too; some values have no card left, a pair card or the hole card's
    // natural among them.
    {1, {10}, {8, 8}, 17, DeckCounts{0, 1, 1, 1, 1, 1, 1, 1, 2, 1, 4}},
    {1, {10}, {8, 8}, 16, DeckCounts{0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 6}},
    {1, {1}, {1, 1}, 17, DeckCounts{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5}},
    {1, {6}, {2, 2}, 17, DeckCounts{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 4}},
    {1, {1}, {10, 6}, 17, DeckCounts{0, 1, 2, 1, 2, 1, 2, 1, 2, 1, 6}},
    {1, {1}, {1, 10}, 17, DeckCounts{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3}},
    {1, {10}, {9, 9}, 18, DeckCounts{0, 0, 2, 2, 2, 2, 2, 2, 2, 1, 6}},
    {1, {5}, {5, 5}, 17, DeckCounts{0, 2, 2, 2, 2, 0, 2, 2, 2, 2, 6}},
};

// The plain walk without memory is only worth its time on small tables.
constexpr long long kPlainLimit = 300'000;

// Each rule set's tables are dealt round the shards, which ctest runs side
// by side; the sanitizer build takes every third table of each shard.
constexpr int kShards = 2;
constexpr std::size_t kStride = kShards * (kSanitized ? 3 : 1);

// The messages of the first few tables that fail, so that a rule set the
// fast analysis does not follow yet reads in a screen.
constexpr std::size_t kTablesShown = 4;
constexpr std::size_t kFiguresShown = 6;

std::string listed(const std::vector<std::string>& failures) {
    std::ostringstream text;
    for (std::size_t i = 0; i < failures.size() && i < kTablesShown; ++i) {
        text << "\n  " << failures[i];
    }
    if (failures.size() > kTablesShown) {
        text << "\n  and " << failures.size() - kTablesShown << " more tables";
    }
    return text.str();
}

std::string failure(const std::string& table, const std::vector<std::string>& differing) {
    std::string text = table + ":";
    for (std::size_t i = 0; i < differing.size() && i < kFiguresShown; ++i) {
        text += "\n    " + differing[i];
    }
    if (differing.size() > kFiguresShown) {
        text += "\n    and " + std::to_string(differing.size() - kFiguresShown) + " more figures";
    }
    return text;
}

// What the plain walk promises on its own, whatever the rules: every row
// and every outcome adds up to one (under PEEK once the deals with a natural
// in the hole are left out, under ENHC with the natural's share lost), and
// the advice is the offered play of the highest EV.
std::vector<std::string> broken_promises(const HandAnalysis& analysis) {
    std::vector<std::string> broken;
    const auto adds_to_one = [&](const std::string& name, const Outcome& outcome) {
        const double sum = outcome.win + outcome.push + outcome.lose;
        if (!(std::abs(sum - 1.0) <= 1e-12)) {
            broken.push_back(name + " adds up to " + std::to_string(sum));
        }
    };
    for (int n = kLowestThreshold; n <= kHighestThreshold; ++n) {
        adds_to_one("row " + std::to_string(n), analysis.row(n));
    }
    if (analysis.advice_outcome) {
        adds_to_one("advice_outcome", *analysis.advice_outcome);
    }
    double best = analysis.stand_ev;
    for (const auto& play :
         {analysis.hit_ev, analysis.double_ev, analysis.split_ev, analysis.surrender_ev}) {
        best = std::max(best, play.value_or(best));
    }
    const std::optional<double> advised = play_ev(analysis, analysis.advice);
    if (!advised || !(std::abs(*advised - best) <= 1e-12)) {
        broken.push_back("the advice is not the best play offered");
    }
    return broken;
}

using RulesAndShard = std::tuple<const char*, int>;

class RuleSets : public ::testing::TestWithParam<RulesAndShard> {};

// The fast analysis gives the plain walk's figures under every rule set,
// every one of them to 1e-12; the plain walk gives the same remembering
// positions or not, and keeps its own promises.
TEST_P(RuleSets, the_exact_analysis_gives_the_plain_walks_figures) {
    const auto& [rules_text, shard] = GetParam();
    // The plain walk splits by the per-hand method; the other strategies
    // are checked against every order of the cards on small shoes.
    TableRules rules = rules_of(rules_text);
    rules.post_split = PostSplit::per_hand;
    std::vector<std::string> fast_differs;
    std::vector<std::string> walks_differ;
    std::vector<std::string> promises_broken;
    int compared = 0;
    int walked_plainly = 0;
    for (std::size_t i = static_cast<std::size_t>(shard); i < kTables.size(); i += kStride) {
        const SmallTable& small = kTables[i];
        Table table = table_at(small.decks, small.banco, small.player, small.stand_at, rules);
        if (small.shoe) {
            table.shoe = *small.shoe;
        }
        const std::string name = describe(table);
        const auto remembered = analyse_plainly(table, {.memory = PlainMemory::by_position});
        ASSERT_TRUE(remembered) << name;
        ++compared;
        if (const auto differing = differences(analyse(table), *remembered, 1e-12);
            !differing.empty()) {
            fast_differs.push_back(failure(name, differing));
        }
        if (const auto broken = broken_promises(*remembered); !broken.empty()) {
            promises_broken.push_back(failure(name, broken));
        }
        if (const auto walked = analyse_plainly(table, {.dealer_cards_limit = kPlainLimit})) {
            ++walked_plainly;
            if (const auto differing = differences(*walked, *remembered, 1e-12);
                !differing.empty()) {
                walks_differ.push_back(failure(name, differing));
            }
        }
    }
    EXPECT_TRUE(fast_differs.empty())
        << fast_differs.size() << " of " << compared
        << " tables differ, the fast analysis first:" << listed(fast_differs);
    EXPECT_TRUE(walks_differ.empty())
        << "the plain walk with memory and without differs:" << listed(walks_differ);
    EXPECT_TRUE(promises_broken.empty()) << listed(promises_broken);
    RecordProperty("tables", compared);
    RecordProperty("tables_walked_without_memory", walked_plainly);
}

INSTANTIATE_TEST_SUITE_P(Rules, RuleSets,
                         ::testing::Combine(::testing::ValuesIn(kRuleSets),
                                            ::testing::Range(0, kShards)),
                         [](const auto& row) {
                             return tavolix::testing::row_name(
                                 row.index, std::string(std::get<0>(row.param)) + " shard " +
                                                std::to_string(std::get<1>(row.param)));
                         });

}  // namespace
}  // namespace tavolix::analysis
