// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/table_state.h"
#include "model/form1_model.h"
#include "model/shoe_captions.h"
#include "model/strategy_text.h"
#include "model/table_text.h"
#include "table_request.h"

namespace tavolix::cli {

// The figures behind one side of the window after a calculation: the hand's
// total, the tallies, and the path-weighted chances beside them.
struct SideOutcome {
    Integer sum = 0;
    bool soft = false;
    DrawStats draw_stats{};
    Integer draw_depth = 0;
    std::int64_t sequences = 0;
    OutcomeChances exact{};
};

// The shoe the figures were worked out from: the cards seen as asked, and
// what is left once they and both hands are out, with the count.
struct ShoeOutcome {
    std::vector<Integer> seen;
    ShoeCount count;
    // The chosen count's, over every card out of the shoe, from its initial
    // running count.
    double running = 0;
    double true_count = 0;
    std::string cards_out_text;  // the shoe panel's texts, as the window shows them
    std::string count_text;
};

struct TableOutcome {
    TableView view;  // the window's texts and threshold
    SideOutcome banco;
    SideOutcome player;
    HandAnalysis analysis;         // the exact analysis of the table
    AnalysisPanel analysis_panel;  // and its texts, as the window's panel shows them
    ShoeOutcome shoe;
    std::vector<std::string> report_errors;
};

// The whole round from a shoe of full decks less the cards seen.
struct StrategyOutcome {
    StrategyRequest request;
    Strategy strategy;
    ShoeOutcome shoe;
};

// Runs one table through the window's model: start-up, the threshold and the
// decks picked in their lists, the rules set as the rules dialog sets them,
// then every card clicked on its pad in order, dealer first, and last the
// cards seen taken out of the shoe.
// A card that the pads would refuse is an error naming the card, so no
// figures are ever given for a hand other than the one asked for. With a
// report directory the model writes its report files there.
std::variant<TableOutcome, InputError> run_table(
    const TableRequest& request,
    const std::optional<std::filesystem::path>& report_directory = std::nullopt);

// The round from the shoe in play of the window's model with those decks
// and rules and no hands, once the cards seen are out; refused as run_table
// refuses a card seen, and when what is left cannot deal a round.
std::variant<StrategyOutcome, InputError> run_strategy_table(
    const TableRules& rules, int decks, const std::vector<Integer>& seen,
    const counting::Count& count = counting::hi_lo_count());

// The shoe in play with those decks and rules and no hands once the cards
// seen are out, as the strategy would be asked of it; refused as
// run_strategy_table refuses a card seen.
std::variant<StrategyRequest, InputError> seen_shoe_request(const TableRules& rules, int decks,
                                                            const std::vector<Integer>& seen);

}  // namespace tavolix::cli
