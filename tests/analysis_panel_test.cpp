// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/card_entry.h"
#include "model/analysis_panel.h"
#include "model/form1_model.h"
#include "model/table_text.h"

namespace tavolix {
namespace {

using analysis::HandAnalysis;
using analysis::Play;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// Under the window's own rules the panel reads as it always has: the text
// that tavolix-calc --analysis prints for dealer 10, player 10 and 6.
TEST(AnalysisPanelText, reads_as_before_under_the_tables_own_rules) {
    Form1Model model;
    model.Form_Load();
    for (const auto& [side, face] :
         {std::pair{Side::Banco, 10}, {Side::Player, 10}, {Side::Player, 6}}) {
        model.Label3_Click(pad_index(side, static_cast<Integer>(face)));
    }
    EXPECT_EQ(analysis_text(model.captions().analysis),
              "Analisi esatta\n"
              "   N    Vince     Pari    Perde      EV\n"
              "  12   15.65%    8.98%   75.37%  -0.597\n"
              "  13   15.65%    8.98%   75.37%  -0.597\n"
              "  14   15.65%    8.98%   75.37%  -0.597\n"
              "  15   15.65%    8.98%   75.37%  -0.597\n"
              "  16   15.65%    8.98%   75.37%  -0.597\n"
              "*>17   19.74%    6.48%   73.78%  -0.540\n"
              "  18   19.46%    5.94%   74.60%  -0.551\n"
              "  19   17.90%    5.29%   76.81%  -0.589\n"
              "  20   14.81%    4.51%   80.68%  -0.659\n"
              "  21    9.87%    1.28%   88.85%  -0.790\n"
              "* migliore   > soglia scelta\n"
              "Consiglio: CARTA\n"
              "EV: STAI -0.597  CARTA -0.540  RADDOPPIA -1.081\n");
}

// An analysis as a casino's rules may leave it, and what the panel's title,
// advice and plays then read.
struct PanelCase {
    const char* name;
    HandAnalysis analysis;
    const char* title;
    const char* advice;
    const char* actions;
    TableRules rules{};
};

void PrintTo(const PanelCase& c, std::ostream* out) {
    *out << c.name;
}

HandAnalysis plays(Play advice, double stand, std::optional<double> hit,
                   std::optional<double> doubled, std::optional<double> split = std::nullopt,
                   std::optional<double> surrender = std::nullopt,
                   std::optional<double> insurance = std::nullopt) {
    HandAnalysis analysis;
    analysis.best_stand_at = 17;
    analysis.advice = advice;
    analysis.stand_ev = stand;
    analysis.hit_ev = hit;
    analysis.double_ev = doubled;
    analysis.split_ev = split;
    analysis.surrender_ev = surrender;
    analysis.insurance_ev = insurance;
    return analysis;
}

HandAnalysis with(HandAnalysis analysis, bool no_dealer_blackjack, bool natural,
                  bool dealer_natural) {
    analysis.no_dealer_blackjack = no_dealer_blackjack;
    analysis.natural = natural;
    analysis.dealer_natural = dealer_natural;
    return analysis;
}

class AnalysisPanelPlays : public ::testing::TestWithParam<PanelCase> {};

TEST_P(AnalysisPanelPlays, show_every_allowed_play_the_advice_and_what_the_figures_assume) {
    const PanelCase& c = GetParam();
    const AnalysisPanel panel = analysis_panel(c.analysis, 17, {}, c.rules);
    EXPECT_EQ(panel.title, c.title);
    EXPECT_EQ(panel.advice, c.advice);
    EXPECT_EQ(panel.actions, c.actions);
    // The plain text carries the same lines, the title first and the plays last.
    const std::vector<std::string> text = lines_of(analysis_text(panel));
    ASSERT_GE(text.size(), 15u);
    EXPECT_EQ(text.front(), c.title);
    const std::vector<std::string> actions = lines_of(c.actions);
    EXPECT_EQ(std::vector<std::string>(text.end() - static_cast<long>(actions.size()), text.end()),
              actions);
    EXPECT_EQ(text[text.size() - actions.size() - 1], c.advice);
    // Every line of the plays fits the panel's fixed-pitch box.
    for (const std::string& line : actions) {
        EXPECT_LE(characters(line), 50u) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Analyses, AnalysisPanelPlays,
    ::testing::Values(
        PanelCase{"no_double_on_three_cards", plays(Play::stand, 0.1, -0.3, std::nullopt),
                  "Analisi esatta", "Consiglio: STAI", "EV: STAI +0.100  CARTA -0.300"},
        PanelCase{"a_pair_to_split", plays(Play::split, -0.4, -0.35, -0.9, 0.0004, std::nullopt),
                  "Analisi esatta", "Consiglio: DIVIDI",
                  "EV: STAI -0.400  CARTA -0.350  RADDOPPIA -0.900\n    DIVIDI +0.000"},
        PanelCase{
            "a_casinos_split_names_its_strategy",
            with(plays(Play::split, -0.6, -0.5, -1.1, -0.45, -0.5, -0.077), true, false, false),
            "Analisi esatta, se il banco non ha blackjack", "Consiglio: DIVIDI   ASSICURAZIONE: no",
            "EV: STAI -0.600  CARTA -0.500  RADDOPPIA -1.100\n"
            "    DIVIDI -0.450 (PERHAND)  RESA -0.500\n"
            "    ASSICURAZIONE -0.077",
            TableRules{.dealer = DealerRule::h17, .post_split = PostSplit::per_hand}},
        PanelCase{"the_default_strategy_named_too",
                  plays(Play::split, -0.4, -0.35, -0.9, 0.0004, std::nullopt), "Analisi esatta",
                  "Consiglio: DIVIDI",
                  "EV: STAI -0.400  CARTA -0.350  RADDOPPIA -0.900\n    DIVIDI +0.000 (CDP1)",
                  TableRules{.dealer = DealerRule::s17}},
        PanelCase{"no_strategy_without_a_split",
                  plays(Play::surrender, -0.54, -0.52, std::nullopt, std::nullopt, -0.5),
                  "Analisi esatta", "Consiglio: RESA",
                  "EV: STAI -0.540  CARTA -0.520\n    RESA -0.500",
                  TableRules{.dealer = DealerRule::s17, .post_split = PostSplit::cdz_minus}},
        PanelCase{"surrender_without_a_double",
                  plays(Play::surrender, -0.54, -0.52, std::nullopt, std::nullopt, -0.5),
                  "Analisi esatta", "Consiglio: RESA",
                  "EV: STAI -0.540  CARTA -0.520\n    RESA -0.500"},
        PanelCase{
            "every_play_and_insurance_declined",
            with(plays(Play::split, -0.6, -0.5, -1.1, -0.45, -0.5, -0.077), true, false, false),
            "Analisi esatta, se il banco non ha blackjack", "Consiglio: DIVIDI   ASSICURAZIONE: no",
            "EV: STAI -0.600  CARTA -0.500  RADDOPPIA -1.100\n"
            "    DIVIDI -0.450  RESA -0.500\n"
            "    ASSICURAZIONE -0.077"},
        PanelCase{"insurance_taken",
                  with(plays(Play::hit, -0.3, -0.2, -0.6, std::nullopt, std::nullopt, 0.125), true,
                       false, false),
                  "Analisi esatta, se il banco non ha blackjack",
                  "Consiglio: CARTA   ASSICURAZIONE: sì",
                  "EV: STAI -0.300  CARTA -0.200  RADDOPPIA -0.600\n    ASSICURAZIONE +0.125"},
        PanelCase{"insurance_at_even_money_is_declined",
                  plays(Play::stand, 0.2, -0.1, std::nullopt, std::nullopt, std::nullopt, 0.0),
                  "Analisi esatta", "Consiglio: STAI   ASSICURAZIONE: no",
                  "EV: STAI +0.200  CARTA -0.100\n    ASSICURAZIONE +0.000"},
        PanelCase{"a_natural_has_nothing_to_decide",
                  with(plays(Play::stand, 1.5, -0.2, -0.4, std::nullopt, std::nullopt, 0.1), false,
                       true, false),
                  "Analisi esatta", "Blackjack: niente da decidere", "EV: STAI +1.500"},
        PanelCase{"a_natural_paid_six_to_five_that_may_push",
                  with(plays(Play::stand, 1.1, std::nullopt, std::nullopt), true, true, false),
                  "Analisi esatta, se il banco non ha blackjack", "Blackjack: niente da decidere",
                  "EV: STAI +1.100"},
        PanelCase{"the_dealers_natural_ends_the_round",
                  with(plays(Play::stand, -1.0, -1.0, -2.0, -1.0, -0.5), true, false, true),
                  "Analisi esatta", "Blackjack del banco: la mano è finita", "EV: STAI -1.000"},
        PanelCase{"two_naturals_push",
                  with(plays(Play::stand, 0.0, std::nullopt, std::nullopt), false, true, true),
                  "Analisi esatta", "Blackjack del banco: la mano è finita", "EV: STAI +0.000"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(AnalysisPanelPlays, name_each_advice_for_machines) {
    EXPECT_STREQ(advice_key(Play::split), "split");
    EXPECT_STREQ(advice_key(Play::surrender), "surrender");
    EXPECT_STREQ(advice_key(Play::double_down), "double");
}

}  // namespace
}  // namespace tavolix
