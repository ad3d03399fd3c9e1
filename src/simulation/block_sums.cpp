// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "block_sums.h"

#include "table_round.h"

namespace tavolix::simulation {

BlockSums& BlockSums::operator+=(const BlockSums& other) {
    rounds_dealt += other.rounds_dealt;
    rounds += other.rounds;
    hands += other.hands;
    units += other.units;
    units_squared += other.units_squared;
    money += other.money;
    money_squared += other.money_squared;
    money_by_units += other.money_by_units;
    for (std::size_t slot = 0; slot < by_count.size(); ++slot) {
        by_count[slot].rounds += other.by_count[slot].rounds;
        by_count[slot].money += other.by_count[slot].money;
        by_count[slot].squares += other.by_count[slot].squares;
    }
    return *this;
}

BlockSums run_block(const Game& game, std::uint64_t seed, std::uint64_t block) {
    BlockSums sums;
    Shoe shoe(game.options.decks, pcg32(seed, game.first_stream + block));
    int running = game.initial_half_count;
    const std::uint64_t rounds = rounds_in_block(game.options, block);
    // Back-counting: watching until the count calls him in, playing until
    // it sends him away, then gone until the shuffle.
    enum Seat { kWatching, kPlaying, kGone };
    const std::optional<BackCount>& back = game.options.back_count;
    Seat seat = back ? kWatching : kPlaying;
    for (std::uint64_t round = 0; round < rounds; ++round) {
        const int true_count = game.true_count(running, shoe.unseen());
        const int slot = count_slot(true_count);
        if (back) [[unlikely]] {
            if (seat == kWatching && true_count >= back->enter) {
                seat = kPlaying;
            } else if (seat == kPlaying && true_count < back->leave) {
                seat = kGone;
            }
        }
        const std::int64_t units = true_count < game.wong_out || seat != kPlaying
                                       ? 0
                                       : game.units[static_cast<std::size_t>(slot)];
        const RoundMoney result = play_round(game, shoe, running);
        const std::int64_t money = units * result.money;
        if (units > 0 || !game.counts_bet_rounds_only) {
            CountSums& at = sums.by_count[static_cast<std::size_t>(slot)];
            ++at.rounds;
            at.money += result.money;
            at.squares += static_cast<Uint128>(result.money * result.money);
        }
        if (units > 0) {
            ++sums.rounds;
            sums.hands += static_cast<std::uint64_t>(result.hands);
            sums.units += static_cast<std::uint64_t>(units);
            sums.units_squared += static_cast<Uint128>(units * units);
            sums.money += money;
            sums.money_squared += static_cast<Uint128>(money * money);
            sums.money_by_units += static_cast<Int128>(money * units);
        }
        if (shoe.needs_shuffle(game.cut_card)) {
            shoe.shuffle();
            running = game.initial_half_count;
            seat = back ? kWatching : kPlaying;
        }
    }
    sums.rounds_dealt = rounds;
    return sums;
}

}  // namespace tavolix::simulation
