#include "hand_total.h"

#include <cassert>

namespace tavolix {

Integer SumaKarti(TableState& state, const Integer& broj_karti, const HandArray& Carte) {
    assert(broj_karti < kSlots);
    Integer total = 0;
    Integer soft = 0;
    for (int i = 1; i <= broj_karti; ++i) {
        add_card(total, soft, Carte[i]);
    }
    state.sum_soft = soft;
    return total;
}

}  // namespace tavolix
