// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "rules_json.h"

#include <QJsonValue>

namespace tavolix::cli {

namespace {

const char* dealer_key(DealerRule dealer) {
    switch (dealer) {
        case DealerRule::table:
            return "table";
        case DealerRule::s17:
            return "s17";
        case DealerRule::h17:
            return "h17";
    }
    return "";
}

const char* hole_card_key(const TableRules& rules) {
    if (!casino_dealer(rules)) {
        return "none";
    }
    return rules.hole_card == HoleCard::enhc ? "enhc" : "peek";
}

const char* double_key(DoubleRule rule) {
    switch (rule) {
        case DoubleRule::any:
            return "any";
        case DoubleRule::hard_9_to_11:
            return "9-11";
        case DoubleRule::hard_10_to_11:
            return "10-11";
        case DoubleRule::none:
            return "none";
    }
    return "";
}

}  // namespace

QJsonObject rules_json(const TableRules& rules) {
    return {
        {"dealer", QLatin1String(dealer_key(rules.dealer))},
        {"hole_card", QLatin1String(hole_card_key(rules))},
        {"blackjack_pays", casino_dealer(rules) ? QJsonValue(natural_payout(rules)) : QJsonValue()},
        {"double", QLatin1String(double_key(rules.double_down))},
        {"double_after_split", rules.double_after_split},
        {"splits", rules.splits},
        {"resplit_aces", rules.resplit_aces},
        {"hit_split_aces", rules.hit_split_aces},
        {"surrender", rules.surrender},
        {"post_split", QLatin1String(post_split_token(rules.post_split))},
    };
}

}  // namespace tavolix::cli
