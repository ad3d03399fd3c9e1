// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Plays the input as clicks and keys on the window's model: pad labels, both
// cancels, new game, thresholds, decks, the rules dialog's choices, calculate,
// a hand's last card taken back and undo. After every action the hands must
// keep their invariants, the rule line and the view must show the rules, and
// the panels must be what the action leaves: a fresh calculation of the same
// table, or the earlier texts kept or cleared.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checks/user_actions.h"

namespace {

// Long inputs add nothing that a sequence of this many actions cannot reach,
// and keep every run quick.
constexpr std::size_t kMaxActions = 96;

[[noreturn]] void fail(std::size_t step, const tavolix::checks::UserAction& action,
                       const std::string& what) {
    std::fprintf(stderr, "after action %zu (%s): %s\n", step, action.describe().c_str(),
                 what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavolix;
    Form1Model model;
    model.Form_Load();
    for (std::size_t i = 0; i < size && i < kMaxActions; ++i) {
        const auto action = checks::decode_action(data[i], i + 1 < size ? data[i + 1] : 0,
                                                  i + 2 < size ? data[i + 2] : 0);
        if (auto broken = checks::perform_and_check(model, action); !broken.empty()) {
            fail(i, action, broken);
        }
    }
    return 0;
}
