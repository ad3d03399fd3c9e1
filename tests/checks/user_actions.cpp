// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "user_actions.h"

#include "model_checks.h"

namespace tavolix::checks {

UserAction decode_action(std::uint8_t byte, std::uint8_t next) {
    const int roll = byte % 40;
    if (roll < 26) {
        return {UserAction::Card, roll};
    }
    switch (roll) {
        case 26:
        case 27:
            return {UserAction::CancelBanco, 0};
        case 28:
        case 29:
            return {UserAction::CancelPlayer, 0};
        case 30:
            return {UserAction::NewGame, 0};
        case 31:
            return {UserAction::Calculate, 0};
        case 32:
            return {UserAction::RemoveBanco, 0};
        case 33:
            return {UserAction::RemovePlayer, 0};
        case 34:
        case 35:
            return {UserAction::Undo, 0};
        case 36:
        case 37:
            return {UserAction::Decks, next % 8};
        default:
            return {UserAction::Threshold, next % 10};
    }
}

void perform(Form1Model& model, const UserAction& action) {
    switch (action.kind) {
        case UserAction::Card:
            model.Label3_Click(action.argument);
            break;
        case UserAction::CancelBanco:
            model.Command1_Click();
            break;
        case UserAction::CancelPlayer:
            model.Command2_Click();
            break;
        case UserAction::NewGame:
            model.Command4_Click();
            break;
        case UserAction::Threshold:
            model.Combo1_Click(action.argument);
            break;
        case UserAction::Calculate:
            model.Command3_Click();
            break;
        case UserAction::RemoveBanco:
            model.remove_last_card(Side::Banco);
            break;
        case UserAction::RemovePlayer:
            model.remove_last_card(Side::Player);
            break;
        case UserAction::Undo:
            model.undo_last_card();
            break;
        case UserAction::Decks:
            model.Combo2_Click(action.argument);
            break;
    }
}

std::string perform_and_check(Form1Model& model, const UserAction& action) {
    const Form1Captions before = model.captions();
    const int calculations = model.calculations();
    const Integer banco_before = model.state().banco_count;
    const Integer player_before = model.state().player_count;
    perform(model, action);
    const bool calculated = model.calculations() != calculations;
    if (model.calculations() > calculations + 1) {
        return "more than one calculation for one action";
    }
    if (std::string broken = broken_invariant(model); !broken.empty()) {
        return broken;
    }
    const int banco_taken = banco_before - model.state().banco_count;
    const int player_taken = player_before - model.state().player_count;
    const bool removes = action.kind == UserAction::RemoveBanco ||
                         action.kind == UserAction::RemovePlayer || action.kind == UserAction::Undo;
    if (removes) {
        const int had = action.kind == UserAction::RemoveBanco    ? banco_before
                        : action.kind == UserAction::RemovePlayer ? player_before
                                                                  : banco_before + player_before;
        if (banco_taken + player_taken != (had > 0 ? 1 : 0) || banco_taken < 0 ||
            player_taken < 0) {
            return "took back " + std::to_string(banco_taken) + " dealer and " +
                   std::to_string(player_taken) + " player cards";
        }
    }
    // A card taken back from a hand that is then incomplete clears its side.
    return broken_panels(before, model, calculated, action.clears_banco() || banco_taken > 0,
                         action.clears_player() || player_taken > 0);
}

std::string UserAction::describe() const {
    static constexpr const char* kNames[] = {"card",         "cancel banco",  "cancel player",
                                             "new game",     "threshold",     "calculate",
                                             "remove banco", "remove player", "undo",
                                             "decks"};
    return std::string(kNames[kind]) + " " + std::to_string(argument);
}

}  // namespace tavolix::checks
