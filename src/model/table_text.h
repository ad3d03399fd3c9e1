// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <string_view>

#include "core/engine_run.h"
#include "core/model_words.h"
#include "core/table_rules.h"

namespace tavolix {

// What the window shows of one side: the cards, the total's caption and the
// two columns of the result panel.
struct SideView {
    std::string cards;          // " 10 8", as the hand's label holds it
    std::string total_caption;  // "Somma = 18"
    PanelTexts panel;
};

struct TableView {
    int stand_at = 17;
    int decks = 1;
    TableRules rules;
    SideView banco;
    SideView player;
};

// The table as the window shows it, in plain text: both hands with their
// totals, the threshold, the decks when more than one, the rules in their shorthand when they say
// more than the window's own dealer, then each result panel with its first-card
// column on the left and its all-sequences column on the right. Lines end with a plain newline;
// columns are measured in characters, not bytes. The headings are written in `words`, the
// language of the view's own texts.
std::string table_text(const TableView& view, const ModelWords& words = {});

// How many characters a UTF-8 text has, the width it takes in a column:
// "Parità" takes as much room as "Vincita".
std::size_t characters(std::string_view text);

}  // namespace tavolix
