// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <vector>

#include "card_multiset.h"
#include "dealer_plays.h"

namespace tavolix::analysis {

// The shoe left once the cards of `removed` have gone from `base`.
Shoe shoe_less(const Shoe& base, CardCode removed);

// How the dealer ends from every shoe that the player's hands leave behind a
// base shoe. Many hands leave the same shoe (a split hand that drew a pair
// card leaves what a hand of the other count of pair cards leaves; every
// initial hand of a round shares its hands' shoes with the others), so each
// shoe is worked out once for each stop rule, kShoeLanes at a time.
//
// Given a pair's value, it also keeps each shoe's finals joint with the
// cards that follow the dealer's hand being none of that value, as the exact
// value of a split asks (FollowedFinals).
class ShoeFinals {
  public:
    ShoeFinals(const DealerPlays& dealer, const Shoe& base,
               std::pmr::memory_resource* memory = std::pmr::get_default_resource(),
               int followed_pair = 0);

    // Where the finals behind the shoe without `removed` will be, the dealer
    // stopping by `stop`; they are there after the next work_out().
    int need(CardCode removed, DealerStop stop);
    // Works out every shoe needed since the last call.
    void work_out();

    const DealerFinals& operator[](int index) const {
        return finals_[static_cast<std::size_t>(index) * stride_];
    }
    // With a pair's value: the finals joint with the next `following` cards
    // after the dealer's hand being none of it.
    const DealerFinals& followed(int index, int following) const {
        return finals_[static_cast<std::size_t>(index) * stride_ +
                       static_cast<std::size_t>(following)];
    }
    const Shoe& base() const { return base_; }
    const DealerPlays& dealer() const { return dealer_; }
    int followed_pair() const { return followed_pair_; }

  private:
    struct Wanted {
        CardCode removed;
        DealerStop stop;
    };

    const DealerPlays& dealer_;
    Shoe base_;
    int followed_pair_;
    std::size_t stride_;  // finals kept for each shoe
    // Keyed by the cards removed with the stop rule in the code's free top
    // bits; the index it gives is the place in finals_.
    CodeIndex where_;
    Vector<Wanted> wanted_;
    Vector<DealerFinals> finals_;
    std::size_t worked_out_ = 0;
};

}  // namespace tavolix::analysis
