// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "compare_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "fault_line.h"

namespace tavolix::ui {

namespace {

// The bar counts each game's run in thousandths.
constexpr int kGameSteps = 1000;
constexpr int kGameColumn = 10;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

bool played(const ComparedResult& result) {
    return result.report && result.report->finished;
}

}  // namespace

CompareWindow::CompareWindow(CurrentGame current, QWidget* parent)
    : QWidget(parent, Qt::Window), current_(std::move(current)) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(tr("Confronta"));
    choose_path_ = [this](const QString& title, const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(this, title, suggested, filter);
    };
    notify_ = [this](const QString& message) {
        QMessageBox::warning(this, windowTitle(), message);
    };
    runner_ = new WorkRunner([this](int done, int total) { progressed(done, total); }, this);
    build();
    show_games();
}

ComparisonWords CompareWindow::words() const {
    ComparisonWords words;
    words.columns = {tr("#").toStdString(),       tr("SCORE").toStdString(),
                     tr("N0").toStdString(),      tr("Vantaggio %").toStdString(),
                     tr("+- ES %").toStdString(), tr("Vincita/100").toStdString(),
                     tr("DS/100").toStdString(),  tr("Vincita/ora").toStdString(),
                     tr("DS/ora").toStdString(),  tr("Rovina %").toStdString(),
                     tr("Gioco").toStdString(),   tr("Errore").toStdString()};
    words.not_played = tr("non giocato").toStdString();
    return words;
}

GameLabelWords CompareWindow::label_words() const {
    GameLabelWords words;
    words.deck = tr("%1 mazzo").toStdString();
    words.decks = tr("%1 mazzi").toStdString();
    words.seats = tr("%1 posti").toStdString();
    words.composition = tr("gioco per composizione").toStdString();
    words.indices = tr("indici %1").toStdString();
    words.index_sets = {tr("nessuno").toStdString(), tr("i18").toStdString(),
                        tr("tutti").toStdString()};
    words.penetration = tr("penetrazione %1 %").toStdString();
    words.cut_card = tr("taglio alla carta %1").toStdString();
    words.fresh_shoe = tr("sabot nuovo a ogni giro").toStdString();
    words.ramp = tr("rampa %1").toStdString();
    words.flat = tr("puntata fissa").toStdString();
    return words;
}

void CompareWindow::build() {
    add_ = named(new QPushButton(tr("&Aggiungi il gioco della simulazione")), "AddGame");
    add_->setAccessibleDescription(
        tr("Aggiunge alla lista il gioco com'è ora nella finestra «Simulazione»"));
    remove_ = named(new QPushButton(tr("&Togli")), "RemoveGame");
    remove_->setAccessibleDescription(tr("Toglie dalla lista il gioco scelto nella tabella"));
    connect(add_, &QPushButton::clicked, this, &CompareWindow::add_current);
    connect(remove_, &QPushButton::clicked, this, &CompareWindow::remove_chosen);
    auto* list_buttons = new QHBoxLayout;
    list_buttons->addWidget(add_);
    list_buttons->addWidget(remove_);
    list_buttons->addStretch();

    const ComparisonWords headings = words();
    table_ = named(new QTableWidget(0, kGameColumn + 1), "Games");
    QStringList labels;
    for (int column = 0; column <= kGameColumn; ++column) {
        labels << text_of(headings.columns.at(static_cast<std::size_t>(column)));
    }
    table_->setHorizontalHeaderLabels(labels);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAccessibleName(tr("Giochi confrontati, il miglior SCORE per primo"));
    table_->setMinimumHeight(8 * table_->fontMetrics().height());
    connect(table_, &QTableWidget::itemSelectionChanged, this, &CompareWindow::show_running);
    auto* remove_key = new QAction(table_);
    remove_key->setShortcut(QKeySequence::Delete);
    remove_key->setShortcutContext(Qt::WidgetShortcut);
    connect(remove_key, &QAction::triggered, this, &CompareWindow::remove_chosen);
    table_->addAction(remove_key);

    run_ = named(new QPushButton(tr("A&vvia")), "RunGames");
    run_->setAccessibleDescription(tr("Gioca uno dopo l'altro i giochi non ancora giocati"));
    stop_ = named(new QPushButton(tr("&Ferma")), "StopGames");
    stop_->setAccessibleDescription(
        tr("Ferma il confronto e tiene i giochi finiti e i blocchi finiti del gioco in corso"));
    progress_ = named(new QProgressBar, "Progress");
    progress_->setRange(0, kGameSteps);
    progress_->setValue(0);
    progress_->setAccessibleName(tr("Avanzamento del confronto"));
    status_ = named(new QLabel, "Status");
    fault_ = named(new QLabel, "Fault");
    fault_->setWordWrap(true);
    fault_->hide();
    connect(run_, &QPushButton::clicked, this, &CompareWindow::start);
    connect(stop_, &QPushButton::clicked, this, [this] {
        stopped_ = true;
        runner_->stop();
        stop_->setEnabled(false);
    });
    auto* running = new QHBoxLayout;
    running->addWidget(run_);
    running->addWidget(stop_);
    running->addWidget(progress_, 1);
    running->addWidget(status_, 1);

    chart_ = named(new ScoreChart, "Scores");
    chart_->setAccessibleName(tr("SCORE per gioco"));

    export_ = named(new QPushButton(tr("&Esporta CSV...")), "ExportCsv");
    export_->setAccessibleDescription(tr("Salva la tabella del confronto in un file CSV"));
    close_ = named(new QPushButton(tr("Chiudi")), "Close");
    connect(export_, &QPushButton::clicked, this, &CompareWindow::export_csv);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    auto* footer = new QHBoxLayout;
    footer->addWidget(export_);
    footer->addStretch();
    footer->addWidget(close_);

    auto* note =
        new QLabel(tr("Ogni gioco è quello della finestra «Simulazione» quando è stato aggiunto: "
                      "le stesse cifre che avrebbe da solo, con lo stesso seme."));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(list_buttons);
    layout->addWidget(table_, 1);
    layout->addLayout(running);
    layout->addWidget(fault_);
    layout->addWidget(new QLabel(tr("SCORE per gioco")));
    layout->addWidget(chart_);
    layout->addLayout(footer);
    // Wide enough for every figure's column and the start of the game's
    // name, which its tooltip gives whole.
    int columns_width = 45 * table_->fontMetrics().averageCharWidth();
    for (const QString& label : labels) {
        columns_width += table_->fontMetrics().horizontalAdvance(label) +
                         3 * table_->fontMetrics().averageCharWidth();
    }
    resize(std::max({sizeHint().width(), 110 * fontMetrics().averageCharWidth(), columns_width}),
           sizeHint().height());
    add_->setFocus();
}

void CompareWindow::show_fault(const QString& fault) {
    show_fault_line(*fault_, fault);
}

void CompareWindow::add_current() {
    auto wanted = current_();
    if (const auto* fault = std::get_if<QString>(&wanted)) {
        show_fault(tr("Il gioco della simulazione non si può aggiungere: %1").arg(*fault));
        return;
    }
    const SimulationRequest& request = std::get<SimulationRequest>(wanted);
    const auto same = [&request](const ComparedResult& game) {
        return same_game(game.game.request, request);
    };
    if (std::any_of(games_.begin(), games_.end(), same)) {
        show_fault(tr("Questo gioco è già nella lista"));
        return;
    }
    show_fault(QString());
    games_.push_back({.game = {.label = game_label(request, label_words()), .request = request}});
    show_games();
}

void CompareWindow::remove_chosen() {
    const int row = table_->currentRow();
    if (running() || row < 0 || static_cast<std::size_t>(row) >= shown_.size()) {
        return;
    }
    games_.erase(games_.begin() + static_cast<std::ptrdiff_t>(shown_[row]));
    show_fault(QString());
    show_games();
}

std::vector<std::size_t> CompareWindow::unplayed() const {
    std::vector<std::size_t> games;
    for (std::size_t at = 0; at < games_.size(); ++at) {
        if (!played(games_[at])) {
            games.push_back(at);
        }
    }
    return games;
}

void CompareWindow::start() {
    const std::vector<std::size_t> chosen = unplayed();
    if (chosen.empty()) {
        return;
    }
    std::vector<ComparedGame> games;
    for (const std::size_t at : chosen) {
        games.push_back(games_[at].game);
    }
    stopped_ = false;
    show_fault(QString());
    progress_->setRange(0, static_cast<int>(games.size()) * kGameSteps);
    progress_->setValue(0);
    status_->setText(tr("Preparazione della strategia e degli indici..."));
    runner_->start([this, games = std::move(games), chosen](const WorkRunner::Progress& progress,
                                                            std::stop_token stop) {
        int shown = -1;
        std::vector<ComparedResult> results = run_games(
            games,
            [&](const ComparisonProgress& now) {
                const int within =
                    now.run.rounds > 0
                        ? static_cast<int>(kGameSteps * static_cast<double>(now.run.dealt) /
                                           static_cast<double>(now.run.rounds))
                        : 0;
                const int done = static_cast<int>(now.game) * kGameSteps + within;
                if (done != shown) {
                    shown = done;
                    progress(done, static_cast<int>(now.games) * kGameSteps);
                }
            },
            stop);
        return WorkRunner::Delivery([this, chosen, results = std::move(results)]() mutable {
            ended(chosen, std::move(results));
        });
    });
    show_running();
}

void CompareWindow::progressed(int done, int total) {
    progress_->setMaximum(total);
    progress_->setValue(done);
    const int game = std::min(done / kGameSteps + 1, total / kGameSteps);
    status_->setText(tr("Gioco %1 di %2").arg(game).arg(total / kGameSteps));
    status_->setAccessibleName(status_->text());
}

void CompareWindow::ended(const std::vector<std::size_t>& chosen,
                          std::vector<ComparedResult> results) {
    int done = 0;
    for (std::size_t i = 0; i < chosen.size() && i < results.size(); ++i) {
        // Removed while running cannot be: the list is locked during a run.
        ComparedResult& kept = games_.at(chosen[i]);
        if (results[i].report || !results[i].error.empty()) {
            kept.report = std::move(results[i].report);
            kept.error = std::move(results[i].error);
        }
        done += played(kept) ? 1 : 0;
    }
    status_->setText(stopped_ ? tr("Fermato: giochi finiti %1 di %2").arg(done).arg(chosen.size())
                              : tr("Finito: giochi giocati %1").arg(done));
    status_->setAccessibleName(status_->text());
    progress_->setValue(progress_->maximum());
    show_games();
    // The table opens on its first columns, the best SCORE in sight.
    table_->scrollToTop();
    table_->horizontalScrollBar()->setValue(0);
    emit runEnded();
}

void CompareWindow::show_games() {
    const std::vector<ComparisonRow> rows = comparison_rows(games_);
    const ComparisonWords names = words();
    const QColor unplayed_ink = palette().color(QPalette::PlaceholderText);
    table_->setRowCount(static_cast<int>(rows.size()));
    shown_.clear();
    std::vector<ScoreChart::Bar> bars;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ComparisonRow& row = rows[i];
        const ComparedResult& game = games_[row.result];
        shown_.push_back(row.result);
        const int line = static_cast<int>(i);
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            auto* item = new QTableWidgetItem(text_of(row.cells[column]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(line, static_cast<int>(column), item);
        }
        QString label = text_of(game.game.label);
        if (!game.report) {
            label += QStringLiteral(" (") +
                     (game.error.empty() ? text_of(names.not_played) : text_of(game.error)) +
                     QLatin1Char(')');
        } else if (!game.report->finished) {
            label += QLatin1Char(' ') + tr("(fermato: i blocchi finiti)");
        }
        auto* name = new QTableWidgetItem(label);
        name->setToolTip(label);
        table_->setItem(line, kGameColumn, name);
        if (!game.report) {
            for (int column = 0; column <= kGameColumn; ++column) {
                table_->item(line, column)->setForeground(unplayed_ink);
            }
        }
        if (game.report) {
            bars.push_back({.place = text_of(row.cells[0]),
                            .score = row.score,
                            .figure = text_of(row.cells[1]),
                            .game = text_of(game.game.label)});
        }
    }
    chart_->show_bars(std::move(bars));
    show_running();
}

void CompareWindow::show_running() {
    const bool running = this->running();
    add_->setEnabled(!running);
    remove_->setEnabled(!running && table_->currentRow() >= 0);
    run_->setEnabled(!running && !unplayed().empty());
    stop_->setEnabled(running && !stopped_);
    const bool any_played = std::any_of(games_.begin(), games_.end(),
                                        [](const ComparedResult& game) { return game.report; });
    export_->setEnabled(!running && any_played);
}

void CompareWindow::export_csv() {
    export_file(choose_path_, notify_, tr("Esporta il confronto come CSV"), tr("confronto.csv"),
                tr("File CSV (*.csv)"), QByteArray::fromStdString(comparison_csv(games_, words())));
}

// The run ends with the window, as on its stop: the games done stay.
void CompareWindow::closeEvent(QCloseEvent* event) {
    if (running() && !stopped_) {
        stopped_ = true;
        runner_->stop();
        show_running();
    }
    QWidget::closeEvent(event);
}

}  // namespace tavolix::ui
