// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "table_rules.h"

namespace tavolix {

// The window's counts, totals and flags are 16-bit signed; flags hold 0 or 1.
using Integer = std::int16_t;

// The shoe holds one to eight decks.
inline constexpr int kMinDecks = 1;
inline constexpr int kMaxDecks = 8;

// Every card counts at least 1 and a hand never passes 21, so no hand holds
// more than 21 cards, whatever the shoe (eleven with one deck). Every hand
// array and the draw sequence have slots 0..22: slot 0 is never used, and a
// hand of 21 cards still needs slot 22 for the candidate card that card entry
// stores before testing it. A draw sequence is shorter still, since the hand
// it draws to already holds a card.
inline constexpr int kMaxHandCards = 21;
inline constexpr int kSlots = kMaxHandCards + 2;
using HandArray = std::array<Integer, kSlots>;

// draw_stats columns. Rows 1..22 are draw positions, row 0 the results.
enum DrawColumn : int {
    kDrawAgain = 0,  // cards after which the hand draws again
    kDealerWins = 1,
    kPush = 2,
    kDealerLoses = 3,
    kBust = 4,
    kCardsLeft = 5,    // cards in the deck before the draw at that position
    kOpenings = 6,     // how many times the position was opened
    kStandColumn = 1,  // the player engine's "hand ends standing"
};
inline constexpr int kStatColumns = 7;
using DrawStats = std::array<std::array<double, kStatColumns>, kSlots>;

// Face numbers 1..13 (A, 2..10, J, Q, K) as clicked; card values 1..10.
inline constexpr Integer kAce = 1;
inline constexpr Integer kKing = 13;
// The text of each face number as the pads and the hands show it; index 0
// is no face.
inline constexpr std::array<std::string_view, 14> kFaceNames = {"",  "A", "2", "3",  "4", "5", "6",
                                                                "7", "8", "9", "10", "J", "Q", "K"};
inline constexpr Integer card_value(Integer face) {
    return face < 10 ? face : Integer{10};
}
// Cards of a value in one deck: four of each, sixteen tens (10, J, Q, K).
inline constexpr int cards_in_deck(Integer value) {
    return value == 10 ? 16 : 4;
}

// The whole state of the window: both hands, the stand threshold, and the
// work fields that the two engines share in turn. The window owns the one
// instance; every operation reads and writes it directly.
struct TableState {
    Integer write_reports = 0;
    Integer deck_count = 0;
    // How the dealer draws and what the player may do; the dealer engine
    // follows its drawing rule, the exact analysis all of it.
    TableRules rules;
    std::array<std::string, 14> face_names{};

    HandArray player_faces{};
    std::string player_text;
    Integer player_count = 0;
    HandArray player_cards{};
    Integer player_sum = 0;
    Integer player_soft = 0;
    Integer stand_at = 0;

    HandArray banco_faces{};
    std::string banco_text;
    Integer banco_count = 0;
    HandArray banco_cards{};
    Integer banco_sum = 0;
    Integer banco_soft = 0;

    Integer draw_pos = 0;
    Integer draw_depth = 0;
    DrawStats draw_stats{};
    HandArray draw_seq{};

    Integer sum_soft = 0;

    // The cards out of play from earlier rounds, by face number: how many of
    // each. Neither hand holds them and no engine draws them.
    std::array<Integer, kKing + 1> cards_out{};
};

// Brings a state to what start-up leaves: one deck, the window's own rules,
// threshold 17, empty hands, a fresh shoe, the face texts filled, reports off.
void reset_to_start(TableState& state);

}  // namespace tavolix
