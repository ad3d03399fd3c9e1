// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis_panel.h"
#include "calculate.h"
#include "core/card_entry.h"
#include "core/engine_run.h"
#include "core/table_state.h"
#include "exact_chances.h"
#include "table_text.h"

namespace tavolix {

// The dealer's rule and the decks in play, as the window's rule line reads.
std::string rule_line(int decks, const ModelWords& words = {});

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
    std::string Label14 = rule_line(1);
    AnalysisPanel analysis;  // Frame5, "Analisi esatta"
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

    // Take a card back, leaving the table as if it had never been entered:
    // the hand's text and total go back one card; the results are calculated
    // again while both hands are complete, and while they are not that side's
    // results go, as its cancel button clears them. Nothing happens when there
    // is no card to take back.
    void remove_last_card(Side side);  // that hand's last card
    void undo_last_card();             // the last card entered on either hand, again and again

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
    // The side of every card now on the table, in the order entered.
    std::vector<Side> entered_;
};

}  // namespace tavolix
