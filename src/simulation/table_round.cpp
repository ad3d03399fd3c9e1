// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_round.h"

namespace tavolix::simulation {

namespace {

enum End : std::uint8_t { kPlaying = 0, kBust, kSurrendered, kNatural };

// Left without initialisers so that a round's seats cost nothing until a
// hand is dealt to them: start() makes a hand.
struct Hand {
    std::int32_t node;  // in the composition table
    std::int16_t hard;  // aces as one
    std::int8_t cards;
    std::int8_t first;
    std::int8_t second;
    std::int8_t stake;
    bool ace;
    End end;

    void start() {
        node = 0;
        hard = 0;
        cards = 0;
        first = 0;
        second = 0;
        stake = 1;
        ace = false;
        end = kPlaying;
    }
    int total() const { return ace && hard <= 11 ? hard + 10 : hard; }
    bool soft() const { return ace && hard <= 11; }
};

constexpr int kMostHands = 4;

// Deals, counts and plays for one round; the seats' hands live here. The
// composition table is a template argument, so that the chart's loop has
// none of its branches.
template <bool kComposition>
class Round {
  public:
    Round(const Game& game, Shoe& shoe, int half_running)
        : game_(game), rules_(game.options.rules), shoe_(shoe), running_(half_running) {}

    RoundMoney play();
    // Kept here while the round is dealt, so that it can stay in a register.
    int running() const { return running_; }

  private:
    int seen() {
        const int card = shoe_.draw();
        running_ += game_.half_tags[static_cast<std::size_t>(card)];
        return card;
    }
    void add(Hand& hand, int card) const {
        hand.hard = static_cast<std::int16_t>(hand.hard + card);
        hand.ace = hand.ace || card == 1;
        if (hand.cards == 0) {
            hand.first = static_cast<std::int8_t>(card);
        } else if (hand.cards == 1) {
            hand.second = static_cast<std::int8_t>(card);
        }
        ++hand.cards;
        if constexpr (kComposition) {
            hand.node =
                (*nodes_)[static_cast<std::size_t>(hand.node)].next[static_cast<std::size_t>(card)];
        }
    }
    int slot() const { return count_slot(game_.true_count(running_, shoe_.unseen())); }
    std::uint8_t chart_move(const Hand& hand, int slot, bool may_split) const;
    void play_seat(Hand* hands, int& count);
    bool dealer_natural() const {
        return hole_ != 0 && up_ + hole_ == 11 && (up_ == 1 || up_ == 10);
    }

    const Game& game_;
    const TableRules& rules_;
    Shoe& shoe_;
    int running_;
    const std::vector<CompositionNode>* nodes_ = nullptr;
    int up_ = 0;
    int hole_ = 0;
    int slot_ = 0;
};

template <bool kComposition>
std::uint8_t Round<kComposition>::chart_move(const Hand& hand, int slot, bool may_split) const {
    if constexpr (kComposition) {
        return (*nodes_)[static_cast<std::size_t>(hand.node)].code;
    }
    if (hand.cards == 2 && hand.first == hand.second) {
        const std::uint8_t pair = game_.code(slot, kPair, hand.first, up_);
        if ((pair & kMoveBits) != kSplit || may_split) {
            return pair;
        }
    }
    return hand.soft() ? game_.code(slot, kSoft, hand.total(), up_)
                       : game_.code(slot, kHard, hand.hard, up_);
}

// The seat's hands in turn: a split hand waits for its second card until
// its turn comes, as at the table.
template <bool kComposition>
void Round<kComposition>::play_seat(Hand* hands, int& count) {
    const int slot = this->slot();
    for (int h = 0; h < count; ++h) {
        Hand& hand = hands[h];
        while (true) {
            const bool split = count > 1;
            if (hand.cards == 1) {
                add(hand, seen());
                if (hand.first == 1 && !rules_.hit_split_aces &&
                    !(hand.second == 1 && rules_.resplit_aces && count < rules_.splits + 1)) {
                    break;  // split aces take one card
                }
            }
            if (hand.hard > 21) {
                hand.end = kBust;
                break;
            }
            const int total = hand.total();
            if (total == 21) {
                break;
            }
            const bool two = hand.cards == 2;
            const bool may_split = two && hand.first == hand.second && count < rules_.splits + 1 &&
                                   (hand.first != 1 || !split || rules_.resplit_aces);
            const std::uint8_t code = chart_move(hand, slot, may_split);
            std::uint8_t move = code & kMoveBits;
            const bool allowed =
                move == kSplit ? may_split
                : move == kDouble
                    ? two && (!split || rules_.double_after_split) &&
                          game_.may_double[static_cast<std::size_t>(total)][hand.soft() ? 1 : 0]
                : move == kSurrender ? two && !split && rules_.surrender
                                     : true;
            if (!allowed) {
                move = (code & kHitsInstead) != 0 ? kHit : kStand;
            }
            if (hand.first == 1 && split && !rules_.hit_split_aces && move != kSplit) {
                break;  // a resplit was all split aces could do
            }
            if (move == kStand) {
                break;
            }
            if (move == kHit) {
                add(hand, seen());
                continue;
            }
            if (move == kDouble) {
                hand.stake = 2;
                add(hand, seen());
                if (hand.hard > 21) {
                    hand.end = kBust;
                }
                break;
            }
            if (move == kSurrender) {
                hand.end = kSurrendered;
                break;
            }
            // A split: this hand keeps the first card, a new one the second.
            const int pair = hand.first;
            Hand fresh;
            fresh.start();
            add(fresh, pair);
            hands[count++] = fresh;
            hand = fresh;
        }
    }
}

template <bool kComposition>
RoundMoney Round<kComposition>::play() {
    const int seats = game_.options.players;
    Hand hands[kMostPlayers][kMostHands];
    int counts[kMostPlayers];
    shoe_.start_round();
    for (int seat = 0; seat < seats; ++seat) {
        hands[seat][0].start();
        counts[seat] = 1;
    }
    // The first cards go to every seat before the up card, so that the
    // composition table starts from the up card once it is known.
    int firsts[kMostPlayers];
    for (int seat = 0; seat < seats; ++seat) {
        firsts[seat] = seen();
    }
    up_ = seen();
    if constexpr (kComposition) {
        nodes_ = &game_.composition[static_cast<std::size_t>(up_)];
    }
    for (int seat = 0; seat < seats; ++seat) {
        add(hands[seat][0], firsts[seat]);
        add(hands[seat][0], seen());
    }
    bool hole_seen = false;
    if (game_.peek) {
        hole_ = shoe_.draw();
    }

    RoundMoney result{.hands = 1};
    const bool insured =
        up_ == 1 && game_.true_count(running_, shoe_.unseen()) >= game_.insurance_at;
    if (insured) {
        result.money -= kMoneyScale / 2;
    }
    const bool natural_up = up_ == 1 || up_ == 10;
    if (game_.peek && dealer_natural()) {
        running_ += game_.half_tags[static_cast<std::size_t>(hole_)];
        const bool pushes = hands[0][0].total() == 21;
        result.money += (pushes ? 0 : -kMoneyScale) + (insured ? 3 * kMoneyScale / 2 : 0);
        return result;
    }

    bool standing = false;
    bool waiting = false;  // a natural or a surrender that a dealer's natural would change
    for (int seat = 0; seat < seats; ++seat) {
        Hand& first = hands[seat][0];
        if (first.total() == 21) {
            first.end = kNatural;
        } else {
            play_seat(hands[seat], counts[seat]);
        }
        for (int h = 0; h < counts[seat]; ++h) {
            const End end = hands[seat][h].end;
            standing = standing || end == kPlaying;
            waiting = waiting || end == kNatural || end == kSurrendered;
        }
    }
    result.hands = counts[0];

    // The dealer's hand: drawn only when some hand is still to be beaten,
    // or under ENHC to see whether a natural pushes or beats what waits.
    int dealer_hard = up_;
    bool dealer_ace = up_ == 1;
    if (!game_.peek && (standing || (waiting && natural_up))) {
        hole_ = seen();
        hole_seen = true;
    }
    const bool natural = dealer_natural();
    if (hole_ != 0) {
        if (!hole_seen) {
            running_ += game_.half_tags[static_cast<std::size_t>(hole_)];
        }
        dealer_hard += hole_;
        dealer_ace = dealer_ace || hole_ == 1;
    }
    int dealer = dealer_ace && dealer_hard <= 11 ? dealer_hard + 10 : dealer_hard;
    if (standing && !natural) {
        while (dealer < 17 ||
               (dealer == 17 && game_.hits_soft_17 && dealer_ace && dealer_hard <= 7)) {
            const int card = seen();
            dealer_hard += card;
            dealer_ace = dealer_ace || card == 1;
            dealer = dealer_ace && dealer_hard <= 11 ? dealer_hard + 10 : dealer_hard;
        }
    }

    for (int h = 0; h < counts[0]; ++h) {
        const Hand& hand = hands[0][h];
        const int stake = hand.stake * kMoneyScale;
        switch (hand.end) {
            case kNatural:
                result.money += natural ? 0 : game_.natural_money;
                break;
            case kSurrendered:
                result.money -= natural ? kMoneyScale : kMoneyScale / 2;
                break;
            case kBust:
                result.money -= stake;
                break;
            case kPlaying: {
                const int total = hand.total();
                result.money += natural || (dealer <= 21 && dealer > total) ? -stake
                                : dealer > 21 || total > dealer             ? stake
                                                                            : 0;
                break;
            }
        }
    }
    if (insured && natural) {
        result.money += 3 * kMoneyScale / 2;
    }
    return result;
}

}  // namespace

RoundMoney play_round(const Game& game, Shoe& shoe, int& half_running) {
    if (game.options.play == PlayStyle::composition) {
        Round<true> round(game, shoe, half_running);
        const RoundMoney money = round.play();
        half_running = round.running();
        return money;
    }
    Round<false> round(game, shoe, half_running);
    const RoundMoney money = round.play();
    half_running = round.running();
    return money;
}

}  // namespace tavolix::simulation
