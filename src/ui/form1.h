// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QWidget>

#include "analysis_controls.h"
#include "form1_controls.h"
#include "model/form1_model.h"
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

    // Where the two web links and the manual hand their addresses; the
    // default browser unless replaced.
    void setUrlOpener(UrlOpener opener) { open_url_ = std::move(opener); }
    // How the window tells the user that no browser could be started; a
    // warning box unless replaced.
    void setOpenFailureNotifier(Notifier notifier) { notify_open_failure_ = std::move(notifier); }

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
    void Command5_Click();  // "Analisi >>" / "<< Analisi": widens or narrows the window
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
    void show_captions();

    Form1Model model_;
    Form1Controls controls_;
    AnalysisControls analysis_;
    bool analysis_open_ = false;
    UrlOpener open_url_ = default_url_opener();
    Notifier notify_open_failure_;
};

}  // namespace tavolix::ui
