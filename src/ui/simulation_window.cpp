// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "simulation_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <thread>
#include <utility>

#include "compare_window.h"
#include "fault_line.h"
#include "i18n/translation.h"
#include "model/count_window_text.h"
#include "model/rule_line.h"
#include "model/running_report.h"

namespace tavolix::ui {

namespace {

using simulation::IndexSet;

// A ramp a counter starts from: one unit at +1, twelve from +5.
constexpr std::array<simulation::RampStep, 5> kFirstRamp{{{1, 1}, {2, 2}, {3, 4}, {4, 8}, {5, 12}}};
constexpr int kBarSteps = 1000;
// A spread that casinos often let a counter get away with.
constexpr int kFirstSpread = 12;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString grouped(std::uint64_t value) {
    return QLocale().toString(static_cast<qulonglong>(value));
}

}  // namespace

SimulationWindow::SimulationWindow(const ModelWords& words, const TableRules& rules, int decks,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), words_(words) {
    setObjectName(QStringLiteral("SimulationWindow"));
    setWindowTitle(tr("Simulazione"));
    runner_ = new SimulationRunner(
        [this](std::uint64_t rounds_dealt, double seconds) { progressed(rounds_dealt, seconds); },
        [this](const SimulationReport& report) { show_partial(report); },
        [this](const std::optional<SimulationReport>& report, const std::string& error) {
            ended(report, error);
        },
        this);
    pilot_ = new WorkRunner(
        [this](int done, int total) {
            progress_->setValue(
                static_cast<int>(static_cast<long long>(kBarSteps) * done / std::max(total, 1)));
        },
        this);
    build();
    set_table(rules, decks);
}

void SimulationWindow::set_table(const TableRules& rules, int decks) {
    rules_ = rules;
    decks_ = decks;
    table_->setText(tr("Tavolo: %1").arg(QString::fromStdString(rule_line(rules, decks, words_))));
    table_->setToolTip(QString::fromStdString(rules_description(rules, decks, words_)));
    table_->setAccessibleDescription(table_->toolTip());
    seats_->setMaximum(simulation::most_players(decks));
    // The window's own dealer deals no casino round: said at once, not
    // after a click on a button that could never start.
    show_fault(casino_dealer(rules)
                   ? QString()
                   : tr("La simulazione gioca un tavolo da casinò: scegli S17 o H17 in "
                        "«Regole...» della finestra principale"));
    show_running();
}

// The words of a ramp's fault, as the ramp table shows its steps.
QString SimulationWindow::ramp_fault(const simulation::RampError& error) {
    const QString step = QString::fromStdString(error.step);
    switch (error.fault) {
        case simulation::RampFault::not_a_step:
            return tr("«%1» non è conteggio vero:unità").arg(step);
        case simulation::RampFault::not_whole_numbers:
            return tr("«%1»: servono numeri interi").arg(step);
        case simulation::RampFault::units_out_of_range:
            return tr("«%1»: una puntata va da 1 a 1000 unità").arg(step);
        case simulation::RampFault::count_out_of_range:
            return tr("«%1»: un conteggio vero va da -10 a 10").arg(step);
        case simulation::RampFault::not_rising:
            return tr("«%1»: i conteggi veri devono crescere").arg(step);
    }
    return step;
}

QWidget* SimulationWindow::build_game() {
    auto* box = named(new QGroupBox(tr("Gioco")), "Game");
    auto* form = new QFormLayout(box);
    count_ = named(new QComboBox, "Count");
    for (const counting::Count& count : counting::built_in_counts()) {
        count_->addItem(QString::fromStdString(count.title));
    }
    indices_ = named(new QComboBox, "Indices");
    indices_->addItem(tr("nessuno"), static_cast<int>(IndexSet::none));
    indices_->addItem(tr("i18, le diciotto giocate di Hi-Lo"), static_cast<int>(IndexSet::i18));
    indices_->addItem(tr("tutti"), static_cast<int>(IndexSet::all));
    penetration_ = named(new QSpinBox, "Penetration");
    penetration_->setRange(0, 100);
    penetration_->setValue(75);
    penetration_->setSuffix(QStringLiteral(" %"));
    penetration_->setSpecialValueText(tr("sabot nuovo a ogni giro"));
    seats_ = named(new QSpinBox, "Seats");
    seats_->setRange(1, simulation::kMostPlayers);
    rounds_ = named(new QDoubleSpinBox, "Rounds");
    rounds_->setRange(0.1, 10000);
    rounds_->setDecimals(1);
    rounds_->setValue(10);
    rounds_->setSuffix(tr(" milioni"));
    bankroll_ = named(new QSpinBox, "Bankroll");
    bankroll_->setRange(1, 100'000'000);
    bankroll_->setValue(1000);
    bankroll_->setSuffix(tr(" unità"));
    trip_ = named(new QSpinBox, "Trip");
    trip_->setRange(0, 2'000'000'000);
    trip_->setSingleStep(1000);
    trip_->setValue(10000);
    trip_->setSuffix(tr(" giri"));
    trip_->setSpecialValueText(tr("nessun viaggio"));
    connect(count_, &QComboBox::currentIndexChanged, this, [this] { follow_count(); });
    form->addRow(tr("Conteggio:"), count_);
    form->addRow(tr("Indici:"), indices_);
    form->addRow(tr("Penetrazione:"), penetration_);
    form->addRow(tr("Posti al tavolo:"), seats_);
    form->addRow(tr("&Giri:"), rounds_);
    form->addRow(tr("Bankroll:"), bankroll_);
    form->addRow(tr("Viaggio:"), trip_);
    penetration_->setAccessibleDescription(
        tr("La parte del sabot distribuita prima di rimescolare; 0: un sabot nuovo a ogni giro"));
    seats_->setAccessibleDescription(tr("Posti che giocano allo stesso modo; si misura il primo"));
    trip_->setAccessibleDescription(tr("Il rischio di rovina entro questi giri; 0: nessuno"));
    return box;
}

QWidget* SimulationWindow::build_ramp() {
    auto* box = named(new QGroupBox(tr("Puntate per conteggio vero")), "RampBox");
    auto* column = new QVBoxLayout(box);
    ramp_ = named(new QTableWidget(0, 2), "Ramp");
    ramp_->setHorizontalHeaderLabels({tr("Conteggio vero"), tr("Unità")});
    ramp_->verticalHeader()->hide();
    ramp_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ramp_->setAccessibleName(tr("Rampa delle puntate"));
    ramp_->setAccessibleDescription(
        tr("Da ogni conteggio vero in su si puntano quelle unità; sotto il primo, le sue"));
    fill_ramp({kFirstRamp.begin(), kFirstRamp.end()});
    add_step_ = named(new QPushButton(tr("Aggiungi")), "AddStep");
    remove_step_ = named(new QPushButton(tr("Togli")), "RemoveStep");
    connect(add_step_, &QPushButton::clicked, this, [this] {
        const int row = ramp_->rowCount();
        ramp_->insertRow(row);
        ramp_->setCurrentCell(row, 0);
    });
    connect(remove_step_, &QPushButton::clicked, this, [this] {
        if (ramp_->rowCount() > 0) {
            ramp_->removeRow(ramp_->currentRow() >= 0 ? ramp_->currentRow()
                                                      : ramp_->rowCount() - 1);
        }
    });
    spread_ = named(new QSpinBox, "Spread");
    spread_->setRange(kLeastSpread, kMostSpread);
    spread_->setValue(kFirstSpread);
    spread_->setPrefix(QStringLiteral("1-"));
    spread_->setAccessibleName(tr("Spread delle puntate"));
    spread_->setAccessibleDescription(
        tr("La puntata più alta sulla più bassa, per la rampa ottimale"));
    auto* spread_label = new QLabel(tr("&Spread:"));
    spread_label->setBuddy(spread_);
    optimal_ = named(new QPushButton(tr("&Ottimale")), "OptimalRamp");
    optimal_->setAccessibleDescription(
        tr("Riempie la tabella con la rampa che dà il DI più alto per lo spread, da una prova "
           "a puntata fissa dello stesso gioco"));
    connect(optimal_, &QPushButton::clicked, this, &SimulationWindow::choose_optimal_ramp);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_step_);
    buttons->addWidget(remove_step_);
    buttons->addStretch();
    buttons->addWidget(spread_label);
    buttons->addWidget(spread_);
    buttons->addWidget(optimal_);
    column->addWidget(ramp_);
    column->addLayout(buttons);
    column->addWidget(new QLabel(tr("Senza righe: un'unità fissa")));
    return box;
}

void SimulationWindow::build() {
    table_ = named(new QLabel, "Table");
    table_->setWordWrap(true);

    run_ = named(new QPushButton(tr("&Avvia")), "Run");
    stop_ = named(new QPushButton(tr("&Ferma")), "Stop");
    stop_->setAccessibleDescription(tr("Ferma la simulazione e tiene le cifre dei blocchi finiti"));
    progress_ = named(new QProgressBar, "Progress");
    progress_->setRange(0, kBarSteps);
    progress_->setValue(0);
    progress_->setAccessibleName(tr("Avanzamento della simulazione"));
    rate_ = named(new QLabel, "Rate");
    fault_ = named(new QLabel, "Fault");
    fault_->setWordWrap(true);
    fault_->hide();
    connect(run_, &QPushButton::clicked, this, &SimulationWindow::start);
    connect(stop_, &QPushButton::clicked, this, [this] {
        if (pilot_->running()) {
            pilot_->cancel();
            show_running();
            rate_->setText(tr("Prova fermata: la rampa resta com'era"));
            rate_->setAccessibleName(rate_->text());
            return;
        }
        runner_->stop();
    });

    text_ = named(new QPlainTextEdit, "Report");
    text_->setReadOnly(true);
    // The table's lines fit the pane's width; a long line of the options
    // (the Italian ramp) wraps at a word rather than hide behind a scroll.
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setAccessibleName(tr("Resoconto della simulazione"));
    const QFontMetrics fixed(text_->font());
    // 76 characters to read, beside the frame, the page's margins and the
    // scroll bar.
    const int edges =
        2 * (text_->frameWidth() + static_cast<int>(text_->document()->documentMargin())) +
        text_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    text_->setMinimumSize(fixed.horizontalAdvance(QString(76, QLatin1Char('0'))) + edges,
                          30 * fixed.height());
    true_counts_ = named(new TrueCountChart, "TrueCounts");
    true_counts_->setAccessibleName(tr("Giri e vantaggio per conteggio vero"));
    ruin_ = named(new RuinChart, "Ruin");
    ruin_->setAccessibleName(tr("Rischio di rovina secondo il bankroll"));
    // Said above the charts while they show the figures so far; its room
    // is kept, so the charts stay put when it goes.
    partial_note_ = named(new QLabel, "Partial");
    partial_note_->setWordWrap(true);
    QFont italic = partial_note_->font();
    italic.setItalic(true);
    partial_note_->setFont(italic);
    QSizePolicy kept = partial_note_->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    partial_note_->setSizePolicy(kept);
    partial_note_->hide();
    auto* charts = new QVBoxLayout;
    charts->addWidget(partial_note_);
    charts->addWidget(new QLabel(tr("Giri e vantaggio per conteggio vero")));
    charts->addWidget(true_counts_);
    charts->addWidget(new QLabel(tr("Rischio di rovina secondo il bankroll")));
    charts->addWidget(ruin_);
    charts->addStretch();

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(build_game());
    inputs->addWidget(build_ramp());
    auto* running = new QHBoxLayout;
    running->addWidget(run_);
    running->addWidget(stop_);
    running->addWidget(progress_, 1);
    running->addWidget(rate_, 1);
    auto* results = new QHBoxLayout;
    results->addWidget(text_, 1);
    results->addLayout(charts, 1);

    close_ = named(new QPushButton(tr("Chiudi")), "Close");
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    compare_button_ = named(new QPushButton(tr("&Confronta...")), "Compare");
    compare_button_->setAccessibleDescription(tr(
        "Apre la lista dei giochi da confrontare, dove si aggiunge il gioco di questa finestra"));
    connect(compare_button_, &QPushButton::clicked, this, &SimulationWindow::open_compare);
    auto* footer = new QHBoxLayout;
    footer->addWidget(compare_button_);
    footer->addStretch();
    footer->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(inputs);
    layout->addLayout(running);
    layout->addWidget(fault_);
    layout->addLayout(results, 1);
    layout->addLayout(footer);
    show_running();
    // Return-ready: the game as it stands is one key away.
    run_->setFocus();
}

std::variant<SimulationRequest, QString> SimulationWindow::request() const {
    return request_of(true);
}

std::variant<SimulationRequest, QString> SimulationWindow::request_of(bool with_ramp) const {
    SimulationRequest wanted;
    simulation::SimulationOptions& options = wanted.options;
    options.rules = rules_;
    options.decks = decks_;
    options.count =
        counting::built_in_counts().at(static_cast<std::size_t>(count_->currentIndex()));
    options.indices = static_cast<IndexSet>(indices_->currentData().toInt());
    options.penetration = penetration_->value() / 100.0;
    options.players = seats_->value();
    options.rounds = static_cast<std::uint64_t>(std::llround(rounds_->value() * 1e6));
    // The ramp as tavolix-sim's --ramp reads it, so both refuse the same.
    std::string ramp;
    for (int row = 0; with_ramp && row < ramp_->rowCount(); ++row) {
        const auto cell = [this, row](int column) {
            const QTableWidgetItem* item = ramp_->item(row, column);
            return item != nullptr ? item->text().trimmed() : QString();
        };
        if (cell(0).isEmpty() && cell(1).isEmpty()) {
            continue;
        }
        ramp += (ramp.empty() ? "" : ",") + (cell(0) + QLatin1Char(':') + cell(1)).toStdString();
    }
    if (!ramp.empty()) {
        auto steps = simulation::parse_ramp(ramp);
        if (const auto* error = std::get_if<simulation::RampError>(&steps)) {
            return tr("Rampa: %1").arg(ramp_fault(*error));
        }
        options.ramp = std::get<std::vector<simulation::RampStep>>(steps);
    }
    if (const auto fault = simulation::options_fault(options)) {
        return QString::fromStdString(*fault);
    }
    wanted.bankroll = bankroll_->value();
    if (trip_->value() > 0) {
        wanted.trip = static_cast<std::uint64_t>(trip_->value());
    }
    wanted.threads = std::max(1u, std::thread::hardware_concurrency());
    return wanted;
}

void SimulationWindow::show_fault(const QString& fault) {
    show_fault_line(*fault_, fault);
}

void SimulationWindow::start() {
    auto wanted = request();
    if (const auto* fault = std::get_if<QString>(&wanted)) {
        show_fault(*fault);
        return;
    }
    show_fault(QString());
    const SimulationRequest& chosen = std::get<SimulationRequest>(wanted);
    rounds_wanted_ = chosen.options.rounds;
    partial_.reset();
    partial_note_->hide();
    progress_->setValue(0);
    rate_->setText(tr("Preparazione della strategia e degli indici..."));
    runner_->start(chosen);
    show_running();
}

void SimulationWindow::progressed(std::uint64_t rounds_dealt, double seconds) {
    if (rounds_wanted_ == 0) {
        return;
    }
    progress_->setValue(static_cast<int>(kBarSteps * static_cast<double>(rounds_dealt) /
                                         static_cast<double>(rounds_wanted_)));
    const double rate = seconds > 0 ? static_cast<double>(rounds_dealt) / seconds / 1e6 : 0;
    rate_->setText(tr("%1 giri di %2, %3 milioni al secondo")
                       .arg(grouped(rounds_dealt), grouped(rounds_wanted_))
                       .arg(QLocale().toString(rate, 'f', 1)));
    rate_->setAccessibleName(rate_->text());
}

// The report's text and charts; the text stays where the user scrolled it,
// as it changes every second while the run goes on.
void SimulationWindow::show_report(const SimulationReport& report, const QString& text) {
    QScrollBar* scroll = text_->verticalScrollBar();
    const int at = scroll->value();
    text_->setPlainText(text);
    scroll->setValue(at);
    true_counts_->show_figures(report.figures);
    ruin_->show_game(report.figures.ev_per_round, report.figures.sd_per_round,
                     report.bankroll.value_or(bankroll_->value()));
}

void SimulationWindow::show_partial(const SimulationReport& report) {
    partial_ = report;
    show_report(report, QString::fromStdString(running_simulation_text(
                            report, i18n::translated_simulation_report_words(),
                            tr(" (in corso)").toStdString())));
    partial_note_->setText(tr("Cifre parziali, la simulazione è in corso: %1 giri di %2")
                               .arg(grouped(report.figures.rounds_dealt), grouped(rounds_wanted_)));
    partial_note_->setAccessibleName(partial_note_->text());
    partial_note_->show();
}

void SimulationWindow::ended(const std::optional<SimulationReport>& report,
                             const std::string& error) {
    show_running();
    partial_.reset();
    partial_note_->hide();
    if (report) {
        report_ = report;
        show_report(*report, QString::fromStdString(simulation_text(
                                 *report, i18n::translated_simulation_report_words())));
        if (!report->finished) {
            rate_->setText(tr("Fermata: le cifre dei %1 giri dei blocchi finiti")
                               .arg(grouped(report->figures.rounds_dealt)));
        }
    } else if (!error.empty()) {
        show_fault(tr("Impossibile simulare: %1").arg(QString::fromStdString(error)));
        rate_->clear();
    } else {
        rate_->setText(tr("Fermata prima che finisse un blocco: nessuna cifra"));
    }
    rate_->setAccessibleName(rate_->text());
    emit runEnded();
}

// The inputs as the runner stands: a run in progress keeps its options.
void SimulationWindow::show_running() {
    const bool running = this->running();
    run_->setEnabled(!running && casino_dealer(rules_));
    optimal_->setEnabled(!running && casino_dealer(rules_));
    stop_->setEnabled(running);
    for (QWidget* input :
         std::initializer_list<QWidget*>{count_, indices_, penetration_, seats_, rounds_, bankroll_,
                                         trip_, ramp_, add_step_, remove_step_, spread_}) {
        input->setEnabled(!running);
    }
    follow_count();
}

// Index plays are worked out for balanced counts only: with KO the choice
// is none, and the list says why.
void SimulationWindow::follow_count() {
    const bool balanced =
        counting::built_in_counts().at(static_cast<std::size_t>(count_->currentIndex())).balanced();
    if (!balanced) {
        indices_->setCurrentIndex(indices_->findData(static_cast<int>(IndexSet::none)));
    }
    indices_->setEnabled(balanced && !running());
    indices_->setToolTip(balanced ? QString() : tr("Gli indici vogliono un conteggio bilanciato"));
}

// The pilot of the game as the window asks for it, at a flat unit, off the
// window's thread: its rounds are a quarter of the game's, as tavolix-sim's
// --ramp optimal plays it.
void SimulationWindow::choose_optimal_ramp() {
    // The table's own ramp is not read: the pilot fills it anew.
    auto wanted = request_of(false);
    if (const auto* fault = std::get_if<QString>(&wanted)) {
        show_fault(*fault);
        return;
    }
    show_fault(QString());
    SimulationRequest chosen = std::get<SimulationRequest>(wanted);
    const int spread = spread_->value();
    chosen.optimal_ramp = OptimalRampWanted{.spread = spread};
    const std::uint64_t pilot_rounds = pilot_rounds_of(chosen);
    progress_->setValue(0);
    rate_->setText(tr("Prova a puntata fissa di %1 giri per la rampa ottimale 1-%2...")
                       .arg(grouped(pilot_rounds))
                       .arg(spread));
    rate_->setAccessibleName(rate_->text());
    pilot_->start([this, chosen, spread, pilot_rounds](const WorkRunner::Progress& progress,
                                                       std::stop_token stop) {
        auto ramp = tavolix::choose_optimal_ramp(
            chosen, spread, pilot_rounds,
            [&progress](std::uint64_t dealt, std::uint64_t rounds) {
                progress(static_cast<int>(kBarSteps * static_cast<double>(dealt) /
                                          static_cast<double>(std::max<std::uint64_t>(rounds, 1))),
                         kBarSteps);
            },
            stop);
        return WorkRunner::Delivery([this, ramp = std::move(ramp)] { show_optimal_ramp(ramp); });
    });
    show_running();
}

void SimulationWindow::show_optimal_ramp(const std::variant<OptimalRamp, std::string>& chosen) {
    show_running();
    if (const auto* error = std::get_if<std::string>(&chosen)) {
        show_fault(tr("Impossibile scegliere la rampa: %1").arg(QString::fromStdString(*error)));
        rate_->clear();
        return;
    }
    const OptimalRamp& ramp = std::get<OptimalRamp>(chosen);
    optimal_ramp_ = ramp;
    fill_ramp(ramp.ramp);
    progress_->setValue(kBarSteps);
    rate_->setText(tr("Rampa ottimale per 1-%1 da una prova di %2 giri: scala %3, DI previsto %4")
                       .arg(ramp.spread)
                       .arg(grouped(ramp.pilot.rounds_dealt))
                       .arg(QLocale().toString(ramp.scale, 'f', 2))
                       .arg(QLocale().toString(ramp.predicted.di, 'f', 2)));
    rate_->setAccessibleName(rate_->text());
    emit rampChosen();
}

void SimulationWindow::fill_ramp(const std::vector<simulation::RampStep>& steps) {
    ramp_->setRowCount(0);
    for (const simulation::RampStep& step : steps) {
        const int row = ramp_->rowCount();
        ramp_->insertRow(row);
        ramp_->setItem(row, 0, new QTableWidgetItem(QString::number(step.true_count)));
        ramp_->setItem(row, 1, new QTableWidgetItem(QString::number(step.units)));
    }
}

void SimulationWindow::open_compare() {
    if (compare_ == nullptr) {
        compare_ = new CompareWindow([this] { return request(); }, this);
    }
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

// A run is ended before the window goes, so nothing is left working for it.
void SimulationWindow::closeEvent(QCloseEvent* event) {
    if (pilot_->running()) {
        pilot_->cancel();
        show_running();
        rate_->setText(tr("Interrotta"));
    }
    if (compare_ != nullptr) {
        compare_->close();
    }
    if (runner_->running()) {
        runner_->cancel();
        show_running();
        rate_->setText(tr("Interrotta"));
        // The figures last shown are those of the blocks done by then.
        if (partial_) {
            report_ = std::exchange(partial_, std::nullopt);
            report_->finished = false;
            partial_note_->hide();
            show_report(*report_, QString::fromStdString(simulation_text(
                                      *report_, i18n::translated_simulation_report_words())));
        }
    }
    QWidget::closeEvent(event);
}

}  // namespace tavolix::ui
