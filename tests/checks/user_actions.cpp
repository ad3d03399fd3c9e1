// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "user_actions.h"

#include "model_checks.h"

namespace tavolix::checks {

namespace {

// Each setting takes its share of the bits, so that every combination has a
// value: 3 x 2 x 3 x 4 x 2 x 4 x 2 x 2 x 2 = 4,608 of the 65,536.
TableRules decode_rules(unsigned bits) {
    const auto take = [&bits](unsigned choices) {
        const unsigned choice = bits % choices;
        bits /= choices;
        return choice;
    };
    TableRules rules;
    rules.dealer = static_cast<DealerRule>(take(3));
    rules.hole_card = static_cast<HoleCard>(take(2));
    rules.natural = static_cast<NaturalPays>(take(3));
    rules.double_down = static_cast<DoubleRule>(take(4));
    rules.double_after_split = take(2) == 1;
    rules.splits = static_cast<int>(take(kMostSplits + 1));
    rules.resplit_aces = take(2) == 1;
    rules.hit_split_aces = take(2) == 1;
    rules.surrender = take(2) == 1;
    return rules;
}

}  // namespace

UserAction decode_action(std::uint8_t byte, std::uint8_t next, std::uint8_t after) {
    const int roll = byte % 46;
    if (roll < 26) {
        return {UserAction::Card, roll, {}};
    }
    switch (roll) {
        case 26:
        case 27:
            return {UserAction::CancelBanco, 0, {}};
        case 28:
        case 29:
            return {UserAction::CancelPlayer, 0, {}};
        case 30:
            return {UserAction::NewGame, 0, {}};
        case 31:
            return {UserAction::Calculate, 0, {}};
        case 32:
            return {UserAction::RemoveBanco, 0, {}};
        case 33:
            return {UserAction::RemovePlayer, 0, {}};
        case 34:
        case 35:
            return {UserAction::Undo, 0, {}};
        case 36:
        case 37:
            return {UserAction::Decks, next % 8, {}};
        case 38:
            return {UserAction::Threshold, next % 10, {}};
        case 39:
            return {.kind = UserAction::Rules,
                    .argument = 0,
                    .rules = decode_rules(next | static_cast<unsigned>(after) << 8)};
        case 40:
        case 41:
        case 42:
            // Now and then a face outside the pad, which must change nothing.
            return {UserAction::TakeOut, next % 14, {}};
        case 43:
            return {UserAction::CancelOut, 0, {}};
        case 44:
            return {UserAction::EndRound, 0, {}};
        default:
            return {UserAction::NewShoe, 0, {}};
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
        case UserAction::Rules:
            model.set_rules(action.rules);
            break;
        case UserAction::TakeOut:
            model.take_out_card(static_cast<Integer>(action.argument));
            break;
        case UserAction::CancelOut:
            model.cancel_cards_out();
            break;
        case UserAction::EndRound:
            model.end_round();
            break;
        case UserAction::NewShoe:
            model.new_shoe();
            break;
    }
}

std::string perform_and_check(Form1Model& model, const UserAction& action) {
    const Form1Captions before = model.captions();
    const int calculations = model.calculations();
    const Integer banco_before = model.state().banco_count;
    const Integer player_before = model.state().player_count;
    const int out_before = cards_out_in_all(model.state());
    const DeckCounts left_before = cards_left(model.state());
    perform(model, action);
    const int out_gone = out_before - cards_out_in_all(model.state());
    const bool calculated = model.calculations() != calculations;
    if (model.calculations() > calculations + 1) {
        return "more than one calculation for one action";
    }
    if (std::string broken = broken_invariant(model); !broken.empty()) {
        return broken;
    }
    if (action.kind == UserAction::Rules) {
        if (!(model.state().rules == action.rules)) {
            return "the rules set are not the rules given";
        }
        if (!calculated && banco_before >= 1 && player_before >= 2) {
            return "new rules left a complete table uncalculated";
        }
    }
    const int banco_taken = banco_before - model.state().banco_count;
    const int player_taken = player_before - model.state().player_count;
    const int on_table_before = banco_before + player_before;
    switch (action.kind) {
        case UserAction::TakeOut: {
            // One card out, of a value the shoe had, or a refusal that says so.
            const bool refused = model.last_card() == Form1Model::LastCard::RefusedNoneLeft ||
                                 model.last_card() == Form1Model::LastCard::InvalidIndex;
            const bool taken = out_gone == -1 && !refused &&
                               left_before[card_value(static_cast<Integer>(action.argument))] > 0;
            if (!(taken || (out_gone == 0 && refused)) || banco_taken != 0 || player_taken != 0) {
                return "taking a card out moved " + std::to_string(-out_gone) + " cards";
            }
            break;
        }
        case UserAction::CancelOut:
            if (out_gone < 0 || banco_taken != 0 || player_taken != 0) {
                return "the pad's cancel took more cards out or touched a hand";
            }
            break;
        case UserAction::EndRound:
            if (model.state().banco_count + model.state().player_count != 0 ||
                -out_gone != on_table_before) {
                return "the round's end left " +
                       std::to_string(model.state().banco_count + model.state().player_count) +
                       " cards on the table and took " + std::to_string(-out_gone) + " of " +
                       std::to_string(on_table_before) + " out";
            }
            break;
        case UserAction::NewShoe:
            if (cards_out_in_all(model.state()) != 0 || banco_taken != 0 || player_taken != 0) {
                return "a fresh shoe kept cards out or touched a hand";
            }
            break;
        case UserAction::Undo: {
            // One step back: a hand's card, a card out, or a whole round.
            const int hands_gone = banco_taken + player_taken;
            const bool one_back =
                (hands_gone == 1 && out_gone == 0) || (hands_gone == 0 && out_gone == 1) ||
                (hands_gone < 0 && out_gone == -hands_gone) || (hands_gone == 0 && out_gone == 0);
            if (!one_back) {
                return "undo took back " + std::to_string(hands_gone) + " hand cards and " +
                       std::to_string(out_gone) + " cards out";
            }
            break;
        }
        default:
            break;
    }
    const bool removes =
        action.kind == UserAction::RemoveBanco || action.kind == UserAction::RemovePlayer;
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
    const bool round_over = action.kind == UserAction::EndRound && on_table_before > 0;
    return broken_panels(before, model, calculated,
                         action.clears_banco() || banco_taken > 0 || round_over,
                         action.clears_player() || player_taken > 0 || round_over);
}

std::string UserAction::describe() const {
    static constexpr const char* kNames[] = {
        "card",      "cancel banco", "cancel player", "new game",  "threshold",
        "calculate", "remove banco", "remove player", "undo",      "decks",
        "rules",     "take out",     "cancel out",    "end round", "new shoe"};
    if (kind == Rules) {
        // What the settings hold, the casino-only ones too under TABLE.
        return std::string(kNames[kind]) + " " + rules_text(rules) + " (dealer " +
               std::to_string(static_cast<int>(rules.dealer)) + ", hole card " +
               std::to_string(static_cast<int>(rules.hole_card)) + ", natural " +
               std::to_string(static_cast<int>(rules.natural)) + ")";
    }
    return std::string(kNames[kind]) + " " + std::to_string(argument);
}

}  // namespace tavolix::checks
