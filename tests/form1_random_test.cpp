#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/commands/calculate.h"
#include "core/commands/form1_model.h"
#include "core/hand_total.h"

namespace tavolix {
namespace {

// The invariants card entry and the commands keep for one hand.
void expect_hand_invariants(const TableState& state, Integer count, const HandArray& faces,
                            const HandArray& cards, const std::string& text,
                            const std::string& text_caption, const std::string& total_caption) {
    ASSERT_GE(count, 0);
    ASSERT_LE(count, 11);
    std::string expected_text;
    std::array<int, 14> per_face{};
    for (int i = 1; i <= count; ++i) {
        ASSERT_GE(faces[i], 1);
        ASSERT_LE(faces[i], 13);
        ASSERT_EQ(cards[i], card_value(faces[i]));
        expected_text += " " + state.face_names[faces[i]];
        ASSERT_LE(++per_face[faces[i]], 4 * state.deck_count);
    }
    ASSERT_EQ(text, expected_text);
    ASSERT_EQ(text_caption, text);
    TableState scratch;
    const Integer total = SumaKarti(scratch, count, cards);
    ASSERT_LE(total, 21);
    ASSERT_EQ(total_caption, count == 0 ? "Somma =" : "Somma = " + std::to_string(total));
}

// The panels a calculation on a brand-new table with the same hands shows.
Form1Captions fresh_panels(const TableState& state) {
    TableState fresh;
    reset_to_start(fresh);
    fresh.stand_at = state.stand_at;
    fresh.banco_count = state.banco_count;
    fresh.banco_faces = state.banco_faces;
    fresh.banco_cards = state.banco_cards;
    fresh.player_count = state.player_count;
    fresh.player_faces = state.player_faces;
    fresh.player_cards = state.player_cards;
    const auto calculation = calculate(fresh);
    Form1Captions panels;
    if (calculation) {
        panels.Label9 = calculation->banco.panel.tutte_combinazioni;
        panels.Label12 = calculation->banco.panel.prima_carta;
        panels.Label10 = calculation->player.panel.tutte_combinazioni;
        panels.Label13 = calculation->player.panel.prima_carta;
    }
    return panels;
}

// Thousands of random games of clicks, cancels, new games and thresholds.
// After every step the hands keep their invariants; a step that calculated
// shows what a fresh calculation of the same hands shows; any other step keeps
// or clears the panels exactly as its command says.
TEST(Form1ModelRandom, keeps_every_invariant_through_random_play) {
    std::mt19937 random(12082026);
    std::uniform_int_distribution<int> action(0, 99);
    std::uniform_int_distribution<int> pad(0, 25);
    std::uniform_int_distribution<int> threshold(0, 9);
    int calculations_checked = 0;
    for (int game = 0; game < 2000; ++game) {
        Form1Model model;
        model.Form_Load();
        for (int step = 0; step < 30; ++step) {
            const Form1Captions before = model.captions();
            const int calculations = model.calculations();
            const int roll = action(random);
            std::string what;
            bool clears_banco = false;
            bool clears_player = false;
            if (roll < 80) {
                const int index = pad(random);
                what = "card " + std::to_string(index);
                model.Label3_Click(index);
            } else if (roll < 85) {
                what = "cancel banco";
                clears_banco = true;
                model.Command1_Click();
            } else if (roll < 90) {
                what = "cancel player";
                clears_player = true;
                model.Command2_Click();
            } else if (roll < 92) {
                what = "new game";
                clears_banco = clears_player = true;
                model.Command4_Click();
            } else if (roll < 98) {
                const int index = threshold(random);
                what = "threshold " + std::to_string(index + 12);
                model.Combo1_Click(index);
            } else {
                what = "calculate";
                model.Command3_Click();
            }
            SCOPED_TRACE("game " + std::to_string(game) + " step " + std::to_string(step) + ": " +
                         what);

            const TableState& state = model.state();
            const Form1Captions& now = model.captions();
            expect_hand_invariants(state, state.banco_count, state.banco_faces, state.banco_cards,
                                   state.banco_text, now.Label4, now.Label7);
            expect_hand_invariants(state, state.player_count, state.player_faces,
                                   state.player_cards, state.player_text, now.Label5, now.Label8);
            ASSERT_EQ(model.combo_list_index() + 12, state.stand_at);

            if (model.calculations() != calculations) {
                ASSERT_EQ(model.calculations(), calculations + 1);
                const Form1Captions expected = fresh_panels(state);
                ASSERT_EQ(now.Label9, expected.Label9);
                ASSERT_EQ(now.Label12, expected.Label12);
                ASSERT_EQ(now.Label10, expected.Label10);
                ASSERT_EQ(now.Label13, expected.Label13);
                ++calculations_checked;
            } else {
                ASSERT_EQ(now.Label9, clears_banco ? "" : before.Label9);
                ASSERT_EQ(now.Label12, clears_banco ? "" : before.Label12);
                ASSERT_EQ(now.Label10, clears_player ? "" : before.Label10);
                ASSERT_EQ(now.Label13, clears_player ? "" : before.Label13);
            }
        }
    }
    EXPECT_GT(calculations_checked, 10000);
}

}  // namespace
}  // namespace tavolix
