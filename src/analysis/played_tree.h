// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "hand_analysis.h"
#include "player_hands.h"
#include "settle.h"
#include "shoe_finals.h"

namespace tavolix::analysis {

// What a dealer's natural does at a table, and which card in the hole makes
// one behind the up card.
struct DealerNatural {
    NaturalCounts effect = NaturalCounts::as_21;
    int hole_value = 0;  // 0 when the dealer cannot make one

    // The chance that a shoe deals no natural behind the up card: under the
    // peek, what a hand that leaves this shoe weighs.
    double none_from(const DeckCounts& shoe, int cards) const {
        if (hole_value == 0 || cards < 1) {
            return 1.0;
        }
        return 1.0 - static_cast<double>(shoe[hole_value]) / cards;
    }
    // What a player's bust loses per unit staked: the whole stake, but under
    // the peek only where the dealer has no natural, which was never dealt.
    double bust_weight(const DeckCounts& shoe, int cards) const {
        return effect == NaturalCounts::left_out ? none_from(shoe, cards) : 1.0;
    }
};

// What a way of playing a hand wins per unit staked, joint with each way the
// dealer ends: E[X; the dealer ends at d], d indexing DealerFinals::chance.
// Under the peek the dealer's natural is no way to end. Summed over d, the EV.
using ByDealerFinal = std::array<double, 8>;

// How a hand is played from where it stands: a double takes one card only,
// for a doubled stake, and only a hand of two cards makes it.
enum class HandPlay : std::uint8_t { stand, hit, doubled };

// A tree of the player's hands (player_hands) played out against the dealer:
// for every hand, standing there, the better of standing and drawing on at
// every turn, and, when asked for, each threshold's way on. The hands are
// drawn from `shoe`, which is the finals' base shoe less `offset`, so that
// trees of the same table share the dealer's work on every shoe they share.
class PlayedTree {
  public:
    PlayedTree(Vector<PlayerHand> hands, const Shoe& shoe, CardCode offset);

    // Asks `finals` for the shoe each hand leaves, the dealer stopping by
    // `rule` against the hand's total.
    void need_finals(ShoeFinals& finals, DealerRule rule);
    // Once the finals are worked out: every hand's values, from the back.
    void play_out(const ShoeFinals& finals, const DealerNatural& natural, bool with_rows);

    std::size_t size() const { return hands_.size(); }
    const PlayerHand& hand(std::size_t i) const { return hands_[i]; }
    const Outcome& stand(std::size_t i) const { return stand_[i]; }
    const Outcome& best(std::size_t i) const { return best_[i]; }
    const std::array<Outcome, kThresholds>& rows(std::size_t i) const { return rows_[i]; }
    const DealerFinals& finals_behind(std::size_t i) const { return (*finals_)[finals_at_[i]]; }
    // Where the finals behind hand i stand in the ShoeFinals it asked.
    int finals_index(std::size_t i) const { return finals_at_[i]; }
    const Shoe& shoe() const { return shoe_; }
    // The shoe that hand i leaves.
    Shoe shoe_after(std::size_t i) const { return shoe_less(shoe_, hands_[i].drawn); }

    // A card to hand i, then the better play at every turn.
    Outcome hit(std::size_t i) const;
    // A card to hand i and no more: a double, at even money.
    Outcome one_card(std::size_t i) const;

    // Every hand's better play at every turn, the choices of best(), by the
    // dealer's final; and a card to hand i and no more. A bust is spread over
    // the dealer's finals behind the hand before the card that busts it.
    Vector<ByDealerFinal> best_by_dealer() const;
    ByDealerFinal one_card_by_dealer(std::size_t i) const;
    // The same, every hand played as `plays` says (one play for each hand),
    // a double at its doubled stake.
    Vector<ByDealerFinal> by_dealer(std::span<const HandPlay> plays) const;

  private:
    // Each value with a card left, dealt to hand i: `busts(chance, weight)`
    // for a card that takes it past 21, `goes_on(chance, next)` otherwise.
    template <class Busts, class GoesOn>
    void each_card(std::size_t i, const Busts& busts, const GoesOn& goes_on) const;
    ByDealerFinal stand_by_dealer(std::size_t i) const;
    // Hand i hit once more, each hand it can become already in `money`.
    ByDealerFinal hit_by_dealer(std::size_t i, const Vector<ByDealerFinal>& money) const;
    void add_bust(ByDealerFinal& sum, std::size_t i, double lost) const;

    Vector<PlayerHand> hands_;
    Shoe shoe_;
    CardCode offset_;
    DealerNatural natural_;
    const ShoeFinals* finals_ = nullptr;
    Vector<int> finals_at_;
    Vector<Outcome> stand_;
    Vector<Outcome> best_;
    Vector<std::array<Outcome, kThresholds>> rows_;
};

}  // namespace tavolix::analysis
