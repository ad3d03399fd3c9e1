#pragma once

#include "core/exact_walk.h"
#include "core/table_state.h"

namespace tavolix {

// The player's chances to end standing (column 1) and to bust (column 4)
// with every draw sequence weighted by its own probability, under the same
// drawing rule as Player. Needs player_sum, player_soft and stand_at fresh.
OutcomeChances player_exact(const TableState& state);

}  // namespace tavolix
