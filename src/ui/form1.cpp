// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMessageBox>

#include "display_text.h"
#include "form1_descriptions.h"
#include "form1_layout.h"
#include "i18n/translation.h"
#include "model/analysis_panel.h"
#include "model/table_text.h"
#include "table_settings.h"
#include "window_fonts.h"

namespace tavolix::ui {

// The model writes its captions and panels in the language installed.
Form1::Form1(QWidget* parent) : QWidget(parent), model_({}, i18n::translated_model_words()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr(kWindowTitle));
    setFixedSize(to_pixels(kClientWidth), to_pixels(kClientHeight));
    setFont(make_font(kWindowFont));
    notify_open_failure_ = [this](const QString& message) {
        QMessageBox::warning(this, windowTitle(), message);
    };
    notify_settings_ = notify_open_failure_;
    controls_ = build_form1_controls(*this);
    analysis_ = build_analysis_controls(*this);
    shoe_ = build_shoe_controls(*this);
    next_round_runner_ = new StrategyRunner(
        {}, [this](const std::optional<Strategy>& strategy) { next_round_done(strategy); }, this);
    next_round_pause_.setSingleShot(true);
    next_round_pause_.setInterval(150);
    connect(&next_round_pause_, &QTimer::timeout, this, &Form1::ask_next_round);
    analysis_.Frame5->setTitle(QString::fromStdString(model_.words().analysis.title));
    analysis_.Command5->setText(tr("Analisi >>"));
    controls_.Label17->setText(home_page_address());
    controls_.Label19->setText(manual_page_address());
    bind_events();
    add_actions();
    set_tab_order();
    Form_Load();
    describe_controls(*this, controls_, model_.state().face_names);
}

void Form1::bind_events() {
    for (int index = 0; index < kPadLabelCount; ++index) {
        connect(controls_.Label3.at(static_cast<std::size_t>(index)), &ClickLabel::clicked, this,
                [this, index] { Label3_Click(index); });
    }
    connect(controls_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(controls_.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(controls_.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(controls_.Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    // Only a pick by the user: selecting "17" at load is not one, so it
    // neither calculates a second time nor repaints the panels.
    connect(controls_.Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(controls_.Combo2, &QComboBox::activated, this, &Form1::Combo2_Click);
    connect(controls_.Label17, &ClickLabel::clicked, this, &Form1::Label17_Click);
    connect(controls_.Label19, &ClickLabel::clicked, this, &Form1::Label19_Click);
    connect(analysis_.Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(controls_.Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(controls_.Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    bind_pad(controls_.Frame1, Side::Banco, &Form1::Command1_Click);
    bind_pad(controls_.Frame2, Side::Player, &Form1::Command2_Click);
    connect(shoe_.Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(shoe_.Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(shoe_.Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(shoe_.Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    for (const PadPosition& position : card_pad()) {
        const Integer face = position.face;
        connect(shoe_.Label29.at(static_cast<std::size_t>(face)), &ClickLabel::clicked, this,
                [this, face] { Label29_Click(face); });
    }
    connect(shoe_.Frame6, &CardPad::faceTyped, this,
            [this](int face) { Label29_Click(static_cast<Integer>(face)); });
    connect(shoe_.Frame6, &CardPad::removeLastRequested, this, &Form1::put_back_last_card_out);
    connect(shoe_.Frame6, &CardPad::cancelRequested, this, &Form1::Command9_Click);
}

// A face typed on a pad is a click on that face's label of the pad.
void Form1::bind_pad(CardPad* pad, Side side, void (Form1::*cancel)()) {
    connect(pad, &CardPad::faceTyped, this,
            [this, side](int face) { Label3_Click(pad_index(side, static_cast<Integer>(face))); });
    connect(pad, &CardPad::removeLastRequested, this, [this, side] { remove_last_card(side); });
    connect(pad, &CardPad::cancelRequested, this, cancel);
}

// One list of actions serves the keyboard and the context menu; there is no
// menu bar, so the window keeps its layout.
void Form1::add_actions() {
    // The usual key first, then whatever else the desktop binds to the
    // standard action (some desktops bind none to Quit).
    struct ActionSpec {
        const char* name;
        const char* text;
        QKeySequence::StandardKey key;
        QKeyCombination usual;
        void (Form1::*run)();
    };
    static constexpr ActionSpec kActions[] = {
        {"actionCopy", QT_TR_NOOP("Copia risultati"), QKeySequence::Copy, Qt::CTRL | Qt::Key_C,
         &Form1::copy_results},
        {"actionUndo", QT_TR_NOOP("Annulla ultima carta"), QKeySequence::Undo, Qt::CTRL | Qt::Key_Z,
         &Form1::undo_last_card},
        {"actionNewGame", QT_TR_NOOP("Nuova partita"), QKeySequence::New, Qt::CTRL | Qt::Key_N,
         &Form1::Command4_Click},
        {"actionManual", QT_TR_NOOP("Manuale"), QKeySequence::HelpContents,
         QKeyCombination(Qt::Key_F1), &Form1::open_manual},
        {"actionAbout", QT_TR_NOOP("Informazioni su Tavolix"), QKeySequence::UnknownKey,
         QKeyCombination(), &Form1::show_about},
        {"actionQuit", QT_TR_NOOP("Esci"), QKeySequence::Quit, Qt::CTRL | Qt::Key_Q,
         &Form1::close_window},
    };
    for (const ActionSpec& entry : kActions) {
        auto* action = new QAction(tr(entry.text), this);
        action->setObjectName(QLatin1String(entry.name));
        QList<QKeySequence> keys;
        if (entry.usual != QKeyCombination()) {
            keys << QKeySequence(entry.usual);
        }
        for (const QKeySequence& bound : QKeySequence::keyBindings(entry.key)) {
            if (!keys.contains(bound)) {
                keys << bound;
            }
        }
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, entry.run);
        addAction(action);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void Form1::set_tab_order() {
    QWidget* previous = nullptr;
    for (const char* name : tab_order()) {
        QWidget* next = findChild<QWidget*>(QLatin1String(name));
        if (next == nullptr) {
            continue;
        }
        if (previous == nullptr) {
            next->setFocus();
        } else {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

void Form1::Form_Load() {
    controls_.Label17->setCursor(Qt::PointingHandCursor);
    controls_.Label19->setCursor(Qt::PointingHandCursor);
    model_.Form_Load();
    controls_.Combo1->clear();
    for (const std::string& item : model_.combo_items()) {
        controls_.Combo1->addItem(QString::fromStdString(item));
    }
    controls_.Combo1->setCurrentIndex(model_.combo_list_index());
    controls_.Frame1->setFaceNames(model_.state().face_names);
    controls_.Frame2->setFaceNames(model_.state().face_names);
    shoe_.Frame6->setFaceNames(model_.state().face_names);
    controls_.Combo2->clear();
    for (const std::string& item : model_.deck_items()) {
        controls_.Combo2->addItem(QString::fromStdString(item));
    }
    controls_.Combo2->setCurrentIndex(model_.deck_list_index());
    show_captions();
}

void Form1::Label3_Click(int Index) {
    model_.Label3_Click(Index);
    show_captions();
}

void Form1::Command1_Click() {
    model_.Command1_Click();
    show_captions();
}

void Form1::Command2_Click() {
    model_.Command2_Click();
    show_captions();
}

void Form1::Command3_Click() {
    model_.Command3_Click();
    show_captions();
}

void Form1::Command4_Click() {
    model_.Command4_Click();
    show_captions();
}

void Form1::Combo1_Click(int ListIndex) {
    model_.Combo1_Click(ListIndex);
    show_captions();
}

void Form1::Combo2_Click(int ListIndex) {
    const int decks = model_.state().deck_count;
    model_.Combo2_Click(ListIndex);
    // A count the hands do not fit is refused: the list goes back.
    controls_.Combo2->setCurrentIndex(model_.deck_list_index());
    if (model_.state().deck_count != decks) {
        remember_table();
    }
    show_captions();
}

void Form1::Label17_Click() {
    open_link(controls_.Label17->text());
}

void Form1::Label19_Click() {
    open_link(controls_.Label19->text());
}

void Form1::open_link(const QString& address) {
    if (!open_url_(QUrl(address, QUrl::StrictMode))) {
        notify_open_failure_(tr("Impossibile avviare il browser per aprire %1.").arg(address));
    }
}

void Form1::remove_last_card(Side side) {
    model_.remove_last_card(side);
    show_captions();
}

void Form1::undo_last_card() {
    model_.undo_last_card();
    show_captions();
}

// The same plain text that tavolix-calc prints for this table, with the
// analysis as --analysis adds it when its panel is open.
void Form1::copy_results() {
    std::string text = table_text(model_.view(), model_.words());
    if (analysis_open_) {
        text += '\n';
        text += analysis_text(model_.captions().analysis);
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void Form1::open_manual() {
    const QUrl manual = manual_address(QCoreApplication::applicationDirPath());
    if (!open_url_(manual)) {
        notify_open_failure_(
            tr("Impossibile avviare il browser per aprire %1.").arg(manual.toDisplayString()));
    }
}

void Form1::show_about() {
    QMessageBox::about(this, tr("Informazioni su Tavolix"), about_text());
}

void Form1::Command5_Click() {
    analysis_open_ = !analysis_open_;
    fit_window();
    analysis_.Frame5->setVisible(analysis_open_);
    analysis_.Command5->setText(analysis_open_ ? tr("<< Analisi") : tr("Analisi >>"));
}

void Form1::fit_window() {
    setFixedSize(to_pixels(analysis_open_ ? kWidenedClientWidth : kClientWidth),
                 to_pixels(shoe_open_ ? kShoeClientHeight : kClientHeight));
}

// The dialog is window-modal, so no card can change the hands it was opened
// for; it deletes itself once closed.
void Form1::Command6_Click() {
    if (rules_dialog_ != nullptr && rules_dialog_->isVisible()) {
        rules_dialog_->activateWindow();
        return;
    }
    const TableState& state = model_.state();
    rules_dialog_ = new RulesDialog(state.rules, state.deck_count, model_.fewest_decks(),
                                    model_.words().rule_line, this);
    rules_dialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(rules_dialog_, &QDialog::accepted, this,
            [this, dialog = rules_dialog_] { apply_rules(dialog->rules(), dialog->decks()); });
    rules_dialog_->open();
}

// Not modal: the window follows the table while the user plays on, and
// deletes itself once closed, which cancels its work.
void Form1::Command7_Click() {
    if (strategy_window_ == nullptr) {
        strategy_window_ = new StrategyWindow(model_.words(), this);
        strategy_window_->setAttribute(Qt::WA_DeleteOnClose);
        // The count window reads the count and bankroll in play when it opens
        // and hands the user's choices back to the shoe line.
        strategy_window_->setCountLink([this] {
            return CountLink{.count = model_.shoe().count(),
                             .bankroll = model_.shoe().bankroll().value_or(1000),
                             .count_chosen = [this](const counting::Count& c) { set_count(c); },
                             .bankroll_chosen = [this](double b) { set_bankroll(b); }};
        });
        follow_in_strategy_window();
    }
    strategy_window_->show();
    strategy_window_->raise();
    strategy_window_->activateWindow();
}

void Form1::follow_in_strategy_window() {
    if (strategy_window_ != nullptr) {
        strategy_window_->follow(model_.strategy_request(), model_.next_round_request());
    }
}

void Form1::apply_rules(const TableRules& rules, int decks) {
    model_.set_rules(rules, decks);
    controls_.Combo2->setCurrentIndex(model_.deck_list_index());
    remember_table();
    show_captions();
}

void Form1::use_settings(std::unique_ptr<QSettings> settings) {
    settings_ = std::move(settings);
    if (settings_ == nullptr) {
        return;
    }
    const SettingsRead read = read_table(*settings_);
    model_.set_rules(read.table.rules, read.table.decks);
    model_.set_count(read.table.count);
    if (read.table.bankroll) {
        model_.set_bankroll(*read.table.bankroll);
    }
    controls_.Combo2->setCurrentIndex(model_.deck_list_index());
    show_captions();
    const QString notice = settings_notice(read, settings_->fileName());
    if (read.table.refused()) {
        // Told once: the defaults now stand in the file.
        remember_table();
    }
    if (!notice.isEmpty()) {
        notify_settings_(notice);
    }
}

void Form1::remember_table() {
    if (settings_ == nullptr) {
        return;
    }
    const TableState& state = model_.state();
    if (!tavolix::ui::remember_table(*settings_, state.rules, state.deck_count,
                                     model_.shoe().count(), model_.shoe().bankroll()) &&
        !told_settings_unwritten_) {
        told_settings_unwritten_ = true;
        notify_settings_(settings_write_notice(settings_->fileName()));
    }
}

void Form1::show_captions(bool by_user) {
    const Form1Captions& captions = model_.captions();
    // QLabel repaints only when a text changes, so unchanged panels stay put.
    const auto show = [](QLabel* label, const std::string& caption) {
        label->setText(display_text(caption));
    };
    show(controls_.Label4, captions.Label4);
    show(controls_.Label5, captions.Label5);
    show(controls_.Label7, captions.Label7);
    show(controls_.Label8, captions.Label8);
    show(controls_.Label9, captions.Label9);
    show(controls_.Label10, captions.Label10);
    show(controls_.Label12, captions.Label12);
    show(controls_.Label13, captions.Label13);
    show(controls_.Label14, captions.Label14);
    // The rule line may name an option by its shorthand; this says it in words.
    const QString rules = QString::fromStdString(
        rules_description(model_.state().rules, model_.state().deck_count, model_.words()));
    controls_.Label14->setToolTip(rules);
    controls_.Label14->setAccessibleDescription(rules);
    show_analysis(analysis_, captions.analysis, model_.words().analysis.title);
    describe_captions(controls_);
    if (by_user) {
        shoe_notice_.clear();
    }
    keep_shoe_state();
    show_shoe(shoe_, captions.shoe);
    if (!shoe_notice_.isEmpty()) {
        show_shoe_notice(shoe_, shoe_notice_);
    }
    if (shoe_open_ && !(model_.next_round_request() == next_round_done_for_)) {
        next_round_pause_.start();
    }
    follow_in_strategy_window();
}

}  // namespace tavolix::ui
