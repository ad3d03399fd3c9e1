// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "split_plays.h"

#include <cassert>

#include "core/hand_total.h"
#include "split_patterns.h"

namespace tavolix::analysis {

bool SplitHandRules::may_double(const PlayerHand& two_cards, const TableRules& rules) const {
    return doubles && tavolix::may_double(rules, two_cards.total, two_cards.soft != 0);
}

SplitHandRules split_hand_rules(int pair, const TableRules& rules) {
    const bool draws = pair != kAce || rules.hit_split_aces;
    return {.pair = pair, .draws = draws, .doubles = draws && rules.double_after_split};
}

HandPlay best_split_play(const PlayedTree& tree, std::size_t i, bool two_cards,
                         const SplitHandRules& hand, const TableRules& rules) {
    if (!hand.draws) {
        return HandPlay::stand;
    }
    HandPlay play = HandPlay::stand;
    double best = tree.stand(i).ev();
    if (tree.best(i).ev() > best + kTie) {
        play = HandPlay::hit;
        best = tree.best(i).ev();
    }
    if (two_cards && hand.may_double(tree.hand(i), rules) &&
        2.0 * tree.one_card(i).ev() > best + kTie) {
        play = HandPlay::doubled;
    }
    return play;
}

Vector<HandPlay> own_plays(const PlayedTree& tree, const SplitHandRules& hand,
                           const TableRules& rules) {
    return plays_by(tree, tree, 0, hand, rules);
}

Vector<HandPlay> plays_by(const PlayedTree& tree, const PlayedTree& by, std::size_t by_root,
                          const SplitHandRules& hand, const TableRules& rules) {
    // Each hand of `tree` is found in `by` by one of the cards that lead to
    // it from a hand found before: a hand comes after the hands it grows from.
    Vector<int> in_by(tree.size(), -1);
    Vector<HandPlay> plays(tree.size(), HandPlay::stand);
    in_by[0] = static_cast<int>(by_root);
    for (std::size_t i = 0; i < tree.size(); ++i) {
        assert(in_by[i] >= 0);
        const auto at = static_cast<std::size_t>(in_by[i]);
        for (int value = 1; value <= 10; ++value) {
            const int next = tree.hand(i).next[value];
            if (next >= 0 && in_by[static_cast<std::size_t>(next)] < 0) {
                in_by[static_cast<std::size_t>(next)] = by.hand(at).next[value];
            }
        }
        if (i > 0) {
            plays[i] = best_split_play(by, at, tree.hand(i).cards == 1, hand, rules);
        }
    }
    return plays;
}

namespace {

// The chance that a bust card leaves the round counting, joint with the
// `following` cards after the dealer's hand being no pair card: under the
// peek only the deals without a natural in the hole count, the hole card
// being any card of what the bust leaves.
double followed_bust(const DeckCounts& shoe, int cards, int pair, int following,
                     const DealerNatural& natural) {
    const int others = cards - shoe[pair];
    if (natural.effect != NaturalCounts::left_out || natural.hole_value == 0) {
        return all_among(others, cards, following);
    }
    if (cards < 1) {
        return 1.0;
    }
    double counted = 0;
    for (int hole = 1; hole <= 10; ++hole) {
        if (hole == natural.hole_value || shoe[hole] < 1) {
            continue;
        }
        const int left_others = others - (hole == pair ? 0 : 1);
        counted +=
            static_cast<double>(shoe[hole]) / cards * all_among(left_others, cards - 1, following);
    }
    return counted;
}

}  // namespace

FollowedValues followed_values(const PlayedTree& tree, std::span<const HandPlay> plays,
                               const ShoeFinals& finals, int following,
                               const DealerNatural& natural) {
    const int pair = finals.followed_pair();
    FollowedValues values{Vector<double>(tree.size(), 0.0), Vector<double>(tree.size(), 0.0)};
    // Standing at hand i, joint with the following cards.
    const auto stand = [&](std::size_t i) {
        return settle(finals.followed(tree.finals_index(i), following), tree.hand(i).total,
                      natural.effect);
    };
    for (std::size_t i = tree.size(); i-- > 1;) {
        const HandPlay play = plays[i];
        if (play == HandPlay::stand) {
            const Outcome outcome = stand(i);
            values.ev[i] = outcome.ev();
            values.square[i] = outcome.second_moment();
            continue;
        }
        const Shoe left = tree.shoe_after(i);
        const double stake = play == HandPlay::doubled ? 2.0 : 1.0;
        double ev = 0;
        double square = 0;
        for (int value = 1; value <= 10; ++value) {
            if (left.counts[value] < 1) {
                continue;
            }
            const double chance = static_cast<double>(left.counts[value]) / left.cards;
            const int next = tree.hand(i).next[value];
            if (next < 0) {
                DeckCounts after = left.counts;
                --after[value];
                const double lost =
                    chance * followed_bust(after, left.cards - 1, pair, following, natural);
                ev -= stake * lost;
                square += stake * stake * lost;
                continue;
            }
            const auto hand = static_cast<std::size_t>(next);
            if (play == HandPlay::hit) {
                ev += chance * values.ev[hand];
                square += chance * values.square[hand];
            } else {
                const Outcome outcome = stand(hand);
                ev += chance * stake * outcome.ev();
                square += chance * stake * stake * outcome.second_moment();
            }
        }
        values.ev[i] = ev;
        values.square[i] = square;
    }
    return values;
}

SecondCardSums second_card_sums(const PlayedTree& tree, std::span<const double> values, int pair) {
    SecondCardSums sums;
    const Shoe left = tree.shoe_after(0);
    for (int value = 1; value <= 10; ++value) {
        const int next = tree.hand(0).next[value];
        if (left.counts[value] < 1 || next < 0) {
            continue;
        }
        const double part = static_cast<double>(left.counts[value]) / left.cards *
                            values[static_cast<std::size_t>(next)];
        sums.all += part;
        if (value != pair) {
            sums.others += part;
        }
    }
    return sums;
}

}  // namespace tavolix::analysis
