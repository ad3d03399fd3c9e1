// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>

#include "core/model_words.h"
#include "model/rules_form.h"

namespace tavolix::ui {

// The dialog "Regole...": every setting of the table's rules, the deck count,
// the presets, and OK or Annulla. It only shows a RulesForm and hands each
// pick to it; the window applies rules() and decks() when it is accepted.
class RulesDialog : public QDialog {
    Q_OBJECT

  public:
    // Opens on the table's rules and decks; the hands on the table need at
    // least `fewest_decks`. The presets' decks are written in `words`.
    RulesDialog(const TableRules& rules, int decks, int fewest_decks, const RuleLineWords& words,
                QWidget* parent = nullptr);

    // What OK applies: always rules that parse_rules takes, and a deck count
    // that the hands fit.
    TableRules rules() const { return picked_rules(form_.shown); }
    int decks() const { return form_.decks; }

  private:
    void build(const RuleLineWords& words);
    void show_form();
    void read_settings();
    void pick_preset(int index);
    void pick_decks(int index);
    void tell_decks(bool taken);
    void show_note();

    RulesForm form_;
    RuleLineWords words_;
    QComboBox* presets_ = nullptr;
    QComboBox* dealer_ = nullptr;
    QComboBox* hole_card_ = nullptr;
    QComboBox* natural_ = nullptr;
    QComboBox* double_down_ = nullptr;
    QCheckBox* double_after_split_ = nullptr;
    QComboBox* splits_ = nullptr;
    QCheckBox* resplit_aces_ = nullptr;
    QCheckBox* hit_split_aces_ = nullptr;
    QComboBox* post_split_ = nullptr;
    QCheckBox* surrender_ = nullptr;
    QComboBox* decks_ = nullptr;
    QLabel* note_ = nullptr;
    QString decks_note_;  // a refused deck count, told until a count is taken
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace tavolix::ui
