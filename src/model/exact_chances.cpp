// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "exact_chances.h"

#include "analysis/table_analysis.h"

namespace tavolix {

OutcomeChances dealer_exact(const TableState& state) {
    const auto dealer = analysis::analyse(analysis::table_of(state)).dealer_now;
    OutcomeChances chances{};
    chances[kDealerWins] = dealer.wins;
    chances[kPush] = dealer.push;
    chances[kDealerLoses] = dealer.loses;
    chances[kBust] = dealer.busts;
    return chances;
}

OutcomeChances player_exact(const TableState& state) {
    const auto player = analysis::analyse(analysis::table_of(state)).player_draw;
    OutcomeChances chances{};
    chances[kStandColumn] = player.stands;
    chances[kBust] = player.busts;
    return chances;
}

}  // namespace tavolix
