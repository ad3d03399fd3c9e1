// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "removal_effects.h"

#include "analysis/table_money.h"

namespace tavolix::counting {

std::optional<RemovalEffects> compute_removal_effects(const DeckCounts& shoe,
                                                      const TableRules& rules,
                                                      const strategy::Progress& progress,
                                                      std::stop_token stop) {
    int total = 1;
    for (int value = 1; value <= 10; ++value) {
        total += shoe[value] > 0 ? 1 : 0;
    }
    int done = 0;
    const auto report = [&] {
        ++done;
        if (progress) {
            progress(done, total);
        }
    };
    // Each round runs on every core already; the rounds follow one another.
    const auto whole = strategy::compute_strategy(shoe, rules, {}, stop);
    if (!whole) {
        return std::nullopt;
    }
    report();
    RemovalEffects effects{.rules = rules, .shoe = shoe, .round_ev = whole->round_ev};
    for (int value = 1; value <= 10; ++value) {
        if (shoe[value] == 0) {
            continue;
        }
        DeckCounts less = shoe;
        --less[value];
        const auto without = strategy::compute_strategy(less, rules, {}, stop);
        if (!without) {
            return std::nullopt;
        }
        effects.round[static_cast<std::size_t>(value - 1)] = without->round_ev - whole->round_ev;
        report();
    }

    // The insurance bet is made with the ace up, so its effects are of the
    // cards left after that ace: closed form, no round to work out.
    if (shoe[1] > 0) {
        DeckCounts after_ace = shoe;
        --after_ace[1];
        if (const auto base = analysis::insurance_ev(after_ace)) {
            effects.insurance_ev = *base;
            for (int value = 1; value <= 10; ++value) {
                DeckCounts less = after_ace;
                if (less[value] == 0) {
                    continue;
                }
                --less[value];
                if (const auto ev = analysis::insurance_ev(less)) {
                    effects.insurance[static_cast<std::size_t>(value - 1)] = *ev - *base;
                }
            }
        }
    }
    return effects;
}

}  // namespace tavolix::counting
