// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/table_rules.h"
#include "core/table_state.h"
#include "rules_presets.h"

namespace tavolix {

// What the last pick did to the post-split strategy, for the dialog to tell.
// OPT plays two hands only: it cannot be picked while more than one split is
// allowed, and raising the splits past one moves it to CDP1, the play of its
// first hand, rather than refuse the table's own rule.
enum class StrategyNote { none, optimal_refused, optimal_gave_way };

// The rules dialog without the dialog: what its controls show and the deck
// count picked. A setting that the others make meaningless stays as the user
// left it, only greyed out, so that undoing the other choice brings it back.
// The post-split strategy is the player's, not the table's: a preset keeps it.
// The form never holds OPT with more than one split.
struct RulesForm {
    TableRules shown;
    int decks = kMinDecks;
    // The fewest decks that the hands on the table fit; fewer are refused.
    int fewest_decks = kMinDecks;
    StrategyNote strategy_note = StrategyNote::none;
};

// The strategies in the order the dialog offers them: from the one that knows
// least of the split to the one that knows most, then the per-hand method.
inline constexpr std::array kPostSplitChoices{PostSplit::cdz_minus, PostSplit::cdp1, PostSplit::cdp,
                                              PostSplit::opt, PostSplit::per_hand};

// Which settings mean something with the others as shown, and may be changed.
struct OpenSettings {
    bool hole_card = true;           // a casino dealer's only
    bool natural = true;             // a casino dealer's only
    bool double_after_split = true;  // with splits, and doubles to make
    bool resplit_aces = true;        // with two splits or more
    bool hit_split_aces = true;      // with splits
    bool post_split = true;          // a casino dealer's, with splits
    bool optimal_post_split = true;  // OPT among the strategies: with one split only
};
OpenSettings open_settings(const TableRules& shown);

// The rules that OK applies: every setting that is not open back at its
// default, OPT too where it is not open, so that parse_rules always takes
// their text.
TableRules picked_rules(const TableRules& shown);

// The settings that the controls show after one was changed, taken. OPT
// picked while more than one split is allowed is refused, the strategy as it
// was, and false returned; OPT kept while the splits are raised past one gives
// way to CDP1. strategy_note tells either.
bool take_settings(RulesForm& form, const TableRules& read);

// A deck count picked: refused, the form unchanged, when the hands do not fit.
bool pick_decks(RulesForm& form, int decks);

// A preset picked: its rules are shown with the form's post-split strategy,
// OPT giving way to CDP1 where the preset splits more than once, and its deck
// count taken unless the hands do not fit it, as pick_decks refuses one.
// Returns whether the deck count was taken.
bool pick_preset(RulesForm& form, const RulesPreset& preset);

// The preset that the form's rules and decks are, if any, whatever the
// post-split strategy.
std::optional<std::size_t> shown_preset(const RulesForm& form);

}  // namespace tavolix
