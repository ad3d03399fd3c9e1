// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "analysis/plain_analysis.h"
#include "core/card_entry.h"
#include "core/hand_total.h"
#include "core/shoe_count.h"
#include "counting/count.h"
#include "dealer/banco.h"
#include "model/form1_model.h"
#include "model/remembered_table.h"
#include "model/shoe_file.h"
#include "player/player.h"
#include "table_fixtures.h"

namespace tavolix {
namespace {

void click(Form1Model& model, Side side, int face) {
    model.Label3_Click(pad_index(side, static_cast<Integer>(face)));
}

// Whatever the cards out, a table is figured from the shoe they leave: the
// analysis as the plain walk gives it for that shoe written out card by
// card, the engines' shares of the first card from the same counts, and the
// literal walk and the tally of both engines alike.
TEST(CardsOut, leave_every_figure_as_the_shoe_they_leave_gives_it) {
    std::mt19937 random(20261210);
    const int trials = testing::kSanitized ? 12 : 60;
    int compared = 0;
    for (int trial = 0; trial < trials; ++trial) {
        Form1Model model;
        model.Form_Load();
        const int decks = 1 + trial % 3;
        model.Combo2_Click(decks - 1);
        TableRules rules =
            std::get<TableRules>(parse_rules(trial % 2 == 0 ? "S17 DAS LS" : "TABLE"));
        // The plain walk splits by the per-hand method.
        rules.post_split = PostSplit::per_hand;
        model.set_rules(rules);
        std::uniform_int_distribution<int> face(1, 13);
        std::vector<int> explicit_shoe(11);
        for (int value = 1; value <= 10; ++value) {
            explicit_shoe[value] = cards_in_deck(static_cast<Integer>(value)) * decks;
        }
        const int out = std::uniform_int_distribution<int>(5, 30 * decks)(random);
        for (int taken = 0; taken < out; ++taken) {
            const int card = face(random);
            model.take_out_card(static_cast<Integer>(card));
            if (model.last_card() == Form1Model::LastCard::Accepted) {
                --explicit_shoe[card_value(static_cast<Integer>(card))];
            }
        }
        std::vector<int> banco{face(random)};
        std::vector<int> player{face(random), face(random)};
        for (const int card : banco) {
            click(model, Side::Banco, card);
        }
        for (const int card : player) {
            click(model, Side::Player, card);
        }
        if (!model.last_calculation()) {
            continue;  // a card the thinned shoe no longer had
        }
        const TableState& state = model.state();
        analysis::Table table;
        table.stand_at = state.stand_at;
        table.rules = state.rules;
        for (int i = 1; i <= state.banco_count; ++i) {
            table.banco.push_back(state.banco_cards[i]);
            --explicit_shoe[state.banco_cards[i]];
        }
        for (int i = 1; i <= state.player_count; ++i) {
            table.player.push_back(state.player_cards[i]);
            --explicit_shoe[state.player_cards[i]];
        }
        int cards = 0;
        for (int value = 1; value <= 10; ++value) {
            table.shoe[value] = explicit_shoe[value];
            cards += explicit_shoe[value];
        }
        const std::string name = "trial " + std::to_string(trial);
        const auto plain =
            analysis::analyse_plainly(table, {.memory = analysis::PlainMemory::by_position});
        ASSERT_TRUE(plain) << name;
        const analysis::HandAnalysis& fast = model.last_calculation()->analysis;
        EXPECT_NEAR(fast.stand_ev, plain->stand_ev, 1e-12) << name;
        EXPECT_NEAR(fast.hit_ev.value_or(9), plain->hit_ev.value_or(9), 1e-12) << name;
        EXPECT_NEAR(fast.split_ev.value_or(9), plain->split_ev.value_or(9), 1e-12) << name;
        EXPECT_NEAR(fast.dealer_now.busts, plain->dealer_now.busts, 1e-12) << name;
        EXPECT_NEAR(fast.player_draw.busts, plain->player_draw.busts, 1e-12) << name;

        for (const auto& run :
             {model.last_calculation()->banco, model.last_calculation()->player}) {
            EXPECT_EQ(run.draw_stats[1][kCardsLeft], cards) << name;
        }
        TableState walked = state;
        TableState tallied = state;
        for (const auto& [walk, tally] : {std::pair{dealer_figures(walked, DrawPath::walk),
                                                    dealer_figures(tallied, DrawPath::tally)},
                                          std::pair{player_figures(walked, DrawPath::walk),
                                                    player_figures(tallied, DrawPath::tally)}}) {
            EXPECT_EQ(walk, tally) << name;
            EXPECT_EQ(walked.draw_stats, tallied.draw_stats) << name;
        }
        EXPECT_EQ(shoe_count(state).left, cards) << name;
        ++compared;
    }
    EXPECT_GT(compared, trials / 2);
}

// Rounds followed through a shoe: the end of a round takes both hands out,
// undo brings them back as one step, the pad's cancel puts back only this
// round's cards out, and a fresh shoe all of them.
TEST(CardsOut, follow_the_shoe_round_by_round_and_undo_across_rounds) {
    Form1Model model;
    model.Form_Load();
    model.Combo2_Click(5);  // six decks
    click(model, Side::Banco, 10);
    click(model, Side::Player, 5);
    click(model, Side::Player, 6);
    model.take_out_card(2);
    model.take_out_card(13);
    EXPECT_EQ(shoe_count(model.state()).left, 312 - 5);
    EXPECT_EQ(shoe_count(model.state()).running, +1 + 1 + 1 - 1 - 1);
    const std::string before_end = model.captions().Label5;

    model.end_round();
    EXPECT_EQ(model.state().banco_count + model.state().player_count, 0);
    EXPECT_EQ(model.captions().Label8, "Somma =");
    EXPECT_TRUE(model.captions().Label9.empty() && model.captions().analysis.empty());
    EXPECT_EQ(cards_out_in_all(model.state()), 5);
    EXPECT_EQ(model.state().stand_at, 17);

    model.take_out_card(1);
    model.cancel_cards_out();  // this round's ace goes back, the earlier cards stay out
    EXPECT_EQ(cards_out_in_all(model.state()), 5);

    model.undo_last_card();  // the round's end
    EXPECT_EQ(model.captions().Label5, before_end);
    EXPECT_EQ(cards_out_in_all(model.state()), 2);
    EXPECT_TRUE(model.last_calculation());
    model.undo_last_card();  // the king out
    model.undo_last_card();  // the two out
    EXPECT_EQ(cards_out_in_all(model.state()), 0);
    model.undo_last_card();  // the player's 6
    EXPECT_EQ(model.state().player_count, 1);

    model.end_round();
    model.take_out_card(7);
    model.new_shoe();
    EXPECT_EQ(cards_out_in_all(model.state()), 0);
    model.undo_last_card();  // nothing of the old shoe is left to undo
    EXPECT_EQ(cards_out_in_all(model.state()), 0);
    EXPECT_EQ(model.state().player_count, 0);
}

TEST(CardsOut, refuse_a_card_the_shoe_no_longer_has_and_decks_too_few) {
    Form1Model model;
    model.Form_Load();
    for (int i = 0; i < 4; ++i) {
        model.take_out_card(kAce);
    }
    model.take_out_card(kAce);
    EXPECT_EQ(model.last_card(), Form1Model::LastCard::RefusedNoneLeft);
    click(model, Side::Player, kAce);
    EXPECT_EQ(model.last_card(), Form1Model::LastCard::RefusedNoneLeft);
    model.Combo2_Click(1);
    for (int i = 0; i < 4; ++i) {
        model.take_out_card(kAce);
    }
    model.Combo2_Click(0);  // eight aces out do not fit one deck
    EXPECT_EQ(model.state().deck_count, 2);
    model.take_out_card(0);
    EXPECT_EQ(model.last_card(), Form1Model::LastCard::InvalidIndex);
}

// The next round's figure belongs to the shoe it was worked out for.
TEST(CardsOut, mark_the_next_rounds_ev_out_of_date_when_the_shoe_changes) {
    Form1Model model;
    model.Form_Load();
    EXPECT_NE(model.captions().shoe.shoe_line.find("in calcolo"), std::string::npos);
    const StrategyRequest asked = model.next_round_request();
    model.set_next_round_ev(asked, -0.0123);
    EXPECT_NE(model.captions().shoe.shoe_line.find("prossima mano -1.23%"), std::string::npos);
    EXPECT_EQ(model.captions().shoe.shoe_line.find("(in calcolo)"), std::string::npos);
    model.take_out_card(5);
    EXPECT_NE(model.captions().shoe.shoe_line.find("-1.23% (in calcolo)"), std::string::npos);
    model.set_next_round_ev(asked, -0.0123);  // late, for the shoe before
    EXPECT_NE(model.captions().shoe.shoe_line.find("(in calcolo)"), std::string::npos);
    model.set_next_round_ev(model.next_round_request(), 0.004);
    EXPECT_NE(model.captions().shoe.shoe_line.find("prossima mano 0.40%"), std::string::npos);
    EXPECT_FALSE(model.captions().shoe.thin);
    for (int face = 1; face <= 13; ++face) {
        for (int i = 0; i < 3; ++i) {
            model.take_out_card(static_cast<Integer>(face));
        }
    }
    EXPECT_TRUE(model.captions().shoe.thin);  // 13 cards left
}

// The shoe line follows the chosen count over every card gone, the hands'
// and the cards out, from the count's initial running count; a count other
// than Hi-Lo is named, and an unbalanced one shows its running count alone.
TEST(ChosenCount, counts_every_card_gone_from_its_initial_running_count) {
    std::mt19937 random(28);
    for (const counting::Count& count : counting::built_in_counts()) {
        Form1Model model;
        model.Form_Load();
        const int decks = 2 + static_cast<int>(random() % 5);
        model.Combo2_Click(decks - 1);
        model.set_count(count);
        double running = count.initial_running_count(decks);
        int gone = 1;
        std::uniform_int_distribution<int> face(1, 13);
        for (int taken = 0; taken < 40; ++taken) {
            const auto card = static_cast<Integer>(face(random));
            model.take_out_card(card);
            if (model.last_card() == Form1Model::LastCard::Accepted) {
                running += count.tag(card_value(card));
                ++gone;
            }
        }
        click(model, Side::Player, 5);
        ASSERT_EQ(model.last_card(), Form1Model::LastCard::Accepted);
        running += count.tag(5);
        const double left = 52.0 * decks - gone;
        const std::string named = count.name == "hilo" ? "" : count.title + ' ';
        std::string expected = "conteggio " + named + signed_count(running);
        if (count.balanced()) {
            expected += ", vero " + signed_true_count(running / (left / 52));
        }
        EXPECT_NE(model.captions().shoe.shoe_line.find(", " + expected + ", "), std::string::npos)
            << count.name << ": " << model.captions().shoe.shoe_line << " lacks " << expected;
    }
}

// Once a bankroll is set, a favoured round adds the bet the Kelly rule gives
// it and any other round the table's minimum; without one the line is as it
// always was.
TEST(ChosenCount, adds_the_kelly_bet_only_once_a_bankroll_is_set) {
    Form1Model model;
    model.Form_Load();
    const StrategyRequest asked = model.next_round_request();
    model.set_next_round_ev(asked, 0.01, 1.25);
    const std::string plain = model.captions().shoe.shoe_line;
    EXPECT_EQ(plain.find("punt"), std::string::npos);
    model.set_bankroll(1000);
    EXPECT_EQ(model.captions().shoe.shoe_line, plain + ", puntata Kelly 8.00");
    model.set_next_round_ev(asked, -0.004, 1.25);
    EXPECT_NE(model.captions().shoe.shoe_line.find("-0.40%, punta il minimo"), std::string::npos);
    EXPECT_FALSE(kelly_bet(1000, 0, 1.3));
    EXPECT_NEAR(*kelly_bet(2500, 0.013, 1.3), 25, 1e-12);
}

// What is stored for a count and a bankroll reads back as it was; anything
// else falls back on Hi-Lo and no bankroll, saying what it refused.
TEST(ChosenCount, is_remembered_with_the_rules) {
    std::vector<counting::Count> counts = counting::built_in_counts();
    counts.push_back(
        std::get<counting::Count>(counting::parse_count("-1,0.5,1,1,1.5,1,0.5,0,-0.5,-1")));
    for (const counting::Count& count : counts) {
        const RememberedTable table =
            remembered_table("S17", "6", stored_count(count), stored_bankroll(1234.5));
        EXPECT_EQ(table.count, count) << count.name;
        EXPECT_EQ(table.bankroll, 1234.5);
        EXPECT_FALSE(table.refused());
    }
    for (const char* nonsense : {"", "hilo2", "1,2,3", "1,1,1,1,1,1,1,1,1,x"}) {
        const RememberedTable table = remembered_table(std::nullopt, std::nullopt, nonsense);
        EXPECT_EQ(table.count, counting::hi_lo_count()) << nonsense;
        EXPECT_EQ(table.refused_count, nonsense);
    }
    for (const char* nonsense : {"", "0", "-5", "1e3", "12,5", "inf", "cento"}) {
        const RememberedTable table =
            remembered_table(std::nullopt, std::nullopt, std::nullopt, nonsense);
        EXPECT_FALSE(table.bankroll) << nonsense;
        EXPECT_EQ(table.refused_bankroll, nonsense);
    }
    EXPECT_FALSE(remembered_table(std::nullopt, std::nullopt).refused());
}

TEST(ShoeFile, gives_back_every_shoe_it_writes) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        ShoeState shoe;
        shoe.decks = 1 + trial % 8;
        shoe.rules = trial % 3 == 0 ? TableRules{}
                                    : std::get<TableRules>(parse_rules("H17 ENHC BJ6:5 D9 DAS LS"));
        for (Integer face = kAce; face <= kKing; ++face) {
            shoe.cards_out[face] =
                static_cast<Integer>(std::uniform_int_distribution<int>(0, 4 * shoe.decks)(random));
        }
        // Tens of all four faces may not all be out at once beyond the shoe.
        const auto read = read_shoe_file(shoe_file_text(shoe));
        ASSERT_TRUE(std::holds_alternative<ShoeState>(read))
            << std::get<ShoeFileError>(read).message;
        EXPECT_EQ(std::get<ShoeState>(read), shoe);
    }
}

struct DamagedFile {
    const char* why;
    std::string text;
};

class DamagedShoeFile : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedShoeFile, is_refused_whole) {
    const auto read = read_shoe_file(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<ShoeFileError>(read)) << GetParam().why;
    EXPECT_FALSE(std::get<ShoeFileError>(read).message.empty());
}

const std::string kGood =
    "tavolix-shoe 1\ndecks=6\nrules=S17 DAS LS\nout=1,2,3,4,5,6,7,8,9,10,11,12,13\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedShoeFile,
    ::testing::Values(
        DamagedFile{"empty", ""}, DamagedFile{"truncated", kGood.substr(0, kGood.size() / 2)},
        DamagedFile{"another format",
                    "tavolix-shoe 2\ndecks=6\nrules=S17\nout=0,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"nine decks",
                    "tavolix-shoe 1\ndecks=9\nrules=S17\nout=0,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"bad rules",
                    "tavolix-shoe 1\ndecks=6\nrules=S18\nout=0,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"twelve counts",
                    "tavolix-shoe 1\ndecks=6\nrules=S17\nout=0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"a count too many",
                    "tavolix-shoe 1\ndecks=6\nrules=S17\nout=0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"a negative count",
                    "tavolix-shoe 1\ndecks=6\nrules=S17\nout=-1,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"more aces than the shoe",
                    "tavolix-shoe 1\ndecks=1\nrules=S17\nout=5,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"lines swapped",
                    "tavolix-shoe 1\nrules=S17\ndecks=6\nout=0,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"an extra line", kGood + "more=1\n"},
        DamagedFile{"a blank in a count",
                    "tavolix-shoe 1\ndecks=6\nrules=S17\nout=0, 0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedFile{"a zero byte", std::string("tavolix-shoe 1\ndecks=6\0\nrules=S17\n", 32)},
        DamagedFile{"too long", kGood + std::string(5000, '#')}),
    [](const auto& row) { return std::to_string(row.index); });

TEST(ShoeFile, brings_a_shoe_back_into_the_model_or_refuses_it) {
    Form1Model model;
    model.Form_Load();
    const auto read = read_shoe_file(kGood);
    ASSERT_TRUE(std::holds_alternative<ShoeState>(read));
    ASSERT_TRUE(model.restore_shoe(std::get<ShoeState>(read)));
    EXPECT_EQ(model.shoe_state(), std::get<ShoeState>(read));
    EXPECT_EQ(model.state().deck_count, 6);
    EXPECT_EQ(rules_text(model.state().rules), "S17 DAS LS");
    EXPECT_EQ(cards_out_in_all(model.state()), 91);

    // With four aces on the table, a kept shoe of one deck with an ace out
    // does not fit: nothing changes.
    Form1Model busy;
    busy.Form_Load();
    for (int i = 0; i < 4; ++i) {
        click(busy, i % 2 == 0 ? Side::Banco : Side::Player, kAce);
    }
    ShoeState one_ace_out;
    one_ace_out.cards_out[kAce] = 1;
    EXPECT_FALSE(busy.restore_shoe(one_ace_out));
    EXPECT_EQ(cards_out_in_all(busy.state()), 0);
}

}  // namespace
}  // namespace tavolix
