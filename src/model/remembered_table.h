// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <string>

#include "core/table_rules.h"
#include "core/table_state.h"
#include "counting/count.h"

namespace tavolix {

// The table's rules and deck count as an earlier run left them, with the
// count the shoe line follows and the bankroll it bets from, read back from
// the texts it stored.
struct RememberedTable {
    TableRules rules;
    int decks = kMinDecks;
    counting::Count count = counting::hi_lo_count();
    std::optional<double> bankroll;  // none until the player sets one
    // A stored text that no longer parses, replaced by its default.
    std::optional<std::string> refused_rules;
    std::optional<std::string> refused_decks;
    std::optional<std::string> refused_count;
    std::optional<std::string> refused_bankroll;

    bool refused() const {
        return refused_rules || refused_decks || refused_count || refused_bankroll;
    }
};

// A text not stored is a first start: its default, nothing refused. The rules
// are read as parse_rules reads them; the decks as a count 1..8 in digits,
// blanks around it allowed; the count as parse_count reads it; the bankroll
// as a positive number with a point as decimal mark.
RememberedTable remembered_table(const std::optional<std::string>& rules,
                                 const std::optional<std::string>& decks,
                                 const std::optional<std::string>& count = std::nullopt,
                                 const std::optional<std::string>& bankroll = std::nullopt);

// What is stored for the rules: their canonical text; for a count, a
// built-in's name or a count of the user's own tags; for the bankroll, the
// shortest text that reads back to it.
std::string stored_rules(const TableRules& rules);
std::string stored_count(const counting::Count& count);
std::string stored_bankroll(double bankroll);

}  // namespace tavolix
