// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <string>

#include "core/table_rules.h"
#include "core/table_state.h"

namespace tavolix {

// The table's rules and deck count as an earlier run left them, read back
// from the two texts it stored.
struct RememberedTable {
    TableRules rules;
    int decks = kMinDecks;
    // A stored text that no longer parses, replaced by its default.
    std::optional<std::string> refused_rules;
    std::optional<std::string> refused_decks;

    bool refused() const { return refused_rules || refused_decks; }
};

// A text not stored is a first start: its default, nothing refused. The rules
// are read as parse_rules reads them; the decks as a count 1..8 in digits,
// blanks around it allowed.
RememberedTable remembered_table(const std::optional<std::string>& rules,
                                 const std::optional<std::string>& decks);

// What is stored for the rules: their canonical text.
std::string stored_rules(const TableRules& rules);

}  // namespace tavolix
