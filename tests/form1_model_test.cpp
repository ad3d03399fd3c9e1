// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/card_entry.h"
#include "core/hand_total.h"
#include "model/calculate.h"
#include "model/form1_model.h"

namespace tavolix {
namespace {

class Form1ModelTest : public ::testing::Test {
  protected:
    void SetUp() override { model.Form_Load(); }

    void dealer(std::initializer_list<int> faces) {
        for (const int face : faces) {
            model.Label3_Click(pad_index(Side::Banco, static_cast<Integer>(face)));
        }
    }
    void player(std::initializer_list<int> faces) {
        for (const int face : faces) {
            model.Label3_Click(pad_index(Side::Player, static_cast<Integer>(face)));
        }
    }
    const Form1Captions& captions() const { return model.captions(); }

    Form1Model model;
};

TEST_F(Form1ModelTest, starts_with_17_selected_and_empty_hands) {
    EXPECT_EQ(model.combo_items(), (std::vector<std::string>{"12", "13", "14", "15", "16", "17",
                                                             "18", "19", "20", "21"}));
    EXPECT_EQ(model.combo_items()[model.combo_list_index()], "17");
    const TableState& state = model.state();
    EXPECT_EQ(state.stand_at, 17);
    EXPECT_EQ(state.deck_count, 1);
    EXPECT_EQ(state.write_reports, 0);
    EXPECT_EQ(state.banco_count + state.player_count, 0);
    EXPECT_EQ(state.face_names[10], "10");
    EXPECT_EQ(state.face_names[13], "K");
    EXPECT_EQ(captions().Label4, "");
    EXPECT_EQ(captions().Label5, "");
    EXPECT_EQ(captions().Label7, "Somma =");
    EXPECT_EQ(captions().Label8, "Somma =");
    EXPECT_EQ(captions().Label9 + captions().Label10 + captions().Label12 + captions().Label13, "");
    EXPECT_EQ(model.calculations(), 0);
}

struct PadCase {
    int index;
    Side side;
    int face;
    const char* text;
};

class PadNumbering : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadNumbering, adds_the_face_of_the_clicked_label_to_its_hand) {
    Form1Model model;
    model.Form_Load();
    model.Label3_Click(GetParam().index);
    const TableState& state = model.state();
    const bool dealer = GetParam().side == Side::Banco;
    EXPECT_EQ(dealer ? state.banco_count : state.player_count, 1);
    EXPECT_EQ(dealer ? state.player_count : state.banco_count, 0);
    EXPECT_EQ(dealer ? state.banco_faces[1] : state.player_faces[1], GetParam().face);
    EXPECT_EQ(dealer ? model.captions().Label4 : model.captions().Label5, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    BothPads, PadNumbering,
    ::testing::Values(PadCase{0, Side::Banco, 1, " A"}, PadCase{1, Side::Banco, 2, " 2"},
                      PadCase{9, Side::Banco, 10, " 10"}, PadCase{10, Side::Banco, 11, " J"},
                      PadCase{12, Side::Banco, 13, " K"}, PadCase{13, Side::Player, 13, " K"},
                      PadCase{16, Side::Player, 10, " 10"}, PadCase{24, Side::Player, 2, " 2"},
                      PadCase{25, Side::Player, 1, " A"}),
    [](const auto& param_info) { return "index_" + std::to_string(param_info.param.index); });

TEST_F(Form1ModelTest, shows_each_hand_and_its_total) {
    dealer({1});
    EXPECT_EQ(captions().Label4, " A");
    EXPECT_EQ(captions().Label7, "Somma = 11");
    EXPECT_EQ(model.state().banco_cards[1], 1);
    player({13, 10, 1});
    EXPECT_EQ(captions().Label5, " K 10 A");
    EXPECT_EQ(captions().Label8, "Somma = 21");
    EXPECT_EQ(model.state().player_cards[1], 10);
    EXPECT_EQ(model.state().player_cards[3], 1);
}

TEST_F(Form1ModelTest, refuses_a_fifth_card_of_a_face_in_one_hand) {
    dealer({1, 1, 1, 1});
    const Form1Captions before = captions();
    dealer({1});  // 15 would fit, but there are only four aces
    EXPECT_EQ(model.last_card(), Form1Model::LastCard::RefusedFifthFace);
    EXPECT_EQ(model.state().banco_count, 4);
    EXPECT_EQ(captions().Label4, before.Label4);
    EXPECT_EQ(captions().Label7, "Somma = 14");
}

TEST_F(Form1ModelTest, refuses_a_card_that_busts_and_changes_nothing_visible) {
    dealer({6});
    player({10, 9});
    const Form1Captions before = captions();
    const int calculations = model.calculations();
    player({5});
    EXPECT_EQ(model.last_card(), Form1Model::LastCard::RefusedBust);
    EXPECT_EQ(model.state().player_count, 2);
    EXPECT_EQ(captions().Label5, before.Label5);
    EXPECT_EQ(captions().Label8, before.Label8);
    EXPECT_EQ(captions().Label10, before.Label10);
    EXPECT_EQ(model.calculations(), calculations);
    // The next accepted card takes the refused card's slot.
    player({2});
    EXPECT_EQ(model.state().player_count, 3);
    EXPECT_EQ(model.state().player_faces[3], 2);
    EXPECT_EQ(captions().Label5, " 10 9 2");
}

// Both hands together hold no more cards of a value than the shoe: a card
// beyond them is refused silently, like any other, at every deck count.
struct ShoeLimitCase {
    int decks;
    std::vector<int> banco;   // entered first
    std::vector<int> player;  // the last card is the one tested
    bool accepted;
};

void PrintTo(const ShoeLimitCase& c, std::ostream* out) {
    *out << c.decks << " decks, " << c.banco.size() << " dealer and " << c.player.size()
         << " player cards";
}

class ShoeLimit : public Form1ModelTest, public ::testing::WithParamInterface<ShoeLimitCase> {};

TEST_P(ShoeLimit, refuses_a_card_when_both_hands_hold_every_card_of_its_value) {
    const ShoeLimitCase& c = GetParam();
    model.Combo2_Click(c.decks - 1);
    for (const int face : c.banco) {
        model.Label3_Click(pad_index(Side::Banco, static_cast<Integer>(face)));
    }
    for (std::size_t i = 0; i + 1 < c.player.size(); ++i) {
        model.Label3_Click(pad_index(Side::Player, static_cast<Integer>(c.player[i])));
    }
    ASSERT_EQ(model.state().player_count + model.state().banco_count,
              static_cast<int>(c.banco.size() + c.player.size()) - 1);
    const Form1Captions before = captions();
    const int calculations = model.calculations();
    model.Label3_Click(pad_index(Side::Player, static_cast<Integer>(c.player.back())));
    if (c.accepted) {
        EXPECT_EQ(model.last_card(), Form1Model::LastCard::Accepted);
        return;
    }
    EXPECT_EQ(model.last_card(), Form1Model::LastCard::RefusedNoneLeft);
    EXPECT_EQ(model.state().player_count, static_cast<int>(c.player.size()) - 1);
    EXPECT_EQ(captions().Label5, before.Label5);
    EXPECT_EQ(captions().Label10, before.Label10);
    EXPECT_EQ(model.calculations(), calculations);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ShoeLimit,
    ::testing::Values(ShoeLimitCase{1, {1, 1, 1, 1}, {5, 1}, false},  // a fifth ace
                      ShoeLimitCase{1, {7, 7, 7}, {7, 7}, false},     // a fifth seven
                      ShoeLimitCase{1, {7, 7, 7}, {7}, true},
                      ShoeLimitCase{2, {1, 1, 1, 1}, {5, 1, 1, 1, 1}, true},
                      ShoeLimitCase{2, {1, 1, 1, 1, 1, 1, 1, 1}, {5, 1}, false},
                      ShoeLimitCase{1, {1, 1, 1}, {5, 1, 1}, false},
                      // Eight decks: 21 aces with the dealer, 11 with the player.
                      ShoeLimitCase{8, std::vector<int>(21, 1), std::vector<int>(12, 1), false},
                      ShoeLimitCase{8, std::vector<int>(21, 1), std::vector<int>(11, 1), true}));

// A deck count the hands on the table do not fit is refused: the list keeps
// its selection and nothing else changes. One that fits recalculates.
TEST_F(Form1ModelTest, takes_a_deck_count_the_hands_fit_and_refuses_one_they_do_not) {
    EXPECT_EQ(model.deck_items(),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(model.deck_list_index(), 0);
    EXPECT_EQ(captions().Label14,
              "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco .");
    dealer({10});
    player({10, 6});
    const std::string one_deck = captions().Label9;
    model.Combo2_Click(5);
    EXPECT_EQ(model.state().deck_count, 6);
    EXPECT_EQ(model.deck_list_index(), 5);
    EXPECT_EQ(model.calculations(), 2);
    EXPECT_NE(captions().Label9, one_deck);
    EXPECT_EQ(captions().Label14,
              "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. 6 mazzi in gioco .");
    player({2, 2, 2});  // 16 + 2 + 2 + 2 = 22: the third two busts
    player({1, 1, 1});  // 20, 21 and then over: two more aces
    dealer({2, 2, 2, 2, 2});
    // The dealer holds five twos, the player two: seven twos need two decks.
    ASSERT_EQ(model.state().banco_count, 6);
    const Form1Captions before = captions();
    const int calculations = model.calculations();
    for (const int refused : {0, 8, -1}) {
        model.Combo2_Click(refused);
        EXPECT_EQ(model.state().deck_count, 6);
        EXPECT_EQ(model.deck_list_index(), 5);
        EXPECT_EQ(captions().Label9, before.Label9);
        EXPECT_EQ(captions().Label14, before.Label14);
        EXPECT_EQ(model.calculations(), calculations);
    }
    model.Combo2_Click(1);
    EXPECT_EQ(model.state().deck_count, 2);
    EXPECT_EQ(model.calculations(), calculations + 1);
}

TEST_F(Form1ModelTest, calculates_once_the_dealer_has_one_card_and_the_player_two) {
    dealer({10});
    player({10});
    model.Command3_Click();
    EXPECT_EQ(model.calculations(), 0);
    EXPECT_EQ(captions().Label9, "");
    player({8});
    EXPECT_EQ(model.calculations(), 1);
    EXPECT_EQ(captions().Label9,
              "Tutte combinazioni\n\rVincita =  56.27%\n\rParità  =   9.88%\n\r"
              "Perdita =  12.09%\n\rSballa  =  21.76%\n\r");
    EXPECT_EQ(model.state().player_sum, 18);
    dealer({2});  // every further accepted card recalculates, on either side
    EXPECT_EQ(model.calculations(), 2);
}

TEST_F(Form1ModelTest, does_nothing_on_calculate_or_threshold_with_too_few_cards) {
    player({10, 6});
    model.Command3_Click();
    model.Combo1_Click(0);
    EXPECT_EQ(model.calculations(), 0);
    EXPECT_EQ(model.state().stand_at, 12);
    EXPECT_EQ(captions().Label10, "");
    dealer({7});
    EXPECT_EQ(model.calculations(), 1);
    EXPECT_NE(captions().Label10.find(">= 12  ="), std::string::npos);
}

TEST_F(Form1ModelTest, recalculates_when_the_threshold_changes) {
    dealer({10});
    player({10, 6});
    EXPECT_NE(captions().Label10.find(">= 17  ="), std::string::npos);
    model.Combo1_Click(0);
    EXPECT_EQ(model.state().stand_at, 12);
    EXPECT_EQ(model.calculations(), 2);
    EXPECT_NE(captions().Label10.find(">= 12  ="), std::string::npos);
    model.Combo1_Click(9);
    EXPECT_EQ(model.state().stand_at, 21);
    EXPECT_NE(captions().Label13.find(">= 21  ="), std::string::npos);
    model.Combo1_Click(10);  // no such item: nothing changes
    EXPECT_EQ(model.state().stand_at, 21);
    EXPECT_EQ(model.calculations(), 3);
}

TEST_F(Form1ModelTest, cancels_one_side_and_keeps_the_other) {
    dealer({10});
    player({10, 6});
    const Form1Captions before = captions();
    model.Command1_Click();
    EXPECT_EQ(model.state().banco_count, 0);
    EXPECT_EQ(captions().Label4, "");
    EXPECT_EQ(captions().Label7, "Somma =");
    EXPECT_EQ(captions().Label9, "");
    EXPECT_EQ(captions().Label12, "");
    EXPECT_EQ(captions().Label5, before.Label5);
    EXPECT_EQ(captions().Label10, before.Label10);
    EXPECT_EQ(captions().Label13, before.Label13);
    EXPECT_EQ(model.calculations(), 1);

    dealer({9});  // recalculates at once: the player still holds two cards
    model.Command2_Click();
    EXPECT_EQ(captions().Label5, "");
    EXPECT_EQ(captions().Label8, "Somma =");
    EXPECT_EQ(captions().Label10 + captions().Label13, "");
    EXPECT_NE(captions().Label9, "");
}

TEST_F(Form1ModelTest, starts_a_new_game_keeping_the_threshold) {
    dealer({10});
    player({10, 6});
    model.Combo1_Click(2);
    model.Command4_Click();
    EXPECT_EQ(model.state().banco_count + model.state().player_count, 0);
    EXPECT_EQ(captions().Label7, "Somma =");
    EXPECT_EQ(captions().Label8, "Somma =");
    EXPECT_EQ(captions().Label4 + captions().Label5, "");
    EXPECT_EQ(captions().Label9 + captions().Label10 + captions().Label12 + captions().Label13, "");
    EXPECT_EQ(model.state().stand_at, 14);
    EXPECT_EQ(model.combo_list_index(), 2);
}

TEST_F(Form1ModelTest, ignores_clicks_outside_the_pads) {
    model.Label3_Click(-1);
    model.Label3_Click(26);
    EXPECT_EQ(model.last_card(), Form1Model::LastCard::InvalidIndex);
    EXPECT_EQ(model.state().banco_count + model.state().player_count, 0);
}

// Taking a card back leaves the table as if that card had never been
// entered: the hands, texts and totals of a table that got only the other
// cards, and its panels while the hands are complete; once they are not, the
// side that lost the card has no panel and the other keeps what it showed.
struct Step {
    enum Kind { Card, RemoveBanco, RemovePlayer, Undo, CancelBanco } kind;
    int index = 0;  // the pad label of a card
};
constexpr Step D(int face) {
    return {Step::Card, pad_index(Side::Banco, static_cast<Integer>(face))};
}
constexpr Step P(int face) {
    return {Step::Card, pad_index(Side::Player, static_cast<Integer>(face))};
}
constexpr Step kRemoveBanco{Step::RemoveBanco};
constexpr Step kRemovePlayer{Step::RemovePlayer};
constexpr Step kUndo{Step::Undo};
constexpr Step kCancelBanco{Step::CancelBanco};

struct TakeBackCase {
    const char* name;
    std::vector<Step> steps;  // the last one takes a card back
    std::vector<Step> kept;   // the cards of the table it must equal
};

void PrintTo(const TakeBackCase& c, std::ostream* out) {
    *out << c.name;
}

class TakeBack : public ::testing::TestWithParam<TakeBackCase> {
  protected:
    static void play(Form1Model& model, const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            switch (step.kind) {
                case Step::Card:
                    model.Label3_Click(step.index);
                    break;
                case Step::RemoveBanco:
                    model.remove_last_card(Side::Banco);
                    break;
                case Step::RemovePlayer:
                    model.remove_last_card(Side::Player);
                    break;
                case Step::Undo:
                    model.undo_last_card();
                    break;
                case Step::CancelBanco:
                    model.Command1_Click();
                    break;
            }
        }
    }
};

TEST_P(TakeBack, leaves_the_table_as_if_the_card_had_never_been_entered) {
    const TakeBackCase& c = GetParam();
    Form1Model model;
    model.Form_Load();
    play(model, {c.steps.begin(), c.steps.end() - 1});
    const Form1Captions before = model.captions();
    const Integer banco_before = model.state().banco_count;
    const Integer player_before = model.state().player_count;
    play(model, {c.steps.back()});
    Form1Model never;
    never.Form_Load();
    play(never, c.kept);

    const TableState& state = model.state();
    const TableState& expected = never.state();
    ASSERT_EQ(state.banco_count, expected.banco_count);
    ASSERT_EQ(state.player_count, expected.player_count);
    for (int i = 1; i <= state.banco_count; ++i) {
        EXPECT_EQ(state.banco_faces[i], expected.banco_faces[i]) << i;
        EXPECT_EQ(state.banco_cards[i], expected.banco_cards[i]) << i;
    }
    for (int i = 1; i <= state.player_count; ++i) {
        EXPECT_EQ(state.player_faces[i], expected.player_faces[i]) << i;
        EXPECT_EQ(state.player_cards[i], expected.player_cards[i]) << i;
    }
    const Form1Captions& now = model.captions();
    const Form1Captions& fresh = never.captions();
    EXPECT_EQ(state.banco_text, expected.banco_text);
    EXPECT_EQ(state.player_text, expected.player_text);
    EXPECT_EQ(now.Label4, fresh.Label4);
    EXPECT_EQ(now.Label5, fresh.Label5);
    EXPECT_EQ(now.Label7, fresh.Label7);
    EXPECT_EQ(now.Label8, fresh.Label8);
    if (expected.banco_count >= 1 && expected.player_count >= 2) {
        EXPECT_EQ(now.Label9 + now.Label12 + now.Label10 + now.Label13,
                  fresh.Label9 + fresh.Label12 + fresh.Label10 + fresh.Label13);
        EXPECT_EQ(state.banco_sum, expected.banco_sum);
        EXPECT_EQ(state.player_sum, expected.player_sum);
    } else {
        const bool banco_lost = state.banco_count < banco_before;
        const bool player_lost = state.player_count < player_before;
        EXPECT_EQ(now.Label9 + now.Label12, banco_lost ? "" : before.Label9 + before.Label12);
        EXPECT_EQ(now.Label10 + now.Label13, player_lost ? "" : before.Label10 + before.Label13);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Form1Model, TakeBack,
    ::testing::Values(
        TakeBackCase{"players_last_card_recalculates",
                     {D(10), P(10), P(5), P(3), kRemovePlayer},
                     {D(10), P(10), P(5)}},
        TakeBackCase{"dealers_last_card_recalculates",
                     {D(10), D(2), P(10), P(8), kRemoveBanco},
                     {D(10), P(10), P(8)}},
        TakeBackCase{"dealers_only_card_clears_the_dealers_panel",
                     {D(10), P(10), P(8), kRemoveBanco},
                     {P(10), P(8)}},
        TakeBackCase{"players_second_card_clears_the_players_panel",
                     {D(10), P(10), P(8), kRemovePlayer},
                     {D(10), P(10)}},
        TakeBackCase{"undo_takes_the_last_card_of_either_hand",
                     {D(10), P(10), P(8), D(5), kUndo},
                     {D(10), P(10), P(8)}},
        TakeBackCase{"undo_again_goes_on_back_in_order",
                     {D(10), P(10), D(5), P(8), kUndo, kUndo},
                     {D(10), P(10)}},
        TakeBackCase{
            "undo_passes_over_a_refused_card", {D(10), P(10), P(9), P(5), kUndo}, {D(10), P(10)}},
        TakeBackCase{"undo_passes_over_a_cancelled_hand",
                     {D(10), P(10), P(8), D(7), kCancelBanco, kUndo},
                     {P(10)}},
        TakeBackCase{
            "an_empty_hand_has_nothing_to_take_back", {P(10), P(8), kRemoveBanco}, {P(10), P(8)}},
        TakeBackCase{"undo_on_an_empty_table_does_nothing", {D(3), kRemoveBanco, kUndo}, {}}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

}  // namespace
}  // namespace tavolix
