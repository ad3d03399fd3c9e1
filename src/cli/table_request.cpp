// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_request.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>

#include "core/message_text.h"

namespace tavolix::cli {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Input echoed in a message: quoted, cut short when long, and made safe to
// print on one line.
std::string quoted(std::string_view text) {
    return quoted_printable(text, 24);
}

std::optional<Integer> parse_face(std::string_view item) {
    for (Integer face = 1; face <= kKing; ++face) {
        const std::string_view name = kFaceNames[face];
        if (item.size() == name.size() &&
            std::equal(item.begin(), item.end(), name.begin(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            })) {
            return face;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        items.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return items;
        }
        start = end + 1;
    }
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> found;
    std::size_t start = line.find_first_not_of(kBlanks);
    while (start != std::string_view::npos) {
        const auto end = line.find_first_of(kBlanks, start);
        found.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        start = line.find_first_not_of(kBlanks, end);
    }
    return found;
}

// Adds the name of the hand to a message about it.
InputError about(std::string_view hand, std::string_view text, const InputError& error) {
    return {std::string(hand) + " hand " + quoted(text) + ": " + error.message};
}

}  // namespace

std::string face_name(Integer face) {
    return face >= 1 && face <= kKing ? std::string(kFaceNames[face]) : std::string("?");
}

std::variant<std::vector<Integer>, InputError> parse_hand(std::string_view text) {
    std::vector<Integer> faces;
    if (trimmed(text).empty()) {
        return faces;
    }
    const auto items = split(text, ',');
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string_view item = trimmed(items[i]);
        const std::string position = "card " + std::to_string(i + 1);
        if (item.empty()) {
            return InputError{position + " is missing (two commas in a row, or one at an end)"};
        }
        const auto face = parse_face(item);
        if (!face) {
            return InputError{position + " " + quoted(item) +
                              " is not a face: use A, 2 to 10, J, Q or K"};
        }
        faces.push_back(*face);
    }
    return faces;
}

// A whole number from `lowest` to `highest`, or an error about `what`.
std::variant<int, InputError> parse_whole(std::string_view text, const char* what, int lowest,
                                          int highest) {
    const std::string_view digits = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
        value < lowest || value > highest) {
        return InputError{std::string(what) + " " + quoted(text) + " is not a whole number from " +
                          std::to_string(lowest) + " to " + std::to_string(highest)};
    }
    return value;
}

std::variant<int, InputError> parse_stand(std::string_view text) {
    return parse_whole(text, "threshold", kLowestStand, kHighestStand);
}

std::variant<int, InputError> parse_decks(std::string_view text) {
    return parse_whole(text, "deck count", kMinDecks, kMaxDecks);
}

std::variant<TableRules, InputError> parse_table_rules(std::string_view text) {
    auto parsed = parse_rules(text);
    if (auto* error = std::get_if<RulesError>(&parsed)) {
        return InputError{std::move(error->message)};
    }
    return std::get<TableRules>(parsed);
}

std::variant<std::vector<Integer>, InputError> parse_seen(std::string_view text) {
    auto faces = parse_hand(text);
    if (const auto* error = std::get_if<InputError>(&faces)) {
        return InputError{"cards seen " + quoted(text) + ": " + error->message};
    }
    return faces;
}

std::variant<TableRequest, InputError> parse_table(std::string_view banco, std::string_view player,
                                                   int stand_at, int decks,
                                                   const TableRules& rules) {
    TableRequest request;
    request.stand_at = stand_at;
    request.decks = decks;
    request.rules = rules;
    auto banco_faces = parse_hand(banco);
    if (const auto* error = std::get_if<InputError>(&banco_faces)) {
        return about("dealer", banco, *error);
    }
    request.banco = std::move(std::get<std::vector<Integer>>(banco_faces));
    auto player_faces = parse_hand(player);
    if (const auto* error = std::get_if<InputError>(&player_faces)) {
        return about("player", player, *error);
    }
    request.player = std::move(std::get<std::vector<Integer>>(player_faces));
    if (request.banco.empty()) {
        return InputError{"dealer hand " + quoted(banco) + ": needs at least 1 card"};
    }
    if (request.player.size() < 2) {
        return InputError{"player hand " + quoted(player) + ": needs at least 2 cards, has " +
                          std::to_string(request.player.size())};
    }
    return request;
}

std::variant<TableRequest, SkippedLine, InputError> parse_batch_line(
    std::string_view line, int default_stand, int default_decks, const TableRules& default_rules,
    const std::vector<Integer>& default_seen) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const auto found = fields(line);
    if (found.empty() || found.front().front() == '#') {
        return SkippedLine{};
    }
    if (found.size() < 2 || found.size() > 6) {
        return InputError{"expected DEALER PLAYER [STAND [DECKS [RULES [SEEN]]]], found " +
                          std::to_string(found.size()) +
                          (found.size() == 1 ? " field" : " fields")};
    }
    const auto given = [&found](std::size_t field) {
        return field < found.size() && found[field] != "-";
    };
    int stand_at = default_stand;
    if (given(2)) {
        auto stand = parse_stand(found[2]);
        if (const auto* error = std::get_if<InputError>(&stand)) {
            return *error;
        }
        stand_at = std::get<int>(stand);
    }
    int decks = default_decks;
    if (given(3)) {
        auto parsed = parse_decks(found[3]);
        if (const auto* error = std::get_if<InputError>(&parsed)) {
            return *error;
        }
        decks = std::get<int>(parsed);
    }
    TableRules rules = default_rules;
    if (given(4)) {
        auto parsed = parse_table_rules(found[4]);
        if (auto* error = std::get_if<InputError>(&parsed)) {
            return std::move(*error);
        }
        rules = std::get<TableRules>(parsed);
    }
    std::vector<Integer> seen = default_seen;
    if (given(5)) {
        auto parsed = parse_seen(found[5]);
        if (auto* error = std::get_if<InputError>(&parsed)) {
            return std::move(*error);
        }
        seen = std::move(std::get<std::vector<Integer>>(parsed));
    }
    auto request = parse_table(found[0], found[1], stand_at, decks, rules);
    if (auto* error = std::get_if<InputError>(&request)) {
        return std::move(*error);
    }
    auto& table = std::get<TableRequest>(request);
    table.seen = std::move(seen);
    return std::move(table);
}

}  // namespace tavolix::cli
