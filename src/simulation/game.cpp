// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "game.h"

#include <cmath>

#include "index_charts.h"
#include "strategy/composition_plays.h"
#include "strategy/round.h"

namespace tavolix::simulation {

namespace {

using analysis::Play;
using strategy::Chart;
using strategy::ChartCell;
using strategy::ChartRow;
using strategy::RowKind;

std::uint8_t move_of(Play play) {
    switch (play) {
        case Play::stand:
            return kStand;
        case Play::hit:
            return kHit;
        case Play::double_down:
            return kDouble;
        case Play::split:
            return kSplit;
        case Play::surrender:
            return kSurrender;
    }
    return kStand;
}

// The plainest play for a total the chart leaves empty.
std::uint8_t plain_code(int total) {
    return total < 17 ? kHit : kStand;
}

std::uint8_t cell_code(const ChartCell& cell, int total) {
    if (!cell.play) {
        return plain_code(total);
    }
    const bool hits = cell.fallback ? *cell.fallback == Play::hit : *cell.play == Play::hit;
    return static_cast<std::uint8_t>(move_of(*cell.play) | (hits ? kHitsInstead : 0));
}

int column_of(int up) {
    return up == 1 ? 9 : up - 2;
}

// The row's total, or for a pair its card's value.
int row_key(const ChartRow& row) {
    const auto [first, second] = row.hands.front();
    if (row.kind == RowKind::pair) {
        return first;
    }
    return row.kind == RowKind::soft ? 11 + second : first + second;
}

int kind_of(RowKind kind) {
    return kind == RowKind::hard ? kHard : (kind == RowKind::soft ? kSoft : kPair);
}

void fill_slot(Game& game, int slot, const Chart& chart) {
    const auto at = [&](int kind, int row, int up) -> std::uint8_t& {
        return game.chart[static_cast<std::size_t>(((slot * 3 + kind) * kRows + row) * kUps + up)];
    };
    for (int up = 1; up <= 10; ++up) {
        for (int total = 0; total < kRows; ++total) {
            at(kHard, total, up) = plain_code(total);
            at(kSoft, total, up) = plain_code(total < 18 ? 0 : total);
            at(kPair, total, up) = kHit;
        }
        for (const auto* rows : {&chart.hard, &chart.soft, &chart.pairs}) {
            for (const ChartRow& row : *rows) {
                if (row.hands.empty()) {
                    continue;
                }
                const int key = row_key(row);
                const int total = row.kind == RowKind::pair ? 2 * key : key;
                at(kind_of(row.kind), key, up) =
                    cell_code(row.cells[static_cast<std::size_t>(column_of(up))], total);
            }
        }
    }
}

// The eighteen decisions of the Hi-Lo set the field knows as the
// Illustrious 18 (insurance apart): kind, total or pair card, up card.
struct IndexCell {
    int kind;
    int row;
    int up;
};
constexpr IndexCell kI18[] = {
    {kHard, 16, 10}, {kHard, 15, 10}, {kPair, 10, 5}, {kPair, 10, 6}, {kHard, 10, 10},
    {kHard, 12, 3},  {kHard, 12, 2},  {kHard, 11, 1}, {kHard, 9, 2},  {kHard, 10, 1},
    {kHard, 9, 7},   {kHard, 16, 9},  {kHard, 13, 2}, {kHard, 12, 4}, {kHard, 12, 5},
    {kHard, 12, 6},  {kHard, 13, 3},
};

std::vector<CompositionNode> nodes_of(const std::vector<strategy::CompositionPlay>& plays) {
    std::vector<CompositionNode> nodes(plays.size());
    for (std::size_t i = 0; i < plays.size(); ++i) {
        for (int value = 1; value <= 10; ++value) {
            nodes[i].next[static_cast<std::size_t>(value)] = plays[i].next[value];
        }
        nodes[i].code = static_cast<std::uint8_t>(
            move_of(plays[i].play) | (plays[i].fallback == Play::hit ? kHitsInstead : 0));
    }
    return nodes;
}

int ramp_units(const std::vector<RampStep>& ramp, int true_count) {
    if (ramp.empty()) {
        return 1;
    }
    int units = ramp.front().units;
    for (const RampStep& step : ramp) {
        if (step.true_count <= true_count) {
            units = step.units;
        }
    }
    return units;
}

}  // namespace

void set_ramp(Game& game, const std::vector<RampStep>& ramp) {
    game.options.ramp = ramp;
    for (int slot = 0; slot < kCountSlots; ++slot) {
        game.units[static_cast<std::size_t>(slot)] = ramp_units(ramp, slot + kLowestCount);
    }
}

std::variant<Game, std::string> prepare_game(const SimulationOptions& options, std::stop_token stop,
                                             PreparedStrategies* known) {
    if (const std::optional<std::string> fault = options_fault(options)) {
        return *fault;
    }
    Game game{.options = options};
    const TableRules& rules = options.rules;
    game.cards = options.decks * 52;
    game.cut_card = cut_card_of(options);
    game.peek = rules.hole_card == HoleCard::peek;
    game.hits_soft_17 = rules.dealer == DealerRule::h17;
    game.natural_money = static_cast<int>(std::lround(natural_payout(rules) * kMoneyScale));
    for (int value = 1; value <= 10; ++value) {
        game.half_tags[static_cast<std::size_t>(value)] = options.count.half_tag(value);
    }
    game.initial_half_count =
        static_cast<int>(std::lround(2 * options.count.initial_running_count(options.decks)));
    for (int total = 0; total < kRows; ++total) {
        for (const bool soft : {false, true}) {
            game.may_double[static_cast<std::size_t>(total)][soft ? 1 : 0] =
                may_double(rules, total, soft);
        }
    }
    set_ramp(game, options.ramp);
    for (std::size_t unseen = 0; unseen < game.tc_cards.size(); ++unseen) {
        game.tc_cards[unseen] =
            static_cast<std::int16_t>(reckoned_cards(static_cast<int>(unseen), options.tc_decks));
    }
    if (options.wong_out) {
        game.wong_out = *options.wong_out;
    }

    const DeckCounts shoe = strategy::full_shoe(options.decks);
    const strategy::Strategy* basic = known ? known->strategy(rules, options.decks) : nullptr;
    std::optional<strategy::Strategy> computed;
    if (basic == nullptr) {
        computed = strategy::compute_strategy(shoe, rules, {}, stop);
        if (!computed) {
            return std::string("stopped while working out the strategy");
        }
        basic = known ? &known->keep(rules, options.decks, std::move(*computed)) : &*computed;
    }
    game.chart.assign(static_cast<std::size_t>(kCountSlots * 3 * kRows * kUps), kStand);
    for (int slot = 0; slot < kCountSlots; ++slot) {
        fill_slot(game, slot, basic->chart);
    }
    if (options.indices != IndexSet::none) {
        const IndexCharts* kept =
            known ? known->charts(rules, options.decks, options.count) : nullptr;
        std::variant<IndexCharts, std::string> found = std::string();
        if (kept == nullptr) {
            found = index_charts(shoe, rules, options.count, stop);
            if (auto* error = std::get_if<std::string>(&found)) {
                return *error;
            }
            kept = known ? &known->keep(rules, options.decks, options.count,
                                        std::get<IndexCharts>(std::move(found)))
                         : &std::get<IndexCharts>(found);
        }
        const IndexCharts& charts = *kept;
        if (charts.insurance_index) {
            game.insurance_at = *charts.insurance_index;
        }
        Game counted = game;
        for (int slot = 0; slot < kCountSlots; ++slot) {
            fill_slot(counted, slot, charts.charts[static_cast<std::size_t>(slot)]);
        }
        if (options.indices == IndexSet::all) {
            game.chart = counted.chart;
        } else {
            for (int slot = 0; slot < kCountSlots; ++slot) {
                for (const IndexCell& cell : kI18) {
                    const auto at = static_cast<std::size_t>(
                        ((slot * 3 + cell.kind) * kRows + cell.row) * kUps + cell.up);
                    game.chart[at] = counted.chart[at];
                }
            }
        }
    }
    if (options.play == PlayStyle::composition) {
        for (int up = 1; up <= 10; ++up) {
            game.composition[static_cast<std::size_t>(up)] =
                nodes_of(strategy::composition_plays(up, *basic));
        }
    }
    return game;
}

}  // namespace tavolix::simulation
