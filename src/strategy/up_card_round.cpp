// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "up_card_round.h"

#include <deque>
#include <optional>

#include "analysis/dealer_plays.h"
#include "analysis/played_tree.h"
#include "analysis/player_hands.h"
#include "analysis/shoe_finals.h"
#include "analysis/table_money.h"
#include "analysis/table_plays.h"
#include "core/hand_total.h"

namespace tavolix::strategy {

using namespace tavolix::analysis;

Table table_for(int up, int first, int second, const DeckCounts& after_up,
                const TableRules& rules) {
    Table table{.banco = {static_cast<Integer>(up)},
                .player = {static_cast<Integer>(first), static_cast<Integer>(second)},
                .shoe = after_up,
                .rules = rules};
    --table.shoe[first];
    --table.shoe[second];
    return table;
}

namespace {

// What a pair's split needs: its table and money outlive the trees, which
// refer to them.
struct PairSplit {
    Table table;
    std::optional<TableMoney> money;
    std::optional<SplitTrees> trees;
};

// The hand's worth over the round: under the peek the plays are conditioned
// on no dealer natural, which, when it is there, settles the bet for
// `if_natural` (the EV's or its square's share of it) instead.
double over_the_round(double conditioned, double if_natural, const DealerNatural& natural,
                      const Table& table) {
    if (natural.effect != NaturalCounts::left_out) {
        return conditioned;
    }
    const double none = natural.none_from(table.shoe, cards_in(table.shoe));
    return (1.0 - none) * if_natural + none * conditioned;
}

}  // namespace

std::vector<InitialHand> hands_against(int up, const DeckCounts& shoe, const TableRules& rules,
                                       AnalysisScratch& scratch, const std::stop_token& stop) {
    std::vector<InitialHand> hands;
    const int cards = cards_in(shoe);
    if (shoe[up] < 1 || cards < 3) {
        return hands;
    }
    ScratchArena arena(scratch);
    std::pmr::memory_resource* memory = arena.resource();
    DeckCounts after_up = shoe;
    --after_up[up];
    const Shoe base{.counts = after_up, .cards = cards - 1};

    Integer up_total = 0;
    Integer up_soft = 0;
    add_card(up_total, up_soft, static_cast<Integer>(up));
    // Any table of this round tells what the dealer's natural does.
    const Table any = table_for(up, 2, 3, after_up, rules);
    const DealerNatural natural = TableMoney(any, up_total, 5).dealer_natural();
    const std::vector<DealerStop> stops = stops_for(rules.dealer);
    const DealerPlays dealer(up_total, up_soft, natural.hole_value != 0, after_up, stops, memory);
    ShoeFinals finals(dealer, base, memory);
    PlayedTree tree(player_hands(0, 0, after_up, memory), base, 0);
    tree.need_finals(finals, rules.dealer);

    std::deque<PairSplit> splits;
    std::array<const SplitTrees*, 11> split_of{};
    for (int pair = 1; pair <= 10; ++pair) {
        if (after_up[pair] < 2) {
            continue;
        }
        PairSplit& split = splits.emplace_back();
        split.table = table_for(up, pair, pair, after_up, rules);
        split.money.emplace(split.table, up_total, total_of(split.table.player).first);
        if (split.money->may_split()) {
            // A CDZ- split hand plays as the same cards would as an initial
            // hand: the round's own tree holds them.
            split.trees.emplace(
                split.table, *split.money, finals, 2 * one_card(pair), memory,
                InitialHands{.tree = &tree,
                             .pair_card = static_cast<std::size_t>(tree.hand(0).next[pair])});
            split.trees->need_finals();
            split_of[pair] = &*split.trees;
        }
    }
    if (stop.stop_requested()) {
        return {};
    }
    finals.work_out();
    if (stop.stop_requested()) {
        return {};
    }
    tree.play_out(finals, natural, true);
    for (PairSplit& split : splits) {
        if (split.trees) {
            split.trees->play_out(natural);
        }
    }

    const double up_chance = static_cast<double>(shoe[up]) / cards;
    for (int first = 1; first <= 10; ++first) {
        const int after_first = tree.hand(0).next[first];
        if (after_up[first] < 1 || after_first < 0) {
            continue;
        }
        for (int second = first; second <= 10; ++second) {
            const int two = tree.hand(static_cast<std::size_t>(after_first)).next[second];
            if (after_up[second] - (second == first ? 1 : 0) < 1 || two < 0) {
                continue;
            }
            InitialHand hand{.up = up, .first = first, .second = second};
            const Table table = table_for(up, first, second, after_up, rules);
            const TableMoney money(table, up_total, total_of(table.player).first);
            read_plays(hand.plays, table, money, tree, static_cast<std::size_t>(two),
                       first == second ? split_of[first] : nullptr);
            // Dealt in either order when the two differ.
            hand.probability = up_chance * after_up[first] / (cards - 1) *
                               (after_up[second] - (second == first ? 1 : 0)) / (cards - 2) *
                               (first == second ? 1.0 : 2.0);
            // A dealer's natural takes the original bet, but a natural's,
            // which it pushes.
            const double lost = hand.plays.natural ? 0.0 : -1.0;
            hand.ev = over_the_round(*play_ev(hand.plays, hand.plays.advice), lost, natural, table);
            hand.second_moment =
                over_the_round(hand.plays.advice_second_moment, lost * lost, natural, table);
            for (int row = 0; row < kThresholds; ++row) {
                hand.stand_at_ev[row] =
                    over_the_round(hand.plays.stand_at[row].ev(), lost, natural, table);
            }
            hands.push_back(std::move(hand));
        }
    }
    return hands;
}

}  // namespace tavolix::strategy
