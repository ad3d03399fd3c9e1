// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "form1_model.h"

#include <algorithm>
#include <cstdio>

#include "core/card_entry.h"
#include "core/hand_total.h"
#include "core/remaining_cards.h"
#include "dealer/banco.h"
#include "player/player.h"

#ifndef TAVOLIX_WRITE_REPORTS
#define TAVOLIX_WRITE_REPORTS 0
#endif

namespace tavolix {

namespace {

void forget_side(std::vector<Side>& entered, Side side) {
    std::erase(entered, side);
}

// The captions of one side: its cards, its total and its result panel.
struct SideCaptions {
    std::string& cards;
    std::string& total;
    std::string& all;
    std::string& first;
};

SideCaptions captions_of(Form1Captions& captions, Side side) {
    if (side == Side::Banco) {
        return {captions.Label4, captions.Label7, captions.Label9, captions.Label12};
    }
    return {captions.Label5, captions.Label8, captions.Label10, captions.Label13};
}

}  // namespace

std::string rule_line(int decks, const ModelWords& words) {
    if (decks == 1) {
        return words.rule_one_deck;
    }
    std::string line = words.rule_decks;
    const auto mark = line.find("%1");
    if (mark != std::string::npos) {
        line.replace(mark, 2, std::to_string(decks));
    }
    return line;
}

Form1Model::Form1Model(ReportSettings reports, ModelWords words)
    : reports_(std::move(reports)), words_(std::move(words)) {
    captions_.Label7 = words_.total;
    captions_.Label8 = words_.total;
    captions_.Label14 = rule_line(1, words_);
}

void Form1Model::Form_Load() {
    reset_to_start(state_);
    entered_.clear();
    state_.write_reports = TAVOLIX_WRITE_REPORTS;
    captions_.Label4 = state_.banco_text;
    captions_.Label5 = state_.player_text;
    combo_items_.clear();
    for (int threshold = 12; threshold <= 21; ++threshold) {
        combo_items_.push_back(std::to_string(threshold));
    }
    // Selecting "17" counts as a pick; with both hands empty the calculation
    // it starts does nothing.
    Combo1_Click(5);
    state_.stand_at = 17;
    deck_items_.clear();
    for (int decks = kMinDecks; decks <= kMaxDecks; ++decks) {
        deck_items_.push_back(std::to_string(decks));
    }
    deck_list_index_ = state_.deck_count - kMinDecks;
    captions_.Label14 = rule_line(state_.deck_count, words_);
    store_hand_totals(state_);
}

void Form1Model::Label3_Click(int Index) {
    if (!is_pad_index(Index)) {
        last_card_ = LastCard::InvalidIndex;
        return;
    }
    const PadCard card = pad_card(Index);
    Integer total = 0;
    const CardEntry entry = enter_card(state_, card.side, card.face, total);
    last_card_total_ = total;
    switch (entry) {
        case CardEntry::RefusedFifthFace:
            last_card_ = LastCard::RefusedFifthFace;
            return;
        case CardEntry::RefusedNoneLeft:
            last_card_ = LastCard::RefusedNoneLeft;
            return;
        case CardEntry::RefusedBust:
            last_card_ = LastCard::RefusedBust;
            return;
        case CardEntry::Accepted:
            last_card_ = LastCard::Accepted;
            break;
    }
    entered_.push_back(card.side);
    show_hand(card.side, total);
    if (state_.banco_count >= 1 && state_.player_count >= 2) {
        Command3_Click();
    }
}

void Form1Model::Command1_Click() {
    clear_hand(Side::Banco);
}

void Form1Model::Command2_Click() {
    clear_hand(Side::Player);
}

void Form1Model::clear_hand(Side side) {
    forget_side(entered_, side);
    const HandFields hand = hand_of(state_, side);
    hand.count = 0;
    hand.text.clear();
    const SideCaptions captions = captions_of(captions_, side);
    captions.cards = hand.text;
    captions.total = words_.total;
    clear_panel(side);
}

// A side whose hand is no longer complete shows no results, and the analysis,
// which needs both hands, goes with them.
void Form1Model::clear_panel(Side side) {
    const SideCaptions captions = captions_of(captions_, side);
    captions.all.clear();
    captions.first.clear();
    captions_.analysis = {};
}

void Form1Model::Command3_Click() {
    auto calculation = calculate(state_, reports_, words_);
    if (!calculation) {
        return;
    }
    ++calculations_;
    captions_.Label9 = calculation->banco.panel.tutte_combinazioni;
    captions_.Label12 = calculation->banco.panel.prima_carta;
    captions_.Label10 = calculation->player.panel.tutte_combinazioni;
    captions_.Label13 = calculation->player.panel.prima_carta;
    captions_.analysis = analysis_panel(calculation->analysis, state_.stand_at, words_.analysis);
    for (const auto& error : calculation->report_errors) {
        std::fprintf(stderr, "tavolix: %s\n", error.c_str());
    }
    last_calculation_ = std::move(calculation);
}

void Form1Model::Command4_Click() {
    Command1_Click();
    Command2_Click();
    captions_.Label9.clear();
    captions_.Label12.clear();
    captions_.Label10.clear();
    captions_.Label13.clear();
    captions_.analysis = {};
}

void Form1Model::Combo1_Click(int ListIndex) {
    if (ListIndex < 0 || ListIndex >= static_cast<int>(combo_items_.size())) {
        return;
    }
    combo_list_index_ = ListIndex;
    state_.stand_at = static_cast<Integer>(ListIndex + 12);
    Command3_Click();
}

void Form1Model::remove_last_card(Side side) {
    Integer total = 0;
    if (!tavolix::remove_last_card(state_, side, total)) {
        return;
    }
    const auto last = std::find(entered_.rbegin(), entered_.rend(), side);
    if (last != entered_.rend()) {
        entered_.erase(std::next(last).base());
    }
    show_hand(side, total);
    if (state_.banco_count >= 1 && state_.player_count >= 2) {
        Command3_Click();
    } else {
        clear_panel(side);
    }
}

// An empty hand shows the bare "Somma =", as at start-up.
void Form1Model::show_hand(Side side, Integer total) {
    const HandFields hand = hand_of(state_, side);
    const SideCaptions captions = captions_of(captions_, side);
    captions.cards = hand.text;
    captions.total = hand.count == 0 ? words_.total : total_caption(total, words_);
}

void Form1Model::undo_last_card() {
    if (!entered_.empty()) {
        remove_last_card(entered_.back());
    }
}

void Form1Model::Combo2_Click(int ListIndex) {
    if (ListIndex < 0 || ListIndex >= static_cast<int>(deck_items_.size())) {
        return;
    }
    const auto decks = static_cast<Integer>(ListIndex + kMinDecks);
    if (!hands_fit_shoe(state_, decks)) {
        return;
    }
    deck_list_index_ = ListIndex;
    state_.deck_count = decks;
    captions_.Label14 = rule_line(decks, words_);
    Command3_Click();
}

void Form1Model::calculate_writing_reports() {
    const Integer was = state_.write_reports;
    state_.write_reports = 1;
    Command3_Click();
    state_.write_reports = was;
}

TableView Form1Model::view() const {
    return {.stand_at = state_.stand_at,
            .decks = state_.deck_count,
            .banco = {.cards = captions_.Label4,
                      .total_caption = captions_.Label7,
                      .panel = {.prima_carta = captions_.Label12,
                                .tutte_combinazioni = captions_.Label9}},
            .player = {.cards = captions_.Label5,
                       .total_caption = captions_.Label8,
                       .panel = {.prima_carta = captions_.Label13,
                                 .tutte_combinazioni = captions_.Label10}}};
}

ExactChances Form1Model::exact_chances() const {
    return last_calculation_ ? tavolix::exact_chances(last_calculation_->analysis) : ExactChances{};
}

}  // namespace tavolix
