// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "played_tree.h"

#include <algorithm>

namespace tavolix::analysis {

PlayedTree::PlayedTree(Vector<PlayerHand> hands, const Shoe& shoe, CardCode offset)
    : hands_(std::move(hands)),
      shoe_(shoe),
      offset_(offset),
      finals_at_(hands_.get_allocator()),
      stand_(hands_.get_allocator()),
      best_(hands_.get_allocator()),
      rows_(hands_.get_allocator()) {}

void PlayedTree::need_finals(ShoeFinals& finals, DealerRule rule) {
    finals_at_.resize(hands_.size());
    for (std::size_t i = 0; i < hands_.size(); ++i) {
        finals_at_[i] = finals.need(offset_ + hands_[i].drawn, dealer_stop(rule, hands_[i].total));
    }
}

template <class Busts, class GoesOn>
void PlayedTree::each_card(std::size_t i, const Busts& busts, const GoesOn& goes_on) const {
    const Shoe left = shoe_after(i);
    for (int value = 1; value <= 10; ++value) {
        if (left.counts[value] < 1) {
            continue;
        }
        const double chance = static_cast<double>(left.counts[value]) / left.cards;
        const int next = hands_[i].next[value];
        if (next >= 0) {
            goes_on(chance, static_cast<std::size_t>(next));
            continue;
        }
        // The bust's shoe lacks the card that busted the hand too.
        if (natural_.effect == NaturalCounts::left_out) {
            DeckCounts after = left.counts;
            --after[value];
            busts(chance, natural_.bust_weight(after, left.cards - 1));
        } else {
            busts(chance, 1.0);
        }
    }
}

void PlayedTree::play_out(const ShoeFinals& finals, const DealerNatural& natural, bool with_rows) {
    finals_ = &finals;
    natural_ = natural;
    stand_.assign(hands_.size(), {});
    best_.assign(hands_.size(), {});
    rows_.assign(with_rows ? hands_.size() : 0, {});
    for (std::size_t i = hands_.size(); i-- > 0;) {
        const PlayerHand& hand = hands_[i];
        stand_[i] = settle(finals_behind(i), hand.total, natural.effect);
        Outcome hit;
        std::array<Outcome, kThresholds> drawn{};
        const int first_drawing =
            std::max(kLowestThreshold, static_cast<int>(hand.total) + 1) - kLowestThreshold;
        each_card(
            i,
            [&](double chance, double weight) {
                hit.lose += chance * weight;
                if (with_rows) {
                    for (int row = first_drawing; row < kThresholds; ++row) {
                        drawn[row].lose += chance * weight;
                    }
                }
            },
            [&](double chance, std::size_t next) {
                add_scaled(hit, best_[next], chance);
                if (with_rows) {
                    for (int row = first_drawing; row < kThresholds; ++row) {
                        add_scaled(drawn[row], rows_[next][row], chance);
                    }
                }
            });
        best_[i] = better(stand_[i], hit);
        if (with_rows) {
            for (int row = 0; row < kThresholds; ++row) {
                rows_[i][row] = row < first_drawing ? stand_[i] : drawn[row];
            }
        }
    }
}

Outcome PlayedTree::hit(std::size_t i) const {
    Outcome hit;
    each_card(
        i, [&](double chance, double weight) { hit.lose += chance * weight; },
        [&](double chance, std::size_t next) { add_scaled(hit, best_[next], chance); });
    return hit;
}

Outcome PlayedTree::one_card(std::size_t i) const {
    Outcome doubled;
    each_card(
        i, [&](double chance, double weight) { doubled.lose += chance * weight; },
        [&](double chance, std::size_t next) { add_scaled(doubled, stand_[next], chance); });
    return doubled;
}

ByDealerFinal PlayedTree::stand_by_dealer(std::size_t i) const {
    const DealerFinals& finals = finals_behind(i);
    const int player = hands_[i].total;
    ByDealerFinal money{};
    for (int total = 16; total <= 21; ++total) {
        const double sign = total < player ? 1.0 : total == player ? 0.0 : -1.0;
        money[static_cast<std::size_t>(total - 16)] = sign * finals.of_total(total);
    }
    money[DealerFinals::kBust] = finals.chance[DealerFinals::kBust];
    const double natural = finals.chance[DealerFinals::kNatural];
    switch (natural_.effect) {
        case NaturalCounts::as_21:
            money[DealerFinals::kNatural] = player == 21 ? 0.0 : -natural;
            break;
        case NaturalCounts::left_out:
            break;
        case NaturalCounts::beats_all:
            money[DealerFinals::kNatural] = -natural;
            break;
    }
    return money;
}

void PlayedTree::add_bust(ByDealerFinal& sum, std::size_t i, double lost) const {
    const DealerFinals& finals = finals_behind(i);
    const std::size_t ends =
        natural_.effect == NaturalCounts::left_out ? DealerFinals::kNatural : finals.chance.size();
    double all = 0;
    for (std::size_t d = 0; d < ends; ++d) {
        all += finals.chance[d];
    }
    if (all <= 0) {
        return;
    }
    for (std::size_t d = 0; d < ends; ++d) {
        sum[d] -= lost * finals.chance[d] / all;
    }
}

ByDealerFinal PlayedTree::hit_by_dealer(std::size_t i, const Vector<ByDealerFinal>& money) const {
    ByDealerFinal hit{};
    each_card(
        i, [&](double chance, double weight) { add_bust(hit, i, chance * weight); },
        [&](double chance, std::size_t next) {
            for (std::size_t d = 0; d < hit.size(); ++d) {
                hit[d] += chance * money[next][d];
            }
        });
    return hit;
}

Vector<ByDealerFinal> PlayedTree::best_by_dealer() const {
    Vector<ByDealerFinal> money(hands_.size(), hands_.get_allocator());
    for (std::size_t i = hands_.size(); i-- > 0;) {
        if (best_[i].ev() <= stand_[i].ev() + kTie) {
            money[i] = stand_by_dealer(i);
            continue;
        }
        money[i] = hit_by_dealer(i, money);
    }
    return money;
}

Vector<ByDealerFinal> PlayedTree::by_dealer(std::span<const HandPlay> plays) const {
    Vector<ByDealerFinal> money(hands_.size(), hands_.get_allocator());
    for (std::size_t i = hands_.size(); i-- > 0;) {
        switch (plays[i]) {
            case HandPlay::stand:
                money[i] = stand_by_dealer(i);
                break;
            case HandPlay::doubled:
                money[i] = one_card_by_dealer(i);
                for (double& end : money[i]) {
                    end *= 2.0;
                }
                break;
            case HandPlay::hit:
                money[i] = hit_by_dealer(i, money);
                break;
        }
    }
    return money;
}

ByDealerFinal PlayedTree::one_card_by_dealer(std::size_t i) const {
    ByDealerFinal doubled{};
    each_card(
        i, [&](double chance, double weight) { add_bust(doubled, i, chance * weight); },
        [&](double chance, std::size_t next) {
            const ByDealerFinal stand = stand_by_dealer(next);
            for (std::size_t d = 0; d < doubled.size(); ++d) {
                doubled[d] += chance * stand[d];
            }
        });
    return doubled;
}

}  // namespace tavolix::analysis
