// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_plays.h"

#include <algorithm>
#include <array>

#include "play_choice.h"

namespace tavolix::analysis {

namespace {

Outcome scaled(const Outcome& outcome, double by) {
    return {.win = outcome.win * by,
            .push = outcome.push * by,
            .lose = outcome.lose * by,
            .pays = outcome.pays};
}

Shoe shoe_of(const DeckCounts& counts) {
    return {.counts = counts, .cards = cards_in(counts)};
}

}  // namespace

void read_plays(HandAnalysis& analysis, const Table& table, const TableMoney& money,
                const PlayedTree& tree, std::size_t at, const SplitTrees* splits) {
    const Shoe shoe = shoe_of(table.shoe);
    const DealerNatural natural = money.dealer_natural();
    analysis.insurance_ev = money.insurance();
    analysis.no_dealer_blackjack = natural.effect == NaturalCounts::left_out;

    if (const std::optional<Outcome> settled = money.settled_outcome(shoe)) {
        // A natural on either side leaves nothing to play: standing is all.
        analysis.natural = money.player_natural();
        analysis.dealer_natural = money.dealer_natural_on_table();
        analysis.stand_at.fill(*settled);
        choose_plays(analysis, Plays{.stand = *settled});
        return;
    }

    // Under the peek every figure of the tree counts only the deals without
    // a natural behind the up card; dividing by their share conditions on it.
    const double given = natural.effect == NaturalCounts::left_out
                             ? 1.0 / natural.none_from(shoe.counts, shoe.cards)
                             : 1.0;
    for (int row = 0; row < kThresholds; ++row) {
        analysis.stand_at[row] = scaled(tree.rows(at)[row], given);
    }
    Plays plays{.stand = scaled(tree.stand(at), given), .hit = scaled(tree.hit(at), given)};
    if (money.may_double(tree.hand(at).soft != 0)) {
        plays.doubled = scaled(tree.one_card(at), given);
    }
    if (splits != nullptr && money.may_split()) {
        plays.split = splits->value() * given;
    }
    plays.surrender = money.surrender(shoe);
    plays.surrender_second_moment = money.surrender_second_moment(shoe);
    choose_plays(analysis, plays);
    if (analysis.advice == Play::split) {
        analysis.advice_second_moment = splits->second_moment() * given;
    }
}

}  // namespace tavolix::analysis
