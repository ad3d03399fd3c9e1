// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// The analysis walked the slow way, as the rules read: every order of every
// draw, the dealer's hand played out afresh behind every player's hand, each
// hand of a split played out in its own copy of the shoe. The memory, when
// asked for, only spares walking a position again; the steps are the same.
// Nothing here is shared with the fast analysis but the types it fills in,
// so that the one can check the other.
#include "plain_analysis.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/dealer_rule.h"
#include "core/hand_total.h"

namespace tavolix::analysis {

namespace {

// How the dealer's hand ends: each final total 16..21 (index total - 16), a
// bust, and a natural, which only an ENHC dealer's hole card makes here.
struct Finals {
    static constexpr int kBust = 6;
    static constexpr int kNatural = 7;
    std::array<double, 8> chance{};
};

// A casino dealer with an ace or a ten alone up: the card behind it may make
// a natural, and the rule says what that does. PEEK has looked and found
// none, so the figures leave those cards out; under ENHC the natural takes
// whatever the player has in play.
enum class HoleCase { none, peek, enhc };

struct Walked {
    std::array<Outcome, kThresholds> rows{};
    Outcome stand;
    Outcome hit;
    Outcome best;
};

// Where the walk stands: the cards left in the shoe, a hand's total and soft
// flag, the dealer's stop rule (for the player's hand, against its total),
// and for the dealer's hand whether its next card is the hole card that can
// make a natural. The counts are packed twelve bits a value, so that the
// memory compares and hashes positions a word at a time.
struct Position {
    std::uint64_t low_values = 0;   // aces to fives
    std::uint64_t high_values = 0;  // sixes to tens
    std::uint32_t hand = 0;

    bool operator==(const Position&) const = default;
};

constexpr int kCountBits = 12;

Position position_of(const DeckCounts& shoe, Integer total, Integer soft, DealerStop stop,
                     bool hole_next) {
    Position position;
    for (int value = 1; value <= 5; ++value) {
        position.low_values =
            (position.low_values << kCountBits) | static_cast<std::uint64_t>(shoe[value]);
        position.high_values =
            (position.high_values << kCountBits) | static_cast<std::uint64_t>(shoe[value + 5]);
    }
    position.hand = static_cast<std::uint32_t>(total) | static_cast<std::uint32_t>(soft) << 5 |
                    static_cast<std::uint32_t>(stop) << 6 |
                    static_cast<std::uint32_t>(hole_next) << 8;
    return position;
}

struct PositionHash {
    std::size_t operator()(const Position& position) const {
        std::uint64_t mixed = position.low_values * 0x9E3779B97F4A7C15ULL;
        mixed ^= (position.high_values + position.hand) * 0xC2B2AE3D27D4EB4FULL;
        return static_cast<std::size_t>(mixed ^ (mixed >> 29));
    }
};

template <class Result>
using Remembered = std::unordered_map<Position, Result, PositionHash>;

struct Memory {
    Remembered<Finals> dealer;
    Remembered<Walked> player;
    Remembered<double> busts;
};

struct Walk {
    DeckCounts shoe{};
    int cards = 0;
    Integer banco_total = 0;
    Integer banco_soft = 0;
    DealerRule rule = DealerRule::table;
    HoleCase hole = HoleCase::none;
    int natural_card = 0;  // the hole card that completes the dealer's natural
    int stand_at = 17;
    long long dealer_cards = 0;
    long long dealer_cards_limit = 0;
    std::optional<Memory> memory;

    bool gave_up() const { return dealer_cards > dealer_cards_limit; }
};

Walk walk_for(const Table& table, const PlainWalk& how) {
    Walk walk{.rule = table.rules.dealer,
              .stand_at = table.stand_at,
              .dealer_cards_limit = how.dealer_cards_limit,
              .memory = how.memory == PlainMemory::by_position ? std::make_optional<Memory>()
                                                               : std::nullopt};
    for (const Integer value : table.banco) {
        add_card(walk.banco_total, walk.banco_soft, value);
    }
    const bool hole_card_up =
        table.banco.size() == 1 && (table.banco[0] == kAce || table.banco[0] == 10);
    if (casino_dealer(table.rules) && hole_card_up) {
        walk.hole = table.rules.hole_card == HoleCard::peek ? HoleCase::peek : HoleCase::enhc;
        walk.natural_card = table.banco[0] == kAce ? 10 : kAce;
    }
    return walk;
}

void place_shoe(Walk& walk, const DeckCounts& shoe) {
    walk.shoe = shoe;
    walk.cards = cards_in(shoe);
}

// What `work` gives at the walk's position: remembered from the first time
// the walk stood there, when it keeps a memory.
template <class Result, class Work>
Result at_position(Walk& walk, Remembered<Result> Memory::*remembered, const Position& position,
                   const Work& work) {
    if (!walk.memory) {
        return work();
    }
    Remembered<Result>& memory = *walk.memory.*remembered;
    if (const auto found = memory.find(position); found != memory.end()) {
        return found->second;
    }
    const Result result = work();
    memory.emplace(position, result);
    return result;
}

// Each value with a card left, dealt in turn to a hand of this total: a card
// that takes the hand past 21 goes to `busts` with its value and chance, the
// shoe still holding it; any other goes to `goes_on` with its value, chance
// and the new total, out of the shoe meanwhile.
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
            busts(value, chance);
            continue;
        }
        --walk.shoe[value];
        --walk.cards;
        goes_on(value, chance, next_total, next_soft);
        ++walk.cards;
        ++walk.shoe[value];
    }
}

void add_share(Outcome& sum, const Outcome& part, double chance) {
    sum.win += chance * part.win;
    sum.push += chance * part.push;
    sum.lose += chance * part.lose;
}

// How a dealer's hand that draws ends. A hand the rule stands on ends at
// once, so only the drawing ones are worth remembering.
Finals deal_dealer(Walk& walk, Integer total, Integer soft, DealerStop stop, bool hole_next) {
    const auto deal = [&] {
        Finals finals;
        deal_each_value(
            walk, total, soft,
            [&](int, double chance) {
                ++walk.dealer_cards;
                finals.chance[Finals::kBust] += chance;
            },
            [&](int value, double chance, Integer next_total, Integer next_soft) {
                ++walk.dealer_cards;
                if (hole_next && value == walk.natural_card) {
                    if (walk.hole == HoleCase::enhc) {
                        finals.chance[Finals::kNatural] += chance;
                    }
                    return;
                }
                if (!dealer_draws(stop, next_total, next_soft != 0)) {
                    finals.chance[next_total - 16] += chance;
                    return;
                }
                const Finals next = deal_dealer(walk, next_total, next_soft, stop, false);
                for (std::size_t i = 0; i < finals.chance.size(); ++i) {
                    finals.chance[i] += chance * next.chance[i];
                }
            });
        return finals;
    };
    return at_position(walk, &Memory::dealer, position_of(walk.shoe, total, soft, stop, hole_next),
                       deal);
}

// The dealer's hand on the table played out from the walk's shoe. With
// `hole_rule`, a hole card that makes a natural does what the rule says;
// without, it is one more way to 21, as the panels count it.
Finals banco_finals(Walk& walk, DealerStop stop, bool hole_rule) {
    if (dealer_draws(stop, walk.banco_total, walk.banco_soft != 0)) {
        return deal_dealer(walk, walk.banco_total, walk.banco_soft, stop,
                           hole_rule && walk.hole != HoleCase::none);
    }
    Finals stands;
    stands.chance[walk.banco_total - 16] = 1.0;
    return stands;
}

// A standing player's total against the dealer's finals: a bust or a lower
// total wins, the same total pushes, a higher one or a natural loses.
Outcome settle_plainly(const Finals& finals, int player_total) {
    Outcome outcome;
    outcome.win = finals.chance[Finals::kBust];
    outcome.lose = finals.chance[Finals::kNatural];
    for (int total = 16; total <= 21; ++total) {
        const double chance = finals.chance[total - 16];
        if (total < player_total) {
            outcome.win += chance;
        } else if (total == player_total) {
            outcome.push += chance;
        } else {
            outcome.lose += chance;
        }
    }
    return outcome;
}

Outcome stand_plainly(Walk& walk, Integer player_total) {
    return settle_plainly(banco_finals(walk, dealer_stop(walk.rule, player_total), true),
                          player_total);
}

// How much of a bust is a loss. Under PEEK only the deals with no natural in
// the hole count: the hole card is any card that the busted hand leaves.
double bust_loss(const Walk& walk, int busting_value) {
    if (walk.hole != HoleCase::peek) {
        return 1.0;
    }
    const int left = walk.cards - 1;
    const int naturals =
        walk.shoe[walk.natural_card] - (busting_value == walk.natural_card ? 1 : 0);
    return left > 0 ? 1.0 - static_cast<double>(naturals) / left : 1.0;
}

Walked walk_player(Walk& walk, Integer total, Integer soft) {
    const auto play = [&] {
        Walked walked;
        walked.stand = stand_plainly(walk, total);
        std::array<Outcome, kThresholds> drawn{};
        deal_each_value(
            walk, total, soft,
            [&](int value, double chance) {
                const double lost = chance * bust_loss(walk, value);
                walked.hit.lose += lost;
                for (Outcome& row : drawn) {
                    row.lose += lost;
                }
            },
            [&](int, double chance, Integer next_total, Integer next_soft) {
                if (walk.gave_up()) {
                    return;
                }
                const Walked next = walk_player(walk, next_total, next_soft);
                add_share(walked.hit, next.best, chance);
                for (int row = 0; row < kThresholds; ++row) {
                    add_share(drawn[row], next.rows[row], chance);
                }
            });
        for (int row = 0; row < kThresholds; ++row) {
            walked.rows[row] = total >= row + kLowestThreshold ? walked.stand : drawn[row];
        }
        walked.best = walked.hit.ev() > walked.stand.ev() + kTie ? walked.hit : walked.stand;
        return walked;
    };
    return at_position(walk, &Memory::player,
                       position_of(walk.shoe, total, soft, dealer_stop(walk.rule, total), false),
                       play);
}

// One card, then standing: per unit of the doubled stake.
Outcome double_plainly(Walk& walk, Integer total, Integer soft) {
    Outcome doubled;
    deal_each_value(
        walk, total, soft,
        [&](int value, double chance) { doubled.lose += chance * bust_loss(walk, value); },
        [&](int, double chance, Integer next_total, Integer) {
            add_share(doubled, stand_plainly(walk, next_total), chance);
        });
    return doubled;
}

// The chance to bust drawing while below the threshold.
double busts_plainly(Walk& walk, Integer total, Integer soft) {
    const auto draw = [&] {
        double busts = 0;
        deal_each_value(
            walk, total, soft, [&](int, double chance) { busts += chance; },
            [&](int, double chance, Integer next_total, Integer next_soft) {
                if (next_total < walk.stand_at) {
                    busts += chance * busts_plainly(walk, next_total, next_soft);
                }
            });
        return busts;
    };
    return at_position(walk, &Memory::busts,
                       position_of(walk.shoe, total, soft, DealerStop::from_17, false), draw);
}

struct SplitChoice {
    Play play;
    double ev;  // per unit of the hand's own stake
};

// A split hand on its two cards played its best way, the walk holding the
// shoe those cards leave. Its 21 is no natural; split aces stand on two
// cards unless the rules let them hit.
SplitChoice split_hand_choice(Walk& walk, const TableRules& rules, Integer pair, Integer second) {
    Integer total = 0;
    Integer soft = 0;
    add_card(total, soft, pair);
    add_card(total, soft, second);
    if (pair == kAce && !rules.hit_split_aces) {
        return {Play::stand, stand_plainly(walk, total).ev()};
    }
    const Walked walked = walk_player(walk, total, soft);
    SplitChoice choice{Play::stand, walked.stand.ev()};
    if (walked.hit.ev() > choice.ev + kTie) {
        choice = {Play::hit, walked.hit.ev()};
    }
    if (rules.double_after_split && may_double(rules, total, soft != 0)) {
        const double doubled = 2.0 * double_plainly(walk, total, soft).ev();
        if (doubled > choice.ev + kTie) {
            choice = {Play::double_down, doubled};
        }
    }
    return choice;
}

// The published per-hand method. Every hand starts with one pair card and
// takes its second card from the shoe less the pair cards dealt as second
// cards so far (k of them); the other cards of the other hands are not
// counted. A hand dealt a pair card splits again while the rules allow.
double split_plainly(Walk& walk, const TableRules& rules, Integer pair) {
    const DeckCounts shoe = walk.shoe;
    const int cards = walk.cards;
    const int hands_allowed = rules.splits + 1;
    const bool pair_resplits = pair != kAce || rules.resplit_aces;
    // Every resplit adds one hand and one pair card out, so after k of them
    // there are k + 2 hands.
    const auto resplits = [&](int k) { return pair_resplits && k + 2 < hands_allowed; };

    // The hands' worth dealt a second card that ends the splitting, and the
    // chance of a pair card, for each k the splitting can reach.
    std::vector<double> ended;
    std::vector<double> pair_chance;
    for (int k = 0; k <= shoe[pair] && !walk.gave_up(); ++k) {
        DeckCounts less = shoe;
        less[pair] -= k;
        place_shoe(walk, less);
        double worth = 0;
        for (int second = 1; second <= 10; ++second) {
            if (less[second] < 1 || (second == pair && resplits(k))) {
                continue;
            }
            const double chance = static_cast<double>(less[second]) / walk.cards;
            --walk.shoe[second];
            --walk.cards;
            worth += chance * split_hand_choice(walk, rules, pair, static_cast<Integer>(second)).ev;
            ++walk.cards;
            ++walk.shoe[second];
        }
        ended.push_back(worth);
        pair_chance.push_back(static_cast<double>(less[pair]) / walk.cards);
        if (!resplits(k)) {
            break;
        }
    }
    walk.shoe = shoe;
    walk.cards = cards;
    if (walk.gave_up()) {
        return 0;
    }

    // The worth of `waiting` hands that still want a second card, k pair
    // cards out.
    const auto hands_worth = [&](const auto& self, int waiting, int k) -> double {
        if (waiting == 0) {
            return 0;
        }
        if (!resplits(k)) {
            return ended[k] + self(self, waiting - 1, k);
        }
        const double q = pair_chance[k];
        const double resplit = q > 0 ? q * self(self, waiting + 1, k + 1) : 0.0;
        return ended[k] + resplit + (1.0 - q) * self(self, waiting - 1, k);
    };
    return hands_worth(hands_worth, 2, 0);
}

// How many hands the player can draw to, every order counted apart: the
// walk without memory deals the dealer's hand out afresh behind each.
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

DealerChances dealer_view(const Finals& finals, int player_total) {
    const Outcome player = settle_plainly(finals, player_total);
    return {.wins = player.lose,
            .push = player.push,
            .loses = player.win - finals.chance[Finals::kBust],
            .busts = finals.chance[Finals::kBust]};
}

Outcome scaled(Outcome outcome, double by) {
    outcome.win *= by;
    outcome.push *= by;
    outcome.lose *= by;
    return outcome;
}

// The best threshold and the advice: the highest EV, ties to the plainer
// choice.
void choose_plainly(HandAnalysis& analysis, const Outcome& stand, const std::optional<Outcome>& hit,
                    const std::optional<Outcome>& doubled) {
    analysis.best_stand_at = kLowestThreshold;
    for (int threshold = kLowestThreshold + 1; threshold <= kHighestThreshold; ++threshold) {
        if (analysis.row(threshold).ev() > analysis.row(analysis.best_stand_at).ev() + kTie) {
            analysis.best_stand_at = threshold;
        }
    }
    analysis.stand_ev = stand.ev();
    if (hit) {
        analysis.hit_ev = hit->ev();
    }
    if (doubled) {
        analysis.double_ev = 2.0 * doubled->ev();
    }
    const std::array<std::pair<Play, std::optional<double>>, 5> plays{{
        {Play::stand, analysis.stand_ev},
        {Play::hit, analysis.hit_ev},
        {Play::double_down, analysis.double_ev},
        {Play::split, analysis.split_ev},
        {Play::surrender, analysis.surrender_ev},
    }};
    double best_ev = analysis.stand_ev;
    analysis.advice = Play::stand;
    for (const auto& [play, ev] : plays) {
        if (ev && *ev > best_ev + kTie) {
            best_ev = *ev;
            analysis.advice = play;
        }
    }
    switch (analysis.advice) {
        case Play::stand:
            analysis.advice_outcome = stand;
            break;
        case Play::hit:
            analysis.advice_outcome = hit;
            break;
        case Play::double_down:
            analysis.advice_outcome = doubled;
            break;
        case Play::split:
        case Play::surrender:
            analysis.advice_outcome.reset();
            break;
    }
}

// A round that is over before the player plays: a natural on either side.
void settle_at_once(HandAnalysis& analysis, const Outcome& ended) {
    analysis.stand_at.fill(ended);
    analysis.best_stand_at = kLowestThreshold;
    analysis.stand_ev = ended.ev();
    analysis.advice = Play::stand;
    analysis.advice_outcome = ended;
}

}  // namespace

std::optional<HandAnalysis> analyse_plainly(const Table& table, const PlainWalk& how) {
    const TableRules& rules = table.rules;
    Walk walk = walk_for(table, how);
    place_shoe(walk, table.shoe);
    Integer total = 0;
    Integer soft = 0;
    for (const Integer value : table.player) {
        add_card(total, soft, value);
    }
    const bool two_cards = table.player.size() == 2;
    const bool natural = casino_dealer(rules) && two_cards && total == 21;
    const bool dealer_natural =
        casino_dealer(rules) && table.banco.size() == 2 && walk.banco_total == 21;
    const bool pair = two_cards && table.player[0] == table.player[1];
    const bool splits = pair && rules.splits >= 1 && !natural && !dealer_natural;
    const double hole_natural =
        walk.hole == HoleCase::none
            ? 0.0
            : static_cast<double>(table.shoe[walk.natural_card]) / walk.cards;

    // Without memory, a table too big for the walk is known before it
    // starts: the dealer's hand dealt once, times the player's hands. The
    // hands of a split are left to the count as the walk goes, which gives
    // up at the first hand past the limit: counted ahead they would be
    // overrated many times, the dealer having far fewer cards to draw
    // behind them.
    if (!walk.memory && !natural && !dealer_natural) {
        banco_finals(walk, dealer_stop(rules.dealer, 21), true);
        DeckCounts shoe = table.shoe;
        if (walk.dealer_cards * player_orders(shoe, total, soft) > how.dealer_cards_limit) {
            return std::nullopt;
        }
    }

    HandAnalysis analysis;
    analysis.dealer_now =
        dealer_view(banco_finals(walk, dealer_stop(rules.dealer, total), false), total);
    const double busts = busts_plainly(walk, total, soft);
    analysis.player_draw = {.stands = 1.0 - busts, .busts = busts};
    analysis.natural = natural;
    analysis.dealer_natural = dealer_natural;
    analysis.no_dealer_blackjack = walk.hole == HoleCase::peek;
    if (casino_dealer(rules) && table.banco.size() == 1 && table.banco[0] == kAce) {
        analysis.insurance_ev = 3.0 * table.shoe[10] / walk.cards - 1.0;
    }

    if (dealer_natural || natural) {
        Outcome ended;
        if (natural) {
            ended.pays = natural_payout(rules);
            ended.push = walk.hole == HoleCase::enhc ? hole_natural : 0.0;
        }
        if (dealer_natural) {
            (natural ? ended.push : ended.lose) = 1.0;
        } else {
            ended.win = 1.0 - ended.push;
        }
        settle_at_once(analysis, ended);
        return analysis;
    }

    const Walked walked = walk_player(walk, total, soft);
    std::optional<Outcome> doubled;
    if (two_cards && may_double(rules, total, soft != 0)) {
        doubled = double_plainly(walk, total, soft);
    }
    if (splits) {
        analysis.split_ev = split_plainly(walk, rules, table.player[0]);
    }
    if (rules.surrender && two_cards) {
        // Under ENHC the dealer's natural takes the whole stake before the
        // player may give up half.
        const double taken = walk.hole == HoleCase::enhc ? hole_natural : 0.0;
        analysis.surrender_ev = -0.5 * (1.0 - taken) - taken;
    }
    if (walk.gave_up()) {
        return std::nullopt;
    }

    // Under PEEK the walk counted only the deals with no natural in the
    // hole; their share of all deals turns the counts into chances given
    // that the dealer has none.
    const double given = walk.hole == HoleCase::peek ? 1.0 / (1.0 - hole_natural) : 1.0;
    for (int row = 0; row < kThresholds; ++row) {
        analysis.stand_at[row] = scaled(walked.rows[row], given);
    }
    if (analysis.split_ev) {
        *analysis.split_ev *= given;
    }
    choose_plainly(analysis, scaled(walked.stand, given), scaled(walked.hit, given),
                   doubled ? std::optional<Outcome>(scaled(*doubled, given)) : std::nullopt);
    return analysis;
}

struct PlainSplitPlays::State {
    Walk walk;
    TableRules rules;
};

PlainSplitPlays::PlainSplitPlays(const Table& table)
    : state_(std::make_unique<State>(
          State{walk_for(table, {.memory = PlainMemory::by_position}), table.rules})) {}

PlainSplitPlays::~PlainSplitPlays() = default;

Play PlainSplitPlays::on_two_cards(const DeckCounts& shoe, Integer pair, Integer second) {
    place_shoe(state_->walk, shoe);
    return split_hand_choice(state_->walk, state_->rules, pair, second).play;
}

Play PlainSplitPlays::after_drawing(const DeckCounts& shoe, Integer total, Integer soft) {
    place_shoe(state_->walk, shoe);
    const Walked walked = walk_player(state_->walk, total, soft);
    return walked.hit.ev() > walked.stand.ev() + kTie ? Play::hit : Play::stand;
}

}  // namespace tavolix::analysis
