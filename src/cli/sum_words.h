// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/simulation_session.h"

namespace tavolix::cli {

// A block's exact sums as 64-bit words, the wide ones as two words each, so
// that they travel between processes as plain integers and arrive whole.
inline constexpr std::size_t kSumWords = 4 + 2 + 1 + 2 + 2 + 4 * simulation::kCountSlots;
using SumWords = std::array<std::uint64_t, kSumWords>;

SumWords words_of(const simulation::BlockSums& sums);
simulation::BlockSums sums_of(const SumWords& words);

}  // namespace tavolix::cli
