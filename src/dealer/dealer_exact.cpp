#include "dealer_exact.h"

#include "banco.h"

namespace tavolix {

OutcomeChances dealer_exact(const TableState& state) {
    const Integer player_sum = state.player_sum;
    if (const int settled = dealer_outcome(state.banco_sum, player_sum); settled != kDrawAgain) {
        OutcomeChances chances{};
        chances[settled] = 1;
        return chances;
    }
    return exact_outcomes(state, state.banco_sum, state.banco_soft, [player_sum](Integer total) {
        return dealer_outcome(total, player_sum);
    });
}

}  // namespace tavolix
