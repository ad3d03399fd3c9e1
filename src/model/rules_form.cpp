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
            .hit_split_aces = splits,
            .post_split = casino && splits,
            .optimal_post_split = shown.splits == 1};
}

namespace {

// OPT with more than one split moved to the play of its first hand.
bool optimal_gives_way(TableRules& shown) {
    if (shown.post_split != PostSplit::opt || shown.splits <= 1) {
        return false;
    }
    shown.post_split = PostSplit::cdp1;
    return true;
}

}  // namespace

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
    if (!open.post_split || (rules.post_split == PostSplit::opt && !open.optimal_post_split)) {
        rules.post_split = defaults.post_split;
    }
    return rules;
}

bool take_settings(RulesForm& form, const TableRules& read) {
    TableRules shown = read;
    const bool optimal_picked =
        read.post_split == PostSplit::opt && form.shown.post_split != PostSplit::opt;
    if (optimal_picked && read.splits > 1) {
        shown.post_split = form.shown.post_split;
        form.shown = shown;
        form.strategy_note = StrategyNote::optimal_refused;
        return false;
    }
    form.strategy_note =
        optimal_gives_way(shown) ? StrategyNote::optimal_gave_way : StrategyNote::none;
    form.shown = shown;
    return true;
}

bool pick_decks(RulesForm& form, int decks) {
    if (decks < form.fewest_decks || decks < kMinDecks || decks > kMaxDecks) {
        return false;
    }
    form.decks = decks;
    return true;
}

bool pick_preset(RulesForm& form, const RulesPreset& preset) {
    TableRules shown = preset.rules;
    shown.post_split = form.shown.post_split;
    form.strategy_note =
        optimal_gives_way(shown) ? StrategyNote::optimal_gave_way : StrategyNote::none;
    form.shown = shown;
    return pick_decks(form, preset.decks);
}

std::optional<std::size_t> shown_preset(const RulesForm& form) {
    TableRules rules = picked_rules(form.shown);
    rules.post_split = TableRules{}.post_split;
    return matching_preset(rules, form.decks);
}

}  // namespace tavolix
