// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <stop_token>

#include "core/remaining_cards.h"
#include "core/table_rules.h"
#include "strategy/round.h"

namespace tavolix::counting {

// What one card of each value, taken out of a shoe, does to the game: the
// change of the whole round's EV (every hand played as the analysis
// advises) and of the insurance bet's EV against an ace, per unit bet, as
// fractions. Ace first.
struct RemovalEffects {
    TableRules rules = {};
    DeckCounts shoe{};
    double round_ev = 0;      // of the shoe itself
    double insurance_ev = 0;  // of the shoe less the dealer's ace
    std::array<double, 10> round{};
    std::array<double, 10> insurance{};

    double round_effect(int value) const { return round[static_cast<std::size_t>(value - 1)]; }
    double insurance_effect(int value) const {
        return insurance[static_cast<std::size_t>(value - 1)];
    }
};

// The effects from `shoe`: the round worked out from the shoe and from the
// shoe less one card of each value it holds (a value it lacks has no effect).
// Nothing when `stop` is requested before it ends, or when the shoe cannot
// deal a round. Progress counts the rounds worked out.
std::optional<RemovalEffects> compute_removal_effects(const DeckCounts& shoe,
                                                      const TableRules& rules,
                                                      const strategy::Progress& progress = {},
                                                      std::stop_token stop = {});

}  // namespace tavolix::counting
