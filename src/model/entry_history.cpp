// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "entry_history.h"

#include <algorithm>
#include <iterator>

namespace tavolix {

void EntryHistory::clear() {
    steps_.clear();
}

void EntryHistory::hand_card(Side side, Integer face) {
    steps_.push_back({Kind::hand_card, side, face});
}

void EntryHistory::card_out(Integer face) {
    steps_.push_back({Kind::card_out, Side::Banco, face});
}

void EntryHistory::round_end() {
    for (Step& step : steps_) {
        if (step.kind == Kind::hand_card) {
            step.kind = Kind::ended_hand_card;
        }
    }
    steps_.push_back({Kind::round_end});
}

void EntryHistory::forget_hand(Side side) {
    std::erase_if(steps_, [side](const Step& step) {
        return step.kind == Kind::hand_card && step.side == side;
    });
}

void EntryHistory::forget_last_hand_card(Side side) {
    const auto last = std::find_if(steps_.rbegin(), steps_.rend(), [side](const Step& step) {
        return step.kind == Kind::hand_card && step.side == side;
    });
    if (last != steps_.rend()) {
        steps_.erase(std::next(last).base());
    }
}

std::vector<Integer> EntryHistory::forget_cards_out_of_this_round() {
    const auto round_start = std::find_if(steps_.rbegin(), steps_.rend(), [](const Step& step) {
                                 return step.kind == Kind::round_end;
                             }).base();
    std::vector<Integer> faces;
    for (auto step = round_start; step != steps_.end(); ++step) {
        if (step->kind == Kind::card_out) {
            faces.push_back(step->face);
        }
    }
    steps_.erase(std::remove_if(round_start, steps_.end(),
                                [](const Step& step) { return step.kind == Kind::card_out; }),
                 steps_.end());
    return faces;
}

std::optional<Integer> EntryHistory::forget_last_card_out_of_this_round() {
    for (auto step = steps_.rbegin(); step != steps_.rend() && step->kind != Kind::round_end;
         ++step) {
        if (step->kind == Kind::card_out) {
            const Integer face = step->face;
            steps_.erase(std::next(step).base());
            return face;
        }
    }
    return std::nullopt;
}

void EntryHistory::forget_shoe() {
    std::erase_if(steps_, [](const Step& step) { return step.kind != Kind::hand_card; });
}

std::optional<EntryHistory::Step> EntryHistory::last() const {
    if (steps_.empty()) {
        return std::nullopt;
    }
    return steps_.back();
}

EntryHistory::Step EntryHistory::take_last(std::vector<Step>& round) {
    const Step step = steps_.back();
    steps_.pop_back();
    round.clear();
    if (step.kind == Kind::round_end) {
        // The round's own steps come after the end of the one before.
        const auto start = std::find_if(steps_.rbegin(), steps_.rend(), [](const Step& earlier) {
                               return earlier.kind == Kind::round_end;
                           }).base();
        for (auto earlier = start; earlier != steps_.end(); ++earlier) {
            if (earlier->kind == Kind::ended_hand_card) {
                earlier->kind = Kind::hand_card;
                round.push_back(*earlier);
            }
        }
    }
    return step;
}

}  // namespace tavolix
