// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "strategy_cells.h"

#include <algorithm>

#include "analysis_panel.h"

namespace tavolix {

namespace {

using analysis::Play;

const strategy::InitialHand* dealt_hand(const Strategy& strategy, int up, int first, int second) {
    const auto found =
        std::find_if(strategy.hands.begin(), strategy.hands.end(), [&](const auto& hand) {
            return hand.up == up && hand.first == first && hand.second == second;
        });
    return found == strategy.hands.end() || found->probability <= 0 ? nullptr : &*found;
}

std::string hand_line(const strategy::InitialHand& hand) {
    std::string line = hand_text(hand.first, hand.second) + ": " +
                       strategy::play_letter(hand.plays.advice) + "  (";
    bool first = true;
    for (const Play play : analysis::kPlays) {
        if (const auto ev = analysis::play_ev(hand.plays, play)) {
            line += (first ? "" : "  ") + std::string(strategy::play_letter(play)) + ' ' +
                    signed_ev(*ev);
            first = false;
        }
    }
    return line + ')';
}

}  // namespace

strategy::Chart chart_layout() {
    return strategy::make_chart({});
}

const std::vector<ChartRow>& chart_rows(const strategy::Chart& chart, RowKind kind) {
    switch (kind) {
        case RowKind::hard:
            break;
        case RowKind::soft:
            return chart.soft;
        case RowKind::pair:
            return chart.pairs;
    }
    return chart.hard;
}

std::string hand_text(int first, int second) {
    const int low = std::min(first, second);
    const int high = std::max(first, second);
    return low == 1 ? "A," + value_text(high) : value_text(high) + ',' + value_text(low);
}

std::string row_caption(const ChartRow& row) {
    if (row.kind == RowKind::hard || row.hands.empty()) {
        return row.label;
    }
    return hand_text(row.hands.front().first, row.hands.front().second);
}

std::string cell_details(const Strategy& strategy, const ChartRow& row, std::size_t column,
                         const StrategyWords& words) {
    const strategy::ChartCell& cell = row.cells.at(column);
    std::string text = row_caption(row) + ' ' + words.against + ' ' + value_text(cell.up) + ": " +
                       (cell.code.empty() ? "-" : cell.code);
    std::string lines;
    bool conditioned = false;
    for (const auto& [first, second] : row.hands) {
        if (const strategy::InitialHand* hand = dealt_hand(strategy, cell.up, first, second)) {
            lines += '\n' + hand_line(*hand);
            conditioned = conditioned || hand->plays.no_dealer_blackjack;
        }
    }
    if (lines.empty()) {
        return text + '\n' + words.not_dealt;
    }
    text += '\n' + words.hand_evs + (conditioned ? ' ' + words.no_blackjack : std::string());
    return text + lines;
}

std::string stand_at_text(const Strategy& strategy, const StrategyWords& words) {
    std::string text = words.stand_at;
    for (const strategy::StandAtEv& row : strategy.stand_at) {
        text += '\n' + stand_at_line(row, strategy.best_stand_at, words);
    }
    return text;
}

std::vector<ChartCellAt> differing_cells(const strategy::Chart& first,
                                         const strategy::Chart& second) {
    std::vector<ChartCellAt> cells;
    for (const RowKind kind : {RowKind::hard, RowKind::soft, RowKind::pair}) {
        const std::vector<ChartRow>& ours = chart_rows(first, kind);
        const std::vector<ChartRow>& theirs = chart_rows(second, kind);
        for (std::size_t row = 0; row < std::min(ours.size(), theirs.size()); ++row) {
            for (std::size_t column = 0; column < ours[row].cells.size(); ++column) {
                if (ours[row].cells[column].code != theirs[row].cells[column].code) {
                    cells.push_back({kind, row, column});
                }
            }
        }
    }
    return cells;
}

}  // namespace tavolix
