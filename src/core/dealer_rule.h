// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include "table_rules.h"

namespace tavolix {

// The totals a dealer stops on. The window's own dealer stands on 16 only
// when 16 beats or ties the player, so against a player above 16 it draws to
// 17 as a casino S17 dealer does.
enum class DealerStop {
    from_16,       // draws on 15 or less
    from_17,       // draws on 16 or less, stands on every 17
    from_hard_17,  // draws on 16 or less and on soft 17
};

constexpr DealerStop dealer_stop(DealerRule rule, int player_total) {
    switch (rule) {
        case DealerRule::table:
            return player_total <= 16 ? DealerStop::from_16 : DealerStop::from_17;
        case DealerRule::s17:
            return DealerStop::from_17;
        case DealerRule::h17:
            return DealerStop::from_hard_17;
    }
    return DealerStop::from_17;
}

constexpr bool dealer_draws(DealerStop stop, int total, bool soft) {
    switch (stop) {
        case DealerStop::from_16:
            return total < 16;
        case DealerStop::from_17:
            return total < 17;
        case DealerStop::from_hard_17:
            return total < 17 || (total == 17 && soft);
    }
    return total < 17;
}

}  // namespace tavolix
