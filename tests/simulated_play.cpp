// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "simulated_play.h"

#include <cassert>
#include <vector>

#include "core/hand_total.h"

namespace tavolix::analysis::simulated {

Cards::Cards(const DeckCounts& counts) : counts_(counts) {
    for (int value = 1; value <= 10; ++value) {
        left_ += counts_[value];
    }
}

Integer Cards::draw(std::mt19937_64& random) {
    int pick = std::uniform_int_distribution<int>(0, left_ - 1)(random);
    int value = 1;
    while (pick >= counts_[value]) {
        pick -= counts_[value];
        ++value;
    }
    --counts_[value];
    --left_;
    return static_cast<Integer>(value);
}

void Cards::put_back(Integer value) {
    ++counts_[value];
    ++left_;
}

void Hand::take(Integer value) {
    add_card(total, soft, value);
}

Play SplitPlays::on_two_cards(const DeckCounts& shoe, Integer pair, Integer second) {
    const Key key{shoe, false, pair, second};
    if (const auto known = known_.find(key); known != known_.end()) {
        return known->second;
    }
    return known_.emplace(key, plain_.on_two_cards(shoe, pair, second)).first->second;
}

Play SplitPlays::after_drawing(const DeckCounts& shoe, Integer total, Integer soft) {
    const Key key{shoe, true, total, soft};
    if (const auto known = known_.find(key); known != known_.end()) {
        return known->second;
    }
    return known_.emplace(key, plain_.after_drawing(shoe, total, soft)).first->second;
}

int dealer_final(DealerRule rule, int player_total, Hand dealer, Cards& cards,
                 std::mt19937_64& random) {
    const DealerStop stop = dealer_stop(rule, player_total);
    while (dealer_draws(stop, dealer.total, dealer.soft != 0)) {
        dealer.take(cards.draw(random));
    }
    return dealer.total;
}

double settle(int player_total, int dealer_total) {
    if (dealer_total > 21 || dealer_total < player_total) {
        return 1.0;
    }
    return dealer_total == player_total ? 0.0 : -1.0;
}

namespace {

// One split hand played out from its own copy of the shoe: the pair card,
// the second card, then the plays the plain walk finds best.
double play_hand(const SplitWorld& world, Cards cards, Integer pair, Integer second,
                 std::mt19937_64& random) {
    Hand hand;
    hand.take(pair);
    hand.take(second);
    const Play first = world.plays.on_two_cards(cards.counts(), pair, second);
    double stake = 1.0;
    if (first == Play::double_down) {
        stake = 2.0;
        hand.take(cards.draw(random));
    } else if (first == Play::hit) {
        do {
            hand.take(cards.draw(random));
        } while (hand.total <= 21 &&
                 world.plays.after_drawing(cards.counts(), hand.total, hand.soft) == Play::hit);
    }
    if (hand.total > 21) {
        // The hole card was dealt from what the hand leaves.
        if (world.hole_case && world.peek && cards.draw(random) == world.natural_card) {
            return 0.0;
        }
        return -stake;
    }
    Hand dealer;
    for (const Integer value : world.table.banco) {
        dealer.take(value);
    }
    const Integer hole = cards.draw(random);
    if (world.hole_case && hole == world.natural_card) {
        return world.peek ? 0.0 : -stake;
    }
    dealer.take(hole);
    return stake * settle(hand.total, dealer_final(world.rule, hand.total, dealer, cards, random));
}

}  // namespace

double play_split(const SplitWorld& world, std::mt19937_64& random) {
    const TableRules& rules = world.table.rules;
    const Integer pair = world.table.player[0];
    const bool pair_resplits = pair != kAce || rules.resplit_aces;
    int waiting = 2;
    int pairs_out = 0;
    double worth = 0;
    while (waiting > 0) {
        DeckCounts less = world.table.shoe;
        less[pair] -= pairs_out;
        Cards cards(less);
        const Integer second = cards.draw(random);
        if (second == pair && pair_resplits && pairs_out + 2 < rules.splits + 1) {
            ++pairs_out;
            ++waiting;
            continue;
        }
        worth += play_hand(world, cards, pair, second, random);
        --waiting;
    }
    return worth;
}

namespace {

struct TableHand {
    Hand cards;
    double stake = 1.0;
};

}  // namespace

std::optional<double> play_split_at_a_table(const Table& table, SplitPlays& plays,
                                            std::mt19937_64& random) {
    const TableRules& rules = table.rules;
    const Integer up = table.banco[0];
    const Integer pair = table.player[0];
    const bool hole_case = up == kAce || up == 10;
    const Integer natural_card = up == kAce ? 10 : kAce;
    const bool peek = rules.hole_card == HoleCard::peek;
    Cards shoe(table.shoe);
    Integer hole = 0;
    if (peek) {
        hole = shoe.draw(random);
        if (hole_case && hole == natural_card) {
            return std::nullopt;
        }
    }

    const bool pair_resplits = pair != kAce || rules.resplit_aces;
    std::vector<TableHand> hands;
    int waiting = 2;
    int pairs_out = 0;
    while (waiting > 0) {
        Integer second = shoe.draw(random);
        while (second == pair && pair_resplits && pairs_out + 2 < rules.splits + 1) {
            ++pairs_out;
            ++waiting;
            second = shoe.draw(random);
        }
        --waiting;
        // The shoe the hand's strategy reads, less the hand's own cards.
        DeckCounts counted = table.shoe;
        switch (rules.post_split) {
            case PostSplit::per_hand:
                counted[pair] -= pairs_out;
                break;
            case PostSplit::cdz_minus:
                ++counted[pair];
                break;
            case PostSplit::cdp1:
                break;
            case PostSplit::cdp:
            case PostSplit::opt:
                assert(false && "a table deals no hand knowing the hands to come or the shoe");
                break;
        }
        --counted[second];
        TableHand hand;
        hand.cards.take(pair);
        hand.cards.take(second);
        const Play first = plays.on_two_cards(counted, pair, second);
        if (first == Play::double_down) {
            hand.stake = 2.0;
            hand.cards.take(shoe.draw(random));
        } else if (first == Play::hit) {
            do {
                const Integer card = shoe.draw(random);
                --counted[card];
                hand.cards.take(card);
            } while (hand.cards.total <= 21 &&
                     plays.after_drawing(counted, hand.cards.total, hand.cards.soft) == Play::hit);
        }
        hands.push_back(hand);
    }

    if (!peek) {
        hole = shoe.draw(random);
    }
    double worth = 0;
    if (hole_case && hole == natural_card) {
        for (const TableHand& hand : hands) {
            worth -= hand.stake;
        }
        return worth;
    }
    Hand dealer;
    dealer.take(up);
    dealer.take(hole);
    // A casino dealer's stop does not depend on the player's total.
    const int dealer_total = dealer_final(rules.dealer, 21, dealer, shoe, random);
    for (const TableHand& hand : hands) {
        worth += hand.cards.total > 21 ? -hand.stake
                                       : hand.stake * settle(hand.cards.total, dealer_total);
    }
    return worth;
}

}  // namespace tavolix::analysis::simulated
