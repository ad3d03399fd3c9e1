// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/table_rules.h"
#include "core/table_state.h"
#include "model/counter_text.h"

namespace tavolix::cli {

// Why a piece of input cannot be used, in one line.
struct InputError {
    std::string message;
};

// One table to calculate: the faces (1 = A ... 13 = K) of each hand in the
// order they are to be clicked, the stand threshold, the decks and the rules,
// and the faces of the cards seen, out of play before the deal.
struct TableRequest {
    std::vector<Integer> banco;
    std::vector<Integer> player;
    int stand_at = 17;
    int decks = 1;  // in the shoe
    TableRules rules;
    std::vector<Integer> seen;
    counting::Count count = counting::hi_lo_count();  // the shoe's count, as --count chose it
};

inline constexpr int kLowestStand = 12;
inline constexpr int kHighestStand = 21;
inline constexpr int kDefaultStand = 17;
inline constexpr int kDefaultDecks = kMinDecks;

// The face as the pads write it: "A", "2".."10", "J", "Q", "K".
std::string face_name(Integer face);

// A comma-separated hand, "10,8" or "a,K,2": each item a face as the pads
// write it, letters in either case, blanks around an item ignored. The empty
// text is the empty hand.
std::variant<std::vector<Integer>, InputError> parse_hand(std::string_view text);

// A stand threshold: a whole number from 12 to 21.
std::variant<int, InputError> parse_stand(std::string_view text);

// A deck count: a whole number from 1 to 8.
std::variant<int, InputError> parse_decks(std::string_view text);

// The table's rules in their shorthand, "S17,DAS,LS"; the message of a
// refusal names the token.
std::variant<TableRules, InputError> parse_table_rules(std::string_view text);

// The cards seen, a comma-separated list of faces as a hand is written; the
// empty text is none.
std::variant<std::vector<Integer>, InputError> parse_seen(std::string_view text);

// Both hands, the threshold, the decks and the rules, with the cards a
// calculation needs: one dealer card and two player cards at least.
std::variant<TableRequest, InputError> parse_table(std::string_view banco, std::string_view player,
                                                   int stand_at, int decks = kDefaultDecks,
                                                   const TableRules& rules = {});

// A line of batch input, "DEALER PLAYER [STAND [DECKS [RULES [SEEN]]]]"
// separated by blanks or tabs, the rules' tokens and the cards seen by
// commas. A field left out, or given as "-", takes the default, so that a
// line can give its rules alone. Blank lines and lines whose first non-blank
// character is '#' are skipped.
struct SkippedLine {};
std::variant<TableRequest, SkippedLine, InputError> parse_batch_line(
    std::string_view line, int default_stand, int default_decks = kDefaultDecks,
    const TableRules& default_rules = {}, const std::vector<Integer>& default_seen = {});

}  // namespace tavolix::cli
