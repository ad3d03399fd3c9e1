// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/remaining_cards.h"

namespace tavolix::counting {

// A card-counting system: one tag per card value, ace first, in whole or
// half points. The tags are kept in half points so that a running count of
// Wong Halves adds up exactly.
struct Count {
    std::string name;                 // "hilo", "ko", ... or "custom"
    std::string title;                // "Hi-Lo", "KO", ... as a player knows it
    std::array<int, 10> half_tags{};  // by value 1 (ace) .. 10, in half points

    int half_tag(int value) const { return half_tags[static_cast<std::size_t>(value - 1)]; }
    double tag(int value) const { return half_tag(value) / 2.0; }

    // Whether the tags of one deck add up to nothing: a full shoe counts 0.
    bool balanced() const;
    // The running count a fresh shoe starts from. A balanced count starts at
    // 0; an unbalanced one, like KO, at minus its deck's sum for every deck
    // but one, so that its pivot falls where the field's tables put it.
    double initial_running_count(int decks) const;

    bool operator==(const Count&) const = default;
};

// The tags of one deck added up, in half points: 0 for a balanced count.
int deck_sum_in_halves(const Count& count);

// The built-in counts, Hi-Lo first: hilo, ko, hiopt1, hiopt2, omega2, zen,
// halves.
const std::vector<Count>& built_in_counts();
const Count& hi_lo_count();

// Why a count cannot be used, in one line that names the fault.
struct CountError {
    std::string message;
};

// A built-in count by its name (either case), or ten tags separated by
// commas, ace first, each a whole or half number between -9 and 9
// ("-1,1,1,1,1,1,0,0,0,-1"). A count of the user's own is named "custom".
std::variant<Count, CountError> parse_count(std::string_view text);

// The tags as the command line takes them: "-1,1,1,1,1,1,0,0,0,-1",
// "-1,0.5,1,...".
std::string tags_text(const Count& count);

// The running count of the cards that have left a shoe of `decks` decks to
// leave `left`, from the count's initial running count.
double running_count(const Count& count, int decks, const DeckCounts& left);

// The running count per deck left (cards left / 52); 0 for an empty shoe.
double true_count(double running, int cards_left);

// The true count as the field bets and plays by it: floored to the integer
// at or below.
int floored_true_count(double true_count);

}  // namespace tavolix::counting
