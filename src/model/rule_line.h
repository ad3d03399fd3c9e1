// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstddef>
#include <string>

#include "core/model_words.h"
#include "core/table_rules.h"

namespace tavolix {

// How many characters the rule line may take: Label14 holds one line, as wide
// as the window's own sentence.
inline constexpr std::size_t kRuleLineRoom = 76;

// The rule line under the hands. Under the window's own dealer it is the
// sentence the window was designed with, naming the decks. Under a casino
// dealer it names the dealer, the decks, what a natural pays, and each option
// that departs from the common table (peeked hole card, any two cards doubled,
// up to four hands, no resplit or draw on split aces, no surrender) and
// changes the game: the hit of split aces is left out with no splits at all.
// A post-split strategy other than the default CDP1 comes last. The options
// are in words while the line has room; past kRuleLineRoom those that matter
// least go by their shorthand (the strategy's token, HSA, RSA, SPL2, DAS...)
// first.
std::string rule_line(const TableRules& rules, int decks, const ModelWords& words = {});

// The same rules with every option in words, however long, after the line of
// the window's own dealer too, and the post-split strategy named even when it
// is the default wherever a casino's table splits: for a tooltip or a screen
// reader.
std::string rules_description(const TableRules& rules, int decks, const ModelWords& words = {});

// "1 mazzo", "6 mazzi".
std::string deck_words(int decks, const RuleLineWords& words = {});

// What a post-split strategy means, in a few words for a tooltip: "ogni mano
// divisa gioca come una mano iniziale, ignorando la divisione" for CDZ-.
const std::string& post_split_meaning(PostSplit post_split, const RuleLineWords& words);

}  // namespace tavolix
