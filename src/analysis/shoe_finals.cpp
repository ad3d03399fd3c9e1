// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "shoe_finals.h"

#include <algorithm>

namespace tavolix::analysis {

namespace {

// Ten values of six bits leave the code's top four bits free.
constexpr int kStopShift = 60;
static_assert(10 * kCodeBits <= kStopShift);

CardCode keyed(CardCode removed, DealerStop stop) {
    return removed | (static_cast<CardCode>(stop_index(stop)) << kStopShift);
}

}  // namespace

Shoe shoe_less(const Shoe& base, CardCode removed) {
    Shoe left = base;
    for (int value = 1; value <= 10; ++value) {
        const int gone = count_in(removed, value);
        left.counts[value] -= gone;
        left.cards -= gone;
    }
    return left;
}

ShoeFinals::ShoeFinals(const DealerPlays& dealer, const Shoe& base,
                       std::pmr::memory_resource* memory, int followed_pair)
    : dealer_(dealer),
      base_(base),
      followed_pair_(followed_pair),
      stride_(followed_pair == 0 ? 1 : kMostFollowing + 1),
      where_(8192, memory),
      wanted_(memory),
      finals_(memory) {
    wanted_.reserve(8192);
}

int ShoeFinals::need(CardCode removed, DealerStop stop) {
    const auto [index, added] = where_.find_or_add(keyed(removed, stop));
    if (added) {
        wanted_.push_back({removed, stop});
    }
    return index;
}

void ShoeFinals::work_out() {
    finals_.resize(wanted_.size() * stride_);
    for (int rule = 0; rule < kDealerStops; ++rule) {
        const auto stop = static_cast<DealerStop>(rule);
        Vector<std::size_t> group(wanted_.get_allocator());
        group.reserve(wanted_.size() - worked_out_);
        for (std::size_t i = worked_out_; i < wanted_.size(); ++i) {
            if (wanted_[i].stop == stop) {
                group.push_back(i);
            }
        }
        for (std::size_t first = 0; first < group.size(); first += kShoeLanes) {
            const std::size_t lanes = std::min<std::size_t>(kShoeLanes, group.size() - first);
            std::array<Shoe, kShoeLanes> shoes{};
            for (std::size_t lane = 0; lane < lanes; ++lane) {
                shoes[lane] = shoe_less(base_, wanted_[group[first + lane]].removed);
            }
            if (followed_pair_ == 0) {
                const LaneFinals finals = dealer_.finals({shoes.data(), lanes}, stop);
                for (std::size_t lane = 0; lane < lanes; ++lane) {
                    finals_[group[first + lane]] = finals[lane];
                }
                continue;
            }
            const LaneFollowedFinals finals =
                dealer_.followed_finals({shoes.data(), lanes}, stop, followed_pair_);
            for (std::size_t lane = 0; lane < lanes; ++lane) {
                std::copy(
                    finals[lane].by_following.begin(), finals[lane].by_following.end(),
                    finals_.begin() + static_cast<std::ptrdiff_t>(group[first + lane] * stride_));
            }
        }
    }
    worked_out_ = wanted_.size();
}

}  // namespace tavolix::analysis
