// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <span>
#include <vector>

#include "card_multiset.h"
#include "core/remaining_cards.h"
#include "core/table_state.h"

namespace tavolix::analysis {

// How the dealer's hand ends: the chance of each final total 16..21 (index
// total - 16) and of a bust (index 6). A 16 stands only where the player's
// total lets it.
struct DealerFinals {
    static constexpr int kBust = 6;
    std::array<double, 7> chance{};

    double of_total(int total) const { return chance[total - 16]; }
};

// The dealer draws on 15 or less and stands on 17 to 21, soft 17 included.
// On 16 it stands when 16 beats or ties the player's final total, so only
// whether that total is above 16 matters.
enum class On16 { stands, draws };
inline On16 dealer_on_16(int player_total) {
    return player_total <= 16 ? On16::stands : On16::draws;
}
inline bool dealer_draws(int total, On16 on_16) {
    return total < 16 || (total == 16 && on_16 == On16::draws);
}

// A shoe the dealer may draw from: the cards of each value and how many in all.
struct Shoe {
    DeckCounts counts{};
    int cards = 0;
};

// How many shoes DealerPlays works out at once. They share every lookup of
// the hands' steps, and the compiler keeps the shoes' products side by side
// in vector registers: one shoe at a time costs about three times as much.
inline constexpr int kShoeLanes = 4;
using LaneFinals = std::array<DealerFinals, kShoeLanes>;

// Every way the dealer's hand can end without a bust, as the multiset of
// cards it draws and the number of orders in which the rule draws exactly
// those cards. A hand's chance in a shoe is that number of orders times the
// chance of one order, which depends only on the multiset; so one list
// serves every shoe the player can leave behind, and the bust is what the
// standing hands leave.
//
// Built from the fullest shoe the dealer can meet; a shoe with fewer cards
// simply gives no chance to the hands it cannot deal.
class DealerPlays {
  public:
    DealerPlays(Integer banco_total, Integer banco_soft, const DeckCounts& fullest_shoe);

    // The dealer's final totals from each of 1..kShoeLanes shoes, in their
    // order; the lanes past the shoes given are left empty.
    // Not for two threads at once: it works in the object's scratch space.
    LaneFinals finals(std::span<const Shoe> shoes, On16 on_16) const;

  private:
    // The standing hands of one rule on 16 as a tree of (value, count) steps,
    // tens first: a step's product of falling factorials is its parent's
    // times its own. The steps are laid out level by level, so no product
    // waits on the one computed just before it, and a shoe that cannot deal
    // a hand simply gives it a zero product: a branch to skip it would cost
    // more than the multiplication.
    struct StandingHands {
        std::vector<int> parent;           // steps[0] is the root, the hand that draws nothing
        std::vector<std::int16_t> factor;  // into the table of falling factorials
        // The hands, by how many cards they draw and how they end. A hand is
        // the product of a step with children and the factor of its own last
        // step, so the many steps that only end a hand are never stored.
        struct Ending {
            int cards;
            int final_index;
            std::size_t first;  // into the hand_ arrays
            std::size_t last;
        };
        std::vector<Ending> endings;
        std::vector<int> hand_step;
        std::vector<std::int16_t> hand_factor;
        std::vector<double> hand_orders;
        int most_cards = 0;
        std::array<int, 11> most_of_value{};
    };
    struct Standing {
        CardCode code;
        int final_total;
        double orders;
    };
    static StandingHands tree_of(std::vector<Standing> hands);

    using Lanes = std::array<double, kShoeLanes>;  // one figure for each shoe

    std::array<StandingHands, 2> standing_;  // by On16
    mutable std::vector<Lanes> reached_;     // scratch: each step's products
};

}  // namespace tavolix::analysis
