// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "checks/model_checks.h"
#include "checks/user_actions.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

// Thousands of random games of clicks, cancels, new games, thresholds, decks,
// rules, cards taken back and undone. After every step the hands keep their invariants; a
// step that calculated shows what a fresh calculation of the same hands
// shows; any other step keeps or clears the panels exactly as its command
// says.
TEST(Form1ModelRandom, keeps_every_invariant_through_random_play) {
    std::mt19937 random(12082026);
    std::uniform_int_distribution<int> byte(0, 255);
    // An unoptimised, instrumented build plays fewer games of the same kind.
    const int games = testing::kSanitized ? 150 : 2000;
    int calculations_checked = 0;
    for (int game = 0; game < games; ++game) {
        Form1Model model;
        model.Form_Load();
        for (int step = 0; step < 30; ++step) {
            const auto action = checks::decode_action(static_cast<std::uint8_t>(byte(random)),
                                                      static_cast<std::uint8_t>(byte(random)),
                                                      static_cast<std::uint8_t>(byte(random)));
            const int calculations = model.calculations();
            SCOPED_TRACE("game " + std::to_string(game) + " step " + std::to_string(step) + ": " +
                         action.describe());
            ASSERT_EQ(checks::perform_and_check(model, action), "");
            const bool calculated = model.calculations() != calculations;
            calculations_checked += calculated ? 1 : 0;
        }
    }
    EXPECT_GT(calculations_checked, games * 5);
}

}  // namespace
}  // namespace tavolix
