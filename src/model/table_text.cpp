// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace tavolix {

namespace {

constexpr std::size_t kHeadingWidth = 11;  // "GIOCATORE" and a gap
constexpr std::size_t kHandWidth = 24;     // the longest hand text of one deck, eleven cards
constexpr std::size_t kColumnWidth = 22;   // the longest panel line and a gap

std::string left_justified(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t length = characters(text);
    if (length < width) {
        out.append(width - length, ' ');
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The lines of a label's text; each line of a panel ends with LF then CR.
std::vector<std::string_view> label_lines(std::string_view text) {
    const std::string_view end = kPanelLineEnd;
    std::vector<std::string_view> lines;
    for (std::size_t at = 0;;) {
        const auto next = text.find(end, at);
        if (next == std::string_view::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        lines.push_back(text.substr(at, next - at));
        at = next + end.size();
    }
    if (lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

std::string hand_line(std::string_view heading, const SideView& side) {
    return left_justified(heading, kHeadingWidth) +
           left_justified(trimmed(side.cards), kHandWidth) + side.total_caption + '\n';
}

std::string panel_block(std::string_view frame, const PanelTexts& panel) {
    const auto left = label_lines(panel.prima_carta);
    const auto right = label_lines(panel.tutte_combinazioni);
    std::string block = std::string(frame) + '\n';
    for (std::size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
        std::string line =
            left_justified(i < left.size() ? left[i] : std::string_view(), kColumnWidth);
        line += i < right.size() ? right[i] : std::string_view();
        // An empty line of the right column leaves no blanks at the end.
        line.erase(line.find_last_not_of(' ') + 1);
        block += line + '\n';
    }
    return block;
}

}  // namespace

std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

std::string table_text(const TableView& view, const ModelWords& words) {
    std::string text =
        hand_line(words.banco, view.banco) + hand_line(words.giocatore, view.player) +
        left_justified(words.stand_at, kHeadingWidth) + std::to_string(view.stand_at) + '\n';
    // One deck is what the table has always meant; only a bigger shoe is named.
    if (view.decks != 1) {
        text += left_justified(words.decks, kHeadingWidth) + std::to_string(view.decks) + '\n';
    }
    // Compared by their text: a setting that the dealer ignores, such as a
    // hole card behind the TABLE dealer, is no rule of that table.
    if (const std::string rules = rules_text(view.rules); rules != rules_text(TableRules{})) {
        text += left_justified(words.rules, kHeadingWidth) + rules + '\n';
    }
    return text + '\n' + panel_block(words.banco_panel, view.banco.panel) + '\n' +
           panel_block(words.player_panel, view.player.panel);
}

}  // namespace tavolix
