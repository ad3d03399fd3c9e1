// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "shoe_model.h"

#include "core/card_entry.h"
#include "core/remaining_cards.h"

namespace tavolix {

ShoeModel::ShoeModel(ShoeWords words) : words_(std::move(words)) {}

ShoeModel::Taken ShoeModel::take_out_card(TableState& table, EntryHistory& history,
                                          Integer face) const {
    const auto refused = take_out_cards(table, history, {face});
    return refused ? refused->why : Taken::accepted;
}

std::optional<ShoeModel::Refusal> ShoeModel::take_out_cards(
    TableState& table, EntryHistory& history, const std::vector<Integer>& faces) const {
    TableState trial = table;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (faces[i] < kAce || faces[i] > kKing) {
            return Refusal{.position = i, .why = Taken::invalid_face};
        }
        if (tavolix::take_out_card(trial, faces[i]) != CardEntry::Accepted) {
            return Refusal{.position = i, .why = Taken::none_left};
        }
    }
    table.cards_out = trial.cards_out;
    for (const Integer face : faces) {
        history.card_out(face);
    }
    return std::nullopt;
}

bool ShoeModel::cancel_cards_out(TableState& table, EntryHistory& history) const {
    const std::vector<Integer> faces = history.forget_cards_out_of_this_round();
    for (const Integer face : faces) {
        put_back_card(table, face);
    }
    return !faces.empty();
}

bool ShoeModel::put_back_last_card_out(TableState& table, EntryHistory& history) const {
    const std::optional<Integer> face = history.forget_last_card_out_of_this_round();
    if (face) {
        put_back_card(table, *face);
    }
    return face.has_value();
}

bool ShoeModel::end_round(TableState& table, EntryHistory& history) const {
    if (table.banco_count == 0 && table.player_count == 0) {
        return false;
    }
    history.round_end();
    tavolix::end_round(table);
    return true;
}

void ShoeModel::new_shoe(TableState& table, EntryHistory& history) const {
    history.forget_shoe();
    tavolix::new_shoe(table);
}

ShoeState ShoeModel::shoe_state(const TableState& table) {
    return {.decks = table.deck_count, .rules = table.rules, .cards_out = table.cards_out};
}

bool ShoeModel::restore_cards(TableState& table, EntryHistory& history, const ShoeState& shoe) {
    TableState trial = table;
    trial.cards_out = shoe.cards_out;
    if (shoe.decks < kMinDecks || shoe.decks > kMaxDecks ||
        !hands_fit_shoe(trial, static_cast<Integer>(shoe.decks))) {
        return false;
    }
    history.forget_shoe();
    table.cards_out = shoe.cards_out;
    table.deck_count = static_cast<Integer>(shoe.decks);
    return true;
}

StrategyRequest ShoeModel::next_round_request(const TableState& table) {
    return {.shoe = cards_left(table), .rules = table.rules, .decks = table.deck_count};
}

void ShoeModel::set_next_round(const TableState& table, const StrategyRequest& request, double ev,
                               std::optional<double> variance) {
    next_round_.ev = ev;
    next_round_.variance = variance;
    next_round_.out_of_date = !(request == next_round_request(table));
    next_round_for_ = request;
}

void ShoeModel::changed(const TableState& table) {
    if (!(next_round_for_ == next_round_request(table))) {
        next_round_.out_of_date = true;
    }
}

void ShoeModel::forget_next_round(const TableState& table) {
    next_round_ = {};
    next_round_for_ = next_round_request(table);
}

ShoeCaptions ShoeModel::captions(const TableState& table) const {
    return shoe_captions(table, next_round_, words_, {.count = count_, .bankroll = bankroll_});
}

std::optional<double> next_round_variance(const Strategy& strategy) {
    return strategy.round_variance;
}

}  // namespace tavolix
