// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "analysis_controls.h"
#include "form1_controls.h"
#include "model/form1_model.h"
#include "rules_dialog.h"
#include "shoe_controls.h"
#include "strategy_runner.h"
#include "strategy_window.h"
#include "web_links.h"

namespace tavolix::ui {

// The one window of the program. It holds no behaviour of its own: every event
// goes to its handler in Form1Model, and the window then shows the model's
// captions. The load handler runs in the constructor, before the window is
// first shown. Keys and the context menu reach the same handlers as the mouse.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

    const Form1Model& model() const { return model_; }
    bool analysis_open() const { return analysis_open_; }
    bool shoe_open() const { return shoe_open_; }

    // Where the two web links and the manual hand their addresses; the
    // default browser unless replaced.
    void setUrlOpener(UrlOpener opener) { open_url_ = std::move(opener); }
    // How the window tells the user that no browser could be started; a
    // warning box unless replaced.
    void setOpenFailureNotifier(Notifier notifier) { notify_open_failure_ = std::move(notifier); }

    // Where the window remembers the table's rules and deck count between
    // runs. Reads them back at once, a first start keeping the window as it
    // starts; what cannot be read back is told once through the settings
    // notifier and replaced by the defaults. Every later choice of rules or
    // decks is stored there. Without settings nothing is read or stored.
    void use_settings(std::unique_ptr<QSettings> settings);
    // How the window tells the user about its settings; a warning box unless
    // replaced.
    void setSettingsNotifier(Notifier notifier) { notify_settings_ = std::move(notifier); }

    // Where the window keeps the shoe in play between runs. Brings it back
    // at once, the shoe's panel open when it has cards out; a file that
    // cannot be brought back leaves a fresh shoe and says so in one line on
    // the panel. Every later change of the shoe is kept there.
    void use_shoe_file(const QString& path);

    // The count the shoe line follows and the bankroll whose bet it adds, as
    // the count window sets them; both remembered with the rules.
    void set_count(const counting::Count& count);
    void set_bankroll(double bankroll);

  private:
    void Form_Load();
    void Label3_Click(int Index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Combo1_Click(int ListIndex);
    void Combo2_Click(int ListIndex);
    void Label17_Click();
    void Label19_Click();
    void Command5_Click();             // "Analisi >>" / "<< Analisi": widens or narrows the window
    void Command6_Click();             // "Regole...": opens the rules dialog
    void Command7_Click();             // "Strategia...": opens the strategy window
    void Command8_Click();             // "Sabot": opens or closes the shoe's panel
    void Label29_Click(Integer face);  // the cards-out pad
    void Command9_Click();             // "Annulla carte" of the cards out
    void Command10_Click();            // "Fine mano"
    void Command11_Click();            // "Nuovo sabot"
    void put_back_last_card_out();
    void fit_window();
    void keep_shoe_state();
    void ask_next_round();
    void next_round_done(const std::optional<Strategy>& strategy);
    void apply_rules(const TableRules& rules, int decks);
    void remember_table();
    void open_link(const QString& address);

    void remove_last_card(Side side);
    void undo_last_card();
    void copy_results();
    void open_manual();
    void show_about();
    void close_window() { close(); }

    void bind_events();
    void bind_pad(CardPad* pad, Side side, void (Form1::*cancel)());
    void add_actions();
    void set_tab_order();
    // After a user's action; the next round's figure arriving is none, and
    // leaves a notice on the shoe's panel in place.
    void show_captions(bool by_user = true);
    void follow_in_strategy_window();

    Form1Model model_;
    Form1Controls controls_;
    AnalysisControls analysis_;
    bool analysis_open_ = false;
    UrlOpener open_url_ = default_url_opener();
    Notifier notify_open_failure_;
    Notifier notify_settings_;
    std::unique_ptr<QSettings> settings_;
    bool told_settings_unwritten_ = false;
    QPointer<RulesDialog> rules_dialog_;
    ShoeControls shoe_;
    bool shoe_open_ = false;
    QString shoe_file_;
    std::optional<ShoeState> kept_shoe_;  // as the file last holds it
    bool told_shoe_unwritten_ = false;
    QString shoe_notice_;
    StrategyRunner* next_round_runner_ = nullptr;
    std::optional<StrategyRequest> next_round_asked_;  // the one running, or the last
    // Quick clicks ask for one next round, once they pause.
    QTimer next_round_pause_;
    std::optional<StrategyRequest> next_round_done_for_;
    QPointer<StrategyWindow> strategy_window_;
};

}  // namespace tavolix::ui
