// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// How far the per-hand split method is from a real table. The method plays
// each hand of a split from the shoe less the pair cards dealt so far, as if
// the other hands' cards were still in it. A real table deals every hand's
// cards, and then the dealer's, from the one shoe. Here both hands play the
// same way, by the method's own per-hand decisions, so the difference is the
// method's bias alone: the cards of the other hands it leaves in the shoe.
// The second moment's difference also holds what its cross terms suppose:
// the hands independent once the dealer's final is known.
//
//   tavolix_split_bias [--rounds N] [--seed N]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "analysis/hand_analysis.h"
#include "analysis/plain_analysis.h"
#include "core/hand_total.h"
#include "core/table_rules.h"
#include "simulated_play.h"

namespace tavolix {
namespace {

using analysis::Play;
using analysis::Table;
using analysis::simulated::Cards;
using analysis::simulated::Hand;
using analysis::simulated::SplitPlays;

struct SplitHand {
    Hand cards;
    double stake = 1.0;
};

// One round at a real table: a hole card dealt before the player plays
// (PEEK) or after (ENHC), the split hands dealt in turn from the shoe, then
// the dealer from what is left. The hands decide by their own positions in
// the method's count of the shoe. Nothing counted for a deal in which the
// dealer, having peeked, turns up a natural: the method is given none.
std::optional<double> play_round(const Table& table, SplitPlays& plays, std::mt19937_64& random) {
    const TableRules& rules = table.rules;
    const Integer up = table.banco[0];
    const Integer pair = table.player[0];
    const bool hole_case = up == kAce || up == 10;
    const Integer natural_card = up == kAce ? 10 : kAce;
    const bool peek = rules.hole_card == HoleCard::peek;
    Cards shoe(table.shoe);
    Integer hole = 0;
    if (peek) {
        hole = shoe.draw(random);
        if (hole_case && hole == natural_card) {
            return std::nullopt;
        }
    }

    const bool pair_resplits = pair != kAce || rules.resplit_aces;
    std::vector<SplitHand> hands;
    int waiting = 2;
    int pairs_out = 0;
    while (waiting > 0) {
        Integer second = shoe.draw(random);
        while (second == pair && pair_resplits && pairs_out + 2 < rules.splits + 1) {
            ++pairs_out;
            ++waiting;
            second = shoe.draw(random);
        }
        --waiting;
        // The hand's position as the method counts it.
        DeckCounts counted = table.shoe;
        counted[pair] -= pairs_out;
        --counted[second];
        SplitHand hand;
        hand.cards.take(pair);
        hand.cards.take(second);
        const Play first = plays.on_two_cards(counted, pair, second);
        if (first == Play::double_down) {
            hand.stake = 2.0;
            hand.cards.take(shoe.draw(random));
        } else if (first == Play::hit) {
            do {
                const Integer card = shoe.draw(random);
                --counted[card];
                hand.cards.take(card);
            } while (hand.cards.total <= 21 &&
                     plays.after_drawing(counted, hand.cards.total, hand.cards.soft) == Play::hit);
        }
        hands.push_back(hand);
    }

    if (!peek) {
        hole = shoe.draw(random);
    }
    double worth = 0;
    if (hole_case && hole == natural_card) {
        for (const SplitHand& hand : hands) {
            worth -= hand.stake;
        }
        return worth;
    }
    Hand dealer;
    dealer.take(up);
    dealer.take(hole);
    // A casino dealer's stop does not depend on the player's total.
    const int dealer_total =
        analysis::simulated::dealer_final(rules.dealer, 21, dealer, shoe, random);
    for (const SplitHand& hand : hands) {
        worth += hand.cards.total > 21
                     ? -hand.stake
                     : hand.stake * analysis::simulated::settle(hand.cards.total, dealer_total);
    }
    return worth;
}

// A casino dealer's: one dealer hand plays against every split hand, which
// the window's own dealer, whose rule on 16 depends on the player's total,
// cannot.
struct BiasCase {
    const char* rules;
    int decks;
    int pair;
    int up;
};

Table table_of(const BiasCase& given, const TableRules& rules) {
    Table table;
    table.banco = {static_cast<Integer>(given.up)};
    table.player = {static_cast<Integer>(given.pair), static_cast<Integer>(given.pair)};
    for (int value = 1; value <= 10; ++value) {
        table.shoe[value] = given.decks * (value == 10 ? 16 : 4);
    }
    --table.shoe[given.up];
    table.shoe[given.pair] -= 2;
    table.rules = rules;
    return table;
}

std::string face(int value) {
    return value == 1 ? "A" : std::to_string(value);
}

long long number_after(int& i, int argc, char** argv) {
    if (i + 1 >= argc) {
        std::fprintf(stderr, "tavolix_split_bias: %s needs a number\n", argv[i]);
        std::exit(2);
    }
    char* end = nullptr;
    const long long number = std::strtoll(argv[++i], &end, 10);
    if (*end != '\0' || number < 1) {
        std::fprintf(stderr, "tavolix_split_bias: %s wants a positive number, not \"%s\"\n",
                     argv[i - 1], argv[i]);
        std::exit(2);
    }
    return number;
}

}  // namespace
}  // namespace tavolix

int main(int argc, char** argv) {
    using namespace tavolix;
    long long rounds = 4'000'000;
    unsigned long long seed = 20260613;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0) {
            rounds = number_after(i, argc, argv);
        } else if (std::strcmp(argv[i], "--seed") == 0) {
            seed = static_cast<unsigned long long>(number_after(i, argc, argv));
        } else {
            std::fprintf(stderr, "usage: tavolix_split_bias [--rounds N] [--seed N]\n");
            return 2;
        }
    }

    const std::vector<BiasCase> cases = {
        {"S17 DAS", 1, 8, 6},      {"S17 DAS", 6, 8, 6},      {"S17 DAS", 1, 8, 10},
        {"S17 DAS", 6, 8, 10},     {"S17 DAS", 1, 1, 6},      {"S17 DAS", 6, 1, 6},
        {"S17 DAS", 1, 9, 9},      {"S17 DAS", 6, 9, 9},      {"S17 DAS", 1, 2, 7},
        {"S17 DAS", 6, 2, 7},      {"S17 DAS", 1, 10, 6},     {"S17 DAS", 6, 10, 6},
        {"S17 DAS SPL1", 1, 8, 6}, {"S17 DAS SPL1", 6, 8, 6},
    };
    std::printf(
        "Split EV and E[X^2] per unit of the first stake: the per-hand method against a\n"
        "table that deals every hand from the one shoe, both playing the method's per-hand\n"
        "decisions; %lld rounds a row, seed %llu, the error one standard error.\n\n",
        rounds, seed);
    std::printf("%-13s %5s  %-9s %8s  %-18s %10s   %8s  %-18s %10s\n", "rules", "decks", "hand",
                "method", "one shoe", "difference", "E[X^2]", "one shoe", "difference");
    for (const BiasCase& given : cases) {
        const TableRules rules = std::get<TableRules>(parse_rules(given.rules));
        const Table table = table_of(given, rules);
        const auto method =
            analysis::analyse_plainly(table, {.memory = analysis::PlainMemory::by_position});
        SplitPlays plays(table);
        std::mt19937_64 random(seed);
        double sum = 0;
        double squares = 0;
        double fourths = 0;
        long long kept = 0;
        for (long long round = 0; round < rounds; ++round) {
            if (const auto worth = play_round(table, plays, random)) {
                sum += *worth;
                squares += *worth * *worth;
                fourths += *worth * *worth * *worth * *worth;
                ++kept;
            }
        }
        const double mean = sum / static_cast<double>(kept);
        const double error = std::sqrt((squares / static_cast<double>(kept) - mean * mean) /
                                       static_cast<double>(kept));
        const std::string hand = face(given.pair) + "," + face(given.pair) + " v " + face(given.up);
        std::printf("%-13s %5d  %-9s %+8.4f  %+8.4f +- %.4f %+10.4f", rules_text(rules).c_str(),
                    given.decks, hand.c_str(), method->split_ev.value(), mean, error,
                    mean - method->split_ev.value());
        // The exact engine has the split's second moment where it advises
        // the split.
        const analysis::HandAnalysis exact = analysis::analyse(table);
        const double square = squares / static_cast<double>(kept);
        const double square_error = std::sqrt(
            (fourths / static_cast<double>(kept) - square * square) / static_cast<double>(kept));
        if (exact.advice == Play::split) {
            std::printf("   %8.4f  %8.4f +- %.4f %+10.4f\n", exact.advice_second_moment, square,
                        square_error, square - exact.advice_second_moment);
        } else {
            std::printf("   %8s  %8.4f +- %.4f\n", "-", square, square_error);
        }
        std::fflush(stdout);
    }
    return 0;
}
