// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <string>

#include "core/model_words.h"
#include "core/shoe_count.h"
#include "core/table_state.h"
#include "counting/count.h"

namespace tavolix {

// Below this many cards the longest round, the player's eleven cards and the
// dealer's ten, could run the shoe dry.
inline constexpr int kThinShoe = 21;

// The next round's EV from the shoe in play, as far as it is known: the last
// figure worked out, and whether the shoe has changed since.
struct NextRoundEv {
    std::optional<double> ev;
    std::optional<double> variance;  // per unit bet, when worked out with it
    bool out_of_date = true;
};

// The texts of the shoe panel.
struct ShoeCaptions {
    std::string cards_out;  // "Uscite: A 2  2 0  ...  10 5": a count per value
    // The same counts as a table for a fixed-pitch font: the values on the
    // first line, each one's count below it.
    std::string cards_out_grid;
    std::string shoe_line;  // cards left, the count, the next round's EV
    bool thin = false;      // shown in a warning colour
};

// What the player chose for the shoe line: the count it follows, and the
// bankroll whose bet it adds once set.
struct ShoeLineChoice {
    counting::Count count = counting::hi_lo_count();
    std::optional<double> bankroll;
};

// "+3", "-1", "0", and "+2.5" for a count in halves; the true count with one
// decimal, "+0.6".
std::string signed_count(int running);
std::string signed_count(double running);
std::string signed_true_count(double true_count);

// The running count per deck left, divided as the shoe's Hi-Lo count
// always was (counting::true_count may differ from it in the last bit);
// 0 for an empty shoe.
double shoe_true_count(double running, int left);

// "Sabot: 40 carte su 52, conteggio +4, vero +5.2": the cards left and the
// count, the part of the shoe line that needs no strategy. A count other
// than Hi-Lo is named before its figure; an unbalanced one shows its running
// count alone, from its initial running count, as its players bet by it.
std::string shoe_count_text(const TableState& state, const ShoeWords& words = {},
                            const counting::Count& count = counting::hi_lo_count());

// The bet that `bankroll` supports on a round of that EV and variance by the
// Kelly rule, bankroll x EV / variance; none when the EV is not positive.
std::optional<double> kelly_bet(double bankroll, double ev, double variance);

ShoeCaptions shoe_captions(const TableState& state, const NextRoundEv& next,
                           const ShoeWords& words = {}, const ShoeLineChoice& choice = {});

}  // namespace tavolix
