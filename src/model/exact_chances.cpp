// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "exact_chances.h"

namespace tavolix {

ExactChances exact_chances(const analysis::HandAnalysis& analysis) {
    ExactChances chances;
    chances.banco[kDealerWins] = analysis.dealer_now.wins;
    chances.banco[kPush] = analysis.dealer_now.push;
    chances.banco[kDealerLoses] = analysis.dealer_now.loses;
    chances.banco[kBust] = analysis.dealer_now.busts;
    chances.player[kStandColumn] = analysis.player_draw.stands;
    chances.player[kBust] = analysis.player_draw.busts;
    return chances;
}

}  // namespace tavolix
