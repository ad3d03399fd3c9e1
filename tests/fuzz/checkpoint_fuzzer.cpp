// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Reads the input as a checkpoint of a small run of four blocks. The first
// byte says how: even, the rest as the file holds it; odd, the rest with
// its checksum line worked out and added, so that the reading behind the
// checksum is reached too. Whatever the bytes, the checkpoint is resumed or
// refused in one line; never a crash or a hang. What is resumed writes back
// as the very text read, holds sums some rounds could have given, and (when
// its checksum was the file's own) is the real sums of the blocks it says
// are done, so that the run goes on to the figures of a run never stopped.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "core/table_rules.h"
#include "simulation/checkpoint.h"
#include "simulation/run.h"

namespace {

using namespace tavolix::simulation;

constexpr std::size_t kMaxInput = 8192;
constexpr std::uint64_t kBlocks = 4;

[[noreturn]] void fail(const std::string& what, const std::string& text) {
    std::fprintf(stderr, "%s\n--- checkpoint:\n%s\n", what.c_str(), text.c_str());
    std::abort();
}

struct Run {
    SimulationOptions options;
    Game game;
    std::string fingerprint;
    BlockSums blocks[kBlocks];
};

const Run& small_run() {
    static const Run run = [] {
        Run made;
        made.options = SimulationOptions{
            .rules = std::get<tavolix::TableRules>(tavolix::parse_rules("S17 DAS")),
            .decks = 1,
            .ramp = {{0, 1}, {2, 3}},
            .rounds = 4 * 50,
            .block_rounds = 50};
        made.game = std::get<Game>(prepare_game(made.options));
        made.fingerprint = fingerprint(made.options);
        for (std::uint64_t block = 0; block < kBlocks; ++block) {
            made.blocks[block] = run_block(made.game, made.options.seed, block);
        }
        return made;
    }();
    return run;
}

std::string checksummed(const std::string& body) {
    // The checksum is FNV-1a of everything before its line, as written.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : body) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char line[40];
    std::snprintf(line, sizeof line, "check %016llx\n", static_cast<unsigned long long>(hash));
    return body + line;
}

}  // namespace

// The run's strategy takes seconds to work out under the sanitizers; made
// here, it is not counted in the first input's time.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    small_run();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > kMaxInput) {
        return -1;
    }
    const Run& run = small_run();
    const bool own_checksum = (data[0] & 1) == 0;
    const std::string body(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string text = own_checksum ? body : checksummed(body);

    const auto read = read_checkpoint(text, run.fingerprint, kBlocks);
    if (const auto* refusal = std::get_if<std::string>(&read)) {
        if (refusal->empty() || refusal->find('\n') != std::string::npos) {
            fail("a refusal must be one line: " + *refusal, text);
        }
        return 0;
    }
    RunState state = std::get<RunState>(read);
    if (state.done.size() != kBlocks) {
        fail("a state of other blocks was resumed", text);
    }
    if (checkpoint_text(run.fingerprint, state) != text) {
        fail("what was resumed does not write back as the text read", text);
    }
    std::uint64_t by_count = 0;
    for (const CountSums& at : state.sums.by_count) {
        by_count += at.rounds;
    }
    if (by_count != state.sums.rounds_dealt || state.sums.rounds > state.sums.rounds_dealt) {
        fail("sums no rounds could give were resumed", text);
    }
    if (!own_checksum) {
        return 0;
    }
    BlockSums real;
    for (std::uint64_t block = 0; block < kBlocks; ++block) {
        if (state.done[block]) {
            real += run.blocks[block];
        }
    }
    if (!(state.sums == real)) {
        fail("a checkpoint was resumed to sums its blocks never gave", text);
    }
    if (!tavolix::simulation::run(run.game, 1, state) || !(state.sums == [&] {
            BlockSums all;
            for (const BlockSums& block : run.blocks) {
                all += block;
            }
            return all;
        }())) {
        fail("the resumed run did not end at the figures of a run never stopped", text);
    }
    return 0;
}
