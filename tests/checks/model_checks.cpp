// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "model_checks.h"

#include <array>

#include "core/card_entry.h"
#include "core/hand_total.h"
#include "model/calculate.h"

namespace tavolix::checks {

namespace {

std::string broken_hand(const TableState& state, const char* side, Integer count,
                        const HandArray& faces, const HandArray& cards, const std::string& text,
                        const std::string& text_caption, const std::string& total_caption) {
    const std::string where = std::string(side) + ": ";
    if (count < 0 || count > kMaxHandCards) {
        return where + "count " + std::to_string(count) + " outside 0.." +
               std::to_string(kMaxHandCards);
    }
    std::string expected_text;
    std::array<int, 14> per_face{};
    for (int i = 1; i <= count; ++i) {
        if (faces[i] < 1 || faces[i] > 13) {
            return where + "face " + std::to_string(faces[i]) + " at " + std::to_string(i);
        }
        if (cards[i] != card_value(faces[i])) {
            return where + "card value " + std::to_string(cards[i]) + " for face " +
                   std::to_string(faces[i]);
        }
        if (++per_face[faces[i]] > 4 * state.deck_count) {
            return where + "too many cards of face " + std::to_string(faces[i]);
        }
        expected_text += " " + state.face_names[faces[i]];
    }
    if (text != expected_text || text_caption != text) {
        return where + "text '" + text + "', caption '" + text_caption + "', cards '" +
               expected_text + "'";
    }
    TableState scratch;
    const Integer total = SumaKarti(scratch, count, cards);
    if (total > 21) {
        return where + "total " + std::to_string(total) + " above 21";
    }
    const std::string expected_caption =
        count == 0 ? "Somma =" : "Somma = " + std::to_string(total);
    if (total_caption != expected_caption) {
        return where + "total caption '" + total_caption + "', expected '" + expected_caption + "'";
    }
    return {};
}

}  // namespace

std::string broken_invariant(const Form1Model& model) {
    const TableState& state = model.state();
    const Form1Captions& captions = model.captions();
    std::string broken =
        broken_hand(state, "banco", state.banco_count, state.banco_faces, state.banco_cards,
                    state.banco_text, captions.Label4, captions.Label7);
    if (broken.empty()) {
        broken =
            broken_hand(state, "player", state.player_count, state.player_faces, state.player_cards,
                        state.player_text, captions.Label5, captions.Label8);
    }
    if (broken.empty() && !hands_fit_shoe(state, state.deck_count)) {
        broken = "the two hands hold more cards of a value than " +
                 std::to_string(state.deck_count) + " decks";
    }
    if (broken.empty() && model.deck_list_index() + 1 != state.deck_count) {
        broken = "decks " + std::to_string(state.deck_count) + " but list index " +
                 std::to_string(model.deck_list_index());
    }
    if (broken.empty() && model.combo_list_index() + 12 != state.stand_at) {
        broken = "threshold " + std::to_string(state.stand_at) + " but list index " +
                 std::to_string(model.combo_list_index());
    }
    if (broken.empty() &&
        captions.Label14 != rule_line(state.rules, state.deck_count, model.words())) {
        broken = "rule line '" + captions.Label14 + "' is not that of rules " +
                 rules_text(state.rules) + " and " + std::to_string(state.deck_count) + " decks";
    }
    if (broken.empty() &&
        captions.shoe.cards_out != shoe_captions(state, {}, model.words().shoe).cards_out) {
        broken = "the cards out shown, '" + captions.shoe.cards_out + "', are not those out";
    }
    // The window's Copy and tavolix-calc write the table from the view.
    if (broken.empty() && !(model.view().rules == state.rules)) {
        broken = "the view shows rules " + rules_text(model.view().rules) + ", the table has " +
                 rules_text(state.rules);
    }
    return broken;
}

Form1Captions fresh_panels(const TableState& state) {
    TableState fresh;
    reset_to_start(fresh);
    fresh.stand_at = state.stand_at;
    fresh.deck_count = state.deck_count;
    fresh.rules = state.rules;
    fresh.banco_count = state.banco_count;
    fresh.banco_faces = state.banco_faces;
    fresh.banco_cards = state.banco_cards;
    fresh.player_count = state.player_count;
    fresh.player_faces = state.player_faces;
    fresh.player_cards = state.player_cards;
    fresh.cards_out = state.cards_out;
    Form1Captions panels;
    if (const auto calculation = calculate(fresh)) {
        panels.Label9 = calculation->banco.panel.tutte_combinazioni;
        panels.Label12 = calculation->banco.panel.prima_carta;
        panels.Label10 = calculation->player.panel.tutte_combinazioni;
        panels.Label13 = calculation->player.panel.prima_carta;
    }
    return panels;
}

std::string broken_panels(const Form1Captions& before, const Form1Model& model, bool calculated,
                          bool clears_banco, bool clears_player) {
    const Form1Captions& now = model.captions();
    Form1Captions expected = before;
    if (calculated) {
        expected = fresh_panels(model.state());
    } else {
        if (clears_banco) {
            expected.Label9.clear();
            expected.Label12.clear();
        }
        if (clears_player) {
            expected.Label10.clear();
            expected.Label13.clear();
        }
    }
    const std::array<std::pair<const char*, std::pair<const std::string*, const std::string*>>, 4>
        labels{{{"Label9", {&now.Label9, &expected.Label9}},
                {"Label12", {&now.Label12, &expected.Label12}},
                {"Label10", {&now.Label10, &expected.Label10}},
                {"Label13", {&now.Label13, &expected.Label13}}}};
    for (const auto& [name, texts] : labels) {
        if (*texts.first != *texts.second) {
            return std::string(name) + " shows '" + *texts.first + "', expected '" + *texts.second +
                   "'";
        }
    }
    return {};
}

}  // namespace tavolix::checks
