// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "mpi_run.h"

#include <mpi.h>

#include <algorithm>

#include "sum_words.h"

namespace tavolix::cli {

namespace {

using simulation::BlockWorkers;
using simulation::FinishedBlock;

// Only the main thread of each rank calls MPI; its workers hand it their
// blocks through BlockWorkers.
enum Tag : int {
    kAsk = 1,     // to rank 0: one int, how many blocks are wanted
    kBlocks = 2,  // from rank 0: the block numbers; none: there are no more
    kSums = 3,    // to rank 0: the block number, then its sums' words
    kDone = 4,    // to rank 0: this rank has sent all it will
};

using Message = std::array<std::uint64_t, 1 + kSumWords>;

// Short enough that a rank asking is answered at once, long enough that the
// polling costs nothing beside a block's tens of milliseconds.
constexpr std::chrono::milliseconds kPoll{1};

Message message_of(const FinishedBlock& finished) {
    Message message{};
    message[0] = finished.block;
    const SumWords words = words_of(finished.sums);
    std::copy(words.begin(), words.end(), message.begin() + 1);
    return message;
}

FinishedBlock finished_of(const Message& message) {
    SumWords words{};
    std::copy(message.begin() + 1, message.end(), words.begin());
    return {message[0], sums_of(words)};
}

}  // namespace

std::vector<std::uint64_t> serve_blocks(const simulation::Game& game, unsigned threads,
                                        simulation::RunState& state, RunWatch& watch,
                                        std::stop_token stop) {
    int ranks = 1;
    MPI_Comm_size(MPI_COMM_WORLD, &ranks);
    std::vector<std::uint64_t> todo;
    for (std::uint64_t block = 0; block < state.done.size(); ++block) {
        if (!state.done[block]) {
            todo.push_back(block);
        }
    }
    std::size_t next = 0;
    bool stopping = false;
    const auto hand_out = [&](std::size_t most) {
        std::vector<std::uint64_t> blocks;
        while (!stopping && blocks.size() < most && next < todo.size()) {
            blocks.push_back(todo[next++]);
        }
        return blocks;
    };
    std::vector<std::uint64_t> blocks_per_rank(static_cast<std::size_t>(ranks), 0);
    const auto add = [&](const FinishedBlock& finished, int rank) {
        if (finished.block >= state.done.size() || state.done[finished.block]) {
            return;
        }
        state.sums += finished.sums;
        state.done[finished.block] = true;
        ++blocks_per_rank[static_cast<std::size_t>(rank)];
        watch.on_block(state);
    };

    BlockWorkers local(game, threads);
    int playing = ranks - 1;
    while (true) {
        if (!stopping && stop.stop_requested()) {
            stopping = true;
            local.drop_waiting();
            // The job may be killed soon after the stop (mpirun's own grace
            // is short): what is done is kept first.
            watch.save(state);
        }
        if (local.waiting() < threads) {
            local.give(hand_out(threads));
        }
        for (const FinishedBlock& finished : local.take_finished()) {
            add(finished, 0);
        }
        int arrived = 0;
        MPI_Status status;
        while (MPI_Iprobe(MPI_ANY_SOURCE, MPI_ANY_TAG, MPI_COMM_WORLD, &arrived, &status) ==
                   MPI_SUCCESS &&
               arrived) {
            const int from = status.MPI_SOURCE;
            if (status.MPI_TAG == kAsk) {
                int wanted = 0;
                MPI_Recv(&wanted, 1, MPI_INT, from, kAsk, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
                const std::vector<std::uint64_t> blocks =
                    hand_out(static_cast<std::size_t>(std::max(wanted, 0)));
                MPI_Send(blocks.data(), static_cast<int>(blocks.size()), MPI_UINT64_T, from,
                         kBlocks, MPI_COMM_WORLD);
            } else if (status.MPI_TAG == kSums) {
                Message message{};
                MPI_Recv(message.data(), static_cast<int>(message.size()), MPI_UINT64_T, from,
                         kSums, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
                add(finished_of(message), from);
            } else {
                MPI_Recv(nullptr, 0, MPI_BYTE, from, status.MPI_TAG, MPI_COMM_WORLD,
                         MPI_STATUS_IGNORE);
                playing -= status.MPI_TAG == kDone ? 1 : 0;
            }
        }
        if (playing == 0 && local.idle() && (stopping || next == todo.size())) {
            return blocks_per_rank;
        }
        local.wait(kPoll);
    }
}

void play_given_blocks(const simulation::Game& game, unsigned threads, std::stop_token stop) {
    BlockWorkers local(game, threads);
    bool asked = false;
    bool no_more = false;
    while (true) {
        if (!no_more && stop.stop_requested()) {
            no_more = true;
            local.drop_waiting();
        }
        if (!no_more && !asked && local.waiting() < threads) {
            const int wanted = static_cast<int>(threads);
            MPI_Send(&wanted, 1, MPI_INT, 0, kAsk, MPI_COMM_WORLD);
            asked = true;
        }
        for (const FinishedBlock& finished : local.take_finished()) {
            const Message message = message_of(finished);
            MPI_Send(message.data(), static_cast<int>(message.size()), MPI_UINT64_T, 0, kSums,
                     MPI_COMM_WORLD);
        }
        int arrived = 0;
        MPI_Status status;
        if (asked && MPI_Iprobe(0, kBlocks, MPI_COMM_WORLD, &arrived, &status) == MPI_SUCCESS &&
            arrived) {
            int count = 0;
            MPI_Get_count(&status, MPI_UINT64_T, &count);
            std::vector<std::uint64_t> blocks(static_cast<std::size_t>(std::max(count, 0)));
            MPI_Recv(blocks.data(), count, MPI_UINT64_T, 0, kBlocks, MPI_COMM_WORLD,
                     MPI_STATUS_IGNORE);
            asked = false;
            if (blocks.empty()) {
                no_more = true;
            } else if (!no_more) {
                local.give(blocks);
            }
        }
        // An answer still owed is received first, so no message is left
        // behind when the rank ends.
        if (no_more && !asked && local.idle()) {
            MPI_Send(nullptr, 0, MPI_BYTE, 0, kDone, MPI_COMM_WORLD);
            return;
        }
        local.wait(kPoll);
    }
}

}  // namespace tavolix::cli
