// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

// tavolix-sim over many processes and machines: the same options, figures
// and reports, the blocks of rounds spread over MPI's ranks.

#include <mpi.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <iostream>
#include <thread>

#include "argument_text.h"
#include "exit_status.h"
#include "model/optimal_ramp.h"
#include "mpi_run.h"
#include "sim_options.h"
#include "sim_session.h"
#include "sim_signals.h"

namespace {

using namespace tavolix;
using cli::kExitBadInput;

constexpr std::string_view kProgram = "tavolix-sim-mpi";
constexpr int kExitDisagree = kExitBadInput;

int rank_of() {
    int rank = 0;
    MPI_Comm_rank(MPI_COMM_WORLD, &rank);
    return rank;
}

// Every rank's value of `mine`.
std::vector<int> gathered(int mine) {
    int ranks = 1;
    MPI_Comm_size(MPI_COMM_WORLD, &ranks);
    std::vector<int> all(static_cast<std::size_t>(ranks));
    MPI_Allgather(&mine, 1, MPI_INT, all.data(), 1, MPI_INT, MPI_COMM_WORLD);
    return all;
}

bool all_equal(const std::vector<int>& values) {
    return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
}

// Rank 0's text, on every rank.
std::string broadcast(std::string text) {
    unsigned long long size = text.size();
    MPI_Bcast(&size, 1, MPI_UNSIGNED_LONG_LONG, 0, MPI_COMM_WORLD);
    text.resize(size);
    MPI_Bcast(text.data(), static_cast<int>(size), MPI_CHAR, 0, MPI_COMM_WORLD);
    return text;
}

int disagree() {
    if (rank_of() == 0) {
        cli::sim_fail(std::cerr, "ranks disagree about the options", kExitDisagree, kProgram);
    }
    return kExitDisagree;
}

// What kind of answer the arguments gave, the same on every rank that was
// given the same arguments.
enum Parsed : int { kRequest = 0, kInfo = 1, kError = 2 };

// The pilot of an optimal ramp, its blocks spread over the ranks as the
// game's are; every rank then holds the ramp rank 0 chose from the sums,
// and the request its ramp. The exit status on a stop or a pilot that bet
// nothing, on every rank.
std::optional<int> choose_ramp(cli::SimRequest& request, simulation::Game& game,
                               std::optional<simulation::OptimalRamp>& chosen,
                               std::stop_token stop) {
    const int rank = rank_of();
    const simulation::Game pilot = simulation::pilot_game(game, pilot_rounds_of(request));
    std::string ramp_or_fault;
    int status = cli::kExitOk;
    if (rank == 0) {
        const cli::SimRequest shown = cli::pilot_request(request);
        simulation::RunState state = simulation::fresh_state(pilot.options);
        cli::RunWatch watch(shown, state, std::cerr, ::isatty(STDERR_FILENO) == 1, "pilot: ");
        cli::serve_blocks(pilot, request.threads, state, watch, stop);
        watch.finish(state);
        if (!state.finished()) {
            status = cli::kExitStopped;
            ramp_or_fault = "stopped during the pilot run";
        } else {
            auto found = optimal_ramp_of(state.sums, request.optimal_ramp->spread);
            if (auto* fault = std::get_if<std::string>(&found)) {
                status = kExitBadInput;
                ramp_or_fault = *fault;
            } else {
                chosen = std::get<simulation::OptimalRamp>(std::move(found));
                ramp_or_fault = simulation::ramp_text(chosen->ramp);
            }
        }
    } else {
        cli::play_given_blocks(pilot, request.threads, stop);
    }
    MPI_Bcast(&status, 1, MPI_INT, 0, MPI_COMM_WORLD);
    ramp_or_fault = broadcast(ramp_or_fault);
    if (status != cli::kExitOk) {
        if (rank == 0) {
            cli::sim_fail(std::cerr, ramp_or_fault, status, kProgram);
        }
        return status;
    }
    request.options.ramp =
        std::get<std::vector<simulation::RampStep>>(simulation::parse_ramp(ramp_or_fault));
    simulation::set_ramp(game, request.options.ramp);
    return std::nullopt;
}

// The run itself, once every rank holds the same request: each prepares the
// game, rank 0 resumes from the checkpoint and serves the blocks, the others
// play them. Rank 0's exit status, on every rank.
int simulate(cli::SimRequest request, std::stop_token stop) {
    const int rank = rank_of();
    auto prepared = simulation::prepare_game(request.options, stop);
    const auto* fault = std::get_if<std::string>(&prepared);
    const std::vector<int> ready = gathered(fault ? 1 : 0);
    if (std::find(ready.begin(), ready.end(), 1) != ready.end()) {
        const int status = stop.stop_requested() ? cli::kExitStopped : kExitBadInput;
        if (fault && (rank == 0 || ready[0] == 0)) {
            cli::sim_fail(std::cerr,
                          (rank == 0 ? "" : "rank " + std::to_string(rank) + ": ") + *fault, status,
                          kProgram);
        }
        return status;
    }
    simulation::Game& game = std::get<simulation::Game>(prepared);
    std::optional<simulation::OptimalRamp> chosen;
    if (request.optimal_ramp) {
        if (const auto status = choose_ramp(request, game, chosen, stop)) {
            return *status;
        }
    }

    std::variant<simulation::RunState, std::string> started = std::string();
    if (rank == 0) {
        started = cli::starting_state(request);
    }
    const auto* refused = std::get_if<std::string>(&started);
    int loaded = refused ? 1 : 0;
    MPI_Bcast(&loaded, 1, MPI_INT, 0, MPI_COMM_WORLD);
    if (loaded != 0) {
        return rank == 0 ? cli::sim_fail(std::cerr, *refused, kExitBadInput, kProgram)
                         : kExitBadInput;
    }

    int status = cli::kExitOk;
    if (rank == 0) {
        simulation::RunState& state = std::get<simulation::RunState>(started);
        cli::RunWatch watch(request, state, std::cerr, ::isatty(STDERR_FILENO) == 1);
        const std::vector<std::uint64_t> blocks_per_rank =
            cli::serve_blocks(game, request.threads, state, watch, stop);
        watch.finish(state);
        status = cli::report_run(request, state, watch, std::cout, std::cerr, kProgram,
                                 blocks_per_rank, chosen);
    } else {
        cli::play_given_blocks(game, request.threads, stop);
    }
    MPI_Bcast(&status, 1, MPI_INT, 0, MPI_COMM_WORLD);
    return status;
}

int run(int argc, char* argv[]) {
    const int rank = rank_of();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgram.data(), kProgram.size()));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVOLIX_VERSION));
    std::ios::sync_with_stdio(false);
    auto parsed = cli::parse_sim_arguments(cli::argument_texts(argc, argv));
    const Parsed kind = std::holds_alternative<cli::SimRequest>(parsed) ? kRequest
                        : std::holds_alternative<cli::SimInfo>(parsed)  ? kInfo
                                                                        : kError;
    if (!all_equal(gathered(kind))) {
        return disagree();
    }
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        return rank == 0 ? cli::sim_fail(std::cerr, *error, kExitBadInput, kProgram)
                         : kExitBadInput;
    }
    if (const auto* info = std::get_if<cli::SimInfo>(&parsed)) {
        if (rank == 0) {
            std::string text = info->text;
            if (text.rfind("tavolix-sim ", 0) == 0) {
                text.insert(std::string_view("tavolix-sim").size(), "-mpi");
            }
            std::cout << text << std::flush;
        }
        return cli::kExitOk;
    }
    const cli::SimRequest& request = std::get<cli::SimRequest>(parsed);
    if (request.compare) {
        return rank == 0 ? cli::sim_fail(std::cerr,
                                         "--compare is for tavolix-sim, which plays the games "
                                         "one after another",
                                         kExitBadInput, kProgram)
                         : kExitBadInput;
    }
    // The optimal ramp's spread and pilot decide the ramp, so they are
    // part of what the ranks must agree on.
    const std::string mine =
        simulation::fingerprint(request.options) + ";ramp-wanted=" + options_words(request);
    const int differs = broadcast(mine) == mine ? 0 : 1;
    int any_differs = 0;
    MPI_Allreduce(&differs, &any_differs, 1, MPI_INT, MPI_MAX, MPI_COMM_WORLD);
    if (any_differs != 0) {
        return disagree();
    }
    std::stop_source stop;
    std::jthread watcher(cli::watch_simulation_stop_signals, stop);
    return simulate(request, stop.get_token());
}

}  // namespace

int main(int argc, char* argv[]) {
    // Before MPI starts its own threads, so that they hold them too.
    tavolix::cli::hold_simulation_stop_signals();
    int provided = MPI_THREAD_SINGLE;
    if (MPI_Init_thread(&argc, &argv, MPI_THREAD_FUNNELED, &provided) != MPI_SUCCESS) {
        std::cerr << kProgram << ": MPI did not start\n";
        return 1;
    }
    int status = 1;
    if (provided < MPI_THREAD_FUNNELED) {
        if (rank_of() == 0) {
            tavolix::cli::sim_fail(std::cerr, "this MPI cannot run threads beside it", 1, kProgram);
        }
    } else {
        try {
            status = run(argc, argv);
        } catch (const std::exception& error) {
            // One rank failing alone would leave the others waiting for it.
            std::cerr << kProgram << ": rank " << rank_of() << ": " << error.what() << '\n';
            MPI_Abort(MPI_COMM_WORLD, 1);
        }
    }
    MPI_Finalize();
    return status;
}
