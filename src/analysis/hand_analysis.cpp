// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "hand_analysis.h"

#include <algorithm>
#include <cassert>

#include "core/hand_total.h"
#include "dealer_plays.h"
#include "play_choice.h"
#include "player_hands.h"
#include "settle.h"

namespace tavolix::analysis {

namespace {

std::pair<Integer, Integer> total_of(const std::vector<Integer>& cards) {
    Integer total = 0;
    Integer soft = 0;
    for (const Integer value : cards) {
        add_card(total, soft, value);
    }
    return {total, soft};
}

// The shoe a hand of the player leaves behind.
Shoe shoe_after(const Shoe& shoe, const PlayerHand& hand) {
    Shoe left = shoe;
    for (int value = 1; value <= 10; ++value) {
        left.counts[value] -= count_in(hand.drawn, value);
    }
    left.cards -= hand.cards;
    return left;
}

// How the dealer ends behind each hand the player can stand on, from the
// shoe that hand leaves: the hands grouped by the dealer's rule on 16 and
// worked out kShoeLanes at a time.
std::vector<DealerFinals> finals_behind(const DealerPlays& dealer,
                                        const std::vector<PlayerHand>& hands, const Shoe& shoe) {
    std::vector<DealerFinals> finals(hands.size());
    for (const On16 on_16 : {On16::stands, On16::draws}) {
        std::vector<std::size_t> group;
        for (std::size_t i = 0; i < hands.size(); ++i) {
            if (dealer_on_16(hands[i].total) == on_16) {
                group.push_back(i);
            }
        }
        for (std::size_t first = 0; first < group.size(); first += kShoeLanes) {
            const std::size_t lanes = std::min<std::size_t>(kShoeLanes, group.size() - first);
            std::array<Shoe, kShoeLanes> left{};
            for (std::size_t lane = 0; lane < lanes; ++lane) {
                left[lane] = shoe_after(shoe, hands[group[first + lane]]);
            }
            const LaneFinals lane_finals = dealer.finals({left.data(), lanes}, on_16);
            for (std::size_t lane = 0; lane < lanes; ++lane) {
                finals[group[first + lane]] = lane_finals[lane];
            }
        }
    }
    return finals;
}

}  // namespace

HandAnalysis analyse(const Table& table) {
    assert(!table.banco.empty() && table.player.size() >= 2);
    const auto [banco_total, banco_soft] = total_of(table.banco);
    const auto [player_total, player_soft] = total_of(table.player);
    assert(banco_total <= 21 && player_total <= 21);
    Shoe shoe{.counts = table.shoe};
    for (int value = 1; value <= 10; ++value) {
        shoe.cards += table.shoe[value];
    }

    const DealerPlays dealer(banco_total, banco_soft, table.shoe);
    const std::vector<PlayerHand> hands = player_hands(player_total, player_soft, table.shoe);
    const std::vector<DealerFinals> finals = finals_behind(dealer, hands, shoe);
    const int stand_at = table.stand_at;

    // Per hand: standing there, each threshold's way on from there, the
    // better of standing and drawing at every turn, and the chance to bust
    // drawing on to the window's threshold.
    std::vector<Outcome> stand(hands.size());
    std::vector<std::array<Outcome, kThresholds>> rows(hands.size());
    std::vector<Outcome> best(hands.size());
    std::vector<double> busts_drawing(hands.size());
    HandAnalysis analysis;
    Outcome first_hit;
    Outcome first_double;
    double first_busts = 0;

    for (int i = static_cast<int>(hands.size()) - 1; i >= 0; --i) {
        const PlayerHand& hand = hands[i];
        const Shoe after = shoe_after(shoe, hand);
        const DeckCounts& left = after.counts;
        const int cards = after.cards;
        stand[i] = settle(finals[i], hand.total);
        if (i == 0) {
            analysis.dealer_now = dealer_view(finals[i], hand.total);
        }

        const int first_drawing = std::max(kLowestThreshold, hand.total + 1) - kLowestThreshold;
        Outcome hit;
        Outcome doubled;
        std::array<Outcome, kThresholds> drawn{};
        double busts = 0;
        for (int value = 1; value <= 10; ++value) {
            if (left[value] < 1) {
                continue;
            }
            const double chance = static_cast<double>(left[value]) / cards;
            const int next = hand.next[value];
            if (next < 0) {
                hit.lose += chance;
                doubled.lose += chance;
                busts += chance;
                for (int row = first_drawing; row < kThresholds; ++row) {
                    drawn[row].lose += chance;
                }
                continue;
            }
            add_scaled(hit, best[next], chance);
            add_scaled(doubled, stand[next], chance);
            busts += chance * busts_drawing[next];
            for (int row = first_drawing; row < kThresholds; ++row) {
                add_scaled(drawn[row], rows[next][row], chance);
            }
        }
        for (int row = 0; row < kThresholds; ++row) {
            rows[i][row] = row < first_drawing ? stand[i] : drawn[row];
        }
        best[i] = better(stand[i], hit);
        busts_drawing[i] = hand.total >= stand_at ? 0.0 : busts;
        if (i == 0) {
            first_hit = hit;
            first_double = doubled;
            first_busts = busts;
        }
    }

    analysis.stand_at = rows[0];
    analysis.player_draw = {.stands = 1.0 - first_busts, .busts = first_busts};
    choose_plays(analysis, stand[0], first_hit,
                 table.player.size() == 2 ? std::optional<Outcome>(first_double) : std::nullopt);
    return analysis;
}

}  // namespace tavolix::analysis
