#include "exact_walk.h"

#include "remaining_cards.h"

namespace tavolix {

DeckCounts cards_left(const TableState& state) {
    DeckCounts left{};
    for (Integer value = 1; value <= 10; ++value) {
        const Integer count = Ostalo_karata(state, value, Integer{1});
        left[value] = count > 0 ? count : 0;
    }
    return left;
}

}  // namespace tavolix
