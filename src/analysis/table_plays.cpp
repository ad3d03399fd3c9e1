// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_plays.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "core/hand_total.h"
#include "play_choice.h"
#include "split_method.h"

namespace tavolix::analysis {

namespace {

Outcome scaled(const Outcome& outcome, double by) {
    return {.win = outcome.win * by,
            .push = outcome.push * by,
            .lose = outcome.lose * by,
            .pays = outcome.pays};
}

Shoe shoe_of(const DeckCounts& counts) {
    return {.counts = counts, .cards = cards_in(counts)};
}

}  // namespace

SplitTrees::SplitTrees(const Table& table, const TableMoney& money, CardCode offset,
                       std::pmr::memory_resource* memory)
    : table_(table), money_(money), pair_(table.player[0]), by_k_(memory) {
    Integer total = 0;
    Integer soft = 0;
    add_card(total, soft, static_cast<Integer>(pair_));
    const int most_cards = pair_ == kAce && !table.rules.hit_split_aces ? 1 : kMaxHandCards;
    const Shoe shoe = shoe_of(table.shoe);
    by_k_.reserve(static_cast<std::size_t>(money.split_steps()));
    for (int k = 0; k < money.split_steps(); ++k) {
        const CardCode gone = static_cast<CardCode>(k) * one_card(pair_);
        const Shoe left = shoe_less(shoe, gone);
        by_k_.emplace_back(player_hands(total, soft, left.counts, memory, most_cards), left,
                           offset + gone);
    }
}

void SplitTrees::need_finals(ShoeFinals& finals) {
    for (PlayedTree& tree : by_k_) {
        tree.need_finals(finals, table_.rules.dealer);
    }
}

void SplitTrees::play_out(const ShoeFinals& finals, const DealerNatural& natural) {
    for (PlayedTree& tree : by_k_) {
        tree.play_out(finals, natural, false);
    }
}

// Split aces without HSA cannot draw, so their best play is to stand.
template <class Use>
void SplitTrees::each_second_card(const PlayedTree& tree, const Use& use) const {
    const TableRules& rules = table_.rules;
    const bool aces = pair_ == kAce;
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
                use(value, chance, hand, HandPlay::doubled, doubled);
                continue;
            }
        }
        use(value, chance, hand, HandPlay::best, best);
    }
}

// Each two-card hand of a split played from its own tree by its best play:
// V(k) with and without the pair card, and the pair card's chance.
double SplitTrees::value() const {
    std::array<SplitStep, kMostSplits> steps{};
    std::size_t count = 0;
    for (const PlayedTree& tree : by_k_) {
        SplitStep& step = steps[count++];
        each_second_card(tree, [&](int value, double chance, std::size_t, HandPlay, double ev) {
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

double SplitTrees::second_moment() const {
    constexpr std::size_t kEnds = std::tuple_size_v<ByDealerFinal>;
    std::array<SplitStep, kMostSplits> squares{};
    std::array<SplitStep, kMostSplits> hands{};
    std::array<std::array<SplitStep, kMostSplits>, kEnds> by_end{};
    std::size_t count = 0;
    for (const PlayedTree& tree : by_k_) {
        const Vector<ByDealerFinal> best = tree.best_by_dealer();
        each_second_card(
            tree, [&](int value, double chance, std::size_t hand, HandPlay play, double) {
                const bool doubled = play == HandPlay::doubled;
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

void read_plays(HandAnalysis& analysis, const Table& table, const TableMoney& money,
                const PlayedTree& tree, std::size_t at, const SplitTrees* splits) {
    const Shoe shoe = shoe_of(table.shoe);
    const DealerNatural natural = money.dealer_natural();
    analysis.insurance_ev = money.insurance();
    analysis.no_dealer_blackjack = natural.effect == NaturalCounts::left_out;

    if (const std::optional<Outcome> settled = money.settled_outcome(shoe)) {
        // A natural on either side leaves nothing to play: standing is all.
        analysis.natural = money.player_natural();
        analysis.dealer_natural = money.dealer_natural_on_table();
        analysis.stand_at.fill(*settled);
        choose_plays(analysis, Plays{.stand = *settled});
        return;
    }

    // Under the peek every figure of the tree counts only the deals without
    // a natural behind the up card; dividing by their share conditions on it.
    const double given = natural.effect == NaturalCounts::left_out
                             ? 1.0 / natural.none_from(shoe.counts, shoe.cards)
                             : 1.0;
    for (int row = 0; row < kThresholds; ++row) {
        analysis.stand_at[row] = scaled(tree.rows(at)[row], given);
    }
    Plays plays{.stand = scaled(tree.stand(at), given), .hit = scaled(tree.hit(at), given)};
    if (money.may_double(tree.hand(at).soft != 0)) {
        plays.doubled = scaled(tree.one_card(at), given);
    }
    if (splits != nullptr && money.may_split()) {
        plays.split = splits->value() * given;
    }
    plays.surrender = money.surrender(shoe);
    plays.surrender_second_moment = money.surrender_second_moment(shoe);
    choose_plays(analysis, plays);
    if (analysis.advice == Play::split) {
        analysis.advice_second_moment = splits->second_moment() * given;
    }
}

}  // namespace tavolix::analysis
