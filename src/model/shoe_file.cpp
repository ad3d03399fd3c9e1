// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "shoe_file.h"

#include <charconv>
#include <optional>
#include <vector>

#include "core/card_entry.h"
#include "core/message_text.h"

namespace tavolix {

namespace {

constexpr std::string_view kFirstLine = "tavolix-shoe 1";

std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<int> whole_number(std::string_view text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

ShoeFileError refused(const std::string& why) {
    return {"the saved shoe cannot be read: " + why};
}

}  // namespace

std::string shoe_file_text(const ShoeState& shoe) {
    std::string out;
    for (Integer face = kAce; face <= kKing; ++face) {
        out += (face == kAce ? "" : ",") + std::to_string(shoe.cards_out[face]);
    }
    return std::string(kFirstLine) + "\ndecks=" + std::to_string(shoe.decks) +
           "\nrules=" + rules_text(shoe.rules) + "\nout=" + out + '\n';
}

std::variant<ShoeState, ShoeFileError> read_shoe_file(std::string_view text) {
    if (text.size() > kLongestShoeFile) {
        return refused("it is longer than any saved shoe");
    }
    const std::vector<std::string_view> lines = lines_of(text);
    if (lines.empty() || lines[0] != kFirstLine) {
        return refused("it does not start with \"" + std::string(kFirstLine) + "\"");
    }
    if (lines.size() != 4) {
        return refused("it has " + std::to_string(lines.size()) + " lines, not 4");
    }
    ShoeState shoe;
    const std::array<std::string_view, 3> keys{"decks=", "rules=", "out="};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string_view line = lines[i + 1];
        if (line.substr(0, keys[i].size()) != keys[i]) {
            return refused("line " + std::to_string(i + 2) + " " + quoted_printable(line, 24) +
                           " should start with \"" + std::string(keys[i]) + "\"");
        }
        const std::string_view value = line.substr(keys[i].size());
        if (i == 0) {
            const auto decks = whole_number(value, kMinDecks, kMaxDecks);
            if (!decks) {
                return refused("decks " + quoted_printable(value, 24) + " is not 1 to 8");
            }
            shoe.decks = *decks;
        } else if (i == 1) {
            auto rules = parse_rules(value);
            if (const auto* error = std::get_if<RulesError>(&rules)) {
                return refused(error->message);
            }
            shoe.rules = std::get<TableRules>(rules);
        } else {
            std::string_view counts = value;
            for (Integer face = kAce; face <= kKing; ++face) {
                const auto comma = counts.find(',');
                if ((face == kKing) != (comma == std::string_view::npos)) {
                    return refused("the cards out are not thirteen counts, A to K");
                }
                const auto count = whole_number(counts.substr(0, comma), 0, 4 * kMaxDecks);
                if (!count) {
                    return refused("the count of " + std::string(kFaceNames[face]) +
                                   " out is not a whole number from 0 to 32");
                }
                shoe.cards_out[face] = static_cast<Integer>(*count);
                counts =
                    comma == std::string_view::npos ? std::string_view() : counts.substr(comma + 1);
            }
        }
    }
    TableState fits;
    reset_to_start(fits);
    fits.deck_count = static_cast<Integer>(shoe.decks);
    fits.cards_out = shoe.cards_out;
    if (!hands_fit_shoe(fits, fits.deck_count)) {
        return refused("it has more cards out than " + std::to_string(shoe.decks) +
                       (shoe.decks == 1 ? " deck holds" : " decks hold"));
    }
    return shoe;
}

}  // namespace tavolix
