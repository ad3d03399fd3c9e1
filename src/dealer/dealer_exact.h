#pragma once

#include "core/exact_walk.h"
#include "core/table_state.h"

namespace tavolix {

// The dealer's chances to win, push, lose and bust (columns 1..4) with every
// draw sequence weighted by its own probability, under the same drawing rule
// as Banco. Needs banco_sum, banco_soft and player_sum fresh.
OutcomeChances dealer_exact(const TableState& state);

}  // namespace tavolix
