// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <string>

#include "model/form1_model.h"

namespace tavolix::checks {

// One thing a user can do in the window, decoded from a byte (and, for a
// threshold, the decks or the rules, the bytes after it): the random tests
// and the fuzzer play the same actions.
struct UserAction {
    enum Kind {
        Card,
        CancelBanco,
        CancelPlayer,
        NewGame,
        Threshold,
        Calculate,
        RemoveBanco,   // Backspace on the dealer's pad
        RemovePlayer,  // Backspace on the player's pad
        Undo,          // the last card entered, on either hand
        Decks,
        Rules,      // the rules dialog's choice, applied
        TakeOut,    // a face on the "Carte uscite" pad
        CancelOut,  // that pad's "Annulla carte"
        EndRound,   // "Fine mano"
        NewShoe,    // "Nuovo sabot"
    } kind;
    int argument = 0;  // the pad index, a face, or the list index of the threshold or the decks
    TableRules rules;  // for Rules

    bool clears_banco() const { return kind == CancelBanco || kind == NewGame; }
    bool clears_player() const { return kind == CancelPlayer || kind == NewGame; }
    std::string describe() const;
};

// Pad clicks take most of the byte range, so random input builds real hands.
// The rules take every combination of the dialog's settings, those that the
// shorthand refuses among them, from `next` and `after`.
UserAction decode_action(std::uint8_t byte, std::uint8_t next, std::uint8_t after = 0);
void perform(Form1Model& model, const UserAction& action);

// Performs the action and checks what must hold after it: at most one
// calculation; the hands' invariants; the panels as the action leaves them;
// a card taken back exactly when there was one to take; rules taken as given,
// a complete table calculated again under them. Returns what broke,
// or an empty text.
std::string perform_and_check(Form1Model& model, const UserAction& action);

}  // namespace tavolix::checks
