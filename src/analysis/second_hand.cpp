// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "second_hand.h"

#include <algorithm>
#include <deque>
#include <memory_resource>
#include <unordered_map>
#include <utility>
#include <vector>

#include "player_hands.h"

namespace tavolix::analysis {

namespace {

// How many second hands' trees are built before their finals are worked
// out: the finals work best many shoes at a time, and the trees go once
// their values are read.
constexpr std::size_t kTreesAtOnce = 48;

// Every way the first hand can end, as the cards it drew after the pair card
// (busts included) and its chance.
std::vector<std::pair<CardCode, double>> first_hand_ends(const PlayedTree& first,
                                                         std::span<const HandPlay> plays) {
    std::vector<double> reach(first.size(), 0.0);
    std::unordered_map<CardCode, double> ends;
    const auto each_card = [&](std::size_t i, const auto& use) {
        const Shoe left = first.shoe_after(i);
        for (int value = 1; value <= 10; ++value) {
            if (left.counts[value] >= 1) {
                use(value, static_cast<double>(left.counts[value]) / left.cards,
                    first.hand(i).next[value]);
            }
        }
    };
    // The second card comes whatever the hand is.
    each_card(
        0, [&](int, double chance, int next) { reach[static_cast<std::size_t>(next)] += chance; });
    for (std::size_t i = 1; i < first.size(); ++i) {
        if (reach[i] == 0) {
            continue;
        }
        const CardCode drawn = first.hand(i).drawn;
        if (plays[i] == HandPlay::stand) {
            ends[drawn] += reach[i];
            continue;
        }
        each_card(i, [&](int value, double chance, int next) {
            if (plays[i] == HandPlay::hit && next >= 0) {
                reach[static_cast<std::size_t>(next)] += reach[i] * chance;
            } else {
                ends[drawn + one_card(value)] += reach[i] * chance;
            }
        });
    }
    std::vector<std::pair<CardCode, double>> sorted(ends.begin(), ends.end());
    // In a fixed order, so that the sums come out the same on every run.
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

}  // namespace

SecondHand best_second_hand(const PlayedTree& first, std::span<const HandPlay> first_plays,
                            ShoeFinals& finals, CardCode first_offset, const DealerNatural& natural,
                            const SplitHandRules& hand, const TableRules& rules) {
    const std::vector<std::pair<CardCode, double>> ends = first_hand_ends(first, first_plays);
    const int most_cards = hand.draws ? kMaxHandCards : 1;
    SecondHand second;
    for (std::size_t from = 0; from < ends.size(); from += kTreesAtOnce) {
        const std::size_t to = std::min(ends.size(), from + kTreesAtOnce);
        // The trees' memory goes back once their values are read.
        std::pmr::monotonic_buffer_resource memory(std::pmr::new_delete_resource());
        std::deque<PlayedTree> trees;
        for (std::size_t end = from; end < to; ++end) {
            const Shoe left = shoe_less(first.shoe(), ends[end].first);
            trees.emplace_back(player_hands(first.hand(0).total, first.hand(0).soft, left.counts,
                                            &memory, most_cards),
                               left, first_offset + ends[end].first);
            trees.back().need_finals(finals, rules.dealer);
        }
        finals.work_out();
        for (std::size_t end = from; end < to; ++end) {
            PlayedTree& tree = trees[end - from];
            tree.play_out(finals, natural, false);
            const Vector<HandPlay> plays = own_plays(tree, hand, rules);
            const FollowedValues values = followed_values(tree, plays, finals, 0, natural);
            const double chance = ends[end].second;
            second.ev += chance * second_card_sums(tree, values.ev, hand.pair).all;
            second.square += chance * second_card_sums(tree, values.square, hand.pair).all;
        }
    }
    return second;
}

}  // namespace tavolix::analysis
