// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tavolix {

// How the dealer draws. TABLE is the window's own dealer: it draws on 15 or
// less, stands on 17 to 21, and on 16 stands when 16 beats or ties the
// player's total; it has no naturals and no hole card. The casino dealers
// draw on 16 or less, S17 standing on every 17, H17 drawing on soft 17.
enum class DealerRule { table, s17, h17 };

// What a casino dealer does with its second card: PEEK deals it face down and
// checks for a blackjack behind an ace or a ten, ENHC deals it only after the
// player has played.
enum class HoleCard { peek, enhc };

// What a player's natural pays.
enum class NaturalPays { three_to_two, six_to_five, one_to_one };

// Which two-card hands may be doubled.
enum class DoubleRule { any, hard_9_to_11, hard_10_to_11, none };

// How the hands of a split are played once the pair is split, as the field's
// analysers name the strategies. Each split hand is played by its own cards
// C against the up card; what else it knows differs:
// - cdz_minus (CDZ-): nothing of the split: the play C would have as an
//   initial hand, the other pair card still in the shoe;
// - cdp1 (CDP1): both pair cards gone, one strategy for every split hand;
// - cdp (CDP): as CDP1, knowing also how many pair cards the split took;
// - opt (OPT, one split only): the first hand as CDP1, the second playing
//   best for the cards left, the first hand's cards known;
// - per_hand (PERHAND): each hand worked out alone, the pair cards dealt
//   as second cards so far gone, the other hands' cards unknown.
enum class PostSplit { cdp1, cdz_minus, cdp, opt, per_hand };

// The table's rules: the dealer's, and the player's options. The hole card
// and the natural's payout mean something only with a casino dealer; under
// TABLE they keep their defaults.
struct TableRules {
    DealerRule dealer = DealerRule::table;
    HoleCard hole_card = HoleCard::peek;
    NaturalPays natural = NaturalPays::three_to_two;
    DoubleRule double_down = DoubleRule::any;
    bool double_after_split = false;
    int splits = 3;  // at most this many: up to splits + 1 hands
    bool resplit_aces = false;
    bool hit_split_aces = false;
    bool surrender = false;
    PostSplit post_split = PostSplit::cdp1;

    bool operator==(const TableRules&) const = default;
};

inline constexpr int kMostSplits = 3;

inline constexpr bool casino_dealer(const TableRules& rules) {
    return rules.dealer != DealerRule::table;
}

// What a natural pays per unit bet: 1.5, 1.2 or 1.
double natural_payout(const TableRules& rules);

// Whether the double rule lets a two-card hand of this total double.
bool may_double(const TableRules& rules, int total, bool soft);

// Why a rules text cannot be used, in one line that names the token.
struct RulesError {
    std::string message;
};

// The field's shorthand: tokens separated by blanks or commas, in any order
// and either case, each setting at most once; a setting left out keeps its
// default, the dealer's TABLE included. Refuses an unknown token, a second
// token for a setting, a casino-only token with TABLE, RSA with fewer than
// two splits, and OPT with more than one.
std::variant<TableRules, RulesError> parse_rules(std::string_view text);

// The post-split strategy's token: "CDP1", "CDZ-", "CDP", "OPT", "PERHAND".
const char* post_split_token(PostSplit post_split);

// The canonical text: the dealer, then only the tokens that differ from the
// defaults, in the order of the settings ("S17", "H17 ENHC DAS LS"). Parsing
// it gives the same rules back.
std::string rules_text(const TableRules& rules);

}  // namespace tavolix
