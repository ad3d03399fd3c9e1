// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The analysis walked the slow way, as the rules read: every order of every
// draw, the dealer's hand played out afresh behind every player's hand.
#include <cassert>

#include "core/hand_total.h"
#include "dealer_plays.h"
#include "hand_analysis.h"
#include "play_choice.h"
#include "settle.h"

namespace tavolix::analysis {

namespace {

struct Walk {
    DeckCounts shoe;
    int cards = 0;
    Integer banco_total = 0;
    Integer banco_soft = 0;
    int stand_at = 17;
    long long dealer_cards = 0;
    long long dealer_cards_limit = 0;

    bool gave_up() const { return dealer_cards > dealer_cards_limit; }
};

void deal_dealer(Walk& walk, Integer total, Integer soft, On16 on_16, double reach,
                 DealerFinals& finals) {
    if (!dealer_draws(total, on_16)) {
        finals.chance[total - 16] += reach;
        return;
    }
    for (int value = 1; value <= 10; ++value) {
        if (walk.shoe[value] < 1) {
            continue;
        }
        ++walk.dealer_cards;
        const double chance = reach * walk.shoe[value] / walk.cards;
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, static_cast<Integer>(value));
        if (next_total > 21) {
            finals.chance[DealerFinals::kBust] += chance;
            continue;
        }
        --walk.shoe[value];
        --walk.cards;
        deal_dealer(walk, next_total, next_soft, on_16, chance, finals);
        ++walk.cards;
        ++walk.shoe[value];
    }
}

Outcome stand_plainly(Walk& walk, Integer player_total) {
    DealerFinals finals;
    deal_dealer(walk, walk.banco_total, walk.banco_soft, dealer_on_16(player_total), 1.0, finals);
    return settle(finals, player_total);
}

struct Walked {
    std::array<Outcome, kThresholds> rows{};
    Outcome stand;
    Outcome hit;
    Outcome best;
};

Walked walk_player(Walk& walk, Integer total, Integer soft) {
    Walked walked;
    walked.stand = stand_plainly(walk, total);
    std::array<Outcome, kThresholds> drawn{};
    for (int value = 1; value <= 10 && !walk.gave_up(); ++value) {
        if (walk.shoe[value] < 1) {
            continue;
        }
        const double chance = static_cast<double>(walk.shoe[value]) / walk.cards;
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, static_cast<Integer>(value));
        if (next_total > 21) {
            walked.hit.lose += chance;
            for (Outcome& row : drawn) {
                row.lose += chance;
            }
            continue;
        }
        --walk.shoe[value];
        --walk.cards;
        const Walked next = walk_player(walk, next_total, next_soft);
        ++walk.cards;
        ++walk.shoe[value];
        add_scaled(walked.hit, next.best, chance);
        for (int row = 0; row < kThresholds; ++row) {
            add_scaled(drawn[row], next.rows[row], chance);
        }
    }
    for (int row = 0; row < kThresholds; ++row) {
        walked.rows[row] = total >= row + kLowestThreshold ? walked.stand : drawn[row];
    }
    walked.best = better(walked.stand, walked.hit);
    return walked;
}

// How many hands the player can draw to, every order counted apart: the
// walk deals the dealer's hand out afresh behind each of them.
long long player_orders(DeckCounts& shoe, Integer total, Integer soft) {
    long long hands = 1;
    for (int value = 1; value <= 10; ++value) {
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, static_cast<Integer>(value));
        if (shoe[value] < 1 || next_total > 21) {
            continue;
        }
        --shoe[value];
        hands += player_orders(shoe, next_total, next_soft);
        ++shoe[value];
    }
    return hands;
}

// The chance to bust drawing while below the threshold.
double busts_plainly(Walk& walk, Integer total, Integer soft) {
    double busts = 0;
    for (int value = 1; value <= 10; ++value) {
        if (walk.shoe[value] < 1) {
            continue;
        }
        const double chance = static_cast<double>(walk.shoe[value]) / walk.cards;
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, static_cast<Integer>(value));
        if (next_total > 21) {
            busts += chance;
        } else if (next_total < walk.stand_at) {
            --walk.shoe[value];
            --walk.cards;
            busts += chance * busts_plainly(walk, next_total, next_soft);
            ++walk.cards;
            ++walk.shoe[value];
        }
    }
    return busts;
}

}  // namespace

std::optional<HandAnalysis> analyse_plainly(const Table& table, long long dealer_cards_limit) {
    Walk walk{
        .shoe = table.shoe, .stand_at = table.stand_at, .dealer_cards_limit = dealer_cards_limit};
    for (int value = 1; value <= 10; ++value) {
        walk.cards += table.shoe[value];
    }
    for (const Integer value : table.banco) {
        add_card(walk.banco_total, walk.banco_soft, value);
    }
    Integer total = 0;
    Integer soft = 0;
    for (const Integer value : table.player) {
        add_card(total, soft, value);
    }

    // A table too big for the walk is known before it starts: the dealer's
    // hand dealt once, times the player's hands.
    DealerFinals once;
    deal_dealer(walk, walk.banco_total, walk.banco_soft, On16::draws, 1.0, once);
    const long long dealt_once = walk.dealer_cards;
    if (dealt_once * player_orders(walk.shoe, total, soft) > dealer_cards_limit) {
        return std::nullopt;
    }

    HandAnalysis analysis;
    const Walked walked = walk_player(walk, total, soft);

    Outcome doubled;
    for (int value = 1; value <= 10; ++value) {
        if (walk.shoe[value] < 1) {
            continue;
        }
        const double chance = static_cast<double>(walk.shoe[value]) / walk.cards;
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, static_cast<Integer>(value));
        if (next_total > 21) {
            doubled.lose += chance;
            continue;
        }
        --walk.shoe[value];
        --walk.cards;
        add_scaled(doubled, stand_plainly(walk, next_total), chance);
        ++walk.cards;
        ++walk.shoe[value];
    }

    DealerFinals now;
    deal_dealer(walk, walk.banco_total, walk.banco_soft, dealer_on_16(total), 1.0, now);
    analysis.dealer_now = dealer_view(now, total);
    const double busts = busts_plainly(walk, total, soft);
    analysis.player_draw = {.stands = 1.0 - busts, .busts = busts};
    if (walk.gave_up()) {
        return std::nullopt;
    }

    analysis.stand_at = walked.rows;
    choose_plays(analysis, walked.stand, walked.hit,
                 table.player.size() == 2 ? std::optional<Outcome>(doubled) : std::nullopt);
    return analysis;
}

}  // namespace tavolix::analysis
