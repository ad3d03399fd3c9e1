// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "core/card_entry.h"
#include "model/form1_model.h"
#include "model/remembered_table.h"
#include "model/rule_line.h"
#include "model/rules_form.h"
#include "model/rules_presets.h"
#include "model/table_text.h"
#include "table_fixtures.h"
#include "test_names.h"

namespace tavolix {
namespace {

TableRules rules_of(const char* text) {
    const auto parsed = parse_rules(text);
    EXPECT_TRUE(std::holds_alternative<TableRules>(parsed)) << text;
    return std::holds_alternative<TableRules>(parsed) ? std::get<TableRules>(parsed) : TableRules{};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct LineCase {
    const char* rules;
    int decks;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.rules << " x" << c.decks;
}

class RuleLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(RuleLine, reads_as_the_table_is_dealt) {
    EXPECT_EQ(rule_line(rules_of(GetParam().rules), GetParam().decks), GetParam().line);
}

// The window's own dealer keeps its sentence whatever the player's options;
// a casino's line names what departs from the common table, in words while
// there is room, the least of it by shorthand when there is not.
INSTANTIATE_TEST_SUITE_P(
    Rules, RuleLine,
    ::testing::Values(
        LineCase{"TABLE", 1,
                 "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in "
                 "gioco ."},
        LineCase{"TABLE", 6,
                 "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. 6 mazzi in "
                 "gioco ."},
        LineCase{"TABLE NODBL SPL0 LS", 1,
                 "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in "
                 "gioco ."},
        LineCase{"S17 DAS LS", 6, "S17, 6 mazzi, blackjack 3:2, raddoppio dopo divisione, resa"},
        LineCase{"S17", 1, "S17, 1 mazzo, blackjack 3:2"},
        LineCase{"H17 BJ6:5", 1, "H17, 1 mazzo, blackjack 6:5"},
        LineCase{"H17 D10", 2, "H17, 2 mazzi, blackjack 3:2, raddoppio 10-11"},
        LineCase{"S17 BJ1:1 NODBL DAS SPL2", 4,
                 "S17, 4 mazzi, blackjack 1:1, senza raddoppio, divisione fino a 3 mani"},
        LineCase{"S17 SPL0 DAS HSA", 8, "S17, 8 mazzi, blackjack 3:2, senza divisione"},
        LineCase{"S17 SPL1 HSA", 8, "S17, 8 mazzi, blackjack 3:2, divisione fino a 2 mani, HSA"},
        LineCase{"S17 ENHC D9 DAS", 6,
                 "S17, 6 mazzi, blackjack 3:2, senza carta coperta, raddoppio 9-11, DAS"},
        LineCase{"H17 ENHC BJ6:5 D10 DAS SPL2 RSA HSA LS", 8,
                 "H17, 8 mazzi, blackjack 6:5, ENHC, D10, DAS, SPL2, RSA, HSA, resa"},
        LineCase{"S17 CDP", 1, "S17, 1 mazzo, blackjack 3:2, gioco dopo divisione CDP"},
        LineCase{"S17 SPL1 OPT", 1, "S17, 1 mazzo, blackjack 3:2, divisione fino a 2 mani, OPT"},
        LineCase{"S17 DAS LS CDZ-", 6,
                 "S17, 6 mazzi, blackjack 3:2, raddoppio dopo divisione, resa, CDZ-"},
        LineCase{"S17 SPL0 CDZ-", 6, "S17, 6 mazzi, blackjack 3:2, senza divisione"},
        LineCase{"H17 ENHC BJ6:5 D10 DAS SPL2 RSA HSA LS PERHAND", 8,
                 "H17, 8 mazzi, blackjack 6:5, ENHC, D10, DAS, SPL2, RSA, HSA, LS, PERHAND"}),
    [](const auto& row) {
        return testing::row_name(
            row.index, std::string(row.param.rules) + " " + std::to_string(row.param.decks));
    });

// Every rule set the settings can make, at every deck count: the line keeps
// to its room, names the dealer, the decks and the payout, and names each
// option that changes the game, in words or by its shorthand, and no other.
TEST(RuleLines, name_every_option_that_matters_within_the_room_of_the_line) {
    struct Option {
        const char* words;
        const char* token;
        bool (*named)(const TableRules&);
    };
    const Option options[] = {
        {"senza carta coperta", "ENHC",
         [](const TableRules& r) { return r.hole_card == HoleCard::enhc; }},
        {"raddoppio 9-11", "D9",
         [](const TableRules& r) { return r.double_down == DoubleRule::hard_9_to_11; }},
        {"senza raddoppio", "NODBL",
         [](const TableRules& r) { return r.double_down == DoubleRule::none; }},
        {"raddoppio dopo divisione", "DAS",
         [](const TableRules& r) {
             return r.double_after_split && r.double_down != DoubleRule::none && r.splits > 0;
         }},
        {"senza divisione", "SPL0", [](const TableRules& r) { return r.splits == 0; }},
        {"ridivisione degli assi", "RSA", [](const TableRules& r) { return r.resplit_aces; }},
        {"carte sugli assi divisi", "HSA",
         [](const TableRules& r) { return r.hit_split_aces && r.splits > 0; }},
        {"resa", "LS", [](const TableRules& r) { return r.surrender; }},
        {"gioco dopo divisione CDZ-", "CDZ-",
         [](const TableRules& r) { return r.post_split == PostSplit::cdz_minus && r.splits > 0; }},
        {"gioco dopo divisione CDP", "CDP",
         [](const TableRules& r) { return r.post_split == PostSplit::cdp && r.splits > 0; }},
        {"gioco dopo divisione OPT", "OPT",
         [](const TableRules& r) { return r.post_split == PostSplit::opt && r.splits > 0; }},
        {"gioco dopo divisione PERHAND", "PERHAND",
         [](const TableRules& r) { return r.post_split == PostSplit::per_hand && r.splits > 0; }},
    };
    // The tooltip names the default strategy too, where the line leaves it out.
    const std::string default_strategy = ", gioco dopo divisione CDP1";
    std::set<std::pair<PostSplit, int>> strategies_met;
    int casino_sets = 0;
    int shortened = 0;
    for (const TableRules& rules : testing::every_valid_rules()) {
        if (!casino_dealer(rules)) {
            continue;
        }
        ++casino_sets;
        strategies_met.emplace(rules.post_split, rules.splits);
        for (int decks = kMinDecks; decks <= kMaxDecks; ++decks) {
            const std::string line = rule_line(rules, decks);
            const std::string described = rules_description(rules, decks);
            const std::string context = rules_text(rules) + " x" + std::to_string(decks);
            EXPECT_LE(characters(line), kRuleLineRoom) << line;
            EXPECT_EQ(line.substr(0, 3), rules.dealer == DealerRule::s17 ? "S17" : "H17");
            EXPECT_TRUE(contains(line, ", " + deck_words(decks) + ", blackjack ")) << line;
            EXPECT_EQ(contains(described + ",", std::string(", gioco dopo divisione ") +
                                                    post_split_token(rules.post_split) + ","),
                      rules.splits > 0)
                << context;
            // A line that has room says it all in words, but the default
            // strategy; a strategy's token in capitals takes up to four
            // characters' room more than its letters.
            std::string in_words = described;
            if (in_words.ends_with(default_strategy)) {
                in_words.erase(in_words.size() - default_strategy.size());
            }
            const bool no_strategy = in_words.size() != described.size() || rules.splits == 0;
            if (characters(in_words) + (no_strategy ? 0 : 4) <= kRuleLineRoom) {
                EXPECT_EQ(line, in_words);
            } else {
                ++shortened;
            }
            const std::string listed = line + ",";
            for (const Option& option : options) {
                const bool named = contains(listed, std::string(", ") + option.words + ",") ||
                                   contains(listed, std::string(", ") + option.token + ",");
                EXPECT_EQ(named, option.named(rules)) << context << ": " << option.token;
                EXPECT_EQ(contains(described + ",", std::string(", ") + option.words + ","),
                          option.named(rules))
                    << context << ": " << option.words;
            }
        }
    }
    // Two dealers, two hole cards, three payouts, four doubles, DAS, the
    // twelve ways to split that take RSA only with two splits, surrender,
    // each with one strategy of five; OPT only with one split or none.
    EXPECT_GT(casino_sets, 2 * 2 * 3 * 4 * 2 * 12 * 2 * 3 / 4);
    EXPECT_EQ(strategies_met.size(), 5u * (kMostSplits + 1) - 2);
    EXPECT_GT(shortened, 0);
}

// The presets are sensible tables that the dialog can show and OK can apply
// as they are, each found again by its rules and decks.
TEST(RulesPresets, are_distinct_valid_tables_that_the_dialog_gives_back_unchanged) {
    const auto presets = rules_presets();
    ASSERT_GE(presets.size(), 5u);
    EXPECT_EQ(presets.front().rules, TableRules{});
    EXPECT_EQ(presets.front().decks, 1);
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const RulesPreset& preset = presets[i];
        EXPECT_TRUE(names.insert(preset.name).second) << preset.name;
        EXPECT_GE(preset.decks, kMinDecks);
        EXPECT_LE(preset.decks, kMaxDecks);
        const auto parsed = parse_rules(rules_text(preset.rules));
        ASSERT_TRUE(std::holds_alternative<TableRules>(parsed)) << preset.name;
        EXPECT_EQ(std::get<TableRules>(parsed), preset.rules) << preset.name;
        EXPECT_EQ(picked_rules(preset.rules), preset.rules) << preset.name;
        EXPECT_EQ(matching_preset(preset.rules, preset.decks), i) << preset.name;
        RulesForm form;
        EXPECT_TRUE(pick_preset(form, preset));
        EXPECT_EQ(shown_preset(form), i) << preset.name;
    }
    EXPECT_EQ(preset_label("Atlantic City", presets[2]), "Atlantic City, 8 mazzi");
    EXPECT_EQ(matching_preset(rules_of("S17 DAS LS"), 7), std::nullopt);
    EXPECT_EQ(matching_preset(rules_of("S17 DAS"), 6), std::nullopt);
}

// Whatever the controls show, disabled ones included, OK applies rules that
// parse_rules takes back from their text; the open settings pass unchanged
// and a closed one is back at its default.
TEST(RulesForm, applies_only_rules_that_parse_and_keeps_every_open_setting) {
    const TableRules defaults;
    for (const TableRules& shown : testing::every_combination_of_rules()) {
        const TableRules picked = picked_rules(shown);
        const std::string text = rules_text(picked);
        const auto parsed = parse_rules(text);
        ASSERT_TRUE(std::holds_alternative<TableRules>(parsed))
            << text << ": " << std::get<RulesError>(parsed).message;
        EXPECT_EQ(std::get<TableRules>(parsed), picked) << text;
        EXPECT_EQ(picked_rules(picked), picked) << text;

        const OpenSettings open = open_settings(shown);
        EXPECT_EQ(picked.dealer, shown.dealer);
        EXPECT_EQ(picked.double_down, shown.double_down);
        EXPECT_EQ(picked.splits, shown.splits);
        EXPECT_EQ(picked.surrender, shown.surrender);
        EXPECT_EQ(picked.hole_card, open.hole_card ? shown.hole_card : defaults.hole_card);
        EXPECT_EQ(picked.natural, open.natural ? shown.natural : defaults.natural);
        EXPECT_EQ(picked.double_after_split, open.double_after_split && shown.double_after_split);
        EXPECT_EQ(picked.resplit_aces, open.resplit_aces && shown.resplit_aces);
        EXPECT_EQ(picked.hit_split_aces, open.hit_split_aces && shown.hit_split_aces);
        const bool strategy_open =
            open.post_split && (shown.post_split != PostSplit::opt || open.optimal_post_split);
        EXPECT_EQ(picked.post_split, strategy_open ? shown.post_split : defaults.post_split)
            << text;
        EXPECT_EQ(open.hole_card, shown.dealer != DealerRule::table);
        EXPECT_EQ(open.resplit_aces, shown.splits >= 2);
        EXPECT_EQ(open.post_split, shown.dealer != DealerRule::table && shown.splits > 0);
        EXPECT_EQ(open.optimal_post_split, shown.splits == 1);
    }
}

// OPT plays two hands only. Picked while more splits are allowed it is
// refused; kept while the splits are raised, or a preset that splits more is
// picked, it gives way to CDP1. Any other strategy is the player's and stays.
TEST(RulesForm, keeps_opt_to_one_split_and_the_strategy_across_presets) {
    // The controls may show what the shorthand refuses, OPT with SPL3.
    struct Pick {
        const char* name;
        const char* before;  // the form's rules
        const char* read;    // what the controls show after the pick...
        PostSplit strategy;  // ...with this strategy
        bool taken;
        const char* after;  // the form's rules then
        StrategyNote note;
    };
    const Pick picks[] = {
        {"opt_with_one_split", "S17 SPL1", "S17 SPL1", PostSplit::opt, true, "S17 SPL1 OPT",
         StrategyNote::none},
        {"splits_raised_under_opt", "S17 SPL1 OPT", "S17 SPL2", PostSplit::opt, true, "S17 SPL2",
         StrategyNote::optimal_gave_way},
        {"no_split_keeps_opt_greyed", "S17 SPL1 OPT", "S17 SPL0", PostSplit::opt, true,
         "S17 SPL0 OPT", StrategyNote::none},
        {"opt_picked_with_three_splits", "S17 DAS CDZ-", "S17 DAS LS", PostSplit::opt, false,
         "S17 DAS LS CDZ-", StrategyNote::optimal_refused},
        {"other_strategy_kept", "S17 SPL1 CDZ-", "S17", PostSplit::cdz_minus, true, "S17 CDZ-",
         StrategyNote::none},
        {"another_strategy", "H17 DAS", "H17 DAS", PostSplit::per_hand, true, "H17 DAS PERHAND",
         StrategyNote::none},
    };
    for (const Pick& pick : picks) {
        RulesForm form{.shown = rules_of(pick.before),
                       .strategy_note = StrategyNote::optimal_gave_way};
        TableRules read = rules_of(pick.read);
        read.post_split = pick.strategy;
        EXPECT_EQ(take_settings(form, read), pick.taken) << pick.name;
        EXPECT_EQ(rules_text(form.shown), pick.after) << pick.name;
        EXPECT_EQ(form.strategy_note, pick.note) << pick.name;
    }
    RulesForm form{.shown = rules_of("S17 DAS CDZ-")};

    // A preset is a table: it keeps the player's strategy, and is found again
    // whatever the strategy; OPT gives way to the preset's splits.
    const RulesPreset& strip = rules_presets()[1];
    EXPECT_TRUE(pick_preset(form, strip));
    EXPECT_EQ(form.shown.post_split, PostSplit::cdz_minus);
    EXPECT_EQ(form.strategy_note, StrategyNote::none);
    EXPECT_EQ(shown_preset(form), 1u);
    EXPECT_EQ(picked_rules(form.shown).post_split, PostSplit::cdz_minus);
    form.shown = rules_of("H17 SPL1 OPT");
    EXPECT_TRUE(pick_preset(form, strip));
    EXPECT_EQ(form.shown, strip.rules);
    EXPECT_EQ(form.strategy_note, StrategyNote::optimal_gave_way);
}

// The decks the hands on the table do not fit are refused, in the dialog as
// in the list; a preset's rules are taken all the same.
TEST(RulesForm, refuses_a_deck_count_the_hands_do_not_fit_and_keeps_a_presets_rules) {
    RulesForm form{.shown = {}, .decks = 3, .fewest_decks = 2};
    for (const int refused : {0, 1, 9, -1}) {
        EXPECT_FALSE(pick_decks(form, refused)) << refused;
        EXPECT_EQ(form.decks, 3);
    }
    EXPECT_TRUE(pick_decks(form, 2));
    EXPECT_EQ(form.decks, 2);
    EXPECT_TRUE(pick_decks(form, 8));
    EXPECT_EQ(form.decks, 8);

    const RulesPreset& single_deck = rules_presets()[4];
    ASSERT_EQ(single_deck.decks, 1);
    EXPECT_FALSE(pick_preset(form, single_deck));
    EXPECT_EQ(form.shown, single_deck.rules);
    EXPECT_EQ(form.decks, 8);
    EXPECT_EQ(shown_preset(form), std::nullopt);
}

struct StoredCase {
    const char* name;
    std::optional<std::string> rules;
    std::optional<std::string> decks;
    const char* read_rules;  // canonical
    int read_decks;
    bool rules_refused;
    bool decks_refused;
};

void PrintTo(const StoredCase& c, std::ostream* out) {
    *out << c.name;
}

class StoredTable : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredTable, reads_back_or_falls_back_on_the_defaults_saying_what_it_refused) {
    const StoredCase& c = GetParam();
    const RememberedTable table = remembered_table(c.rules, c.decks);
    EXPECT_EQ(rules_text(table.rules), c.read_rules);
    EXPECT_EQ(table.decks, c.read_decks);
    EXPECT_EQ(table.refused_rules.has_value(), c.rules_refused);
    EXPECT_EQ(table.refused_decks.has_value(), c.decks_refused);
    EXPECT_EQ(table.refused(), c.rules_refused || c.decks_refused);
    if (table.refused_rules) {
        EXPECT_EQ(*table.refused_rules, *c.rules);
    }
    if (table.refused_decks) {
        EXPECT_EQ(*table.refused_decks, *c.decks);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredTable,
    ::testing::Values(
        StoredCase{"first_start", std::nullopt, std::nullopt, "TABLE", 1, false, false},
        StoredCase{"casino", "S17 DAS LS", "6", "S17 DAS LS", 6, false, false},
        StoredCase{"typed_by_hand", "ls, das s17", " 8 ", "S17 DAS LS", 8, false, false},
        StoredCase{"unknown_rule", "S17 XYZ", "6", "TABLE", 6, true, false},
        StoredCase{"casino_option_at_the_table", "TABLE ENHC", std::nullopt, "TABLE", 1, true,
                   false},
        StoredCase{"resplit_aces_with_one_split", "S17 SPL1 RSA", "2", "TABLE", 2, true, false},
        StoredCase{"empty_rules", "", "3", "TABLE", 3, true, false},
        StoredCase{"no_decks", "H17", "0", "H17", 1, false, true},
        StoredCase{"too_many_decks", "H17", "9", "H17", 1, false, true},
        StoredCase{"negative_decks", std::nullopt, "-1", "TABLE", 1, false, true},
        StoredCase{"decks_and_more", std::nullopt, "6x", "TABLE", 1, false, true},
        StoredCase{"plus_sign", std::nullopt, "+6", "TABLE", 1, false, true},
        StoredCase{"blank_decks", std::nullopt, "  ", "TABLE", 1, false, true},
        StoredCase{"huge_decks", std::nullopt, "99999999999999999999", "TABLE", 1, false, true},
        StoredCase{"both_nonsense", "\x01\xff", "banana", "TABLE", 1, true, true}),
    [](const auto& row) { return std::string(row.param.name); });

// What is stored reads back as it was, for every rule set and deck count.
TEST(StoredTables, read_back_every_rule_set_and_deck_count) {
    for (const TableRules& rules : testing::every_valid_rules()) {
        for (int decks = kMinDecks; decks <= kMaxDecks; ++decks) {
            const RememberedTable table =
                remembered_table(stored_rules(rules), std::to_string(decks));
            EXPECT_EQ(table.rules, rules) << rules_text(rules);
            EXPECT_EQ(table.decks, decks);
            EXPECT_FALSE(table.refused());
        }
    }
}

class RulesOfTheModel : public ::testing::Test {
  protected:
    void SetUp() override { model.Form_Load(); }
    void click(Side side, std::initializer_list<int> faces) {
        for (const int face : faces) {
            model.Label3_Click(pad_index(side, static_cast<Integer>(face)));
        }
    }
    Form1Model model;
};

// The dialog's rules and decks come in together, calculated once; a deck
// count the hands do not fit is refused and the rules are taken all the same.
TEST_F(RulesOfTheModel, takes_rules_and_decks_together_refusing_decks_the_hands_do_not_fit) {
    EXPECT_EQ(model.fewest_decks(), 1);
    EXPECT_TRUE(model.set_rules(rules_of("S17 DAS LS"), 6));
    EXPECT_EQ(model.state().deck_count, 6);
    EXPECT_EQ(model.deck_list_index(), 5);
    EXPECT_EQ(model.captions().Label14,
              "S17, 6 mazzi, blackjack 3:2, raddoppio dopo divisione, resa");
    EXPECT_EQ(model.calculations(), 0);

    click(Side::Banco, {1, 1, 1, 1, 1});  // five aces: two decks at least
    click(Side::Player, {10, 9});
    EXPECT_EQ(model.fewest_decks(), 2);
    const int calculations = model.calculations();
    EXPECT_FALSE(model.set_rules(rules_of("H17 D10"), 1));
    EXPECT_EQ(model.state().deck_count, 6);
    EXPECT_EQ(model.deck_list_index(), 5);
    EXPECT_EQ(model.state().rules, rules_of("H17 D10"));
    EXPECT_EQ(model.captions().Label14, "H17, 6 mazzi, blackjack 3:2, raddoppio 10-11");
    EXPECT_EQ(model.calculations(), calculations + 1);
    EXPECT_TRUE(model.set_rules(TableRules{}, 2));
    EXPECT_EQ(model.captions().Label14,
              "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. 2 mazzi in gioco .");
    EXPECT_FALSE(model.set_rules(TableRules{}, 9));
    EXPECT_EQ(model.state().deck_count, 2);
}

}  // namespace
}  // namespace tavolix
