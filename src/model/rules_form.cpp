// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "rules_form.h"

namespace tavolix {

OpenSettings open_settings(const TableRules& shown) {
    const bool casino = casino_dealer(shown);
    const bool splits = shown.splits > 0;
    return {.hole_card = casino,
            .natural = casino,
            .double_after_split = splits && shown.double_down != DoubleRule::none,
            .resplit_aces = shown.splits >= 2,
            .hit_split_aces = splits};
}

TableRules picked_rules(const TableRules& shown) {
    const OpenSettings open = open_settings(shown);
    const TableRules defaults;
    TableRules rules = shown;
    if (!open.hole_card) {
        rules.hole_card = defaults.hole_card;
    }
    if (!open.natural) {
        rules.natural = defaults.natural;
    }
    if (!open.double_after_split) {
        rules.double_after_split = defaults.double_after_split;
    }
    if (!open.resplit_aces) {
        rules.resplit_aces = defaults.resplit_aces;
    }
    if (!open.hit_split_aces) {
        rules.hit_split_aces = defaults.hit_split_aces;
    }
    return rules;
}

bool pick_decks(RulesForm& form, int decks) {
    if (decks < form.fewest_decks || decks < kMinDecks || decks > kMaxDecks) {
        return false;
    }
    form.decks = decks;
    return true;
}

bool pick_preset(RulesForm& form, const RulesPreset& preset) {
    form.shown = preset.rules;
    return pick_decks(form, preset.decks);
}

std::optional<std::size_t> shown_preset(const RulesForm& form) {
    return matching_preset(picked_rules(form.shown), form.decks);
}

}  // namespace tavolix
