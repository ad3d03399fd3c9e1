// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "chart.h"

#include <algorithm>

#include "core/table_state.h"
#include "round.h"

namespace tavolix::strategy {

namespace {

using analysis::kPlays;
using analysis::Play;

// A card value as the chart writes it: "A", "2".."10", as the pads name the
// faces of those values.
std::string face_text(int value) {
    return std::string(kFaceNames.at(static_cast<std::size_t>(value)));
}

std::vector<ChartRow> hard_rows() {
    std::vector<ChartRow> rows;
    for (int total = 5; total <= 19; ++total) {
        ChartRow row{.kind = RowKind::hard, .label = std::to_string(total)};
        for (int first = 2; first < 10; ++first) {
            const int second = total - first;
            if (second > first && second <= 10) {
                row.hands.emplace_back(first, second);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<ChartRow> soft_rows() {
    std::vector<ChartRow> rows;
    for (int other = 2; other <= 9; ++other) {
        rows.push_back(
            {.kind = RowKind::soft, .label = std::to_string(11 + other), .hands = {{1, other}}});
    }
    return rows;
}

std::vector<ChartRow> pair_rows() {
    std::vector<ChartRow> rows;
    for (int value = 2; value <= 10; ++value) {
        rows.push_back({.kind = RowKind::pair,
                        .label = face_text(value) + "," + face_text(value),
                        .hands = {{value, value}}});
    }
    rows.push_back({.kind = RowKind::pair, .label = "A,A", .hands = {{1, 1}}});
    return rows;
}

// The cell of one row against one up card from the hands dealt to it.
ChartCell cell_of(const ChartRow& row, int up, const std::vector<InitialHand>& dealt) {
    ChartCell cell{.up = up};
    const std::vector<const InitialHand*> hands = row_hands(row, up, dealt);
    const PlayEvs evs = cell_play_evs(hands);
    cell.play = best_play(evs);
    if (!cell.play) {
        return cell;
    }
    cell.code = play_letter(*cell.play);
    if (*cell.play == Play::double_down || *cell.play == Play::surrender) {
        cell.fallback = fallback_play(evs);
        cell.code += *cell.fallback == Play::hit ? "h" : "s";
    }
    for (const InitialHand* hand : hands) {
        if (hand->plays.advice != *cell.play) {
            cell.marked = true;
            cell.exceptions.push_back({hand->first, hand->second, hand->plays.advice});
        }
    }
    return cell;
}

}  // namespace

const char* play_letter(Play play) {
    switch (play) {
        case Play::stand:
            return "S";
        case Play::hit:
            return "H";
        case Play::double_down:
            return "D";
        case Play::split:
            return "P";
        case Play::surrender:
            return "R";
    }
    return "";
}

std::vector<const InitialHand*> row_hands(const ChartRow& row, int up,
                                          const std::vector<InitialHand>& hands) {
    std::vector<const InitialHand*> found;
    for (const InitialHand& hand : hands) {
        if (hand.up == up && hand.probability > 0 &&
            std::find(row.hands.begin(), row.hands.end(), std::pair{hand.first, hand.second}) !=
                row.hands.end()) {
            found.push_back(&hand);
        }
    }
    return found;
}

PlayEvs cell_play_evs(const std::vector<const InitialHand*>& row_hands) {
    PlayEvs weighed{};
    if (row_hands.empty()) {
        return weighed;
    }
    for (std::size_t play = 0; play < kPlays.size(); ++play) {
        double sum = 0;
        double weight = 0;
        bool everywhere = true;
        for (const InitialHand* hand : row_hands) {
            const std::optional<double> ev = analysis::play_ev(hand->plays, kPlays[play]);
            if (!ev) {
                everywhere = false;
                break;
            }
            sum += hand->probability * *ev;
            weight += hand->probability;
        }
        if (everywhere) {
            weighed[play] = sum / weight;
        }
    }
    return weighed;
}

std::optional<Play> best_play(const PlayEvs& evs) {
    std::optional<std::size_t> best;
    for (std::size_t play = 0; play < kPlays.size(); ++play) {
        if (evs[play] && (!best || *evs[play] > *evs[*best] + analysis::kTie)) {
            best = play;
        }
    }
    return best ? std::optional(kPlays[*best]) : std::nullopt;
}

Play fallback_play(const PlayEvs& evs) {
    const auto& stand = evs[0];
    const auto& hit = evs[1];
    return stand && hit && *hit > *stand + analysis::kTie ? Play::hit : Play::stand;
}

Chart make_chart(const std::vector<InitialHand>& hands) {
    Chart chart{.hard = hard_rows(), .soft = soft_rows(), .pairs = pair_rows()};
    for (std::size_t column = 0; column < kChartUps.size(); ++column) {
        for (auto* rows : {&chart.hard, &chart.soft, &chart.pairs}) {
            for (ChartRow& row : *rows) {
                row.cells[column] = cell_of(row, kChartUps[column], hands);
            }
        }
    }
    return chart;
}

}  // namespace tavolix::strategy
