// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Index plays from the exact engine, without a simulation. At a true count t
// the cards left are, on average, a composition that the count's tags pull
// away from the shoe's own; the exact EVs of the chart's plays on that
// composition tell which play is better there, and where two plays' EVs meet
// is the index.
//
// The steps: the composition expected at each whole true count -10..+10 at
// half the shoe (expected_composition.h); each composition's exact round,
// interpolated between the whole shoes around it; in every cell of the
// chart, each play's EV weighed over the row's hands as the chart weighs
// them; where the better play changes between two whole counts, the
// crossing of the two plays' EVs, linear between them. The true count is the
// shoe's before the deal: the player's two cards and the dealer's up card are
// dealt from the expected composition, not counted in it.

#include "index_plays.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "analysis/table_money.h"
#include "expected_composition.h"

namespace tavolix::counting {

namespace {

using analysis::kPlays;
using analysis::Play;
using strategy::InitialHand;

using Hands = std::vector<InitialHand>;

// Each initial hand's EVs and chance, interpolated: the weighed sum over the
// parts that deal it, every play's EV over the parts that allow it.
Hands mixed(const std::vector<std::pair<double, const Hands*>>& parts) {
    struct Sum {
        InitialHand hand;
        std::array<double, kPlays.size()> ev{};
        std::array<double, kPlays.size()> weight{};
        double ev_weight = 0;
    };
    std::map<std::array<int, 3>, Sum> sums;
    for (const auto& [weight, hands] : parts) {
        for (const InitialHand& hand : *hands) {
            Sum& sum = sums[{hand.up, hand.first, hand.second}];
            sum.hand.up = hand.up;
            sum.hand.first = hand.first;
            sum.hand.second = hand.second;
            sum.hand.probability += weight * hand.probability;
            sum.hand.ev += weight * hand.ev;
            sum.ev_weight += weight;
            for (std::size_t play = 0; play < kPlays.size(); ++play) {
                if (const auto ev = analysis::play_ev(hand.plays, kPlays[play])) {
                    sum.ev[play] += weight * *ev;
                    sum.weight[play] += weight;
                }
            }
        }
    }
    Hands hands;
    for (auto& [key, sum] : sums) {
        InitialHand hand = sum.hand;
        hand.ev /= sum.ev_weight;
        strategy::PlayEvs evs{};
        for (std::size_t play = 0; play < kPlays.size(); ++play) {
            if (sum.weight[play] > 0) {
                evs[play] = sum.ev[play] / sum.weight[play];
            }
        }
        hand.plays.stand_ev = evs[0].value_or(0);
        hand.plays.hit_ev = evs[1];
        hand.plays.double_ev = evs[2];
        hand.plays.split_ev = evs[3];
        hand.plays.surrender_ev = evs[4];
        hand.plays.advice = strategy::best_play(evs).value_or(Play::stand);
        hands.push_back(std::move(hand));
    }
    return hands;
}

Decision decision_of(Play play) {
    switch (play) {
        case Play::stand:
            return Decision::stand;
        case Play::hit:
            return Decision::hit;
        case Play::double_down:
            return Decision::double_down;
        case Play::split:
            return Decision::split;
        case Play::surrender:
            return Decision::surrender;
    }
    return Decision::stand;
}

constexpr int count_at(std::size_t step) {
    return kLowestIndexCount + static_cast<int>(step);
}

// Where the EV difference `higher - lower`, linear between the true counts of
// steps `step` and `step + 1`, crosses nothing.
double crossing_between(std::size_t step, double before, double after) {
    const double rise = after - before;
    const double part = rise > 0 ? std::clamp(-before / rise, 0.0, 1.0) : 0.5;
    return count_at(step) + part;
}

// The field floors the true count, and a floored count k stands for the
// true counts k..k+1, k + 1/2 on average: the play better above the crossing
// is the better one at the floored counts k with k + 1/2 at or past it.
int index_of(double crossing) {
    return static_cast<int>(std::ceil(crossing - 0.5));
}

std::size_t step_of(int true_count) {
    return static_cast<std::size_t>(std::clamp(true_count, kLowestIndexCount, kHighestIndexCount) -
                                    kLowestIndexCount);
}

using CellEvs = std::array<strategy::PlayEvs, kIndexCounts>;

// Every change of the better play in one cell: of the best play, and of the
// better of hit and stand that a double or a surrender falls back on.
void add_changes(IndexKind kind, const std::string& row, int up, const CellEvs& evs,
                 std::vector<IndexPlay>& plays) {
    for (std::size_t step = 0; step + 1 < evs.size(); ++step) {
        const auto& now = evs[step];
        const auto& next = evs[step + 1];
        std::vector<std::pair<Play, Play>> changes;  // lower, higher
        const auto best_now = strategy::best_play(now);
        const auto best_next = strategy::best_play(next);
        if (best_now && best_next && *best_now != *best_next) {
            changes.emplace_back(*best_now, *best_next);
        }
        if (now[1] && next[1]) {
            const std::pair fallback{strategy::fallback_play(now), strategy::fallback_play(next)};
            if (fallback.first != fallback.second &&
                std::find(changes.begin(), changes.end(), fallback) == changes.end()) {
                changes.push_back(fallback);
            }
        }
        for (const auto& [lower, higher] : changes) {
            const auto difference = [&](const strategy::PlayEvs& at) {
                return *at[static_cast<std::size_t>(higher)] - *at[static_cast<std::size_t>(lower)];
            };
            const double crossing = crossing_between(step, difference(now), difference(next));
            const int index = index_of(crossing);
            const auto& there = evs[step_of(index)];
            plays.push_back({.kind = kind,
                             .row = row,
                             .up = up,
                             .higher = decision_of(higher),
                             .lower = decision_of(lower),
                             .index = index,
                             .crossing = crossing,
                             .higher_ev = *there[static_cast<std::size_t>(higher)],
                             .lower_ev = *there[static_cast<std::size_t>(lower)]});
        }
    }
}

}  // namespace

const strategy::Chart& IndexTable::chart_at(int floored_true_count) const {
    return charts[step_of(floored_true_count)];
}

std::optional<IndexTable> compute_indices(const DeckCounts& shoe, const TableRules& rules,
                                          const Count& count, const strategy::Progress& progress,
                                          std::stop_token stop) {
    const int cards = cards_in(shoe);
    if (!count.balanced() || cards < 3) {
        return std::nullopt;
    }
    const int depth = index_depth(cards);

    std::array<std::vector<Vertex>, kIndexCounts> simplices;
    std::map<DeckCounts, Hands> rounds;
    for (std::size_t step = 0; step < simplices.size(); ++step) {
        simplices[step] = simplex_of(expected_composition(count, shoe, depth, count_at(step)));
        for (const Vertex& vertex : simplices[step]) {
            rounds.try_emplace(vertex.shoe);
        }
    }
    const int total = static_cast<int>(rounds.size());
    int done = 0;
    for (auto& [vertex, hands] : rounds) {
        const auto within = [&](int up_done, int ups) {
            if (progress) {
                progress(done * ups + up_done, total * ups);
            }
        };
        auto strategy = strategy::compute_strategy(vertex, rules, within, stop);
        if (!strategy) {
            return std::nullopt;
        }
        hands = std::move(strategy->hands);
        ++done;
    }

    std::array<Hands, kIndexCounts> at;
    std::array<double, kIndexCounts> insurance{};
    for (std::size_t step = 0; step < at.size(); ++step) {
        std::vector<std::pair<double, const Hands*>> parts;
        for (const Vertex& vertex : simplices[step]) {
            parts.emplace_back(vertex.weight, &rounds.at(vertex.shoe));
            // The bet is made with the dealer's ace out of the shoe.
            DeckCounts after_ace = vertex.shoe;
            after_ace[1] = std::max(0, after_ace[1] - 1);
            insurance[step] += vertex.weight * analysis::insurance_ev(after_ace).value_or(-1.0);
        }
        at[step] = mixed(parts);
    }

    IndexTable table{.count = count, .rules = rules, .shoe = shoe};
    // The chart of a floored count k is played over the true counts k..k+1:
    // the EVs halfway, at k + 1/2; the last one's at the end of the range.
    for (std::size_t step = 0; step < at.size(); ++step) {
        table.charts[step] =
            step + 1 < at.size()
                ? strategy::make_chart(mixed({{0.5, &at[step]}, {0.5, &at[step + 1]}}))
                : strategy::make_chart(at[step]);
    }

    const strategy::Chart& layout = table.charts.front();
    const std::array<std::pair<IndexKind, const std::vector<strategy::ChartRow>*>, 3> kinds{
        {{IndexKind::hard, &layout.hard},
         {IndexKind::soft, &layout.soft},
         {IndexKind::pair, &layout.pairs}}};
    for (const auto& [kind, rows] : kinds) {
        for (const strategy::ChartRow& row : *rows) {
            for (const int up : strategy::kChartUps) {
                CellEvs evs{};
                for (std::size_t step = 0; step < at.size(); ++step) {
                    evs[step] = strategy::cell_play_evs(strategy::row_hands(row, up, at[step]));
                }
                add_changes(kind, row.label, up, evs, table.plays);
            }
        }
    }

    // Insurance is offered only by a casino's dealer, who may have a natural.
    for (std::size_t step = 0; casino_dealer(rules) && step + 1 < insurance.size(); ++step) {
        const bool before = insurance[step] > analysis::kTie;
        const bool after = insurance[step + 1] > analysis::kTie;
        if (before == after) {
            continue;
        }
        const double sign = after ? 1.0 : -1.0;
        const double crossing =
            crossing_between(step, sign * insurance[step], sign * insurance[step + 1]);
        const int index = index_of(crossing);
        const double there = insurance[step_of(index)];
        table.plays.push_back({.kind = IndexKind::insurance,
                               .row = "A",
                               .up = 1,
                               .higher = after ? Decision::insure : Decision::no_insurance,
                               .lower = after ? Decision::no_insurance : Decision::insure,
                               .index = index,
                               .crossing = crossing,
                               .higher_ev = after ? there : 0.0,
                               .lower_ev = after ? 0.0 : there});
        if (after && !table.insurance_index) {
            table.insurance_index = index;
        }
    }
    return table;
}

}  // namespace tavolix::counting
