// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <span>
#include <vector>

#include "card_multiset.h"
#include "core/dealer_rule.h"
#include "core/remaining_cards.h"
#include "core/table_state.h"

namespace tavolix::analysis {

// How the dealer's hand ends: the chance of each final total 16..21 (index
// total - 16), of a bust (index 6), and of a natural (index 7), which only a
// dealer with one card on the table can make and which is no 21 here. A 16
// stands only where the window's own dealer lets it.
struct DealerFinals {
    static constexpr int kBust = 6;
    static constexpr int kNatural = 7;
    std::array<double, 8> chance{};

    double of_total(int total) const { return chance[total - 16]; }
};

inline constexpr int kDealerStops = 3;
constexpr int stop_index(DealerStop stop) {
    return static_cast<int>(stop);
}

// The stop rules a dealer rule takes: the window's own dealer stands on 16
// or draws to 17 by the player's total.
std::vector<DealerStop> stops_for(DealerRule rule);

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

// The most cards the exact split value asks to follow the dealer's hand.
inline constexpr int kMostFollowing = 2;

// How the dealer's hand ends, each way joint with the event that the next y
// cards after it, y = 0..kMostFollowing, are none of the pair's value. The
// exact value of a split needs them: the other hands' second cards are known
// not to be pair cards, and dealing them after the dealer's hand instead of
// before it changes no chance (every order of the same cards is as likely),
// so a hand's worth with y such cards gone unseen is its worth joint with
// the y cards that follow being no pair card. Index y = 0 is DealerFinals.
struct FollowedFinals {
    std::array<DealerFinals, kMostFollowing + 1> by_following{};
};
using LaneFollowedFinals = std::array<FollowedFinals, kShoeLanes>;

// Every way the dealer's hand can end without a bust, as the multiset of
// cards it draws and the number of orders in which the rule draws exactly
// those cards. A hand's chance in a shoe is that number of orders times the
// chance of one order, which depends only on the multiset; so one list
// serves every shoe the player can leave behind, and the bust is what the
// standing hands leave.
//
// Built from the fullest shoe the dealer can meet; a shoe with fewer cards
// simply gives no chance to the hands it cannot deal. With `natural`, the
// dealer holds one card and a first card that makes 21 is a natural.
class DealerPlays {
  public:
    DealerPlays(Integer banco_total, Integer banco_soft, bool natural,
                const DeckCounts& fullest_shoe, std::span<const DealerStop> stops,
                std::pmr::memory_resource* memory = std::pmr::get_default_resource());

    // The dealer's final totals from each of 1..kShoeLanes shoes, in their
    // order, by one of the stop rules it was built for; the lanes past the
    // shoes given are left empty.
    // Not for two threads at once: it works in the object's scratch space.
    LaneFinals finals(std::span<const Shoe> shoes, DealerStop stop) const;
    // The same, each final also joint with the cards that follow being no
    // card of value `pair`.
    LaneFollowedFinals followed_finals(std::span<const Shoe> shoes, DealerStop stop,
                                       int pair) const;

  private:
    // The standing hands of one rule on 16 as a tree of (value, count) steps,
    // tens first: a step's product of falling factorials is its parent's
    // times its own. The steps are laid out level by level, so no product
    // waits on the one computed just before it, and a shoe that cannot deal
    // a hand simply gives it a zero product: a branch to skip it would cost
    // more than the multiplication.
    struct StandingHands {
        explicit StandingHands(std::pmr::memory_resource* memory)
            : parent(memory),
              factor(memory),
              endings(memory),
              hand_step(memory),
              hand_factor(memory),
              hand_orders(memory),
              hand_code(memory),
              pair_weights{} {
            for (PairWeights& weights : pair_weights) {
                weights.once = Vector<double>(memory);
                weights.twice = Vector<double>(memory);
            }
        }

        Vector<int> parent;           // steps[0] is the root, the hand that draws nothing
        Vector<std::int16_t> factor;  // into the table of falling factorials
        // The hands, by how many cards they draw and how they end. A hand is
        // the product of a step with children and the factor of its own last
        // step, so the many steps that only end a hand are never stored.
        struct Ending {
            int cards;
            int final_index;
            std::size_t first;  // into the hand_ arrays
            std::size_t last;
        };
        Vector<Ending> endings;
        Vector<int> hand_step;
        Vector<std::int16_t> hand_factor;
        Vector<double> hand_orders;
        Vector<CardCode> hand_code;  // each hand's cards, for the pair cards among them
        // For each pair's value, once asked for: each hand's orders times the
        // number a of its cards of that value, and times a squared.
        struct PairWeights {
            Vector<double> once;
            Vector<double> twice;
        };
        mutable std::array<PairWeights, 11> pair_weights;
        int most_cards = 0;
        std::array<int, 11> most_of_value{};
    };
    struct Standing {
        CardCode code;
        int final_index;  // into DealerFinals::chance
        double orders;
    };
    static StandingHands tree_of(Vector<Standing> hands, std::pmr::memory_resource* memory);

    using Lanes = std::array<double, kShoeLanes>;  // one figure for each shoe

    // What finals() and followed_finals() share: every standing hand's chance
    // in each shoe, summed by ending; `each_ending(ending, sums)` gets an
    // ending's sums, sums[j] = the sum of chance * a^j over its hands, a the
    // number of cards of value `pair` in the hand, for j below kMoments; the
    // chance is of the hand's cards in one order, times its orders.
    template <int kMoments, class EachEnding>
    void sum_endings(const StandingHands& tree, const std::array<const Shoe*, kShoeLanes>& shoes,
                     int pair, const EachEnding& each_ending) const;

    std::array<StandingHands, kDealerStops> standing_;  // by stop_index
    mutable Vector<Lanes> reached_;                     // scratch: each step's products
};

}  // namespace tavolix::analysis
