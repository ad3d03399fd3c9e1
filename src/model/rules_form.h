// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstddef>
#include <optional>

#include "core/table_rules.h"
#include "core/table_state.h"
#include "rules_presets.h"

namespace tavolix {

// The rules dialog without the dialog: what its controls show and the deck
// count picked. A setting that the others make meaningless stays as the user
// left it, only greyed out, so that undoing the other choice brings it back.
struct RulesForm {
    TableRules shown;
    int decks = kMinDecks;
    // The fewest decks that the hands on the table fit; fewer are refused.
    int fewest_decks = kMinDecks;
};

// Which settings mean something with the others as shown, and may be changed.
struct OpenSettings {
    bool hole_card = true;           // a casino dealer's only
    bool natural = true;             // a casino dealer's only
    bool double_after_split = true;  // with splits, and doubles to make
    bool resplit_aces = true;        // with two splits or more
    bool hit_split_aces = true;      // with splits
};
OpenSettings open_settings(const TableRules& shown);

// The rules that OK applies: every setting that is not open back at its
// default, so that parse_rules always takes their text.
TableRules picked_rules(const TableRules& shown);

// A deck count picked: refused, the form unchanged, when the hands do not fit.
bool pick_decks(RulesForm& form, int decks);

// A preset picked: its rules are shown, and its deck count taken unless the
// hands do not fit it, as pick_decks refuses one. Returns whether the deck
// count was taken.
bool pick_preset(RulesForm& form, const RulesPreset& preset);

// The preset that the form's rules and decks are, if any.
std::optional<std::size_t> shown_preset(const RulesForm& form);

}  // namespace tavolix
