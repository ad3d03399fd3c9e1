// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis_panel.h"
#include "calculate.h"
#include "core/card_entry.h"
#include "core/engine_run.h"
#include "core/table_state.h"
#include "entry_history.h"
#include "exact_chances.h"
#include "rule_line.h"
#include "shoe_model.h"
#include "strategy_text.h"
#include "table_text.h"

namespace tavolix {

// The texts of every label that the program changes at run time, under the
// window's own control names.
struct Form1Captions {
    std::string Label4;  // dealer's cards
    std::string Label5;  // player's cards
    std::string Label7 = "Somma =";
    std::string Label8 = "Somma =";
    std::string Label9;   // dealer, Tutte combinazioni
    std::string Label10;  // player, Tutte combinazioni
    std::string Label12;  // dealer, Prima carta
    std::string Label13;  // player, Prima carta
    std::string Label14 = rule_line({}, 1);
    AnalysisPanel analysis;  // Frame5, "Analisi esatta"
    ShoeCaptions shoe;       // the shoe panel: the cards out and the shoe line
};

// The behaviour of the window Form1 without the window: it owns the one
// TableState and the captions, and has one handler per event of the window.
// A view forwards each event here and then copies captions() into its labels.
class Form1Model {
  public:
    // The captions and panels are written in `words`.
    explicit Form1Model(ReportSettings reports = {}, ModelWords words = {});

    void Form_Load();
    void Label3_Click(int Index);      // the card pads, 0..25; any other index is ignored
    void Command1_Click();             // "Annulla carte", dealer
    void Command2_Click();             // "Annulla carte", player
    void Command3_Click();             // "ELABORA": calculate
    void Command4_Click();             // "Nuova partita"
    void Combo1_Click(int ListIndex);  // the threshold picked, 0..9 for "12".."21"
    // The deck count picked, 0..7 for "1".."8". A count the hands on the table
    // do not fit is refused: the list's selection stays where it was.
    void Combo2_Click(int ListIndex);
    // The table's rules, picked in the rules dialog: the rule line follows,
    // and a complete table is calculated again under them.
    void set_rules(const TableRules& rules);
    // The rules and the deck count together, as the rules dialog's OK or a
    // remembered table gives them, calculated once. A deck count the hands on
    // the table do not fit is refused as Combo2_Click refuses it, and the
    // rules are taken all the same; returns whether the count was taken.
    bool set_rules(const TableRules& rules, int decks);
    // The fewest decks that the hands on the table fit, 1 for empty hands;
    // none of them fit more than kMaxDecks.
    int fewest_decks() const;

    // Take a card back, leaving the table as if it had never been entered:
    // the hand's text and total go back one card; the results are calculated
    // again while both hands are complete, and while they are not that side's
    // results go, as its cancel button clears them. Nothing happens when there
    // is no card to take back.
    void remove_last_card(Side side);  // that hand's last card
    // The last thing entered, again and again: a hand's card, a card out, or
    // a round's end, which brings both hands back.
    void undo_last_card();

    // The shoe in play, each command as ShoeModel takes it, the hands'
    // figures calculated again when the shoe changed. The "Carte uscite" pad
    // takes a card of a face (1 = A ... 13 = K) out of play; its "Annulla
    // carte" puts back the cards taken out by hand since the last round
    // ended. "Fine mano" takes both hands' cards out and clears the table for
    // the next round, the threshold and rules kept; "Nuovo sabot" puts every
    // card out back.
    void take_out_card(Integer face);
    // Cards seen away from the pads, all or none: the position of the first
    // refused.
    std::optional<std::size_t> take_out_cards(const std::vector<Integer>& faces);
    void cancel_cards_out();
    // The last of those alone, as Backspace on the pad takes it back.
    void put_back_last_card_out();
    void end_round();
    void new_shoe();

    // The shoe in play as it is kept between runs, and brought back: a shoe
    // the hands on the table do not fit is refused, changing nothing.
    ShoeState shoe_state() const { return ShoeModel::shoe_state(state_); }
    bool restore_shoe(const ShoeState& shoe);

    // What the strategy is asked of: a fresh shoe of the table's decks and
    // rules, and the shoe in play for the next round.
    StrategyRequest strategy_request() const;
    StrategyRequest next_round_request() const { return ShoeModel::next_round_request(state_); }
    // The next round's EV, and its variance, once worked out for `request`.
    void set_next_round_ev(const StrategyRequest& request, double ev,
                           std::optional<double> variance = std::nullopt);
    // The count the shoe line follows, and the bankroll whose bet it adds.
    void set_count(const counting::Count& count);
    void set_bankroll(double bankroll);
    const ShoeModel& shoe() const { return shoe_; }

    const Form1Captions& captions() const { return captions_; }
    const std::vector<std::string>& combo_items() const { return combo_items_; }
    int combo_list_index() const { return combo_list_index_; }
    const std::vector<std::string>& deck_items() const { return deck_items_; }
    int deck_list_index() const { return deck_list_index_; }

    const TableState& state() const { return state_; }
    // The words its captions and panels are written in.
    const ModelWords& words() const { return words_; }

    // Calculates once with the report files written, whatever the build's
    // switch says, then puts the switch back: for a caller that checks a
    // table before it wants its reports.
    void calculate_writing_reports();

    // The labels' texts and the threshold, as the window shows them; the
    // same table as plain text is table_text(view(), words()).
    TableView view() const;

    // The path-weighted chances of the table as last calculated, which the
    // window does not show: from the exact analysis, the dealer drawing
    // nothing once the rule says stand, the player taking at least one card.
    ExactChances exact_chances() const;

    // How many calculations have run, and what the last one left.
    int calculations() const { return calculations_; }
    const std::optional<Calculation>& last_calculation() const { return last_calculation_; }

    // The outcome of the last card click, for callers that must tell a refused
    // card from an accepted one (a view shows nothing of it).
    enum class LastCard {
        None,
        Accepted,
        RefusedFifthFace,
        RefusedNoneLeft,
        RefusedBust,
        InvalidIndex
    };
    LastCard last_card() const { return last_card_; }
    // The hand's total with the last card clicked: the new total when it was
    // accepted, the one it would have made when refused for bust.
    Integer last_card_total() const { return last_card_total_; }

  private:
    void show_hand(Side side, Integer total);
    void clear_hand(Side side);
    void clear_panel(Side side);
    void clear_panels();
    void shoe_command_done(bool changed);
    void shoe_changed();
    void bring_back_round(const std::vector<EntryHistory::Step>& round);

    TableState state_;
    Form1Captions captions_;
    std::vector<std::string> combo_items_;
    int combo_list_index_ = -1;
    std::vector<std::string> deck_items_;
    int deck_list_index_ = -1;
    ReportSettings reports_;
    int calculations_ = 0;
    std::optional<Calculation> last_calculation_;
    LastCard last_card_ = LastCard::None;
    Integer last_card_total_ = 0;
    ModelWords words_;
    // Kept from click to click, so each analysis reuses the last one's memory.
    std::unique_ptr<analysis::AnalysisScratch> scratch_ =
        std::make_unique<analysis::AnalysisScratch>();
    // Everything entered, in order, for undo.
    EntryHistory history_;
    ShoeModel shoe_;
};

}  // namespace tavolix
