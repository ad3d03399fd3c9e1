// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// A split dealt out card by card, every order of the shoe, with nothing
// shared with the analysis but the types: slow, and plain enough to check
// the analysis against on shoes of a dozen or two cards.
#include "split_oracle.h"

#include <array>
#include <cassert>
#include <map>
#include <utility>
#include <vector>

#include "core/dealer_rule.h"

namespace tavolix::testing {

namespace {

using analysis::Table;

constexpr int kAceValue = 1;

int cards_in(const DeckCounts& shoe) {
    int cards = 0;
    for (int value = 1; value <= 10; ++value) {
        cards += shoe[value];
    }
    return cards;
}

// A hand's cards as counts by value.
struct Hand {
    DeckCounts cards{};
    int count = 0;
    double stake = 1;
    bool done = false;

    void add(int value) {
        ++cards[value];
        ++count;
    }
    int hard() const {
        int total = 0;
        for (int value = 1; value <= 10; ++value) {
            total += value * cards[value];
        }
        return total;
    }
    bool soft() const { return cards[kAceValue] > 0 && hard() + 10 <= 21; }
    int total() const { return soft() ? hard() + 10 : hard(); }
    bool bust() const { return hard() > 21; }
};

DeckCounts less(DeckCounts shoe, int value, int times = 1) {
    shoe[value] -= times;
    return shoe;
}

// The dealer's hand from a shoe: each final total 16..21 (index total - 16),
// a bust (6), and a natural (7) under ENHC. The first card the dealer draws
// is its hole card; under the peek the deals where it makes a natural are
// left out, so every chance here is joint with there being none.
using Ends = std::array<double, 8>;

class Play {
  public:
    explicit Play(const Table& table) : table_(table), rules_(table.rules) {
        for (const Integer value : table.banco) {
            banco_.add(value);
        }
        const bool up_alone = table.banco.size() == 1;
        if (casino_dealer(rules_) && up_alone && (table.banco[0] == 1 || table.banco[0] == 10)) {
            natural_card_ = table.banco[0] == 1 ? 10 : 1;
            peek_ = rules_.hole_card == HoleCard::peek;
        }
        pair_ = table.player[0];
    }

    bool ran_out() const { return ran_out_; }

    // How a hand of `hand` standing settles against the dealer from `shoe`.
    double stand(const DeckCounts& shoe, const Hand& hand) {
        const int total = hand.total();
        const Ends& ends = dealer(shoe, dealer_stop(rules_.dealer, total));
        double value = ends[6] - ends[7];
        for (int final_total = 16; final_total <= 21; ++final_total) {
            const double chance = ends[static_cast<std::size_t>(final_total - 16)];
            value += final_total < total ? chance : final_total > total ? -chance : 0.0;
        }
        return value;
    }

    // A bust's loss, counted only where the dealer's hole card, the first
    // card of what the hands leave, makes no natural under the peek.
    double bust_weight(const DeckCounts& shoe) {
        if (!peek_) {
            return 1.0;
        }
        const int cards = cards_in(shoe);
        if (cards == 0) {
            ran_out_ = true;
            return 0.0;
        }
        return 1.0 - static_cast<double>(shoe[natural_card_]) / cards;
    }

    // Whether the rules let the split hand hit, and double on two cards.
    bool draws() const { return pair_ != kAceValue || rules_.hit_split_aces; }
    bool may_double(const Hand& hand) const {
        return draws() && hand.count == 2 && rules_.double_after_split &&
               tavolix::may_double(rules_, hand.total(), hand.soft());
    }

    // The play with the highest EV for `hand` with `shoe` the shoe it
    // leaves, as a split hand on its own, every later play the best;
    // ties to the plainer play.
    enum class Choice { stand, hit, doubled };
    Choice best_play(const DeckCounts& shoe, const Hand& hand) {
        if (!draws()) {
            return Choice::stand;
        }
        Choice choice = Choice::stand;
        double best = stand(shoe, hand);
        if (const double drawn = hit(shoe, hand); drawn > best + 1e-12) {
            choice = Choice::hit;
            best = drawn;
        }
        if (may_double(hand) && doubled(shoe, hand) > best + 1e-12) {
            choice = Choice::doubled;
        }
        return choice;
    }

    // The split's value, every card dealt in the order the table deals it.
    double split(const DeckCounts& shoe) {
        std::vector<Hand> hands(2);
        hands[0].add(pair_);
        hands[1].add(pair_);
        if (rules_.post_split == PostSplit::cdp) {
            return seconds_first(shoe, hands, 0);
        }
        return deal(shoe, hands, 0);
    }

  private:
    double best(const DeckCounts& shoe, const Hand& hand) {
        const auto key = std::make_pair(shoe, hand.cards);
        if (const auto found = best_.find(key); found != best_.end()) {
            return found->second;
        }
        const double value = std::max(stand(shoe, hand), hit(shoe, hand));
        best_.emplace(key, value);
        return value;
    }

    template <class Then>
    double each_card(const DeckCounts& shoe, const Then& then) {
        const int cards = cards_in(shoe);
        if (cards == 0) {
            ran_out_ = true;
            return 0.0;
        }
        double sum = 0;
        for (int value = 1; value <= 10; ++value) {
            if (shoe[value] > 0) {
                sum += static_cast<double>(shoe[value]) / cards * then(value, less(shoe, value));
            }
        }
        return sum;
    }

    double hit(const DeckCounts& shoe, const Hand& hand) {
        return each_card(shoe, [&](int value, const DeckCounts& left) {
            Hand drawn = hand;
            drawn.add(value);
            return drawn.bust() ? -bust_weight(left) : best(left, drawn);
        });
    }

    double doubled(const DeckCounts& shoe, const Hand& hand) {
        return 2.0 * each_card(shoe, [&](int value, const DeckCounts& left) {
                   Hand drawn = hand;
                   drawn.add(value);
                   return drawn.bust() ? -bust_weight(left) : stand(left, drawn);
               });
    }

    const Ends& dealer(const DeckCounts& shoe, DealerStop stop) {
        const auto key = std::make_pair(shoe, stop);
        if (const auto found = dealer_.find(key); found != dealer_.end()) {
            return found->second;
        }
        Ends ends{};
        if (dealer_draws(stop, banco_.total(), banco_.soft())) {
            draw(shoe, banco_, stop, true, 1.0, ends);
        } else {
            ends[static_cast<std::size_t>(banco_.total() - 16)] = 1.0;
        }
        return dealer_.emplace(key, ends).first->second;
    }

    void draw(const DeckCounts& shoe, const Hand& hand, DealerStop stop, bool hole, double chance,
              Ends& ends) {
        each_card(shoe, [&](int value, const DeckCounts& left) {
            Hand next = hand;
            next.add(value);
            if (hole && value == natural_card_) {
                // Under the peek the deal is left out; under ENHC it is a natural.
                if (!peek_) {
                    ends[7] += chance * shoe[value] / cards_in(shoe);
                }
                return 0.0;
            }
            const double reached = chance * shoe[value] / cards_in(shoe);
            if (next.bust()) {
                ends[6] += reached;
            } else if (!dealer_draws(stop, next.total(), next.soft())) {
                ends[static_cast<std::size_t>(next.total() - 16)] += reached;
            } else {
                draw(left, next, stop, false, reached, ends);
            }
            return 0.0;
        });
    }

    // Once every hand is done: each settles against the dealer from what is
    // left, a natural under ENHC taking every stake.
    double settle(const DeckCounts& shoe, const std::vector<Hand>& hands) {
        double value = 0;
        for (const Hand& hand : hands) {
            value += hand.stake * (hand.bust() ? -bust_weight(shoe) : stand(shoe, hand));
        }
        return value;
    }

    bool may_resplit(std::size_t hands) const {
        const bool resplits = rules_.splits >= 2 && (pair_ != kAceValue || rules_.resplit_aces);
        return resplits && static_cast<int>(hands) < rules_.splits + 1;
    }

    // The shoe whose EVs decide the plays of hand `at`, which holds the pair
    // card and `hand`'s other cards.
    DeckCounts strategy_shoe(const DeckCounts& shoe, const std::vector<Hand>& hands,
                             std::size_t at) const {
        DeckCounts read = table_.shoe;  // both pair cards and the banco out
        for (int value = 1; value <= 10; ++value) {
            read[value] -= hands[at].cards[value] - (value == pair_ ? 1 : 0);
        }
        switch (rules_.post_split) {
            case PostSplit::cdz_minus:
                ++read[pair_];  // the other pair card is still in the shoe
                return read;
            case PostSplit::cdp:
                read[pair_] -= static_cast<int>(hands.size()) - 2;  // the pair cards that split
                return read;
            case PostSplit::opt:
                // The second hand knows the first hand's cards: the shoe as it is.
                return at == 0 ? read : shoe;
            case PostSplit::cdp1:
            case PostSplit::per_hand:
                return read;
        }
        return read;
    }

    // Hand `at` and every hand after it played out, real order.
    double deal(const DeckCounts& shoe, std::vector<Hand> hands, std::size_t at) {
        if (at == hands.size()) {
            return settle(shoe, hands);
        }
        Hand& hand = hands[at];
        if (hand.count == 1) {
            return each_card(shoe, [&](int value, const DeckCounts& left) {
                std::vector<Hand> next = hands;
                if (value == pair_ && may_resplit(next.size())) {
                    next.emplace_back().add(pair_);  // a new hand at the end of the row
                } else {
                    next[at].add(value);
                    next[at].done = !draws();
                }
                return deal(left, std::move(next), next[at].done ? at + 1 : at);
            });
        }
        if (hand.bust() || hand.done) {
            return deal(shoe, std::move(hands), at + 1);
        }
        const Choice choice = best_play(strategy_shoe(shoe, hands, at), hand);
        if (choice == Choice::stand) {
            hands[at].done = true;
            return deal(shoe, std::move(hands), at + 1);
        }
        return each_card(shoe, [&](int value, const DeckCounts& left) {
            std::vector<Hand> next = hands;
            next[at].add(value);
            if (choice == Choice::doubled) {
                next[at].stake = 2;
                next[at].done = true;
            }
            return deal(left, std::move(next), at);
        });
    }

    // Every hand's second card first, left to right, a pair card starting
    // a hand while one may start; then the hands played out as deal() does.
    double seconds_first(const DeckCounts& shoe, std::vector<Hand> hands, std::size_t at) {
        if (at == hands.size()) {
            for (Hand& hand : hands) {
                hand.done = !draws();
            }
            return deal(shoe, std::move(hands), 0);
        }
        return each_card(shoe, [&](int value, const DeckCounts& left) {
            std::vector<Hand> next = hands;
            if (value == pair_ && may_resplit(next.size())) {
                next.emplace_back().add(pair_);
                return seconds_first(left, std::move(next), at);
            }
            next[at].add(value);
            return seconds_first(left, std::move(next), at + 1);
        });
    }

    const Table& table_;
    const TableRules& rules_;
    Hand banco_;
    int pair_ = 0;
    int natural_card_ = 0;  // the hole card that makes the dealer's natural
    bool peek_ = false;
    bool ran_out_ = false;
    std::map<std::pair<DeckCounts, DeckCounts>, double> best_;
    std::map<std::pair<DeckCounts, DealerStop>, Ends> dealer_;
};

}  // namespace

std::optional<double> split_by_every_order(const Table& table) {
    assert(table.player.size() == 2 && table.player[0] == table.player[1]);
    Play play(table);
    double value = play.split(table.shoe);
    if (play.ran_out()) {
        return std::nullopt;
    }
    // Under the peek the value is joint with no natural in the hole.
    const double none = play.bust_weight(table.shoe);
    return value / none;
}

}  // namespace tavolix::testing
