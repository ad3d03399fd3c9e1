// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/model_words.h"
#include "core/table_rules.h"

namespace tavolix {

// A common table offered by the rules dialog: its rules and the decks it is
// dealt from.
struct RulesPreset {
    std::string_view name;  // in Italian; a front end translates it
    TableRules rules;
    int decks;
};

// The window's own table first, then the casinos' and the single decks'.
std::span<const RulesPreset> rules_presets();

// The preset these rules and decks are, if any.
std::optional<std::size_t> matching_preset(const TableRules& rules, int decks);

// What the dialog lists for a preset: its name, already translated, and its
// decks, "Atlantic City, 8 mazzi".
std::string preset_label(const std::string& name, const RulesPreset& preset,
                         const RuleLineWords& words = {});

}  // namespace tavolix
