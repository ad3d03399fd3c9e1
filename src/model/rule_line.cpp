// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "rule_line.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "table_text.h"

namespace tavolix {

namespace {

std::string with_number(std::string text, std::string_view number) {
    const auto mark = text.find("%1");
    if (mark != std::string::npos) {
        text.replace(mark, 2, number);
    }
    return text;
}

std::string_view payout_text(NaturalPays natural) {
    switch (natural) {
        case NaturalPays::three_to_two:
            break;
        case NaturalPays::six_to_five:
            return "6:5";
        case NaturalPays::one_to_one:
            return "1:1";
    }
    return "3:2";
}

// One option of the line in words and by its shorthand. `rank` orders the
// shortening: the lowest goes short first.
struct Option {
    std::string words;
    std::string token;
    int rank;
    bool short_form = false;
    // Room the option takes beyond its characters: a strategy's token is
    // all capitals, wider than the letters the room is counted in.
    std::size_t extra_room = 0;
};

// The post-split strategy is a casino's setting with splits; the line leaves
// out the default, as the shorthand does, where a description names it too.
std::vector<Option> options_of(const TableRules& rules, const RuleLineWords& words,
                               bool default_strategy_too = false) {
    std::vector<Option> options;
    const bool splits = rules.splits > 0;
    if (casino_dealer(rules) && rules.hole_card == HoleCard::enhc) {
        options.push_back({words.no_hole_card, "ENHC", 5});
    }
    switch (rules.double_down) {
        case DoubleRule::any:
            break;
        case DoubleRule::hard_9_to_11:
            options.push_back({words.double_9, "D9", 4});
            break;
        case DoubleRule::hard_10_to_11:
            options.push_back({words.double_10, "D10", 4});
            break;
        case DoubleRule::none:
            options.push_back({words.no_double, "NODBL", 4});
            break;
    }
    if (rules.double_after_split && rules.double_down != DoubleRule::none && splits) {
        options.push_back({words.double_after_split, "DAS", 3});
    }
    if (rules.splits < kMostSplits) {
        const std::string splits_text = std::to_string(rules.splits);
        options.push_back({splits ? with_number(words.split_hands, std::to_string(rules.splits + 1))
                                  : words.no_split,
                           "SPL" + splits_text, 2});
    }
    if (rules.resplit_aces && rules.splits >= 2) {
        options.push_back({words.resplit_aces, "RSA", 1});
    }
    if (rules.hit_split_aces && splits) {
        options.push_back({words.hit_split_aces, "HSA", 0});
    }
    if (rules.surrender) {
        options.push_back({words.surrender, "LS", 6});
    }
    if (casino_dealer(rules) && splits &&
        (default_strategy_too || rules.post_split != TableRules{}.post_split)) {
        // Not a rule of the table but how its splits are worked out: the
        // first to go by its token, which the field knows it by.
        const std::string token = post_split_token(rules.post_split);
        options.push_back(
            {with_number(words.post_split, token), token, -1, false, (token.size() + 1) / 2});
    }
    return options;
}

std::string casino_line(const TableRules& rules, int decks, const std::vector<Option>& options,
                        const RuleLineWords& words) {
    std::string line = rules.dealer == DealerRule::h17 ? words.h17 : words.s17;
    line += ", " + deck_words(decks, words);
    line += ", " + with_number(words.natural, payout_text(rules.natural));
    for (const Option& option : options) {
        line += ", " + (option.short_form ? option.token : option.words);
    }
    return line;
}

std::string table_line(int decks, const ModelWords& words) {
    return decks == 1 ? words.rule_one_deck : with_number(words.rule_decks, std::to_string(decks));
}

}  // namespace

std::string deck_words(int decks, const RuleLineWords& words) {
    return decks == 1 ? words.one_deck : with_number(words.decks, std::to_string(decks));
}

const std::string& post_split_meaning(PostSplit post_split, const RuleLineWords& words) {
    return words.post_split_meanings.at(static_cast<std::size_t>(post_split));
}

std::string rule_line(const TableRules& rules, int decks, const ModelWords& words) {
    if (!casino_dealer(rules)) {
        return table_line(decks, words);
    }
    std::vector<Option> options = options_of(rules, words.rule_line);
    std::string line = casino_line(rules, decks, options, words.rule_line);
    const auto room_taken = [&options](const std::string& text) {
        std::size_t taken = characters(text);
        for (const Option& option : options) {
            taken += option.extra_room;
        }
        return taken;
    };
    while (room_taken(line) > kRuleLineRoom) {
        const auto next =
            std::min_element(options.begin(), options.end(), [](const Option& a, const Option& b) {
                // Options already short sort last, out of the way.
                return std::pair(a.short_form, a.rank) < std::pair(b.short_form, b.rank);
            });
        if (next == options.end() || next->short_form) {
            break;
        }
        next->short_form = true;
        line = casino_line(rules, decks, options, words.rule_line);
    }
    return line;
}

std::string rules_description(const TableRules& rules, int decks, const ModelWords& words) {
    const std::vector<Option> options = options_of(rules, words.rule_line, true);
    if (casino_dealer(rules)) {
        return casino_line(rules, decks, options, words.rule_line);
    }
    std::string text = table_line(decks, words);
    for (std::size_t i = 0; i < options.size(); ++i) {
        text += (i == 0 ? " " : ", ") + options[i].words;
    }
    return text;
}

}  // namespace tavolix
