// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "expected_composition.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tavolix::counting {

// The cards left at which the indices are worked out: half the shoe, the
// middle of a game dealt to about three quarters, where a counter's true
// counts are both common and far from zero; never fewer than 26 cards, half
// a deck, where one card more or less would move the count too much.
int index_depth(int cards) {
    return std::min(cards, std::max(26, cards / 2));
}

// The composition a count expects among `depth` cards left of `shoe` when
// its true count is t. The cards left are a draw without replacement from
// the shoe (multivariate hypergeometric); given the sum of their tags S, the
// expected number of each value is, to the linear (normal) approximation,
//   n_v = E n_v + Cov(n_v, S) / Var(S) (S - E S)
//       = N p_v (1 + (tag_v - m)(S - N m) / (N (sum p tag^2 - m^2))),
// with p_v the shoe's share of value v and m = sum p_v tag_v; the finite
// population factor is in both the covariance and the variance and cancels.
// For a balanced count the full shoe's tags add up to nothing, so the cards
// left add up to minus the running count, and a true count t is a running
// count of t N / 52: S = -t N / 52. Where the line would ask for fewer than
// none or more than the shoe has, it stops there.
Composition expected_composition(const Count& count, const DeckCounts& shoe, int depth, double t) {
    const double cards = cards_in(shoe);
    double mean = 0;
    double square = 0;
    for (int value = 1; value <= 10; ++value) {
        const double share = shoe[value] / cards;
        mean += share * count.tag(value);
        square += share * count.tag(value) * count.tag(value);
    }
    const double spread = square - mean * mean;
    const double n = depth;
    const double tag_sum = -t * n / 52.0;
    Composition expected{};
    for (int value = 1; value <= 10; ++value) {
        const double share = shoe[value] / cards;
        const double pull =
            spread > 0 ? (count.tag(value) - mean) * (tag_sum - n * mean) / (n * spread) : 0.0;
        expected[value] = std::clamp(n * share * (1.0 + pull), 0.0, double(shoe[value]));
    }
    return expected;
}

// The engine takes whole cards only. A fractional composition is the point
// of the simplex (Freudenthal, Kuhn) among whole compositions around it:
// from the floor, add one card of each value in order of falling fractional
// part; each vertex weighs the gap between consecutive fractional parts. The
// EV there is the linear interpolation of the EVs at the vertices. Values
// with the same fractional part (the same tag and share) step together, so a
// count with few classes of tags needs few rounds.
std::vector<Vertex> simplex_of(const Composition& composition) {
    DeckCounts floor{};
    std::array<double, 11> fraction{};
    for (int value = 1; value <= 10; ++value) {
        floor[value] = static_cast<int>(std::floor(composition[value]));
        fraction[value] = composition[value] - floor[value];
    }
    std::array<int, 10> order{};
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return fraction[a] > fraction[b]; });
    // A weight this small is a rounding error's, not a vertex's.
    constexpr double kNoWeight = 1e-12;
    std::vector<Vertex> vertices;
    DeckCounts shoe = floor;
    double above = 1.0;
    for (const int value : order) {
        const double weight = above - fraction[value];
        if (weight > kNoWeight) {
            vertices.push_back({shoe, weight});
        }
        ++shoe[value];
        above = fraction[value];
    }
    if (above > kNoWeight) {
        vertices.push_back({shoe, above});
    }
    double total = 0;
    for (const Vertex& vertex : vertices) {
        total += vertex.weight;
    }
    for (Vertex& vertex : vertices) {
        vertex.weight /= total;
    }
    return vertices;
}

}  // namespace tavolix::counting
