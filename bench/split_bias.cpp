// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Each split strategy's figures against a real table. A real table deals
// every hand's cards, and then the dealer's, from the one shoe; here its
// hands play by the strategy's own decisions, so a difference is the
// figures' own. CDZ- and CDP1 are exact, and their differences are the
// simulation's error. The per-hand method plays each hand from the shoe less
// the pair cards dealt so far, as if the other hands' cards were still in
// it: its difference is its bias. The second moment's difference also holds
// what its cross terms suppose: the hands independent once the dealer's
// final is known.
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
#include "core/table_rules.h"
#include "simulated_play.h"

namespace tavolix {
namespace {

using analysis::Play;
using analysis::Table;
using analysis::simulated::SplitPlays;

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
        "Split EV and E[X^2] per unit of the first stake by each post-split strategy,\n"
        "against a table that deals every hand from the one shoe, its hands playing the\n"
        "strategy's decisions; %lld rounds a row, seed %llu, the error one standard error.\n\n",
        rounds, seed);
    std::printf("%-13s %5s  %-9s %-8s %8s  %-18s %10s   %8s  %-18s %10s\n", "rules", "decks",
                "hand", "strategy", "figure", "one shoe", "difference", "E[X^2]", "one shoe",
                "difference");
    for (const BiasCase& given : cases) {
        for (const PostSplit strategy :
             {PostSplit::per_hand, PostSplit::cdp1, PostSplit::cdz_minus}) {
            TableRules rules = std::get<TableRules>(parse_rules(given.rules));
            rules.post_split = strategy;
            const Table table = table_of(given, rules);
            const analysis::HandAnalysis exact = analysis::analyse(table);
            SplitPlays plays(table);
            std::mt19937_64 random(seed);
            double sum = 0;
            double squares = 0;
            double fourths = 0;
            long long kept = 0;
            for (long long round = 0; round < rounds; ++round) {
                if (const auto worth =
                        analysis::simulated::play_split_at_a_table(table, plays, random)) {
                    sum += *worth;
                    squares += *worth * *worth;
                    fourths += *worth * *worth * *worth * *worth;
                    ++kept;
                }
            }
            const double mean = sum / static_cast<double>(kept);
            const double error = std::sqrt((squares / static_cast<double>(kept) - mean * mean) /
                                           static_cast<double>(kept));
            const std::string hand =
                face(given.pair) + "," + face(given.pair) + " v " + face(given.up);
            const double figure = exact.split_ev.value();
            std::printf("%-13s %5d  %-9s %-8s %+8.4f  %+8.4f +- %.4f %+10.4f",
                        rules_text(std::get<TableRules>(parse_rules(given.rules))).c_str(),
                        given.decks, hand.c_str(), post_split_token(strategy), figure, mean, error,
                        mean - figure);
            // The split's second moment is there where the analysis advises
            // the split.
            const double square = squares / static_cast<double>(kept);
            const double square_error =
                std::sqrt((fourths / static_cast<double>(kept) - square * square) /
                          static_cast<double>(kept));
            if (exact.advice == Play::split) {
                std::printf("   %8.4f  %8.4f +- %.4f %+10.4f\n", exact.advice_second_moment, square,
                            square_error, square - exact.advice_second_moment);
            } else {
                std::printf("   %8s  %8.4f +- %.4f\n", "-", square, square_error);
            }
            std::fflush(stdout);
        }
    }
    return 0;
}
