// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "prefix_level.h"

#include <algorithm>
#include <cassert>

namespace tavolix {

namespace {

constexpr std::size_t kFirstSlots = 64;
constexpr int kFirstShift = 64 - 6;

}  // namespace

void PrefixLevel::clear() {
    prefixes_.clear();
    std::fill(slots_.begin(), slots_.end(), 0);
}

std::size_t PrefixLevel::slot_of(DrawnCards cards) const {
    // Multiplicative hashing: the top bits of the product mix every count.
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>((cards * 0x9E3779B97F4A7C15ULL) >> shift_);
    while (slots_[slot] != 0 && prefixes_[slots_[slot] - 1].cards != cards) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

void PrefixLevel::grow() {
    if (slots_.empty()) {
        slots_.assign(kFirstSlots, 0);
        shift_ = kFirstShift;
        prefixes_.reserve(kFirstSlots / 2);
    } else {
        slots_.assign(slots_.size() * 2, 0);
        --shift_;
    }
    for (std::size_t i = 0; i < prefixes_.size(); ++i) {
        slots_[slot_of(prefixes_[i].cards)] = static_cast<std::uint32_t>(i + 1);
    }
}

void PrefixLevel::add(DrawnCards cards, std::int64_t orderings, Integer total, Integer soft,
                      double reach) {
    if (2 * (prefixes_.size() + 1) > slots_.size()) {
        grow();
    }
    const std::size_t slot = slot_of(cards);
    if (slots_[slot] != 0) {
        DrawnPrefix& prefix = prefixes_[slots_[slot] - 1];
        assert(prefix.total == total && prefix.soft == soft);
        prefix.orderings += orderings;
        prefix.reach += reach;
        return;
    }
    prefixes_.push_back({cards, orderings, total, soft, reach});
    slots_[slot] = static_cast<std::uint32_t>(prefixes_.size());
}

}  // namespace tavolix
