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

Form1Model::Form1Model(ReportSettings reports, ModelWords words)
    : reports_(std::move(reports)), words_(std::move(words)), shoe_(words_.shoe) {
    captions_.Label7 = words_.total;
    captions_.Label8 = words_.total;
    captions_.Label14 = rule_line({}, 1, words_);
}

void Form1Model::Form_Load() {
    reset_to_start(state_);
    history_.clear();
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
    captions_.Label14 = rule_line(state_.rules, state_.deck_count, words_);
    store_hand_totals(state_);
    shoe_.forget_next_round(state_);
    shoe_changed();
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
    history_.hand_card(card.side, card.face);
    show_hand(card.side, total);
    if (state_.banco_count >= 1 && state_.player_count >= 2) {
        Command3_Click();
    }
    shoe_changed();
}

void Form1Model::Command1_Click() {
    clear_hand(Side::Banco);
}

void Form1Model::Command2_Click() {
    clear_hand(Side::Player);
}

void Form1Model::clear_hand(Side side) {
    history_.forget_hand(side);
    const HandFields hand = hand_of(state_, side);
    hand.count = 0;
    hand.text.clear();
    const SideCaptions captions = captions_of(captions_, side);
    captions.cards = hand.text;
    captions.total = words_.total;
    clear_panel(side);
    shoe_changed();
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
    auto calculation = calculate(state_, reports_, words_, scratch_.get());
    if (!calculation) {
        return;
    }
    ++calculations_;
    captions_.Label9 = calculation->banco.panel.tutte_combinazioni;
    captions_.Label12 = calculation->banco.panel.prima_carta;
    captions_.Label10 = calculation->player.panel.tutte_combinazioni;
    captions_.Label13 = calculation->player.panel.prima_carta;
    captions_.analysis =
        analysis_panel(calculation->analysis, state_.stand_at, words_.analysis, state_.rules);
    for (const auto& error : calculation->report_errors) {
        std::fprintf(stderr, "tavolix: %s\n", error.c_str());
    }
    last_calculation_ = std::move(calculation);
}

void Form1Model::Command4_Click() {
    Command1_Click();
    Command2_Click();
    clear_panels();
}

void Form1Model::clear_panels() {
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
    history_.forget_last_hand_card(side);
    show_hand(side, total);
    if (state_.banco_count >= 1 && state_.player_count >= 2) {
        Command3_Click();
    } else {
        clear_panel(side);
    }
    shoe_changed();
}

// An empty hand shows the bare "Somma =", as at start-up.
void Form1Model::show_hand(Side side, Integer total) {
    const HandFields hand = hand_of(state_, side);
    const SideCaptions captions = captions_of(captions_, side);
    captions.cards = hand.text;
    captions.total = hand.count == 0 ? words_.total : total_caption(total, words_);
}

void Form1Model::undo_last_card() {
    const std::optional<EntryHistory::Step> last = history_.last();
    if (!last) {
        return;
    }
    switch (last->kind) {
        case EntryHistory::Kind::hand_card:
            remove_last_card(last->side);
            return;
        case EntryHistory::Kind::ended_hand_card:
            // Always behind its round's end, which undo takes first.
            return;
        case EntryHistory::Kind::card_out: {
            std::vector<EntryHistory::Step> round;
            history_.take_last(round);
            put_back_card(state_, last->face);
            shoe_command_done(true);
            return;
        }
        case EntryHistory::Kind::round_end: {
            std::vector<EntryHistory::Step> round;
            history_.take_last(round);
            bring_back_round(round);
            return;
        }
    }
}

// The round's cards come back out of the cards out into their hands, in the
// order they were entered, and the table is what it was before its end.
void Form1Model::bring_back_round(const std::vector<EntryHistory::Step>& round) {
    for (const EntryHistory::Step& card : round) {
        put_back_card(state_, card.face);
    }
    for (const EntryHistory::Step& card : round) {
        Integer total = 0;
        enter_card(state_, card.side, card.face, total);
    }
    for (const Side side : {Side::Banco, Side::Player}) {
        show_hand(side,
                  SumaKarti(state_, hand_of(state_, side).count, hand_of(state_, side).cards));
    }
    Command3_Click();
    shoe_changed();
}

namespace {

Form1Model::LastCard last_card_of(ShoeModel::Taken taken) {
    switch (taken) {
        case ShoeModel::Taken::accepted:
            return Form1Model::LastCard::Accepted;
        case ShoeModel::Taken::none_left:
            return Form1Model::LastCard::RefusedNoneLeft;
        case ShoeModel::Taken::invalid_face:
            break;
    }
    return Form1Model::LastCard::InvalidIndex;
}

}  // namespace

void Form1Model::take_out_card(Integer face) {
    last_card_ = last_card_of(shoe_.take_out_card(state_, history_, face));
    shoe_command_done(last_card_ == LastCard::Accepted);
}

std::optional<std::size_t> Form1Model::take_out_cards(const std::vector<Integer>& faces) {
    if (faces.empty()) {
        return std::nullopt;
    }
    const auto refused = shoe_.take_out_cards(state_, history_, faces);
    last_card_ = last_card_of(refused ? refused->why : ShoeModel::Taken::accepted);
    if (refused) {
        return refused->position;
    }
    shoe_command_done(true);
    return std::nullopt;
}

void Form1Model::cancel_cards_out() {
    shoe_command_done(shoe_.cancel_cards_out(state_, history_));
}

void Form1Model::put_back_last_card_out() {
    if (shoe_.put_back_last_card_out(state_, history_)) {
        shoe_command_done(true);
    }
}

void Form1Model::end_round() {
    if (!shoe_.end_round(state_, history_)) {
        return;
    }
    for (const Side side : {Side::Banco, Side::Player}) {
        show_hand(side, 0);
    }
    clear_panels();
    shoe_changed();
}

void Form1Model::new_shoe() {
    shoe_.new_shoe(state_, history_);
    shoe_command_done(true);
}

bool Form1Model::restore_shoe(const ShoeState& shoe) {
    if (!ShoeModel::restore_cards(state_, history_, shoe)) {
        return false;
    }
    deck_list_index_ = shoe.decks - kMinDecks;
    set_rules(shoe.rules);
    return true;
}

StrategyRequest Form1Model::strategy_request() const {
    return full_shoe_request(state_.rules, state_.deck_count);
}

void Form1Model::set_next_round_ev(const StrategyRequest& request, double ev,
                                   std::optional<double> variance) {
    shoe_.set_next_round(state_, request, ev, variance);
    captions_.shoe = shoe_.captions(state_);
}

void Form1Model::set_count(const counting::Count& count) {
    shoe_.set_count(count);
    captions_.shoe = shoe_.captions(state_);
}

void Form1Model::set_bankroll(double bankroll) {
    shoe_.set_bankroll(bankroll);
    captions_.shoe = shoe_.captions(state_);
}

// A shoe that changed changes the hands' figures too.
void Form1Model::shoe_command_done(bool changed) {
    if (changed) {
        Command3_Click();
    }
    shoe_changed();
}

void Form1Model::shoe_changed() {
    shoe_.changed(state_);
    captions_.shoe = shoe_.captions(state_);
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
    captions_.Label14 = rule_line(state_.rules, decks, words_);
    Command3_Click();
    shoe_changed();
}

void Form1Model::set_rules(const TableRules& rules) {
    state_.rules = rules;
    captions_.Label14 = rule_line(rules, state_.deck_count, words_);
    Command3_Click();
    shoe_changed();
}

bool Form1Model::set_rules(const TableRules& rules, int decks) {
    const bool fits = decks >= kMinDecks && decks <= kMaxDecks &&
                      hands_fit_shoe(state_, static_cast<Integer>(decks));
    if (fits) {
        state_.deck_count = static_cast<Integer>(decks);
        deck_list_index_ = decks - kMinDecks;
    }
    set_rules(rules);
    return fits;
}

int Form1Model::fewest_decks() const {
    for (int decks = kMinDecks; decks <= kMaxDecks; ++decks) {
        if (hands_fit_shoe(state_, static_cast<Integer>(decks))) {
            return decks;
        }
    }
    return kMaxDecks;
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
            .rules = state_.rules,
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
