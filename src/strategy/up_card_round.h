// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <stop_token>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis/scratch.h"
#include "core/remaining_cards.h"
#include "core/table_rules.h"
#include "round.h"

namespace tavolix::strategy {

// The table of `first` and `second` against the up card, both dealt from
// `after_up`, the shoe less the up card.
analysis::Table table_for(int up, int first, int second, const DeckCounts& after_up,
                          const TableRules& rules);

// Every initial hand against one up card, the deal's chance counted from
// `shoe` before the up card. All of them share one tree of the player's
// hands from no card at all, and the dealer's finals for every shoe the
// tree and the splits' trees leave: what a hand is worth depends only on
// the cards it holds and the shoe, not on which two it was dealt first.
// Nothing is left out when `stop` is requested; the caller drops the lot.
std::vector<InitialHand> hands_against(int up, const DeckCounts& shoe, const TableRules& rules,
                                       analysis::AnalysisScratch& scratch,
                                       const std::stop_token& stop);

}  // namespace tavolix::strategy
