// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "remembered_table.h"

#include <charconv>
#include <string_view>

namespace tavolix {

namespace {

std::optional<int> deck_count(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    int decks = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decks);
    // from_chars takes a leading minus; a stored count never has one.
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-' ||
        decks < kMinDecks || decks > kMaxDecks) {
        return std::nullopt;
    }
    return decks;
}

}  // namespace

RememberedTable remembered_table(const std::optional<std::string>& rules,
                                 const std::optional<std::string>& decks) {
    RememberedTable table;
    if (rules) {
        auto parsed = parse_rules(*rules);
        if (const TableRules* taken = std::get_if<TableRules>(&parsed)) {
            table.rules = *taken;
        } else {
            table.refused_rules = *rules;
        }
    }
    if (decks) {
        if (const auto count = deck_count(*decks)) {
            table.decks = *count;
        } else {
            table.refused_decks = *decks;
        }
    }
    return table;
}

std::string stored_rules(const TableRules& rules) {
    return rules_text(rules);
}

}  // namespace tavolix
