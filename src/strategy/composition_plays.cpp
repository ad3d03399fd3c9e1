// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "composition_plays.h"

#include "analysis/dealer_plays.h"
#include "analysis/played_tree.h"
#include "analysis/player_hands.h"
#include "analysis/scratch.h"
#include "analysis/shoe_finals.h"
#include "analysis/table_money.h"
#include "core/hand_total.h"
#include "up_card_round.h"

namespace tavolix::strategy {

using namespace tavolix::analysis;

// The tree is built as the round builds it for this up card, so that each
// hand plays as the round's figures assume it does.
std::vector<CompositionPlay> composition_plays(int up, const Strategy& strategy) {
    std::vector<CompositionPlay> plays;
    const DeckCounts& shoe = strategy.shoe;
    const TableRules& rules = strategy.rules;
    if (shoe[up] < 1 || cards_in(shoe) < 3) {
        return plays;
    }
    AnalysisScratch scratch;
    ScratchArena arena(scratch);
    std::pmr::memory_resource* memory = arena.resource();
    DeckCounts after_up = shoe;
    --after_up[up];
    const Shoe base{.counts = after_up, .cards = cards_in(after_up)};
    Integer up_total = 0;
    Integer up_soft = 0;
    add_card(up_total, up_soft, static_cast<Integer>(up));
    const Table any = table_for(up, 2, 3, after_up, rules);
    const DealerNatural natural = TableMoney(any, up_total, 5).dealer_natural();
    const std::vector<DealerStop> stops = stops_for(rules.dealer);
    const DealerPlays dealer(up_total, up_soft, natural.hole_value != 0, after_up, stops, memory);
    ShoeFinals finals(dealer, base, memory);
    PlayedTree tree(player_hands(0, 0, after_up, memory), base, 0);
    tree.need_finals(finals, rules.dealer);
    finals.work_out();
    tree.play_out(finals, natural, false);

    plays.resize(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const PlayerHand& hand = tree.hand(i);
        CompositionPlay& play = plays[i];
        for (int value = 1; value <= 10; ++value) {
            play.next[value] = hand.next[value];
        }
        play.fallback = tree.hit(i).ev() > tree.stand(i).ev() + kTie ? Play::hit : Play::stand;
        play.play = play.fallback;
    }
    // The two-card hands take the round's advice.
    for (const InitialHand& dealt : strategy.hands) {
        if (dealt.up != up) {
            continue;
        }
        const int one = plays[0].next[dealt.first];
        const int two = one < 0 ? -1 : plays[static_cast<std::size_t>(one)].next[dealt.second];
        if (two >= 0) {
            plays[static_cast<std::size_t>(two)].play = dealt.plays.advice;
        }
    }
    return plays;
}

}  // namespace tavolix::strategy
