// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "round.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "up_card_round.h"

namespace tavolix::strategy {

DeckCounts full_shoe(int decks) {
    DeckCounts shoe{};
    for (int value = 1; value <= 10; ++value) {
        shoe[value] = cards_in_deck(static_cast<Integer>(value)) * decks;
    }
    return shoe;
}

std::optional<Strategy> compute_strategy(const DeckCounts& shoe, const TableRules& rules,
                                         const Progress& progress, std::stop_token stop) {
    int cards = 0;
    std::vector<int> ups;
    for (int value = 1; value <= 10; ++value) {
        cards += shoe[value];
        if (shoe[value] > 0) {
            ups.push_back(value);
        }
    }
    if (cards < 3) {
        return std::nullopt;
    }
    // The biggest pieces first, so that no thread is left with one at the
    // end: the ace and the small cards draw the most.
    std::stable_sort(ups.begin(), ups.end(), [](int a, int b) {
        const auto work = [](int up) { return up == 1 ? 0 : up; };
        return work(a) < work(b);
    });

    std::vector<std::vector<InitialHand>> by_up(11);
    std::atomic<std::size_t> next{0};
    std::atomic<int> done{0};
    std::mutex reporting;
    const auto work = [&] {
        analysis::AnalysisScratch scratch;
        for (std::size_t i = next++; i < ups.size(); i = next++) {
            if (stop.stop_requested()) {
                return;
            }
            by_up[static_cast<std::size_t>(ups[i])] =
                hands_against(ups[i], shoe, rules, scratch, stop);
            const int finished = ++done;
            if (progress) {
                const std::lock_guard lock(reporting);
                progress(finished, static_cast<int>(ups.size()));
            }
        }
    };
    const unsigned threads =
        std::clamp(std::thread::hardware_concurrency(), 1u, static_cast<unsigned>(ups.size()));
    {
        std::vector<std::jthread> helpers;
        for (unsigned t = 1; t < threads; ++t) {
            helpers.emplace_back(work);
        }
        work();
    }
    if (stop.stop_requested()) {
        return std::nullopt;
    }

    Strategy strategy{.rules = rules, .shoe = shoe};
    for (int up = 1; up <= 10; ++up) {
        for (InitialHand& hand : by_up[static_cast<std::size_t>(up)]) {
            strategy.hands.push_back(std::move(hand));
        }
    }
    for (int row = 0; row < kThresholds; ++row) {
        strategy.stand_at[row].n = analysis::kLowestThreshold + row;
    }
    for (const InitialHand& hand : strategy.hands) {
        strategy.round_ev += hand.probability * hand.ev;
        strategy.round_second_moment += hand.probability * hand.second_moment;
        for (int row = 0; row < kThresholds; ++row) {
            strategy.stand_at[row].ev += hand.probability * hand.stand_at_ev[row];
        }
    }
    strategy.round_variance = strategy.round_second_moment - strategy.round_ev * strategy.round_ev;
    for (int row = 1; row < kThresholds; ++row) {
        if (strategy.stand_at[row].ev >
            strategy.stand_at[strategy.best_stand_at - analysis::kLowestThreshold].ev +
                analysis::kTie) {
            strategy.best_stand_at = strategy.stand_at[row].n;
        }
    }
    strategy.chart = make_chart(strategy.hands);
    return strategy;
}

}  // namespace tavolix::strategy
