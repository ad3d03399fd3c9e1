// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "rules_presets.h"

#include <array>

#include "rule_line.h"

namespace tavolix {

namespace {

// The casinos' tables as they are commonly dealt: the Strip's six-deck shoe and
// Atlantic City's eight decks standing on soft 17 with double after split
// and late surrender; Europe's six decks with no hole card, doubling on 9 to
// 11 only; Reno's single deck hitting soft 17 with doubles on 10 and 11; and
// the single deck that pays a natural 6:5.
constexpr std::array kPresets{
    RulesPreset{"Tavolo di Tavolix", TableRules{}, 1},
    RulesPreset{
        "Las Vegas Strip",
        TableRules{.dealer = DealerRule::s17, .double_after_split = true, .surrender = true}, 6},
    RulesPreset{
        "Atlantic City",
        TableRules{.dealer = DealerRule::s17, .double_after_split = true, .surrender = true}, 8},
    RulesPreset{"Europeo senza carta coperta",
                TableRules{.dealer = DealerRule::s17,
                           .hole_card = HoleCard::enhc,
                           .double_down = DoubleRule::hard_9_to_11,
                           .double_after_split = true},
                6},
    RulesPreset{"Mazzo singolo H17",
                TableRules{.dealer = DealerRule::h17, .double_down = DoubleRule::hard_10_to_11}, 1},
    RulesPreset{"Mazzo singolo 6:5",
                TableRules{.dealer = DealerRule::h17, .natural = NaturalPays::six_to_five}, 1},
};

}  // namespace

std::span<const RulesPreset> rules_presets() {
    return kPresets;
}

std::optional<std::size_t> matching_preset(const TableRules& rules, int decks) {
    for (std::size_t i = 0; i < kPresets.size(); ++i) {
        if (kPresets[i].rules == rules && kPresets[i].decks == decks) {
            return i;
        }
    }
    return std::nullopt;
}

std::string preset_label(const std::string& name, const RulesPreset& preset,
                         const RuleLineWords& words) {
    return name + ", " + deck_words(preset.decks, words);
}

}  // namespace tavolix
