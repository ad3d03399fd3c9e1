// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <pcg_random.hpp>

#include <array>
#include <cstdint>
#include <span>
#include <utility>

namespace tavolix::simulation {

// A number below `range` with no bias, from one 32-bit draw but in the
// rarest cases (Lemire's multiply-and-shift with rejection).
inline std::uint32_t below(pcg32& random, std::uint32_t range) {
    std::uint64_t product = static_cast<std::uint64_t>(random()) * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range) {
        const std::uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = static_cast<std::uint64_t>(random()) * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}

// A shoe of card values 1..10, shuffled as it is dealt: each card comes out
// by one step of Fisher-Yates over the cards not yet dealt, so a reshuffle
// costs nothing and each card one random number.
class Shoe {
  public:
    static constexpr int kMostCards = 8 * 52;

    Shoe(int decks, pcg32 random) : random_(random), size_(decks * 52), limit_(size_) {
        int at = 0;
        for (int deck = 0; deck < decks; ++deck) {
            for (int value = 1; value <= 13; ++value) {
                for (int suit = 0; suit < 4; ++suit) {
                    cards_[static_cast<std::size_t>(at++)] =
                        static_cast<std::uint8_t>(value > 10 ? 10 : value);
                }
            }
        }
    }

    int draw() {
        if (dealt_ == limit_) [[unlikely]] {
            take_discards();
        }
        const auto at = static_cast<std::size_t>(dealt_);
        if (dealt_ >= stacked_) [[likely]] {
            const auto pick = at + below(random_, static_cast<std::uint32_t>(limit_ - dealt_));
            std::swap(cards_[at], cards_[pick]);
        }
        ++dealt_;
        return cards_[at];
    }

    void start_round() { round_start_ = dealt_; }
    // After the round in which the cut card came out, or after one that
    // ran out of cards and took the discards.
    bool needs_shuffle(int cut_card) const { return dealt_ >= cut_card || limit_ != size_; }
    void shuffle() {
        dealt_ = 0;
        limit_ = size_;
        stacked_ = 0;
        round_start_ = 0;
    }
    int size() const { return size_; }
    int dealt() const { return dealt_; }
    // The cards not yet dealt, as a counter judges the decks left.
    int unseen() const { return size_ - dealt_; }

    // For tests: the next cards dealt are these, in this order. False when
    // the shoe has not got them.
    bool stack(std::span<const int> values) {
        int at = dealt_;
        for (const int value : values) {
            int found = at;
            while (found < limit_ && cards_[static_cast<std::size_t>(found)] != value) {
                ++found;
            }
            if (found == limit_) {
                return false;
            }
            std::swap(cards_[static_cast<std::size_t>(at)],
                      cards_[static_cast<std::size_t>(found)]);
            ++at;
        }
        stacked_ = at;
        return true;
    }

  private:
    // A round that empties the shoe goes on with the discards reshuffled:
    // the cards before this round's. A round that has dealt the whole shoe
    // itself (ten cards a seat and more, which the options make all but
    // impossible) goes on from the whole shoe less one card, so that the
    // limit still calls for the reshuffle after it.
    void take_discards() {
        limit_ = round_start_ > 0 ? round_start_ : size_ - 1;
        round_start_ = 0;
        dealt_ = 0;
        stacked_ = 0;
    }

    pcg32 random_;
    std::array<std::uint8_t, kMostCards> cards_{};
    int size_;
    int limit_;
    int dealt_ = 0;
    int stacked_ = 0;
    int round_start_ = 0;
};

}  // namespace tavolix::simulation
