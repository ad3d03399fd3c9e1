// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "true_count.h"

#include <algorithm>

namespace tavolix::simulation {

int reckoned_cards(int unseen, TcDecks decks) {
    const int step = decks == TcDecks::quarter ? 13
                     : decks == TcDecks::half  ? 26
                     : decks == TcDecks::full  ? 52
                                               : 0;
    if (step == 0) {
        return unseen;
    }
    return std::max(step, (2 * unseen + step) / (2 * step) * step);
}

}  // namespace tavolix::simulation
