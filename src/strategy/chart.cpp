// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "chart.h"

#include <map>

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
ChartCell cell_of(const ChartRow& row, int up,
                  const std::map<std::pair<int, int>, const InitialHand*>& dealt) {
    ChartCell cell{.up = up};
    std::vector<const InitialHand*> hands;
    for (const auto& values : row.hands) {
        const auto found = dealt.find(values);
        if (found != dealt.end() && found->second->probability > 0) {
            hands.push_back(found->second);
        }
    }
    if (hands.empty()) {
        return cell;
    }
    // A play counts for the row only when every hand of it may play it; the
    // rules allow the same plays to every hand of one total.
    std::array<std::optional<double>, kPlays.size()> weighed{};
    for (std::size_t play = 0; play < kPlays.size(); ++play) {
        double sum = 0;
        double weight = 0;
        bool everywhere = true;
        for (const InitialHand* hand : hands) {
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
    std::size_t best = 0;
    for (std::size_t play = 1; play < kPlays.size(); ++play) {
        if (weighed[play] && *weighed[play] > *weighed[best] + analysis::kTie) {
            best = play;
        }
    }
    cell.play = kPlays[best];
    cell.code = play_letter(*cell.play);
    if (*cell.play == Play::double_down || *cell.play == Play::surrender) {
        // Where the play is not allowed after all (a third card, a table
        // without it), the better of hitting and standing.
        const bool hits = weighed[1] && *weighed[1] > *weighed[0] + analysis::kTie;
        cell.fallback = hits ? Play::hit : Play::stand;
        cell.code += hits ? "h" : "s";
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

Chart make_chart(const std::vector<InitialHand>& hands) {
    Chart chart{.hard = hard_rows(), .soft = soft_rows(), .pairs = pair_rows()};
    for (std::size_t column = 0; column < kChartUps.size(); ++column) {
        const int up = kChartUps[column];
        std::map<std::pair<int, int>, const InitialHand*> dealt;
        for (const InitialHand& hand : hands) {
            if (hand.up == up) {
                dealt[{hand.first, hand.second}] = &hand;
            }
        }
        for (auto* rows : {&chart.hard, &chart.soft, &chart.pairs}) {
            for (ChartRow& row : *rows) {
                row.cells[column] = cell_of(row, up, dealt);
            }
        }
    }
    return chart;
}

}  // namespace tavolix::strategy
