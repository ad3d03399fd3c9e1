// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli/sim_options.h"
#include "cli/sim_session.h"
#include "model/game_comparison.h"
#include "model/optimal_ramp.h"
#include "model/simulation_arguments.h"
#include "simulation/block_sums.h"
#include "simulation/ramp_choice.h"
#include "simulation/table_round.h"
#include "simulation/true_count.h"
#include "table_fixtures.h"

namespace tavolix::simulation {
namespace {

TableRules rules_of(std::string_view text) {
    return std::get<TableRules>(parse_rules(text));
}

Game game_of(const SimulationOptions& options) {
    auto game = prepare_game(options);
    if (auto* error = std::get_if<std::string>(&game)) {
        ADD_FAILURE() << *error;
    }
    return std::get<Game>(std::move(game));
}

// The optimal ramp against a plain search: for hand-made tables of
// shares, advantages and second moments, no scale on a fine grid gives
// bets of the same spread a higher DI than the one chosen, and the bets
// chosen are those of the scale given.
TEST(OptimalRamp, no_scale_on_a_fine_grid_beats_the_chosen_one) {
    struct Table {
        const char* name;
        std::vector<CountMoments> moments;
    };
    // A Hi-Lo shoe as a pilot sees it; the same with few rounds at high
    // counts and a noisy dip; a game whose edge lies in one count; and one
    // with no edge anywhere.
    const std::vector<Table> tables{
        {"hi-lo",
         {{-2, 0.30, -0.010, 1.32},
          {-1, 0.19, -0.005, 1.31},
          {0, 0.27, -0.001, 1.30},
          {1, 0.12, 0.005, 1.30},
          {2, 0.065, 0.011, 1.29},
          {3, 0.037, 0.017, 1.30},
          {4, 0.021, 0.022, 1.29},
          {5, 0.012, 0.031, 1.33},
          {6, 0.0065, 0.039, 1.35}}},
        {"noisy",
         {{-1, 0.5, -0.01, 1.3},
          {1, 0.3, 0.004, 1.2},
          {2, 0.1, 0.02, 1.25},
          {3, 0.07, 0.008, 1.4},
          {4, 0.03, 0.05, 1.1}}},
        {"one count", {{0, 0.9, -0.004, 1.3}, {3, 0.1, 0.03, 1.3}}},
        {"no edge", {{0, 0.7, -0.004, 1.3}, {1, 0.3, -0.001, 1.3}}},
    };
    for (const Table& table : tables) {
        for (const int spread : {2, 8, 12, 16, 100}) {
            const RampChoice chosen = best_ramp(table.moments, spread);
            EXPECT_EQ(chosen.units, scaled_units(table.moments, chosen.scale, spread))
                << table.name << " 1-" << spread;
            for (const int units : chosen.units) {
                EXPECT_TRUE(units >= 1 && units <= spread) << table.name;
            }
            const double best = predict(table.moments, chosen.units).di;
            EXPECT_DOUBLE_EQ(best, chosen.predicted.di);
            for (double scale = 0; scale < 20000; scale += scale < 100 ? 0.05 : 1) {
                const auto units = scaled_units(table.moments, scale, spread);
                ASSERT_LE(predict(table.moments, units).di, best + 1e-12)
                    << table.name << " 1-" << spread << " at L = " << scale;
            }
        }
    }
    // The prediction is the mixture's own mean and deviation, worked out
    // from its rounds' outcomes: two counts, one unit at the first and
    // three at the second, each round +-1 or a push.
    const std::vector<CountMoments> two{{0, 0.75, -0.1, 0.9}, {2, 0.25, 0.2, 0.8}};
    const RampPrediction p = predict(two, std::vector<int>{1, 3});
    const double ev = 0.75 * -0.1 + 0.25 * 3 * 0.2;
    const double square = 0.75 * 0.9 + 0.25 * 9 * 0.8;
    EXPECT_NEAR(p.ev, ev, 1e-15);
    EXPECT_NEAR(p.sd, std::sqrt(square - ev * ev), 1e-15);
}

// The ramp written from the bets gives them back at every count measured,
// read as --ramp reads it.
TEST(OptimalRamp, ramp_text_reads_back_as_the_bets) {
    std::mt19937 random(5);
    Game game = game_of({.rules = rules_of("S17"), .decks = 1});
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<CountMoments> moments;
        std::vector<int> units;
        for (int count = kLowestCount; count <= kHighestCount; ++count) {
            if (random() % 3 != 0) {
                moments.push_back({.true_count = count});
                units.push_back(1 + static_cast<int>(random() % (trial % 2 == 0 ? 3 : 100)));
            }
        }
        const auto parsed = parse_ramp(ramp_text(ramp_of(moments, units)));
        ASSERT_TRUE(std::holds_alternative<std::vector<RampStep>>(parsed)) << trial;
        set_ramp(game, std::get<std::vector<RampStep>>(parsed));
        for (std::size_t row = 0; row < moments.size(); ++row) {
            EXPECT_EQ(game.units[static_cast<std::size_t>(count_slot(moments[row].true_count))],
                      units[row])
                << trial << ": " << ramp_text(game.options.ramp);
        }
    }
}

// Each reckoning of the true count against the plain formula: the running
// count over the decks left, exact or rounded to the nearest step (a half
// step up, never below one step), then floored, truncated or rounded half
// away from zero.
TEST(TrueCount, each_reckoning_is_the_plain_formula) {
    const std::array<std::pair<TcDecks, long double>, 4> steps{
        {{TcDecks::exact, 0}, {TcDecks::quarter, 0.25}, {TcDecks::half, 0.5}, {TcDecks::full, 1}}};
    for (const auto& [decks, step] : steps) {
        for (const TcDivision division :
             {TcDivision::floor, TcDivision::truncate, TcDivision::round}) {
            for (int unseen = 0; unseen <= kMostDecks * 52; unseen += unseen < 60 ? 1 : 5) {
                // The decks left, in cards.
                long double left = unseen;
                if (step > 0) {
                    left = 52 * std::max(step, std::floor(unseen / 52.0L / step + 0.5L) * step);
                }
                for (int half_running = -200; half_running <= 200; ++half_running) {
                    int plain = 0;
                    if (left > 0) {
                        // One division of whole numbers: correctly rounded,
                        // so exact at a whole or half true count and far
                        // from it elsewhere.
                        const long double quotient = half_running * 26.0L / left;
                        plain = static_cast<int>(
                            division == TcDivision::floor      ? std::floor(quotient)
                            : division == TcDivision::truncate ? std::trunc(quotient)
                                                               : std::round(quotient));
                    }
                    ASSERT_EQ(
                        divided_true_count(half_running, reckoned_cards(unseen, decks), division),
                        plain)
                        << tc_decks_name(decks) << " " << tc_division_name(division) << ", "
                        << half_running << " half points, " << unseen << " cards";
                }
            }
        }
    }
}

// A back-counter who enters at +2 and leaves below 0, against the plain
// rule applied to each shoe's true counts afterwards: the same rounds bet,
// the first of each shoe at +2 or more and none below 0, with a half-deck
// estimate and truncation read by the bets as by the play.
TEST(BackCount, enters_at_in_leaves_below_out_and_plays_as_the_plain_rule) {
    SimulationOptions options{.rules = rules_of("S17 DAS LS"),
                              .decks = 6,
                              .ramp = {{2, 1}, {3, 2}, {4, 4}},
                              .back_count = BackCount{2, 0},
                              .tc_decks = TcDecks::half,
                              .tc_division = TcDivision::truncate,
                              .rounds = 30'000,
                              .block_rounds = 10'000};
    const Game game = game_of(options);
    BlockSums all;
    std::uint64_t bet = 0;
    std::uint64_t units = 0;
    std::int64_t money = 0;
    int shoes_played = 0;
    for (std::uint64_t block = 0; block < blocks_of(options); ++block) {
        all += run_block(game, options.seed, block);
        Shoe shoe(options.decks, pcg32(options.seed, block));
        int running = game.initial_half_count;
        std::vector<std::pair<int, int>> shoe_rounds;  // true count, money
        const auto settle = [&] {
            bool seated = false;
            bool first = true;
            for (const auto& [true_count, won] : shoe_rounds) {
                if (!seated && first && true_count >= 2) {
                    seated = true;
                    first = false;
                    ++shoes_played;
                } else if (seated && true_count < 0) {
                    break;
                }
                if (seated) {
                    const int unit = game.units[static_cast<std::size_t>(count_slot(true_count))];
                    ++bet;
                    units += static_cast<std::uint64_t>(unit);
                    money += static_cast<std::int64_t>(unit) * won;
                }
            }
            shoe_rounds.clear();
        };
        for (std::uint64_t round = 0; round < rounds_in_block(options, block); ++round) {
            const int true_count = game.true_count(running, shoe.unseen());
            shoe_rounds.emplace_back(true_count, play_round(game, shoe, running).money);
            if (shoe.needs_shuffle(game.cut_card)) {
                shoe.shuffle();
                running = game.initial_half_count;
                settle();
            }
        }
        settle();
    }
    EXPECT_EQ(all.rounds, bet);
    EXPECT_EQ(all.units, units);
    EXPECT_EQ(all.money, money);
    EXPECT_LT(all.rounds, all.rounds_dealt);
    EXPECT_GT(shoes_played, 20);

    // Summed by count over the rounds bet only, as the pilot sums them: no
    // round below 0, and exactly the rounds bet.
    Game measured = game;
    measured.counts_bet_rounds_only = true;
    const BlockSums bet_only = run_block(measured, options.seed, 0);
    std::uint64_t counted = 0;
    for (int slot = 0; slot < kCountSlots; ++slot) {
        const std::uint64_t rounds = bet_only.by_count[static_cast<std::size_t>(slot)].rounds;
        counted += rounds;
        if (slot + kLowestCount < 0) {
            EXPECT_EQ(rounds, 0u) << slot + kLowestCount;
        }
    }
    EXPECT_EQ(counted, bet_only.rounds);
    EXPECT_EQ(bet_only.rounds, run_block(game, options.seed, 0).rounds);
}

cli::SimRequest sim_request(QStringList arguments) {
    arguments.prepend(QStringLiteral("tavolix-sim"));
    auto parsed = cli::parse_sim_arguments(arguments);
    EXPECT_TRUE(std::holds_alternative<cli::SimRequest>(parsed))
        << arguments.join(' ').toStdString() << ": "
        << (std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "");
    return std::get<cli::SimRequest>(std::move(parsed));
}

// What tavolix-sim writes for the arguments, and its exit status.
std::pair<int, std::string> sim_output(const QStringList& arguments, std::string* err = nullptr) {
    std::ostringstream out;
    std::ostringstream errors;
    const int status =
        cli::run_simulation(sim_request(arguments), out, errors, false, std::stop_token{});
    if (err != nullptr) {
        *err = errors.str();
    }
    return {status, out.str()};
}

// The figures of a JSON report, its timings left out.
QJsonObject figures_of_json(QJsonObject object) {
    for (const char* timing : {"seconds", "rounds_per_second", "threads", "game"}) {
        object.remove(QLatin1String(timing));
    }
    return object;
}

// --ramp optimal plays exactly the run of the ramp it chose, and --compare
// gives each game's row exactly its single run's figures, ranked by SCORE,
// its JSON in the table's order.
TEST(SimulationPlan, optimal_ramp_and_compare_rows_are_their_single_runs) {
    const QStringList common{"--rounds", "60000",  "--seed",     "11", "--threads",
                             "2",        "--json", "--bankroll", "800"};
    const auto [status, optimal] =
        sim_output(common + QStringList{"--decks", "2", "--rules", "H17 DAS", "--ramp", "optimal",
                                        "--spread", "8", "--pilot-rounds", "40000"});
    ASSERT_EQ(status, 0);
    const QJsonObject chosen = QJsonDocument::fromJson(QByteArray::fromStdString(optimal)).object();
    const QString ramp = chosen[QStringLiteral("ramp_chosen")].toString();
    EXPECT_EQ(chosen[QStringLiteral("pilot")][QStringLiteral("rounds")].toInt(), 40000);
    EXPECT_GT(chosen[QStringLiteral("scale")].toDouble(), 0);
    const auto [ramp_status, ramped] =
        sim_output(common + QStringList{"--decks", "2", "--rules", "H17 DAS", "--ramp", ramp});
    ASSERT_EQ(ramp_status, 0);
    QJsonObject without_pilot = figures_of_json(chosen);
    for (const char* key : {"ramp_chosen", "spread", "scale", "pilot"}) {
        without_pilot.remove(QLatin1String(key));
    }
    EXPECT_EQ(without_pilot,
              figures_of_json(QJsonDocument::fromJson(QByteArray::fromStdString(ramped)).object()))
        << ramp.toStdString();

    const std::vector<QStringList> lines{
        {"--decks", "1", "--rules", "S17 DAS", "--ramp", "1:1,2:4", "--penetration", "0.7"},
        {"--decks", "6", "--rules", "H17 DAS LS", "--back-count", "1:-1", "--ramp", "1:1,3:8",
         "--rounds-per-hour", "180"},
        {"--decks", "2", "--rules", "H17 DAS", "--ramp", "optimal", "--spread", "8",
         "--pilot-rounds", "40000"},
        {"--decks", "8", "--rules", "S17", "--tc-decks", "half", "--tc-division", "truncate"},
    };
    const auto path = std::filesystem::temp_directory_path() / "tavolix_compare_test.txt";
    {
        std::ofstream file(path);
        file << "# four games\n\n";
        for (const QStringList& line : lines) {
            for (const QString& word : line) {
                file << (word.contains(' ') ? "\"" + word.toStdString() + "\"" : word.toStdString())
                     << ' ';
            }
            file << "\n";
        }
    }
    std::string progress;
    const auto [compare_status, compared] = sim_output(
        common + QStringList{"--compare", QString::fromStdString(path.string())}, &progress);
    std::filesystem::remove(path);
    ASSERT_EQ(compare_status, 0) << progress;
    EXPECT_NE(progress.find("game 4 of 4"), std::string::npos) << progress;
    const QJsonArray games = QJsonDocument::fromJson(QByteArray::fromStdString(compared)).array();
    ASSERT_EQ(games.size(), 4);
    std::vector<double> scores;
    for (const QJsonValue& game : games) {
        const QJsonObject object = game.toObject();
        const QString label = object[QStringLiteral("game")].toString();
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const QStringList& words) {
            return label.startsWith(words.mid(0, 2).join(' '));
        });
        ASSERT_NE(line, lines.end()) << label.toStdString();
        const auto [single_status, single] = sim_output(common + *line);
        ASSERT_EQ(single_status, 0);
        EXPECT_EQ(
            figures_of_json(object),
            figures_of_json(QJsonDocument::fromJson(QByteArray::fromStdString(single)).object()))
            << label.toStdString();
        // Per hour: the rounds dealt in an hour, the share of them bet.
        const double per_hour = object[QStringLiteral("rounds_per_hour")].toDouble();
        const double bet_share = object[QStringLiteral("rounds_played")].toDouble() /
                                 object[QStringLiteral("rounds_dealt")].toDouble();
        EXPECT_EQ(per_hour, line->contains(QStringLiteral("--rounds-per-hour")) ? 180 : 100);
        EXPECT_NEAR(object[QStringLiteral("win_rate_per_hour")].toDouble(),
                    per_hour * bet_share * object[QStringLiteral("ev_per_round")].toDouble(), 1e-9);
        EXPECT_NEAR(
            object[QStringLiteral("sd_per_hour")].toDouble(),
            std::sqrt(per_hour * bet_share) * object[QStringLiteral("sd_per_round")].toDouble(),
            1e-9);
        const QJsonValue score = object[QStringLiteral("score")];
        scores.push_back(score.isNull() ? -1 : score.toDouble());
    }
    EXPECT_TRUE(std::is_sorted(scores.rbegin(), scores.rend()));
}

// The options as the model reads them: a request written back as options
// reads as the same request, and a --compare line that cannot be played is
// refused with its line number, before anything is played.
TEST(SimulationPlan, options_read_back_and_bad_lines_are_refused_by_number) {
    const std::vector<std::vector<std::string>> written{
        {},
        {"--decks", "2", "--rules", "H17 DAS RSA LS", "--penetration", "0.8", "--players", "3",
         "--count", "zen", "--indices", "all", "--ramp", "-1:1,2:2,4:8", "--wong-out", "-1"},
        {"--decks",
         "8",
         "--cut-card",
         "300",
         "--play",
         "composition",
         "--count",
         "-1,1,1,1,1,1,0.5,0,-0.5,-1",
         "--ramp",
         "optimal",
         "--spread",
         "16",
         "--pilot-rounds",
         "5000",
         "--back-count",
         "3:1",
         "--tc-decks",
         "quarter",
         "--tc-division",
         "round",
         "--rounds-per-hour",
         "220",
         "--rounds",
         "12345",
         "--seed",
         "99",
         "--bankroll",
         "1500.5",
         "--trip",
         "4000"},
    };
    for (const auto& words : written) {
        auto parsed = parse_simulation_arguments(words);
        ASSERT_TRUE(std::holds_alternative<SimulationArguments>(parsed))
            << std::get<std::string>(parsed);
        const SimulationRequest& request = std::get<SimulationArguments>(parsed).request;
        const std::string again = options_words(request, true);
        auto line_words = words_of_line(again);
        ASSERT_TRUE(std::holds_alternative<std::vector<std::string>>(line_words)) << again;
        auto reread = parse_simulation_arguments(std::get<std::vector<std::string>>(line_words));
        ASSERT_TRUE(std::holds_alternative<SimulationArguments>(reread)) << again;
        const SimulationRequest& back = std::get<SimulationArguments>(reread).request;
        EXPECT_EQ(fingerprint(back.options), fingerprint(request.options)) << again;
        EXPECT_EQ(back.optimal_ramp, request.optimal_ramp) << again;
        EXPECT_EQ(back.rounds_per_hour, request.rounds_per_hour) << again;
        EXPECT_EQ(back.bankroll, request.bankroll) << again;
        EXPECT_EQ(back.trip, request.trip) << again;
        EXPECT_EQ(options_words(back, true), again);
    }

    const std::vector<std::pair<std::string, std::string>> refused{
        {"--decks 6\n--decks 9\n", "line 2: --decks \"9\": decks must be 1 to 8"},
        {"# games\n\n--rules 'S17 DAS\n", "line 3: a single quote is not closed"},
        {"--decks 2 --seed 4\n", "line 1: --seed is common to every game"},
        {"--json\n", "line 1: --json is for the command line"},
        {"--ramp optimal\n", "line 1: --ramp optimal needs --spread"},
        {"--decks 1 --players 6\n", "line 1: 6 players are more than"},
        {"--back-count 1:2\n", "line 1: --back-count \"1:2\": the count to leave at"},
        {"--back-count 2 --wong-out 0\n", "cannot be used together"},
        {"--decks 2 six\n", "line 1: unexpected word \"six\""},
        {"--tc-decks most\n", "line 1: --tc-decks \"most\": exact, quarter, half or full"},
        {"# nothing\n   \n", "no game to compare"},
    };
    for (const auto& [text, fault] : refused) {
        const auto games = compared_games(text);
        ASSERT_TRUE(std::holds_alternative<GameListFault>(games)) << text;
        const GameListFault& found = std::get<GameListFault>(games);
        const std::string said =
            (found.line > 0 ? "line " + std::to_string(found.line) + ": " : "") + found.message;
        EXPECT_NE(said.find(fault), std::string::npos) << said;
    }
    // The command line's game options stand before every line, which may
    // replace them.
    const auto games = compared_games("--decks 2\n--rules H17\n",
                                      {{"decks", "4"}, {"rules", "S17 DAS"}, {"seed", "5"}});
    ASSERT_TRUE(std::holds_alternative<std::vector<ComparedGame>>(games));
    const auto& both = std::get<std::vector<ComparedGame>>(games);
    EXPECT_EQ(both[0].request.options.decks, 2);
    EXPECT_EQ(rules_text(both[0].request.options.rules), "S17 DAS");
    EXPECT_EQ(both[1].request.options.decks, 4);
    EXPECT_EQ(rules_text(both[1].request.options.rules), "H17");
    EXPECT_EQ(both[1].request.options.seed, 5u);
}

// A --compare file with a bad line plays nothing: exit 2, one line naming
// the file's line, nothing on standard output.
TEST(SimulationPlan, compare_refuses_a_bad_file_before_playing) {
    const auto path = std::filesystem::temp_directory_path() / "tavolix_compare_bad.txt";
    {
        std::ofstream file(path);
        file << "--decks 6 --rules \"S17 DAS LS\"\n--decks 6 --ramp 2:1,1:2\n";
    }
    std::string err;
    const auto [status, out] =
        sim_output({"--rounds", "1000", "--compare", QString::fromStdString(path.string())}, &err);
    std::filesystem::remove(path);
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(err, "tavolix-sim: " + path.string() +
                       " line 2: --ramp: ramp step \"1:2\": the true counts must rise\n");
}

}  // namespace
}  // namespace tavolix::simulation
