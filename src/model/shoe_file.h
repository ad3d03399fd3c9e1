// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "core/table_rules.h"
#include "core/table_state.h"

namespace tavolix {

// The shoe in play as it is kept between runs: the decks, the rules and the
// cards out by face. The hands are not kept: a round that was on the table
// when the program closed is dealt again.
struct ShoeState {
    int decks = 1;
    TableRules rules;
    std::array<Integer, kKing + 1> cards_out{};
    bool operator==(const ShoeState&) const = default;
};

struct ShoeFileError {
    std::string message;
};

// The file's text: a first line naming the format and its version, then one
// "key=value" line each for the decks, the rules (their canonical text) and
// the cards out (thirteen counts, A to K).
std::string shoe_file_text(const ShoeState& shoe);

// Reads that text back, whole or not at all: any line out of place, a value
// out of range, rules that do not parse, or more cards out than the shoe
// holds refuse the file with one line saying why.
std::variant<ShoeState, ShoeFileError> read_shoe_file(std::string_view text);

// The longest file the reader takes: the real one is under 200 bytes.
inline constexpr std::size_t kLongestShoeFile = 4096;

}  // namespace tavolix
