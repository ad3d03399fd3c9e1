// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "hand_analysis.h"

#include <algorithm>
#include <cassert>

#include "core/hand_total.h"
#include "dealer_plays.h"
#include "played_tree.h"
#include "player_hands.h"
#include "settle.h"
#include "shoe_finals.h"
#include "table_plays.h"

namespace tavolix::analysis {

namespace {

// The player taking one card now and drawing on while below the threshold,
// whatever the hand: what the player's panel counts.
DrawChances player_draw(const PlayedTree& hands, int stand_at) {
    std::vector<double> busts_drawing(hands.size());
    double first_busts = 0;
    for (std::size_t i = hands.size(); i-- > 0;) {
        const Shoe left = hands.shoe_after(i);
        double busts = 0;
        for (int value = 1; value <= 10; ++value) {
            if (left.counts[value] < 1) {
                continue;
            }
            const double chance = static_cast<double>(left.counts[value]) / left.cards;
            const int next = hands.hand(i).next[value];
            busts += next < 0 ? chance : chance * busts_drawing[static_cast<std::size_t>(next)];
        }
        busts_drawing[i] = hands.hand(i).total >= stand_at ? 0.0 : busts;
        first_busts = busts;
    }
    return {.stands = 1.0 - first_busts, .busts = first_busts};
}

}  // namespace

std::optional<double> play_ev(const HandAnalysis& analysis, Play play) {
    switch (play) {
        case Play::stand:
            return analysis.stand_ev;
        case Play::hit:
            return analysis.hit_ev;
        case Play::double_down:
            return analysis.double_ev;
        case Play::split:
            return analysis.split_ev;
        case Play::surrender:
            return analysis.surrender_ev;
    }
    return std::nullopt;
}

HandAnalysis analyse(const Table& table) {
    AnalysisScratch scratch;
    return analyse(table, scratch);
}

HandAnalysis analyse(const Table& table, AnalysisScratch& scratch) {
    ScratchArena arena(scratch);
    std::pmr::memory_resource* memory = arena.resource();
    assert(!table.banco.empty() && table.player.size() >= 2);
    const auto [banco_total, banco_soft] = total_of(table.banco);
    const auto [player_total, player_soft] = total_of(table.player);
    assert(banco_total <= 21 && player_total <= 21);
    const Shoe shoe{.counts = table.shoe, .cards = cards_in(table.shoe)};
    const TableMoney money(table, banco_total, player_total);
    const DealerNatural natural = money.dealer_natural();

    // A CDZ- split hand plays as its cards would as an initial hand, the
    // other pair card still in the shoe: the finals' base shoe holds that
    // card too, and every other tree draws from the base less it.
    const bool cdz_split = money.may_split() && table.rules.post_split == PostSplit::cdz_minus;
    const int pair = table.player[0];
    DeckCounts fullest = table.shoe;
    CardCode held_back = 0;
    if (cdz_split) {
        ++fullest[pair];
        held_back = one_card(pair);
    }
    const Shoe base{.counts = fullest, .cards = cards_in(fullest)};

    const std::vector<DealerStop> stops = stops_for(table.rules.dealer);
    const DealerPlays dealer(banco_total, banco_soft, natural.hole_value != 0, fullest, stops,
                             memory);
    ShoeFinals finals(dealer, base, memory);
    PlayedTree hands(player_hands(player_total, player_soft, table.shoe, memory), shoe, held_back);
    hands.need_finals(finals, table.rules.dealer);
    std::optional<PlayedTree> initial;
    if (cdz_split) {
        Integer total = 0;
        Integer soft = 0;
        add_card(total, soft, static_cast<Integer>(pair));
        initial.emplace(player_hands(total, soft, fullest, memory), base, 0);
        initial->need_finals(finals, table.rules.dealer);
    }
    std::optional<SplitTrees> splits;
    if (money.may_split()) {
        splits.emplace(table, money, finals, held_back, memory,
                       InitialHands{.tree = initial ? &*initial : nullptr, .pair_card = 0});
        splits->need_finals();
    }
    finals.work_out();
    hands.play_out(finals, natural, true);
    if (initial) {
        initial->play_out(finals, natural, false);
    }
    if (splits) {
        splits->play_out(natural);
    }

    HandAnalysis analysis;
    // The panels count draws: the dealer against the total as it stands, a
    // natural being a 21 like any other.
    analysis.dealer_now = dealer_view(hands.finals_behind(0), player_total);
    analysis.player_draw = player_draw(hands, table.stand_at);
    read_plays(analysis, table, money, hands, 0, splits ? &*splits : nullptr);
    return analysis;
}

}  // namespace tavolix::analysis
