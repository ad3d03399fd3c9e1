// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "cli/sim_options.h"
#include "model/simulation_session.h"
#include "simulation/checkpoint.h"
#include "simulation/figures.h"
#include "simulation/prepared_strategies.h"
#include "simulation/run.h"
#include "simulation/table_round.h"
#include "strategy/round.h"
#include "table_fixtures.h"

namespace tavolix::simulation {
namespace {

TableRules rules_of(std::string_view text) {
    return std::get<TableRules>(parse_rules(text));
}

Game game_of(const SimulationOptions& options, PreparedStrategies* known = nullptr) {
    auto game = prepare_game(options, {}, known);
    if (auto* error = std::get_if<std::string>(&game)) {
        ADD_FAILURE() << *error;
    }
    return std::get<Game>(std::move(game));
}

Figures simulate(const SimulationOptions& options, unsigned threads) {
    const Game game = game_of(options);
    RunState state = fresh_state(options);
    EXPECT_TRUE(run(game, threads, state));
    return figures_of(state.sums, std::nullopt, std::nullopt);
}

// Flat bets from a fresh shoe every round, each hand played as the exact
// analysis of the full shoe plays it: the advantage is the round's EV. With
// splits the exact EV is CDP1's, each split hand playing best for its cards
// with both pair cards gone, where the simulator plays a split hand by the
// chart of initial hands, as CDZ- does; the two strategies' values of a
// split differ by far less than the per-hand method's largest error, 0.014
// of the first stake (10,10 against a 6 at one deck), which each split may
// still move the advantage by.
constexpr double kSplitBias = 0.014;

struct ExactCase {
    int decks;
    const char* rules;
};

class AgainstExactRound : public ::testing::TestWithParam<ExactCase> {};

TEST_P(AgainstExactRound, advantage_is_the_round_ev_within_four_errors) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "millions of rounds: checked outside the sanitizers";
    }
    const ExactCase& c = GetParam();
    SimulationOptions options{.rules = rules_of(c.rules),
                              .decks = c.decks,
                              .penetration = 0,
                              .play = PlayStyle::composition,
                              .rounds = 4'000'000,
                              .seed = 29};
    const auto exact = strategy::compute_strategy(strategy::full_shoe(c.decks), options.rules);
    ASSERT_TRUE(exact.has_value());
    const Figures figures = simulate(options, 2);
    const double splits_per_round =
        static_cast<double>(figures.hands - figures.rounds) / static_cast<double>(figures.rounds);
    EXPECT_NEAR(figures.advantage, exact->round_ev,
                4 * figures.advantage_se + kSplitBias * splits_per_round)
        << c.rules << ", " << c.decks << " decks, " << splits_per_round << " splits a round";
    std::cout << c.rules << ", " << c.decks << " decks: simulated " << figures.advantage << " +- "
              << figures.advantage_se << ", exact " << exact->round_ev << "\n";
}

INSTANTIATE_TEST_SUITE_P(Rules, AgainstExactRound,
                         ::testing::Values(ExactCase{1, "S17 SPL0"}, ExactCase{6, "S17 SPL0"},
                                           ExactCase{1, "H17 ENHC SPL0 LS BJ6:5 D10"},
                                           ExactCase{6, "H17 ENHC SPL0 LS BJ6:5 D10"},
                                           ExactCase{1, "S17 DAS"},
                                           ExactCase{6, "H17 DAS RSA LS"}));

// Dealt to its end, a shoe is a permutation of its cards; over many
// shuffles each value comes out at a place, and a pair of values at two
// neighbouring places, as often as drawing without replacement says.
TEST(SimulationShoe, deals_every_order_as_often_as_drawing_without_replacement) {
    constexpr int kShuffles = 100'000;
    std::array<int, 11> first{};
    std::array<int, 11> last{};
    int aces_together = 0;  // the 26th and 27th cards both aces
    Shoe shoe(1, pcg32(41, 3));
    for (int shuffle = 0; shuffle < kShuffles; ++shuffle) {
        std::array<int, 11> dealt{};
        int previous = 0;
        for (int card = 0; card < 52; ++card) {
            const int value = shoe.draw();
            ++dealt[static_cast<std::size_t>(value)];
            if (card == 0) {
                ++first[static_cast<std::size_t>(value)];
            }
            if (card == 51) {
                ++last[static_cast<std::size_t>(value)];
            }
            if (card == 26 && value == 1 && previous == 1) {
                ++aces_together;
            }
            previous = value;
        }
        ASSERT_EQ(dealt, (std::array<int, 11>{0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 16})) << shuffle;
        shoe.shuffle();
    }
    const auto within_four_errors = [](int seen, double p, const char* what, int value) {
        const double expected = p * kShuffles;
        EXPECT_NEAR(seen, expected, 4 * std::sqrt(expected * (1 - p))) << what << " " << value;
    };
    for (int value = 1; value <= 10; ++value) {
        const double p = (value == 10 ? 16.0 : 4.0) / 52;
        within_four_errors(first[static_cast<std::size_t>(value)], p, "first card", value);
        within_four_errors(last[static_cast<std::size_t>(value)], p, "last card", value);
    }
    within_four_errors(aces_together, 4.0 / 52 * 3.0 / 51, "two aces together", 1);
}

// The loop's integer true count is the floor of the running count per deck
// left, negative counts included.
TEST(SimulationShoe, floors_the_true_count_as_the_plain_quotient_does) {
    for (int unseen = 1; unseen <= Shoe::kMostCards; unseen += 7) {
        for (int half_running = -300; half_running <= 300; ++half_running) {
            // One division of exact integers: correctly rounded, so exact
            // at a whole true count and far from the next one elsewhere.
            const long double plain = std::floor(static_cast<long double>(half_running * 26) /
                                                 static_cast<long double>(unseen));
            ASSERT_EQ(floored_true_count(half_running, unseen), static_cast<int>(plain))
                << half_running << " half points, " << unseen << " cards";
        }
    }
    EXPECT_EQ(floored_true_count(12, 0), 0);  // an empty shoe counts nothing
}

// The rounds are split into fixed blocks with a stream each: however many
// threads take them, the sums are the same to the last unit.
TEST(SimulationRun, same_sums_on_one_and_two_threads_and_after_a_stop) {
    const SimulationOptions options{.rules = rules_of("H17 DAS LS SPL3 RSA"),
                                    .decks = 2,
                                    .players = 3,
                                    .ramp = {{-1, 1}, {1, 2}, {3, 6}},
                                    .wong_out = -2,
                                    .rounds = 200'000,
                                    .seed = 7,
                                    .block_rounds = 20'000};
    const Game game = game_of(options);
    RunState one = fresh_state(options);
    ASSERT_TRUE(run(game, 1, one));
    RunState two = fresh_state(options);
    ASSERT_TRUE(run(game, 2, two));
    EXPECT_EQ(one.sums, two.sums);
    EXPECT_EQ(one.sums.rounds_dealt, options.rounds);
    EXPECT_LT(one.sums.rounds, options.rounds);  // some rounds wonged out

    // Stopped after three blocks, kept, read back and run to the end.
    std::stop_source stop;
    RunState part = fresh_state(options);
    EXPECT_FALSE(run(
        game, 2, part,
        [&](const RunState& now) {
            if (now.blocks_done() >= 3) {
                stop.request_stop();
            }
        },
        stop.get_token()));
    const auto path = std::filesystem::temp_directory_path() / "tavolix_simulation_test.ckpt";
    const std::string fingerprint = simulation::fingerprint(options);
    ASSERT_FALSE(save_checkpoint(path.string(), fingerprint, part));
    auto loaded = load_checkpoint(path.string(), fingerprint, blocks_of(options));
    ASSERT_TRUE(std::holds_alternative<std::optional<RunState>>(loaded));
    RunState resumed = *std::get<std::optional<RunState>>(loaded);
    EXPECT_EQ(resumed, part);
    ASSERT_TRUE(run(game, 2, resumed));
    EXPECT_EQ(resumed.sums, one.sums);
    std::filesystem::remove(path);

    // A checkpoint of other options, cut short or with a changed digit is
    // refused whole.
    const std::string text = checkpoint_text(fingerprint, part);
    SimulationOptions other = options;
    other.seed = 8;
    EXPECT_TRUE(std::holds_alternative<std::string>(read_checkpoint(
        checkpoint_text(simulation::fingerprint(other), part), fingerprint, blocks_of(options))));
    EXPECT_TRUE(std::holds_alternative<std::string>(
        read_checkpoint(text.substr(0, text.size() / 2), fingerprint, blocks_of(options))));
    std::string changed = text;
    changed[changed.find("sums ") + 5] ^= 1;
    EXPECT_TRUE(std::holds_alternative<std::string>(
        read_checkpoint(changed, fingerprint, blocks_of(options))));
    EXPECT_TRUE(std::holds_alternative<std::string>(
        read_checkpoint("not a checkpoint\n", fingerprint, blocks_of(options))));
}

// The i18 set changes the chart only where the whole index table does, in
// at most eighteen cells (insurance apart), and at every count takes there
// the index table's play; with no indices the chart is the same at every
// count and insurance is never taken.
TEST(SimulationGame, i18_takes_a_few_cells_of_the_index_table_and_none_else) {
    if (testing::kSanitized) {
        GTEST_SKIP() << "a whole index table: checked outside the sanitizers";
    }
    // One strategy and one index table serve the three games; which cells
    // the set takes does not depend on how splits are played, and the
    // per-hand method's splits make the table in half the time.
    PreparedStrategies known;
    SimulationOptions options{.rules = rules_of("S17 DAS LS PERHAND"), .decks = 6};
    const Game basic = game_of(options, &known);
    options.indices = IndexSet::i18;
    const Game i18 = game_of(options, &known);
    options.indices = IndexSet::all;
    const Game all = game_of(options, &known);

    const std::size_t per_slot = basic.chart.size() / kCountSlots;
    std::set<std::size_t> changed;
    for (std::size_t at = 0; at < basic.chart.size(); ++at) {
        EXPECT_EQ(basic.chart[at], basic.chart[at % per_slot]) << at;
        if (i18.chart[at] != basic.chart[at]) {
            EXPECT_EQ(i18.chart[at], all.chart[at]) << at;
            changed.insert(at % per_slot);
        }
    }
    EXPECT_GE(changed.size(), 10u);
    EXPECT_LE(changed.size(), 17u);
    EXPECT_EQ(basic.insurance_at, INT_MAX);
    EXPECT_EQ(i18.insurance_at, all.insurance_at);
    EXPECT_NE(i18.chart, all.chart);  // "all" changes more than the eighteen
}

// The workers an MPI rank plays its blocks on: each block given comes back
// once with the sums run_block gives it, in whatever order they finish, and
// blocks dropped before they start never come.
TEST(SimulationRun, block_workers_give_back_each_block_once_with_its_sums) {
    const SimulationOptions options{
        .rules = rules_of("S17 DAS"), .decks = 6, .rounds = 40'000, .block_rounds = 2'000};
    const Game game = game_of(options);
    std::map<std::uint64_t, BlockSums> back;
    {
        BlockWorkers workers(game, 2);
        workers.give({0, 5, 19, 7});
        while (back.size() < 4) {
            workers.wait(std::chrono::milliseconds(100));
            for (const FinishedBlock& finished : workers.take_finished()) {
                EXPECT_TRUE(back.emplace(finished.block, finished.sums).second) << finished.block;
            }
        }
        EXPECT_TRUE(workers.idle());
        workers.give({1, 2, 3});
        workers.drop_waiting();
        EXPECT_EQ(workers.waiting(), 0u);
    }
    for (const auto& [block, sums] : back) {
        EXPECT_EQ(sums, run_block(game, options.seed, block)) << block;
    }
    EXPECT_EQ(back.size(), 4u);
}

// A report's rate is of the rounds this run dealt: one resumed from a
// checkpoint with most of its rounds already dealt is not credited with them.
TEST(SimulationRun, a_resumed_run_is_timed_by_its_own_rounds) {
    const SimulationOptions options{
        .rules = rules_of("S17"), .rounds = 40'000, .block_rounds = 10'000};
    const Game game = game_of(options);
    RunState state = fresh_state(options);
    ASSERT_TRUE(run(game, 1, state));
    const SimulationRequest request{.options = options, .bankroll = 500, .threads = 2};

    const SimulationReport whole = report_of(request, state, 2.0);
    EXPECT_TRUE(whole.finished);
    EXPECT_DOUBLE_EQ(whole.seconds, 2.0);
    EXPECT_EQ(whole.figures.rounds_dealt, 40'000u);
    ASSERT_TRUE(whole.figures.risk_of_ruin.has_value());
    EXPECT_EQ(*whole.figures.risk_of_ruin,
              *simulation::figures_of(state.sums, 500.0, std::nullopt).risk_of_ruin);

    // Three blocks of four came from the checkpoint: 2 s for 10,001 rounds.
    const SimulationReport resumed = report_of(request, state, 2.0, 30'000);
    EXPECT_NEAR(resumed.seconds * 10'001 / 40'000, 2.0, 1e-12);

    state.done[2] = false;
    EXPECT_FALSE(report_of(request, state, 2.0).finished);
}

// Dealt to the last card, rounds run out of cards and go on with the
// discards; the count of cards dealt in a shoe's life stays within it.
TEST(SimulationRun, a_shoe_dealt_to_its_end_goes_on_with_the_discards) {
    const SimulationOptions options{.rules = rules_of("S17 DAS SPL3"),
                                    .decks = 1,
                                    .cut_card = 52,
                                    .players = 4,
                                    .rounds = 20'000,
                                    .seed = 3};
    const Game game = game_of(options);
    Shoe shoe(1, pcg32(5));
    int running = game.initial_half_count;
    int emptied = 0;
    for (int round = 0; round < 20'000; ++round) {
        const int before = shoe.dealt();
        play_round(game, shoe, running);
        emptied += shoe.dealt() < before ? 1 : 0;
        ASSERT_LE(shoe.dealt(), shoe.size());
        if (shoe.needs_shuffle(game.cut_card)) {
            shoe.shuffle();
            running = game.initial_half_count;
        }
    }
    EXPECT_GT(emptied, 100);
    RunState state = fresh_state(options);
    EXPECT_TRUE(run(game, 1, state));
    EXPECT_EQ(state.sums.rounds_dealt, options.rounds);
}

// A cell of the chart set by hand at every count, so that a stacked shoe
// plays the hand the case means whatever the strategy says.
struct Forced {
    int kind;
    int row;
    int up;
    std::uint8_t code;
};

struct StackCase {
    const char* name;
    const char* rules;
    std::vector<Forced> forced;
    std::vector<int> cards;  // seat's first, up, seat's second, then in order
    int money;               // tenths of the bet
    int hands;
};

class StackedShoe : public ::testing::TestWithParam<StackCase> {};

TEST_P(StackedShoe, pays_the_round_and_deals_only_the_cards_it_needs) {
    const StackCase& c = GetParam();
    static std::map<std::string, Game> games;
    if (!games.contains(c.rules)) {
        games.emplace(c.rules, game_of({.rules = rules_of(c.rules), .decks = 2}));
    }
    Game game = games.at(c.rules);
    for (const Forced& cell : c.forced) {
        for (int slot = 0; slot < kCountSlots; ++slot) {
            game.chart[static_cast<std::size_t>(((slot * 3 + cell.kind) * kRows + cell.row) * kUps +
                                                cell.up)] = cell.code;
        }
    }
    Shoe shoe(2, pcg32(3));
    ASSERT_TRUE(shoe.stack(c.cards));
    int running = game.initial_half_count;
    const RoundMoney money = play_round(game, shoe, running);
    EXPECT_EQ(money.money, c.money) << c.name;
    EXPECT_EQ(money.hands, c.hands) << c.name;
    EXPECT_EQ(shoe.dealt(), static_cast<int>(c.cards.size())) << c.name;
}

constexpr const char* kPeek = "S17 DAS LS SPL3";
constexpr const char* kEnhc = "S17 ENHC DAS LS SPL3";
const Forced kDouble11{kHard, 11, 10, kDouble | kHitsInstead};
const Forced kDouble11v6{kHard, 11, 6, kDouble | kHitsInstead};
const Forced kSplit8v6{kPair, 8, 6, kSplit};
const Forced kSplit8v10{kPair, 8, 10, kSplit};
const Forced kStand18v10{kHard, 18, 10, kStand};
const Forced kStand17v10{kHard, 17, 10, kStand};
const Forced kSurrender16{kHard, 16, 10, kSurrender | kHitsInstead};
const Forced kHit16{kHard, 16, 10, kHit};

INSTANTIATE_TEST_SUITE_P(
    Payoffs, StackedShoe,
    ::testing::Values(
        StackCase{"double won", kPeek, {kDouble11v6}, {6, 6, 5, 10, 10, 10}, 20, 1},
        StackCase{"split, one hand doubled after it, both won",
                  kPeek,
                  {kSplit8v6, kDouble11v6, {kHard, 18, 6, kStand}},
                  {8, 6, 8, 10, 3, 10, 10, 10},
                  30,
                  2},
        StackCase{"surrender", kPeek, {kSurrender16}, {10, 10, 6, 7}, -5, 1},
        StackCase{"bust: the dealer draws nothing", kPeek, {kHit16}, {10, 10, 6, 7, 10}, -10, 1},
        StackCase{"natural 3:2", kPeek, {}, {1, 9, 10, 8}, 15, 1},
        StackCase{"natural 6:5", "S17 BJ6:5", {}, {1, 9, 10, 8}, 12, 1},
        StackCase{"natural 1:1", "S17 BJ1:1", {}, {10, 9, 1, 8}, 10, 1},
        StackCase{"peeked natural takes the bet, no play", kPeek, {}, {10, 1, 9, 10}, -10, 1},
        StackCase{"natural pushes a peeked natural", kPeek, {}, {10, 1, 1, 10}, 0, 1},
        StackCase{"ENHC natural takes a double", kEnhc, {kDouble11}, {6, 10, 5, 3, 1}, -20, 1},
        StackCase{"ENHC natural takes both split hands",
                  kEnhc,
                  {kSplit8v10, kStand18v10, kStand17v10},
                  {8, 10, 8, 10, 9, 1},
                  -20,
                  2},
        StackCase{"ENHC natural takes a surrendered hand whole",
                  kEnhc,
                  {kSurrender16},
                  {10, 10, 6, 1},
                  -10,
                  1},
        StackCase{"ENHC: a bust leaves the dealer without a hole card",
                  kEnhc,
                  {kHit16},
                  {10, 10, 6, 10},
                  -10,
                  1}));

// The risk of ruin of a long trip is the plain formula's; a short trip's
// is what a random walk of the same drift and spread shows.
TEST(RiskOfRuin, trip_risk_meets_the_formula_and_a_random_walk) {
    const double ev = 0.02;
    const double sd = 1.2;
    EXPECT_DOUBLE_EQ(risk_of_ruin(ev, sd, 50), std::exp(-2 * ev * 50 / (sd * sd)));
    EXPECT_EQ(risk_of_ruin(-0.01, sd, 50), 1.0);
    EXPECT_NEAR(trip_risk_of_ruin(ev, sd, 50, 1e9), risk_of_ruin(ev, sd, 50), 1e-9);
    // The bankroll for a risk is the one whose risk it is.
    for (const double risk : {0.5, 0.135, 0.01, 1e-6}) {
        ASSERT_TRUE(bankroll_for_risk(ev, sd, risk).has_value());
        EXPECT_NEAR(risk_of_ruin(ev, sd, *bankroll_for_risk(ev, sd, risk)), risk, 1e-12 * risk);
    }
    EXPECT_FALSE(bankroll_for_risk(-0.01, sd, 0.01).has_value());

    // Steps of +-1: the walk touches -B exactly, with no overshoot.
    const double p = 0.51;
    const int bankroll = 30;
    const int rounds = 900;
    const int walks = 20000;
    std::mt19937_64 random(29);
    std::bernoulli_distribution wins(p);
    int ruined = 0;
    for (int walk = 0; walk < walks; ++walk) {
        int money = 0;
        for (int round = 0; round < rounds && money > -bankroll; ++round) {
            money += wins(random) ? 1 : -1;
        }
        ruined += money <= -bankroll ? 1 : 0;
    }
    const double seen = static_cast<double>(ruined) / walks;
    const double mean = 2 * p - 1;
    const double formula = trip_risk_of_ruin(mean, std::sqrt(1 - mean * mean), bankroll, rounds);
    EXPECT_NEAR(seen, formula, 4 * std::sqrt(formula * (1 - formula) / walks));
}

double mean_of(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// The standard deviation of `values` with `lost` degrees of freedom taken
// off the count: 0 for a whole population, 1 for a sample's estimate.
double deviation_of(const std::vector<double>& values, int lost) {
    const double mean = mean_of(values);
    double squares = 0;
    for (const double value : values) {
        squares += (value - mean) * (value - mean);
    }
    return std::sqrt(squares / static_cast<double>(values.size() - static_cast<std::size_t>(lost)));
}

// The figures from the exact sums are those worked out plainly from the
// rounds themselves: means, deviations, and the advantage's error from each
// round's money less the advantage times its bet.
TEST(FiguresOf, agree_with_the_rounds_they_sum) {
    std::mt19937_64 random(11);
    const std::array<std::int64_t, 10> per_unit = {-40, -20, -10, -5, 0, 0, 10, 15, 20, 40};
    for (int trial = 0; trial < 20; ++trial) {
        BlockSums sums;
        std::vector<double> units, money;
        std::map<int, std::vector<double>> by_count;
        const int rounds = 1 + static_cast<int>(random() % 3000);
        for (int round = 0; round < rounds; ++round) {
            const int true_count = static_cast<int>(random() % 25) - 12;
            const std::int64_t bet = static_cast<std::int64_t>(random() % 13);  // 0: sat out
            const std::int64_t one_unit = per_unit[random() % per_unit.size()];
            const int slot = count_slot(true_count);
            auto& at = sums.by_count[static_cast<std::size_t>(slot)];
            ++at.rounds;
            at.money += one_unit;
            at.squares += static_cast<Uint128>(one_unit * one_unit);
            by_count[slot].push_back(one_unit / 10.0);
            ++sums.rounds_dealt;
            if (bet > 0) {
                const std::int64_t won = bet * one_unit;
                ++sums.rounds;
                sums.units += static_cast<std::uint64_t>(bet);
                sums.units_squared += static_cast<Uint128>(bet * bet);
                sums.money += won;
                sums.money_squared += static_cast<Uint128>(won * won);
                sums.money_by_units += won * bet;
                units.push_back(static_cast<double>(bet));
                money.push_back(won / 10.0);
            }
        }
        const Figures figures = figures_of(sums, 800.0, 2000);
        ASSERT_EQ(figures.rounds, units.size());
        if (units.empty()) {
            continue;
        }
        const auto n = static_cast<double>(units.size());
        const auto sd = [](const std::vector<double>& values) { return deviation_of(values, 0); };
        const double ev = mean_of(money);
        const double deviation = sd(money);
        const double advantage = ev / mean_of(units);
        double residual_squares = 0;
        for (std::size_t round = 0; round < units.size(); ++round) {
            const double residual = money[round] - advantage * units[round];
            residual_squares += residual * residual;
        }
        const double advantage_se = std::sqrt(residual_squares) / n / mean_of(units);
        const auto close = [](double value) { return 1e-9 * std::max(1.0, std::abs(value)); };
        EXPECT_NEAR(figures.ev_per_round, ev, close(ev));
        EXPECT_NEAR(figures.sd_per_round, deviation, close(deviation));
        EXPECT_NEAR(figures.ev_per_round_se, deviation / std::sqrt(n), close(deviation));
        EXPECT_NEAR(figures.advantage, advantage, close(advantage));
        EXPECT_NEAR(figures.advantage_se, advantage_se, close(advantage_se));
        EXPECT_NEAR(figures.win_rate_per_100, 100 * ev, close(100 * ev));
        EXPECT_NEAR(figures.sd_per_100, 10 * deviation, close(10 * deviation));
        if (ev != 0 && deviation > 0) {
            EXPECT_NEAR(figures.n0, deviation * deviation / (ev * ev),
                        close(deviation * deviation / (ev * ev)));
            EXPECT_NEAR(figures.score, 1e6 * ev * ev / (deviation * deviation),
                        close(1e6 * ev * ev / (deviation * deviation)));
        }
        ASSERT_TRUE(figures.risk_of_ruin && figures.trip_risk_of_ruin);
        EXPECT_NEAR(*figures.risk_of_ruin, risk_of_ruin(ev, deviation, 800), 1e-9);
        EXPECT_NEAR(*figures.trip_risk_of_ruin, trip_risk_of_ruin(ev, deviation, 800, 2000), 1e-9);
        for (const CountFigures& at : figures.true_counts) {
            const auto found = by_count.find(count_slot(at.true_count));
            ASSERT_EQ(at.rounds, found == by_count.end() ? 0u : found->second.size());
            if (at.rounds > 0) {
                EXPECT_NEAR(at.advantage, mean_of(found->second), 1e-9);
                EXPECT_NEAR(at.sd, sd(found->second), 1e-9);
            }
        }
    }
}

// The standard errors the report gives are the spread the figures really
// have: the advantage and the EV per round of a ramped game dealt to a cut
// card, run under forty seeds, scatter as the errors say (the spread of
// forty values is known to within about 11 %, so four of those).
TEST(SimulationFigures, standard_errors_are_the_spread_across_seeds) {
    constexpr int kSeeds = 40;
    std::vector<double> advantages, evs;
    double advantage_se = 0, ev_se = 0;
    const SimulationOptions options{.rules = rules_of("S17 DAS"),
                                    .decks = 2,
                                    .penetration = 0.75,
                                    .ramp = {{0, 1}, {1, 2}, {2, 4}, {3, 8}},
                                    .rounds = 50'000,
                                    .block_rounds = 5'000};
    Game game = game_of(options);
    for (int seed = 1; seed <= kSeeds; ++seed) {
        game.options.seed = static_cast<std::uint64_t>(seed);
        RunState state = fresh_state(options);
        ASSERT_TRUE(run(game, 2, state));
        const Figures figures = figures_of(state.sums, std::nullopt, std::nullopt);
        advantages.push_back(figures.advantage);
        evs.push_back(figures.ev_per_round);
        advantage_se += figures.advantage_se / kSeeds;
        ev_se += figures.ev_per_round_se / kSeeds;
    }
    const auto spread = [](const std::vector<double>& values) { return deviation_of(values, 1); };
    const double tolerance = 4 / std::sqrt(2.0 * (kSeeds - 1));
    EXPECT_NEAR(spread(advantages) / advantage_se, 1.0, tolerance);
    EXPECT_NEAR(spread(evs) / ev_se, 1.0, tolerance);
}

// Each bad option gives one line naming it.
TEST(SimOptions, refuses_bad_options_naming_the_fault) {
    const std::vector<std::pair<QStringList, std::string>> cases = {
        {{"--ramp", "1:1,x"}, "ramp"},
        {{"--ramp", "2:1,1:2"}, "rise"},
        {{"--penetration", "1.2"}, "penetration"},
        {{"--cut-card", "313"}, "cut card"},
        {{"--players", "8"}, "players"},
        {{"--decks", "1", "--players", "5"}, "players"},
        {{"--bankroll", "0"}, "bankroll"},
        {{"--bankroll", "-5"}, "bankroll"},
        {{"--trip", "100"}, "--bankroll"},
        {{"--rules", "TABLE"}, "S17 or H17"},
        {{"--play", "perfect"}, "play"},
        {{"--indices", "i18", "--play", "composition"}, "basic"},
        {{"--penetration", "0.5", "--cut-card", "100"}, "together"},
        {{"--count", "ko", "--indices", "all"}, "balanced"},
        {{"--checkpoint", "run.ckpt", "--checkpoint-every", "0.05"}, "0.1 to 86400"},
        {{"--checkpoint-every", "10"}, "needs --checkpoint"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto parsed = cli::parse_sim_arguments(QStringList{"tavolix-sim"} + arguments);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed))
            << arguments.join(' ').toStdString();
        const std::string& error = std::get<std::string>(parsed);
        EXPECT_NE(error.find(named), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    const auto good = cli::parse_sim_arguments(
        {"tavolix-sim", "--rules", "H17 DAS", "--ramp", "1:1,2:4", "--bankroll", "500"});
    ASSERT_TRUE(std::holds_alternative<cli::SimRequest>(good));
    EXPECT_EQ(std::get<cli::SimRequest>(good).options.ramp.size(), 2u);
    const auto often = cli::parse_sim_arguments(
        {"tavolix-sim", "--checkpoint", "run.ckpt", "--checkpoint-every", "0.25"});
    ASSERT_TRUE(std::holds_alternative<cli::SimRequest>(often));
    EXPECT_EQ(std::get<cli::SimRequest>(often).checkpoint_every, std::chrono::milliseconds(250));
}

}  // namespace
}  // namespace tavolix::simulation
