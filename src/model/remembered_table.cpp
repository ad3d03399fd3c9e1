// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "remembered_table.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace tavolix {

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<int> deck_count(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) {
        return std::nullopt;
    }
    int decks = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decks);
    // from_chars takes a leading minus; a stored count never has one.
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-' ||
        decks < kMinDecks || decks > kMaxDecks) {
        return std::nullopt;
    }
    return decks;
}

std::optional<double> bankroll_amount(std::string_view text) {
    text = trimmed(text);
    double bankroll = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), bankroll, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(bankroll) || !(bankroll > 0)) {
        return std::nullopt;
    }
    return bankroll;
}

}  // namespace

RememberedTable remembered_table(const std::optional<std::string>& rules,
                                 const std::optional<std::string>& decks,
                                 const std::optional<std::string>& count,
                                 const std::optional<std::string>& bankroll) {
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
        if (const auto read = deck_count(*decks)) {
            table.decks = *read;
        } else {
            table.refused_decks = *decks;
        }
    }
    if (count) {
        auto parsed = counting::parse_count(*count);
        if (const counting::Count* taken = std::get_if<counting::Count>(&parsed)) {
            table.count = *taken;
        } else {
            table.refused_count = *count;
        }
    }
    if (bankroll) {
        table.bankroll = bankroll_amount(*bankroll);
        if (!table.bankroll) {
            table.refused_bankroll = *bankroll;
        }
    }
    return table;
}

std::string stored_rules(const TableRules& rules) {
    return rules_text(rules);
}

std::string stored_count(const counting::Count& count) {
    return count.name == "custom" ? counting::tags_text(count) : count.name;
}

std::string stored_bankroll(double bankroll) {
    std::array<char, 64> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), bankroll, std::chars_format::fixed);
    return std::string(text.data(), end.ptr);
}

}  // namespace tavolix
