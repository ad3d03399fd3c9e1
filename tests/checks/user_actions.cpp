#include "user_actions.h"

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
        case 33:
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
        case UserAction::Decks:
            model.Combo2_Click(action.argument);
            break;
    }
}

std::string UserAction::describe() const {
    static constexpr const char* kNames[] = {"card",     "cancel banco", "cancel player",
                                             "new game", "threshold",    "calculate", "decks"};
    return std::string(kNames[kind]) + " " + std::to_string(argument);
}

}  // namespace tavolix::checks
