// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "sum_words.h"

namespace tavolix::cli {

namespace {

using simulation::Int128;
using simulation::Uint128;

// Writes the words in order, the low word of a wide number first; signed
// numbers as their two's complement, which the casts keep.
class Writer {
  public:
    explicit Writer(SumWords& words) : words_(words) {}
    void put(std::uint64_t value) { words_[at_++] = value; }
    void put(std::int64_t value) { put(static_cast<std::uint64_t>(value)); }
    void put(Uint128 value) {
        put(static_cast<std::uint64_t>(value));
        put(static_cast<std::uint64_t>(value >> 64));
    }
    void put(Int128 value) { put(static_cast<Uint128>(value)); }

  private:
    SumWords& words_;
    std::size_t at_ = 0;
};

class Reader {
  public:
    explicit Reader(const SumWords& words) : words_(words) {}
    std::uint64_t word() { return words_[at_++]; }
    Uint128 wide() {
        const Uint128 low = word();
        return low | static_cast<Uint128>(word()) << 64;
    }

  private:
    const SumWords& words_;
    std::size_t at_ = 0;
};

}  // namespace

SumWords words_of(const simulation::BlockSums& sums) {
    SumWords words{};
    Writer out(words);
    out.put(sums.rounds_dealt);
    out.put(sums.rounds);
    out.put(sums.hands);
    out.put(sums.units);
    out.put(sums.units_squared);
    out.put(sums.money);
    out.put(sums.money_squared);
    out.put(sums.money_by_units);
    for (const simulation::CountSums& at : sums.by_count) {
        out.put(at.rounds);
        out.put(at.money);
        out.put(at.squares);
    }
    return words;
}

simulation::BlockSums sums_of(const SumWords& words) {
    simulation::BlockSums sums;
    Reader in(words);
    sums.rounds_dealt = in.word();
    sums.rounds = in.word();
    sums.hands = in.word();
    sums.units = in.word();
    sums.units_squared = in.wide();
    sums.money = static_cast<std::int64_t>(in.word());
    sums.money_squared = in.wide();
    sums.money_by_units = static_cast<Int128>(in.wide());
    for (simulation::CountSums& at : sums.by_count) {
        at.rounds = in.word();
        at.money = static_cast<std::int64_t>(in.word());
        at.squares = in.wide();
    }
    return sums;
}

}  // namespace tavolix::cli
