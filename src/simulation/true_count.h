// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdlib>

#include "options.h"

namespace tavolix::simulation {

// The cards by which a player divides the running count when `unseen` cards
// are not yet dealt: those cards, or the decks left as he judges them from
// the discard tray, to the nearest step (a half step up) and never less
// than one step, in cards.
int reckoned_cards(int unseen, TcDecks decks);

// The true count of a running count in half points over `cards` cards left
// (cards / 52 decks), made whole as `division` says; nothing is divided by
// an empty shoe, whose true count is 0.
inline int divided_true_count(int half_running, int cards, TcDivision division) {
    if (cards <= 0) {
        return 0;
    }
    const int scaled = half_running * 26;
    if (division == TcDivision::floor) {
        int quotient = scaled / cards;
        if (scaled % cards != 0 && scaled < 0) {
            --quotient;
        }
        return quotient;
    }
    if (division == TcDivision::truncate) {
        return scaled / cards;
    }
    // To the nearest whole number, halves away from zero.
    const int magnitude = (2 * std::abs(scaled) + cards) / (2 * cards);
    return scaled < 0 ? -magnitude : magnitude;
}

}  // namespace tavolix::simulation
