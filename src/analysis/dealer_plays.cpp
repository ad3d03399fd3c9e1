// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "dealer_plays.h"

#include <algorithm>
#include <cassert>

#include "core/hand_total.h"

namespace tavolix::analysis {

namespace {

// Bounds that no dealer hand comes near: its hard total stays below 27.
constexpr int kMostDraws = 32;
constexpr int kMostOfValue = 32;

// A standing hand's final index: its total less 16, or the natural's.
constexpr int kNaturalIndex = DealerFinals::kNatural;

// Where the ways to draw `count` cards of `value` stand in the table of
// falling factorials; value 0 is the factor 1 of the root.
std::int16_t step_factor(int value, int count) {
    return static_cast<std::int16_t>(value * kMostOfValue + count);
}

}  // namespace

std::vector<DealerStop> stops_for(DealerRule rule) {
    switch (rule) {
        case DealerRule::table:
            return {DealerStop::from_16, DealerStop::from_17};
        case DealerRule::s17:
            return {DealerStop::from_17};
        case DealerRule::h17:
            return {DealerStop::from_hard_17};
    }
    return {DealerStop::from_17};
}

DealerPlays::DealerPlays(Integer banco_total, Integer banco_soft, bool natural,
                         const DeckCounts& fullest_shoe, std::span<const DealerStop> stops,
                         std::pmr::memory_resource* memory)
    : standing_{StandingHands(memory), StandingHands(memory), StandingHands(memory)},
      reached_(memory) {
    // A hand of the dealer that still draws, with the number of orders of its
    // cards in which every shorter hand drew too, under each stop rule.
    struct Drawing {
        CardCode code;
        Integer total;
        Integer soft;
        int cards;
        std::array<double, kDealerStops> orders;
    };
    std::array<double, kDealerStops> root_orders{};
    for (const DealerStop stop : stops) {
        root_orders[stop_index(stop)] = 1.0;
    }
    Vector<Drawing> hands(memory);
    hands.reserve(4096);
    hands.push_back({0, banco_total, banco_soft, 0, root_orders});
    CodeIndex index(4096, memory);
    index.find_or_add(0);
    std::array<Vector<Standing>, kDealerStops> standing{
        Vector<Standing>(memory), Vector<Standing>(memory), Vector<Standing>(memory)};

    // Every hand is added by one with a card fewer, so by the time it is
    // reached here all the hands that lead to it have passed on their orders.
    for (std::size_t i = 0; i < hands.size(); ++i) {
        const Drawing hand = hands[i];
        const bool is_natural = natural && hand.cards == 1 && hand.total == 21;
        bool draws = false;
        for (int rule = 0; rule < kDealerStops; ++rule) {
            const double orders = hand.orders[rule];
            if (orders == 0) {
                continue;
            }
            if (dealer_draws(static_cast<DealerStop>(rule), hand.total, hand.soft != 0)) {
                draws = true;
            } else {
                standing[rule].push_back(
                    {hand.code, is_natural ? kNaturalIndex : hand.total - 16, orders});
            }
        }
        if (!draws) {
            continue;
        }
        for (int value = 1; value <= 10; ++value) {
            if (fullest_shoe[value] - count_in(hand.code, value) < 1) {
                continue;
            }
            Integer total = hand.total;
            Integer soft = hand.soft;
            add_card(total, soft, static_cast<Integer>(value));
            if (total > 21) {
                continue;
            }
            const CardCode code = hand.code + one_card(value);
            const auto [next, added] = index.find_or_add(code);
            if (added) {
                hands.push_back({code, total, soft, hand.cards + 1, {}});
            }
            for (int rule = 0; rule < kDealerStops; ++rule) {
                if (hand.orders[rule] != 0 &&
                    dealer_draws(static_cast<DealerStop>(rule), hand.total, hand.soft != 0)) {
                    hands[next].orders[rule] += hand.orders[rule];
                }
            }
        }
    }
    for (const DealerStop stop : stops) {
        standing_[stop_index(stop)] = tree_of(std::move(standing[stop_index(stop)]), memory);
    }
}

DealerPlays::StandingHands DealerPlays::tree_of(Vector<Standing> hands,
                                                std::pmr::memory_resource* memory) {
    std::sort(hands.begin(), hands.end(),
              [](const Standing& a, const Standing& b) { return a.code < b.code; });

    // First in preorder, where a hand shares the steps of the hand before it
    // as far as their counts agree.
    struct Step {
        int parent;
        int depth;
        int value;
        int count;
    };
    Vector<Step> steps(memory);
    steps.reserve(hands.size() * 2 + 1);
    steps.push_back({-1, 0, 0, 0});
    struct Hand {
        int step;
        int cards;
        int final_index;
        double orders;
        CardCode code;
    };
    Vector<Hand> ends(memory);
    ends.reserve(hands.size());
    Vector<int> path(memory);  // the steps below the root of the hand placed last
    StandingHands tree(memory);
    for (const Standing& hand : hands) {
        std::array<std::pair<int, int>, 10> own{};
        int length = 0;
        int cards = 0;
        for (int value = 10; value >= 1; --value) {
            if (const int count = count_in(hand.code, value); count > 0) {
                own[length++] = {value, count};
                cards += count;
                tree.most_of_value[value] = std::max(tree.most_of_value[value], count);
            }
        }
        assert(cards < kMostDraws);
        tree.most_cards = std::max(tree.most_cards, cards);
        std::size_t shared = 0;
        while (shared < path.size() && static_cast<int>(shared) < length &&
               steps[path[shared]].value == own[shared].first &&
               steps[path[shared]].count == own[shared].second) {
            ++shared;
        }
        path.resize(shared);
        for (int depth = static_cast<int>(shared); depth < length; ++depth) {
            const int parent = path.empty() ? 0 : path.back();
            path.push_back(static_cast<int>(steps.size()));
            steps.push_back({parent, depth + 1, own[depth].first, own[depth].second});
        }
        ends.push_back(
            {path.empty() ? 0 : path.back(), cards, hand.final_index, hand.orders, hand.code});
    }

    // Then the steps with children level by level, parents before children.
    Vector<bool> has_children(steps.size(), false, memory);
    for (std::size_t i = 1; i < steps.size(); ++i) {
        has_children[steps[i].parent] = true;
    }
    has_children[0] = true;
    std::array<Vector<int>, 11> by_depth;
    for (auto& level : by_depth) {
        level = Vector<int>(memory);
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (has_children[i]) {
            by_depth[steps[i].depth].push_back(static_cast<int>(i));
        }
    }
    Vector<int> place(steps.size(), 0, memory);
    for (const auto& level : by_depth) {
        for (const int step : level) {
            place[step] = static_cast<int>(tree.parent.size());
            tree.parent.push_back(steps[step].parent < 0 ? 0 : place[steps[step].parent]);
            tree.factor.push_back(step_factor(steps[step].value, steps[step].count));
        }
    }

    // And the hands by cards drawn and final total, each group in the order
    // of its steps: a stable sort keeps that order within a group.
    std::stable_sort(ends.begin(), ends.end(), [](const Hand& a, const Hand& b) {
        return a.cards != b.cards ? a.cards < b.cards : a.final_index < b.final_index;
    });
    tree.hand_step.reserve(ends.size());
    tree.hand_factor.reserve(ends.size());
    tree.hand_orders.reserve(ends.size());
    tree.hand_code.reserve(ends.size());
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const Hand& end = ends[i];
        if (i == 0 || end.cards != ends[i - 1].cards ||
            end.final_index != ends[i - 1].final_index) {
            tree.endings.push_back({end.cards, end.final_index, tree.hand_step.size(), 0});
        }
        const Step& step = steps[end.step];
        if (has_children[end.step]) {
            tree.hand_step.push_back(place[end.step]);
            tree.hand_factor.push_back(step_factor(0, 0));
        } else {
            tree.hand_step.push_back(place[step.parent]);
            tree.hand_factor.push_back(step_factor(step.value, step.count));
        }
        tree.hand_orders.push_back(end.orders);
        tree.hand_code.push_back(end.code);
        tree.endings.back().last = tree.hand_step.size();
    }
    return tree;
}

template <int kMoments, class EachEnding>
void DealerPlays::sum_endings(const StandingHands& tree,
                              const std::array<const Shoe*, kShoeLanes>& lane_shoe, int pair,
                              const EachEnding& each_ending) const {
    // falling[v * kMostOfValue + m]: the ways to draw m given cards of value v
    // in order; the root's factor, at index 0, is 1.
    std::array<Lanes, 11 * kMostOfValue> falling;
    falling[0].fill(1.0);
    for (int lane = 0; lane < kShoeLanes; ++lane) {
        const DeckCounts& counts = lane_shoe[lane]->counts;
        for (int value = 1; value <= 10; ++value) {
            double ways = 1.0;
            for (int count = 1; count <= tree.most_of_value[value]; ++count) {
                ways *= std::max(0, counts[value] - count + 1);
                falling[value * kMostOfValue + count][lane] = ways;
            }
        }
    }

    const std::size_t steps = tree.parent.size();
    reached_.resize(steps);
    Lanes* reached = reached_.data();
    reached[0].fill(1.0);
    const int* parent = tree.parent.data();
    const std::int16_t* factor = tree.factor.data();
    for (std::size_t i = 1; i < steps; ++i) {
        const Lanes& from = reached[parent[i]];
        const Lanes& ways = falling[factor[i]];
        for (int lane = 0; lane < kShoeLanes; ++lane) {
            reached[i][lane] = from[lane] * ways[lane];
        }
    }

    const int* step = tree.hand_step.data();
    const std::int16_t* own = tree.hand_factor.data();
    const double* orders = tree.hand_orders.data();
    const double* once = nullptr;
    const double* twice = nullptr;
    if constexpr (kMoments > 1) {
        StandingHands::PairWeights& weights = tree.pair_weights[static_cast<std::size_t>(pair)];
        if (weights.once.empty() && !tree.hand_orders.empty()) {
            weights.once.resize(tree.hand_orders.size());
            weights.twice.resize(tree.hand_orders.size());
            for (std::size_t hand = 0; hand < tree.hand_orders.size(); ++hand) {
                const double pairs = count_in(tree.hand_code[hand], pair);
                weights.once[hand] = tree.hand_orders[hand] * pairs;
                weights.twice[hand] = weights.once[hand] * pairs;
            }
        }
        once = weights.once.data();
        twice = weights.twice.data();
    }
    for (const auto& ending : tree.endings) {
        std::array<Lanes, kMoments> sums{};
        if constexpr (kMoments == 1) {
            // Two sums in turn, so that no addition waits on the one before.
            Lanes even{};
            Lanes odd{};
            std::size_t hand = ending.first;
            for (; hand + 2 <= ending.last; hand += 2) {
                const Lanes& reached_even = reached[step[hand]];
                const Lanes& own_even = falling[own[hand]];
                const Lanes& reached_odd = reached[step[hand + 1]];
                const Lanes& own_odd = falling[own[hand + 1]];
                for (int lane = 0; lane < kShoeLanes; ++lane) {
                    even[lane] += reached_even[lane] * own_even[lane] * orders[hand];
                    odd[lane] += reached_odd[lane] * own_odd[lane] * orders[hand + 1];
                }
            }
            if (hand < ending.last) {
                const Lanes& reached_even = reached[step[hand]];
                const Lanes& own_even = falling[own[hand]];
                for (int lane = 0; lane < kShoeLanes; ++lane) {
                    even[lane] += reached_even[lane] * own_even[lane] * orders[hand];
                }
            }
            for (int lane = 0; lane < kShoeLanes; ++lane) {
                sums[0][lane] = even[lane] + odd[lane];
            }
        } else {
            static_assert(kMoments == 3);
            // Three sums for each lane, each a chain of its own, kept apart
            // from the tables they read so that they stay in registers.
            Lanes m0{};
            Lanes m1{};
            Lanes m2{};
            for (std::size_t hand = ending.first; hand < ending.last; ++hand) {
                const Lanes& from = reached[step[hand]];
                const Lanes& ways = falling[own[hand]];
                for (int lane = 0; lane < kShoeLanes; ++lane) {
                    const double product = from[lane] * ways[lane];
                    m0[lane] += product * orders[hand];
                    m1[lane] += product * once[hand];
                    m2[lane] += product * twice[hand];
                }
            }
            sums = {m0, m1, m2};
        }
        each_ending(ending, sums);
    }
}

namespace {

// The shoes of the lanes: those past the shoes given repeat the first, the
// same work, whose results nobody reads.
std::array<const Shoe*, kShoeLanes> lane_shoes(std::span<const Shoe> shoes) {
    assert(!shoes.empty() && shoes.size() <= static_cast<std::size_t>(kShoeLanes));
    std::array<const Shoe*, kShoeLanes> lane_shoe{};
    for (std::size_t lane = 0; lane < lane_shoe.size(); ++lane) {
        lane_shoe[lane] = &shoes[lane < shoes.size() ? lane : 0];
    }
    return lane_shoe;
}

// One over the ways to draw k cards in order from each lane's shoe, for each
// k up to `most`; 0 where the shoe holds fewer than k cards, and then no hand
// of k cards has a way either.
std::array<std::array<double, kShoeLanes>, kMostDraws> per_order_of(
    const std::array<const Shoe*, kShoeLanes>& lane_shoe, int most) {
    std::array<std::array<double, kShoeLanes>, kMostDraws> per_order;
    for (int lane = 0; lane < kShoeLanes; ++lane) {
        double ordered = 1.0;
        per_order[0][lane] = 1.0;
        for (int drawn = 1; drawn <= most; ++drawn) {
            ordered *= std::max(0, lane_shoe[lane]->cards - drawn + 1);
            per_order[drawn][lane] = ordered > 0 ? 1.0 / ordered : 0.0;
        }
    }
    return per_order;
}

}  // namespace

LaneFinals DealerPlays::finals(std::span<const Shoe> shoes, DealerStop stop) const {
    const StandingHands& tree = standing_[stop_index(stop)];
    const std::array<const Shoe*, kShoeLanes> lane_shoe = lane_shoes(shoes);
    const auto per_order = per_order_of(lane_shoe, tree.most_cards);

    LaneFinals finals;
    Lanes standing{};
    sum_endings<1>(tree, lane_shoe, 0, [&](const auto& ending, const std::array<Lanes, 1>& sums) {
        for (int lane = 0; lane < kShoeLanes; ++lane) {
            const double chance = sums[0][lane] * per_order[ending.cards][lane];
            finals[lane].chance[ending.final_index] += chance;
            standing[lane] += chance;
        }
    });
    for (std::size_t lane = 0; lane < shoes.size(); ++lane) {
        finals[lane].chance[DealerFinals::kBust] = 1.0 - standing[lane];
    }
    for (std::size_t lane = shoes.size(); lane < finals.size(); ++lane) {
        finals[lane] = {};
    }
    return finals;
}

LaneFollowedFinals DealerPlays::followed_finals(std::span<const Shoe> shoes, DealerStop stop,
                                                int pair) const {
    const StandingHands& tree = standing_[stop_index(stop)];
    const std::array<const Shoe*, kShoeLanes> lane_shoe = lane_shoes(shoes);
    constexpr int kMoments = kMostFollowing + 1;
    static_assert(kMostDraws > 21 + kMostFollowing);
    const auto per_order = per_order_of(lane_shoe, tree.most_cards + kMostFollowing);
    std::array<double, kShoeLanes> others{};
    for (int lane = 0; lane < kShoeLanes; ++lane) {
        others[lane] = lane_shoe[lane]->cards - lane_shoe[lane]->counts[pair];
    }

    LaneFollowedFinals finals{};
    std::array<std::array<double, kMoments>, kShoeLanes> standing{};
    sum_endings<kMoments>(
        tree, lane_shoe, pair, [&](const auto& ending, const std::array<Lanes, kMoments>& sums) {
            for (int lane = 0; lane < kShoeLanes; ++lane) {
                // After a hand of t cards with a of the pair's value, the shoe
                // holds n - t + a other cards of its T - t. The chance that
                // the next y cards are all others is the falling factorial
                // (n - t + a)_y over (T - t)_y: a polynomial in a, whose
                // terms the moments sum.
                const double left = others[lane] - ending.cards;
                const double m0 = sums[0][lane];
                const double m1 = sums[1][lane];
                const double m2 = sums[2][lane];
                const std::array<double, kMoments> joint{
                    m0, left * m0 + m1, left * (left - 1) * m0 + (2 * left - 1) * m1 + m2};
                for (int following = 0; following < kMoments; ++following) {
                    const double chance =
                        joint[following] * per_order[ending.cards + following][lane];
                    finals[lane].by_following[following].chance[ending.final_index] += chance;
                    standing[lane][following] += chance;
                }
            }
        });
    // The busts are what the standing hands leave of the chance that the y
    // cards after the dealer's hand are all others: over every way the hand
    // can end, the chance that the first y cards are.
    for (std::size_t lane = 0; lane < shoes.size(); ++lane) {
        double others_in_order = 1.0;  // the ways to draw `following` others in order
        for (int following = 0; following < kMoments; ++following) {
            finals[lane].by_following[following].chance[DealerFinals::kBust] =
                others_in_order * per_order[following][lane] - standing[lane][following];
            others_in_order *= std::max(0.0, others[lane] - following);
        }
    }
    for (std::size_t lane = shoes.size(); lane < finals.size(); ++lane) {
        finals[lane] = {};
    }
    return finals;
}

}  // namespace tavolix::analysis
