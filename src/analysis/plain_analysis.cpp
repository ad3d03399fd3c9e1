// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The analysis walked the slow way, as the rules read: every order of every
// draw, the dealer's hand played out afresh behind every player's hand. The
// memory, when asked for, only spares walking a position again; the steps
// are the same.
#include "plain_analysis.h"

#include <unordered_map>
#include <utility>

#include "core/hand_total.h"
#include "dealer_plays.h"
#include "play_choice.h"
#include "settle.h"

namespace tavolix::analysis {

namespace {

struct Walked {
    std::array<Outcome, kThresholds> rows{};
    Outcome stand;
    Outcome hit;
    Outcome best;
};

// Where the walk stands: the cards left in the shoe, a hand's total and soft
// flag, and the dealer's rule on 16 (for the player's hand, against its
// total).
struct Position {
    DeckCounts shoe;
    Integer total;
    Integer soft;
    On16 on_16;
    bool operator==(const Position&) const = default;
};

struct PositionHash {
    std::size_t operator()(const Position& position) const {
        std::size_t hash = static_cast<std::size_t>(position.total) * 4 +
                           static_cast<std::size_t>(position.soft) * 2 +
                           (position.on_16 == On16::draws ? 1 : 0);
        for (const int count : position.shoe) {
            hash = hash * 131 + static_cast<std::size_t>(count);
        }
        return hash;
    }
};

template <class Result>
using Remembered = std::unordered_map<Position, Result, PositionHash>;

struct Memory {
    Remembered<DealerFinals> dealer;
    Remembered<Walked> player;
    Remembered<double> busts;
};

struct Walk {
    DeckCounts shoe;
    int cards = 0;
    Integer banco_total = 0;
    Integer banco_soft = 0;
    int stand_at = 17;
    long long dealer_cards = 0;
    long long dealer_cards_limit = 0;
    std::optional<Memory> memory;

    bool gave_up() const { return dealer_cards > dealer_cards_limit; }
};

// What `work` gives at the walk's position: remembered from the first time
// the walk stood there, when it keeps a memory.
template <class Result, class Work>
Result at_position(Walk& walk, Remembered<Result> Memory::*remembered, Integer total, Integer soft,
                   On16 on_16, const Work& work) {
    if (!walk.memory) {
        return work();
    }
    Remembered<Result>& memory = *walk.memory.*remembered;
    const Position position{walk.shoe, total, soft, on_16};
    if (const auto found = memory.find(position); found != memory.end()) {
        return found->second;
    }
    const Result result = work();
    memory.emplace(position, result);
    return result;
}

// Each value with a card left, dealt in turn to a hand of this total: a card
// that takes the hand past 21 goes to `busts` with its chance; any other goes
// to `goes_on` with its chance and the new total, out of the shoe meanwhile.
template <class Busts, class GoesOn>
void deal_each_value(Walk& walk, Integer total, Integer soft, const Busts& busts,
                     const GoesOn& goes_on) {
    for (int value = 1; value <= 10; ++value) {
        if (walk.shoe[value] < 1) {
            continue;
        }
        const double chance = static_cast<double>(walk.shoe[value]) / walk.cards;
        Integer next_total = total;
        Integer next_soft = soft;
        add_card(next_total, next_soft, static_cast<Integer>(value));
        if (next_total > 21) {
            busts(chance);
            continue;
        }
        --walk.shoe[value];
        --walk.cards;
        goes_on(chance, next_total, next_soft);
        ++walk.cards;
        ++walk.shoe[value];
    }
}

// How a dealer's hand that draws ends. A hand the rule stands on ends at
// once, so only the drawing ones are worth remembering.
DealerFinals deal_dealer(Walk& walk, Integer total, Integer soft, On16 on_16) {
    const auto deal = [&] {
        DealerFinals finals;
        deal_each_value(
            walk, total, soft,
            [&](double chance) {
                ++walk.dealer_cards;
                finals.chance[DealerFinals::kBust] += chance;
            },
            [&](double chance, Integer next_total, Integer next_soft) {
                ++walk.dealer_cards;
                if (!dealer_draws(next_total, on_16)) {
                    finals.chance[next_total - 16] += chance;
                    return;
                }
                const DealerFinals next = deal_dealer(walk, next_total, next_soft, on_16);
                for (std::size_t i = 0; i < finals.chance.size(); ++i) {
                    finals.chance[i] += chance * next.chance[i];
                }
            });
        return finals;
    };
    return at_position(walk, &Memory::dealer, total, soft, on_16, deal);
}

DealerFinals banco_finals(Walk& walk, On16 on_16) {
    if (dealer_draws(walk.banco_total, on_16)) {
        return deal_dealer(walk, walk.banco_total, walk.banco_soft, on_16);
    }
    DealerFinals stands;
    stands.chance[walk.banco_total - 16] = 1.0;
    return stands;
}

Outcome stand_plainly(Walk& walk, Integer player_total) {
    return settle(banco_finals(walk, dealer_on_16(player_total)), player_total);
}

Walked walk_player(Walk& walk, Integer total, Integer soft) {
    const auto play = [&] {
        Walked walked;
        walked.stand = stand_plainly(walk, total);
        std::array<Outcome, kThresholds> drawn{};
        deal_each_value(
            walk, total, soft,
            [&](double chance) {
                walked.hit.lose += chance;
                for (Outcome& row : drawn) {
                    row.lose += chance;
                }
            },
            [&](double chance, Integer next_total, Integer next_soft) {
                if (walk.gave_up()) {
                    return;
                }
                const Walked next = walk_player(walk, next_total, next_soft);
                add_scaled(walked.hit, next.best, chance);
                for (int row = 0; row < kThresholds; ++row) {
                    add_scaled(drawn[row], next.rows[row], chance);
                }
            });
        for (int row = 0; row < kThresholds; ++row) {
            walked.rows[row] = total >= row + kLowestThreshold ? walked.stand : drawn[row];
        }
        walked.best = better(walked.stand, walked.hit);
        return walked;
    };
    return at_position(walk, &Memory::player, total, soft, dealer_on_16(total), play);
}

// The chance to bust drawing while below the threshold.
double busts_plainly(Walk& walk, Integer total, Integer soft) {
    const auto draw = [&] {
        double busts = 0;
        deal_each_value(
            walk, total, soft, [&](double chance) { busts += chance; },
            [&](double chance, Integer next_total, Integer next_soft) {
                if (next_total < walk.stand_at) {
                    busts += chance * busts_plainly(walk, next_total, next_soft);
                }
            });
        return busts;
    };
    return at_position(walk, &Memory::busts, total, soft, dealer_on_16(total), draw);
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

}  // namespace

std::optional<HandAnalysis> analyse_plainly(const Table& table, const PlainWalk& how) {
    Walk walk{.shoe = table.shoe,
              .stand_at = table.stand_at,
              .dealer_cards_limit = how.dealer_cards_limit,
              .memory = how.memory == PlainMemory::by_position ? std::make_optional<Memory>()
                                                               : std::nullopt};
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

    // Without memory, a table too big for the walk is known before it
    // starts: the dealer's hand dealt once, times the player's hands.
    if (!walk.memory) {
        banco_finals(walk, On16::draws);
        if (walk.dealer_cards * player_orders(walk.shoe, total, soft) > how.dealer_cards_limit) {
            return std::nullopt;
        }
    }

    const Walked walked = walk_player(walk, total, soft);
    Outcome doubled;
    deal_each_value(
        walk, total, soft, [&](double chance) { doubled.lose += chance; },
        [&](double chance, Integer next_total, Integer) {
            add_scaled(doubled, stand_plainly(walk, next_total), chance);
        });

    HandAnalysis analysis;
    analysis.dealer_now = dealer_view(banco_finals(walk, dealer_on_16(total)), total);
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
