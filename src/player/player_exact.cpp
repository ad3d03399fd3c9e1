#include "player_exact.h"

#include "player.h"

namespace tavolix {

OutcomeChances player_exact(const TableState& state) {
    const Integer stand_at = state.stand_at;
    return exact_outcomes(state, state.player_sum, state.player_soft,
                          [stand_at](Integer total) { return player_outcome(total, stand_at); });
}

}  // namespace tavolix
