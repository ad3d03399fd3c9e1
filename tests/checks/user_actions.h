#pragma once

#include <cstdint>
#include <string>

#include "model/form1_model.h"

namespace tavolix::checks {

// One thing a user can do in the window, decoded from a byte (and, for a
// threshold, the byte after it): the random tests and the fuzzer play the
// same actions.
struct UserAction {
    enum Kind { Card, CancelBanco, CancelPlayer, NewGame, Threshold, Calculate, Decks } kind;
    int argument = 0;  // the pad index, or the list index of the threshold or the decks

    bool clears_banco() const { return kind == CancelBanco || kind == NewGame; }
    bool clears_player() const { return kind == CancelPlayer || kind == NewGame; }
    std::string describe() const;
};

// Pad clicks take most of the byte range, so random input builds real hands.
UserAction decode_action(std::uint8_t byte, std::uint8_t next);
void perform(Form1Model& model, const UserAction& action);

}  // namespace tavolix::checks
