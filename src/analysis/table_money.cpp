// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_money.h"

namespace tavolix::analysis {

std::optional<double> insurance_ev(const DeckCounts& after_ace) {
    const int cards = cards_in(after_ace);
    if (cards == 0) {
        return std::nullopt;
    }
    return 3.0 * after_ace[10] / cards - 1.0;
}

TableMoney::TableMoney(const Table& table, int banco_total, int player_total)
    : table_(table), player_total_(player_total) {
    const TableRules& rules = table.rules;
    if (!casino_dealer(rules)) {
        return;
    }
    // Only a dealer with its up card alone can still make a natural, with the
    // one value that takes an ace or a ten to 21.
    if (table.banco.size() == 1 && (table.banco[0] == kAce || table.banco[0] == 10)) {
        natural_.hole_value = table.banco[0] == kAce ? 10 : kAce;
        natural_.effect =
            rules.hole_card == HoleCard::peek ? NaturalCounts::left_out : NaturalCounts::beats_all;
    }
    player_natural_ = table.player.size() == 2 && player_total == 21;
    dealer_natural_on_table_ = table.banco.size() == 2 && banco_total == 21;
}

double TableMoney::natural_chance(const Shoe& shoe) const {
    return 1.0 - natural_.none_from(shoe.counts, shoe.cards);
}

std::optional<Outcome> TableMoney::settled_outcome(const Shoe& shoe) const {
    if (dealer_natural_on_table_) {
        // The dealer has shown its natural: a natural pushes, all else loses.
        return player_natural_ ? Outcome{.push = 1} : Outcome{.lose = 1};
    }
    if (player_natural_) {
        // Under the peek the dealer has none; under ENHC one in the hole
        // pushes it.
        const double dealer =
            natural_.effect == NaturalCounts::beats_all ? natural_chance(shoe) : 0;
        return Outcome{.win = 1.0 - dealer, .push = dealer, .pays = natural_payout(table_.rules)};
    }
    return std::nullopt;
}

bool TableMoney::may_double(bool soft) const {
    return table_.player.size() == 2 && tavolix::may_double(table_.rules, player_total_, soft);
}

bool TableMoney::may_split() const {
    return table_.player.size() == 2 && table_.player[0] == table_.player[1] &&
           table_.rules.splits >= 1 && !player_natural_ && !dealer_natural_on_table_;
}

bool TableMoney::resplits() const {
    return table_.rules.splits >= 2 && (table_.player[0] != kAce || table_.rules.resplit_aces);
}

std::optional<double> TableMoney::surrender(const Shoe& shoe) const {
    if (!table_.rules.surrender || table_.player.size() != 2 || player_natural_ ||
        dealer_natural_on_table_) {
        return std::nullopt;
    }
    if (natural_.effect == NaturalCounts::beats_all) {
        // Without a hole card the dealer may still turn a natural, which
        // takes the whole bet.
        const double dealer = natural_chance(shoe);
        return -0.5 * (1.0 - dealer) - dealer;
    }
    return -0.5;
}

double TableMoney::surrender_second_moment(const Shoe& shoe) const {
    const double dealer = natural_.effect == NaturalCounts::beats_all ? natural_chance(shoe) : 0;
    return 0.25 * (1.0 - dealer) + dealer;
}

std::optional<double> TableMoney::insurance() const {
    if (!casino_dealer(table_.rules) || table_.banco.size() != 1 || table_.banco[0] != kAce) {
        return std::nullopt;
    }
    return insurance_ev(table_.shoe);
}

}  // namespace tavolix::analysis
