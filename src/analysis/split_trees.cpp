// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "split_trees.h"

#include <array>
#include <cassert>
#include <tuple>

#include "core/hand_total.h"
#include "player_hands.h"
#include "second_hand.h"
#include "split_method.h"
#include "split_patterns.h"

namespace tavolix::analysis {

namespace {

Shoe shoe_of(const DeckCounts& counts) {
    return {.counts = counts, .cards = cards_in(counts)};
}

// The strategy a split plays by. OPT is worked out for two hands only, and
// the rules never hold it with more; were it asked of more, the first
// hand's strategy, CDP1, would serve every hand.
PostSplit strategy_for(const TableRules& rules, const TableMoney& money) {
    if (rules.post_split == PostSplit::opt && money.most_hands() > 2) {
        return PostSplit::cdp1;
    }
    return rules.post_split;
}

}  // namespace

SplitTrees::SplitTrees(const Table& table, const TableMoney& money, ShoeFinals& finals,
                       CardCode offset, std::pmr::memory_resource* memory, InitialHands initial)
    : table_(table),
      money_(money),
      finals_(finals),
      offset_(offset),
      initial_(initial),
      pair_(table.player[0]),
      strategy_(strategy_for(table.rules, money)),
      hand_(split_hand_rules(pair_, table.rules)),
      by_k_(memory) {
    assert(strategy_ != PostSplit::cdz_minus || initial.tree != nullptr);
    Integer total = 0;
    Integer soft = 0;
    add_card(total, soft, static_cast<Integer>(pair_));
    const int most_cards = hand_.draws ? kMaxHandCards : 1;
    // With resplits the patterns ask for the finals joint with the other
    // hands' second cards being no pair card; the per-hand method does not.
    if (strategy_ != PostSplit::per_hand && money.resplits()) {
        followed_.emplace(finals.dealer(), finals.base(), memory, pair_);
    }
    const Shoe shoe = shoe_of(table.shoe);
    by_k_.reserve(static_cast<std::size_t>(money.split_steps()));
    for (int k = 0; k < money.split_steps(); ++k) {
        const CardCode gone = static_cast<CardCode>(k) * one_card(pair_);
        const Shoe left = shoe_less(shoe, gone);
        by_k_.emplace_back(player_hands(total, soft, left.counts, memory, most_cards), left,
                           offset + gone);
    }
}

void SplitTrees::need_finals() {
    for (PlayedTree& tree : by_k_) {
        tree.need_finals(followed_ ? *followed_ : finals_, table_.rules.dealer);
    }
}

void SplitTrees::play_out(const DealerNatural& natural) {
    natural_ = natural;
    if (followed_) {
        followed_->work_out();
    }
    const ShoeFinals& finals = followed_ ? *followed_ : finals_;
    for (PlayedTree& tree : by_k_) {
        tree.play_out(finals, natural, false);
    }
    if (strategy_ == PostSplit::per_hand) {
        return;
    }
    const TableRules& rules = table_.rules;
    for (std::size_t k = 0; k < by_k_.size(); ++k) {
        switch (strategy_) {
            case PostSplit::cdz_minus:
                plays_.push_back(
                    plays_by(by_k_[k], *initial_.tree, initial_.pair_card, hand_, rules));
                break;
            case PostSplit::cdp1:
                plays_.push_back(plays_by(by_k_[k], by_k_[0], 0, hand_, rules));
                break;
            case PostSplit::cdp:
            case PostSplit::opt:
            case PostSplit::per_hand:
                plays_.push_back(own_plays(by_k_[k], hand_, rules));
                break;
        }
    }
    sums_ = pattern_sums();
}

SplitTrees::Sums SplitTrees::pattern_sums() const {
    const ShoeFinals& finals = followed_ ? *followed_ : finals_;
    // The sums over the second cards of each tree's values and squares,
    // joint with y other second cards being no pair card, worked out as the
    // patterns ask.
    struct TreeSums {
        SecondCardSums ev;
        SecondCardSums square;
    };
    std::array<std::array<std::optional<TreeSums>, kMostFollowing + 1>, kMostSplits> sums{};
    const auto sums_for = [&](int k, int following) -> const TreeSums& {
        auto& at = sums[static_cast<std::size_t>(k)][static_cast<std::size_t>(following)];
        if (!at) {
            const PlayedTree& tree = by_k_[static_cast<std::size_t>(k)];
            const FollowedValues values = followed_values(tree, plays_[static_cast<std::size_t>(k)],
                                                          finals, following, natural_);
            at = TreeSums{.ev = second_card_sums(tree, values.ev, pair_),
                          .square = second_card_sums(tree, values.square, pair_)};
        }
        return *at;
    };

    if (strategy_ == PostSplit::opt) {
        // The first hand as CDP1 plays it, the second best for what is left.
        const SecondHand second =
            best_second_hand(by_k_[0], plays_[0], finals_, offset_, natural_, hand_, table_.rules);
        const TreeSums& first = sums_for(0, 0);
        return {.ev = first.ev.all + second.ev, .own_squares = first.square.all + second.square};
    }

    const Shoe shoe = shoe_of(table_.shoe);
    Sums total;
    for (const SplitPattern& pattern : split_patterns(money_.most_hands(), money_.resplits())) {
        // The pair cards came first: every order of the cards is as likely,
        // and the hands' sums count the chance of the other second cards.
        const double pairs_first =
            pattern.orders * all_among(shoe.counts[pair_], shoe.cards, pattern.pair_cards);
        if (pairs_first == 0) {
            continue;
        }
        // A hand dealt its second card while a hand could still start holds
        // no pair card, and knows the others' such cards hold none; a hand
        // dealt it after the last hand started holds any card.
        if (pattern.others > 0) {
            const TreeSums& hand = sums_for(pattern.pair_cards, pattern.others - 1);
            total.ev += pairs_first * pattern.others * hand.ev.others;
            total.own_squares += pairs_first * pattern.others * hand.square.others;
        }
        if (pattern.free_hands() > 0) {
            const TreeSums& hand = sums_for(pattern.pair_cards, pattern.others);
            total.ev += pairs_first * pattern.free_hands() * hand.ev.all;
            total.own_squares += pairs_first * pattern.free_hands() * hand.square.all;
        }
    }
    return total;
}

double SplitTrees::hand_pairs() const {
    const Shoe shoe = shoe_of(table_.shoe);
    double pairs = 0;
    for (const SplitPattern& pattern : split_patterns(money_.most_hands(), money_.resplits())) {
        pairs += pattern_chance(pattern, shoe.counts[pair_], shoe.cards) * pattern.hands() *
                 (pattern.hands() - 1);
    }
    return pairs;
}

double SplitTrees::cross_term() const {
    // A hand's mean E[X; d], the hands dealt as the per-hand method deals
    // them, each tree played by the strategy's plays.
    constexpr std::size_t kEnds = std::tuple_size_v<ByDealerFinal>;
    std::array<SplitStep, kMostSplits> hands{};
    std::array<std::array<SplitStep, kMostSplits>, kEnds> by_end{};
    for (std::size_t k = 0; k < by_k_.size(); ++k) {
        const PlayedTree& tree = by_k_[k];
        const Vector<ByDealerFinal> money = tree.by_dealer(plays_[k]);
        const Shoe left = tree.shoe_after(0);
        for (int value = 1; value <= 10; ++value) {
            const int next = tree.hand(0).next[value];
            if (left.counts[value] < 1 || next < 0) {
                continue;
            }
            const double chance = static_cast<double>(left.counts[value]) / left.cards;
            const auto add = [&](SplitStep& step, double what) {
                step.with_pair += chance * what;
                if (value == pair_) {
                    step.pair_card = chance;
                } else {
                    step.others += chance * what;
                }
            };
            add(hands[k], 1.0);
            for (std::size_t d = 0; d < kEnds; ++d) {
                add(by_end[d][k], money[static_cast<std::size_t>(next)][d]);
            }
        }
    }
    const int most = money_.most_hands();
    const bool resplits = money_.resplits();
    const std::size_t count = by_k_.size();
    const double mean_hands = split_ev({hands.data(), count}, most, resplits);
    const DealerFinals& dealer = by_k_.front().finals_behind(0);
    double cross = 0;
    for (std::size_t d = 0; d < kEnds; ++d) {
        if (dealer.chance[d] > 0) {
            const double per_hand =
                split_ev({by_end[d].data(), count}, most, resplits) / mean_hands;
            cross += per_hand * per_hand / dealer.chance[d];
        }
    }
    return cross;
}

double SplitTrees::value() const {
    return strategy_ == PostSplit::per_hand ? per_hand_value() : sums_.ev;
}

double SplitTrees::second_moment() const {
    if (strategy_ == PostSplit::per_hand) {
        return per_hand_second_moment();
    }
    return sums_.own_squares + hand_pairs() * cross_term();
}

namespace {

enum class SecondCardPlay { best, doubled };

// Each second card a hand of the per-hand method's tree can take, with its
// chance, the two-card hand it makes, how that is played and its value:
// split aces without HSA stand.
template <class Use>
void each_second_card(const PlayedTree& tree, int pair, const TableRules& rules, const Use& use) {
    const bool aces = pair == kAce;
    const Shoe left = tree.shoe_after(0);
    for (int value = 1; value <= 10; ++value) {
        const int next = tree.hand(0).next[value];
        if (left.counts[value] < 1 || next < 0) {
            continue;
        }
        const auto hand = static_cast<std::size_t>(next);
        const double chance = static_cast<double>(left.counts[value]) / left.cards;
        const double best =
            aces && !rules.hit_split_aces ? tree.stand(hand).ev() : tree.best(hand).ev();
        const PlayerHand& two = tree.hand(hand);
        if (rules.double_after_split && (!aces || rules.hit_split_aces) &&
            may_double(rules, two.total, two.soft != 0)) {
            if (const double doubled = 2.0 * tree.one_card(hand).ev(); best < doubled) {
                use(value, chance, hand, SecondCardPlay::doubled, doubled);
                continue;
            }
        }
        use(value, chance, hand, SecondCardPlay::best, best);
    }
}

}  // namespace

// Each two-card hand of a split played from its own tree by its best play:
// V(k) with and without the pair card, and the pair card's chance.
double SplitTrees::per_hand_value() const {
    std::array<SplitStep, kMostSplits> steps{};
    std::size_t count = 0;
    for (const PlayedTree& tree : by_k_) {
        SplitStep& step = steps[count++];
        each_second_card(tree, pair_, table_.rules,
                         [&](int value, double chance, std::size_t, SecondCardPlay, double ev) {
                             step.with_pair += chance * ev;
                             if (value == pair_) {
                                 step.pair_card = chance;
                             } else {
                                 step.others += chance * ev;
                             }
                         });
    }
    return split_ev({steps.data(), count}, money_.most_hands(), money_.resplits());
}

double SplitTrees::per_hand_second_moment() const {
    constexpr std::size_t kEnds = std::tuple_size_v<ByDealerFinal>;
    std::array<SplitStep, kMostSplits> squares{};
    std::array<SplitStep, kMostSplits> hands{};
    std::array<std::array<SplitStep, kMostSplits>, kEnds> by_end{};
    std::size_t count = 0;
    for (const PlayedTree& tree : by_k_) {
        const Vector<ByDealerFinal> best = tree.best_by_dealer();
        each_second_card(
            tree, pair_, table_.rules,
            [&](int value, double chance, std::size_t hand, SecondCardPlay play, double) {
                const bool doubled = play == SecondCardPlay::doubled;
                const double square = doubled ? 4.0 * tree.one_card(hand).second_moment()
                                              : tree.best(hand).second_moment();
                ByDealerFinal ends = best[hand];
                if (doubled) {
                    ends = tree.one_card_by_dealer(hand);
                    for (double& end : ends) {
                        end *= 2.0;
                    }
                }
                const bool is_pair = value == pair_;
                const auto add = [&](SplitStep& step, double what) {
                    step.with_pair += chance * what;
                    if (is_pair) {
                        step.pair_card = chance;
                    } else {
                        step.others += chance * what;
                    }
                };
                add(squares[count], square);
                add(hands[count], 1.0);
                for (std::size_t d = 0; d < kEnds; ++d) {
                    add(by_end[d][count], ends[d]);
                }
            });
        ++count;
    }
    const int most = money_.most_hands();
    const bool resplits = money_.resplits();
    const double own = split_ev({squares.data(), count}, most, resplits);
    const double mean_hands = split_ev({hands.data(), count}, most, resplits);
    const DealerFinals& dealer = by_k_.front().finals_behind(0);
    double cross = 0;
    for (std::size_t d = 0; d < kEnds; ++d) {
        if (dealer.chance[d] <= 0) {
            continue;
        }
        const double per_hand = split_ev({by_end[d].data(), count}, most, resplits) / mean_hands;
        cross += per_hand * per_hand / dealer.chance[d];
    }
    return own + split_hand_pairs({hands.data(), count}, most, resplits) * cross;
}

}  // namespace tavolix::analysis
