// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_fixtures.h"

#include <gtest/gtest.h>

#include <variant>

#include "core/hand_total.h"

namespace tavolix::testing {

namespace {

void fill_hand(const std::vector<int>& faces, Integer& count, HandArray& face_array,
               HandArray& cards) {
    count = 0;
    for (const int face : faces) {
        ++count;
        face_array[count] = static_cast<Integer>(face);
        cards[count] = card_value(static_cast<Integer>(face));
    }
}

}  // namespace

TableState make_table(std::initializer_list<int> banco_faces,
                      std::initializer_list<int> player_faces, int stand_at, int decks) {
    return make_table(std::vector<int>(banco_faces), std::vector<int>(player_faces), stand_at,
                      decks);
}

TableState make_table(const std::vector<int>& banco_faces, const std::vector<int>& player_faces,
                      int stand_at, int decks) {
    TableState state;
    reset_to_start(state);
    state.deck_count = static_cast<Integer>(decks);
    state.stand_at = static_cast<Integer>(stand_at);
    fill_hand(banco_faces, state.banco_count, state.banco_faces, state.banco_cards);
    fill_hand(player_faces, state.player_count, state.player_faces, state.player_cards);
    state.banco_sum = SumaKarti(state, state.banco_count, state.banco_cards);
    state.banco_soft = state.sum_soft;
    state.player_sum = SumaKarti(state, state.player_count, state.player_cards);
    state.player_soft = state.sum_soft;
    return state;
}

std::string describe_table(const std::vector<int>& banco_faces,
                           const std::vector<int>& player_faces, int stand_at) {
    std::string text = "dealer";
    for (const int face : banco_faces) {
        text += ' ' + std::to_string(face);
    }
    text += ", player";
    for (const int face : player_faces) {
        text += ' ' + std::to_string(face);
    }
    return text + " at " + std::to_string(stand_at);
}

TableRules rules_of(std::string_view text) {
    const auto parsed = parse_rules(text);
    if (const auto* error = std::get_if<RulesError>(&parsed)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<TableRules>(parsed);
}

std::vector<TableRules> every_combination_of_rules() {
    std::vector<TableRules> all;
    for (const auto dealer : {DealerRule::table, DealerRule::s17, DealerRule::h17}) {
        for (const auto hole_card : {HoleCard::peek, HoleCard::enhc}) {
            for (const auto natural :
                 {NaturalPays::three_to_two, NaturalPays::six_to_five, NaturalPays::one_to_one}) {
                for (const auto double_down : {DoubleRule::any, DoubleRule::hard_9_to_11,
                                               DoubleRule::hard_10_to_11, DoubleRule::none}) {
                    for (int splits = 0; splits <= kMostSplits; ++splits) {
                        for (int flags = 0; flags < 16; ++flags) {
                            all.push_back({.dealer = dealer,
                                           .hole_card = hole_card,
                                           .natural = natural,
                                           .double_down = double_down,
                                           .double_after_split = (flags & 1) != 0,
                                           .splits = splits,
                                           .resplit_aces = (flags & 2) != 0,
                                           .hit_split_aces = (flags & 4) != 0,
                                           .surrender = (flags & 8) != 0,
                                           // Each strategy in turn, so that every one
                                           // meets every other setting without
                                           // multiplying the sets by five.
                                           .post_split = static_cast<PostSplit>(all.size() % 5)});
                        }
                    }
                }
            }
        }
    }
    return all;
}

std::vector<TableRules> every_valid_rules() {
    std::vector<TableRules> valid;
    for (const TableRules& rules : every_combination_of_rules()) {
        const auto parsed = parse_rules(rules_text(rules));
        if (std::holds_alternative<TableRules>(parsed) && std::get<TableRules>(parsed) == rules) {
            valid.push_back(rules);
        }
    }
    return valid;
}

}  // namespace tavolix::testing
