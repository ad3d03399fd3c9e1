// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>

#include "message_text.h"

namespace tavolix {

namespace {

enum class Setting {
    dealer,
    hole_card,
    natural,
    double_down,
    after_split,
    splits,
    aces_resplit,
    aces_hit,
    surrender,
    post_split
};
constexpr int kSettings = 10;

// One token of the shorthand: the setting it sets and how. The table is in
// the order the canonical text writes them, each setting's default first.
struct Token {
    std::string_view text;
    Setting setting;
    void (*apply)(TableRules& rules);
    bool casino_only = false;
};

constexpr std::array kTokens{
    Token{"TABLE", Setting::dealer, [](TableRules& r) { r.dealer = DealerRule::table; }},
    Token{"S17", Setting::dealer, [](TableRules& r) { r.dealer = DealerRule::s17; }},
    Token{"H17", Setting::dealer, [](TableRules& r) { r.dealer = DealerRule::h17; }},
    Token{"PEEK", Setting::hole_card, [](TableRules& r) { r.hole_card = HoleCard::peek; }, true},
    Token{"ENHC", Setting::hole_card, [](TableRules& r) { r.hole_card = HoleCard::enhc; }, true},
    Token{"BJ3:2", Setting::natural, [](TableRules& r) { r.natural = NaturalPays::three_to_two; },
          true},
    Token{"BJ6:5", Setting::natural, [](TableRules& r) { r.natural = NaturalPays::six_to_five; },
          true},
    Token{"BJ1:1", Setting::natural, [](TableRules& r) { r.natural = NaturalPays::one_to_one; },
          true},
    Token{"DOA", Setting::double_down, [](TableRules& r) { r.double_down = DoubleRule::any; }},
    Token{"D9", Setting::double_down,
          [](TableRules& r) { r.double_down = DoubleRule::hard_9_to_11; }},
    Token{"D10", Setting::double_down,
          [](TableRules& r) { r.double_down = DoubleRule::hard_10_to_11; }},
    Token{"NODBL", Setting::double_down, [](TableRules& r) { r.double_down = DoubleRule::none; }},
    Token{"NDAS", Setting::after_split, [](TableRules& r) { r.double_after_split = false; }},
    Token{"DAS", Setting::after_split, [](TableRules& r) { r.double_after_split = true; }},
    Token{"SPL3", Setting::splits, [](TableRules& r) { r.splits = 3; }},
    Token{"SPL2", Setting::splits, [](TableRules& r) { r.splits = 2; }},
    Token{"SPL1", Setting::splits, [](TableRules& r) { r.splits = 1; }},
    Token{"SPL0", Setting::splits, [](TableRules& r) { r.splits = 0; }},
    Token{"RSA", Setting::aces_resplit, [](TableRules& r) { r.resplit_aces = true; }},
    Token{"HSA", Setting::aces_hit, [](TableRules& r) { r.hit_split_aces = true; }},
    Token{"LS", Setting::surrender, [](TableRules& r) { r.surrender = true; }},
    Token{"CDP1", Setting::post_split, [](TableRules& r) { r.post_split = PostSplit::cdp1; }, true},
    Token{"CDZ-", Setting::post_split, [](TableRules& r) { r.post_split = PostSplit::cdz_minus; },
          true},
    Token{"CDP", Setting::post_split, [](TableRules& r) { r.post_split = PostSplit::cdp; }, true},
    Token{"OPT", Setting::post_split, [](TableRules& r) { r.post_split = PostSplit::opt; }, true},
    Token{"PERHAND", Setting::post_split, [](TableRules& r) { r.post_split = PostSplit::per_hand; },
          true},
};

bool same_token(std::string_view typed, std::string_view token) {
    return typed.size() == token.size() &&
           std::equal(typed.begin(), typed.end(), token.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           });
}

const Token* find_token(std::string_view typed) {
    for (const Token& token : kTokens) {
        if (same_token(typed, token.text)) {
            return &token;
        }
    }
    return nullptr;
}

// Whether a token says what the rules hold: the token that the canonical text
// would write for its setting, or the default that it leaves out.
bool holds(const TableRules& rules, const Token& token) {
    TableRules applied = rules;
    token.apply(applied);
    return applied == rules;
}

std::string quoted(std::string_view text) {
    return quoted_printable(text, 24);
}

}  // namespace

double natural_payout(const TableRules& rules) {
    switch (rules.natural) {
        case NaturalPays::three_to_two:
            return 1.5;
        case NaturalPays::six_to_five:
            return 1.2;
        case NaturalPays::one_to_one:
            return 1.0;
    }
    return 1.5;
}

bool may_double(const TableRules& rules, int total, bool soft) {
    switch (rules.double_down) {
        case DoubleRule::any:
            return true;
        case DoubleRule::hard_9_to_11:
            return !soft && total >= 9 && total <= 11;
        case DoubleRule::hard_10_to_11:
            return !soft && total >= 10 && total <= 11;
        case DoubleRule::none:
            return false;
    }
    return false;
}

std::variant<TableRules, RulesError> parse_rules(std::string_view text) {
    TableRules rules;
    std::array<std::optional<std::string_view>, kSettings> given{};
    const Token* casino_token = nullptr;
    constexpr std::string_view kSeparators = " \t,";
    std::size_t start = text.find_first_not_of(kSeparators);
    if (start == std::string_view::npos) {
        return RulesError{"no rules given: name the dealer (TABLE, S17 or H17) and any options"};
    }
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(kSeparators, start);
        const std::string_view typed =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        start = text.find_first_not_of(kSeparators, end);

        const Token* token = find_token(typed);
        if (token == nullptr) {
            return RulesError{"rule " + quoted(typed) +
                              " is not known: use TABLE, S17 or H17, "
                              "PEEK or ENHC, BJ3:2, BJ6:5 or BJ1:1, DOA, D9, D10 or NODBL, "
                              "NDAS or DAS, SPL0 to SPL3, RSA, HSA, LS, "
                              "CDP1, CDZ-, CDP, OPT or PERHAND"};
        }
        auto& earlier = given[static_cast<std::size_t>(token->setting)];
        if (earlier) {
            return RulesError{"rule " + quoted(typed) + " sets what " + quoted(*earlier) +
                              " already set"};
        }
        earlier = typed;
        if (token->casino_only && casino_token == nullptr) {
            casino_token = token;
        }
        token->apply(rules);
    }
    if (!casino_dealer(rules) && casino_token != nullptr) {
        return RulesError{"rule " +
                          quoted(*given[static_cast<std::size_t>(casino_token->setting)]) +
                          " needs a casino dealer (S17 or H17); the TABLE dealer has no hole "
                          "card and no naturals"};
    }
    if (rules.resplit_aces && rules.splits < 2) {
        return RulesError{"rule " +
                          quoted(*given[static_cast<std::size_t>(Setting::aces_resplit)]) +
                          " needs at least two splits (SPL2 or SPL3)"};
    }
    if (rules.post_split == PostSplit::opt && rules.splits > 1) {
        // The second hand's best play for the cards left is worked out for
        // two hands only.
        return RulesError{"rule " + quoted(*given[static_cast<std::size_t>(Setting::post_split)]) +
                          " plays two hands only: it needs one split (SPL1), not SPL" +
                          std::to_string(rules.splits)};
    }
    return rules;
}

const char* post_split_token(PostSplit post_split) {
    for (const Token& token : kTokens) {
        TableRules rules;
        token.apply(rules);
        if (token.setting == Setting::post_split && rules.post_split == post_split) {
            return token.text.data();
        }
    }
    return "CDP1";
}

std::string rules_text(const TableRules& rules) {
    std::string text;
    const TableRules defaults;
    for (const Token& token : kTokens) {
        if (!holds(rules, token)) {
            continue;
        }
        const bool dealer = token.setting == Setting::dealer;
        // The first token of each setting in the table is its default.
        TableRules as_default = defaults;
        token.apply(as_default);
        const bool is_default = as_default == defaults;
        if (!dealer && (is_default || (token.casino_only && !casino_dealer(rules)))) {
            continue;
        }
        if (!text.empty()) {
            text += ' ';
        }
        text += token.text;
    }
    return text;
}

}  // namespace tavolix
