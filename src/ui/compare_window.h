// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <variant>
#include <vector>

#include "file_export.h"
#include "model/comparison_table.h"
#include "model/game_comparison.h"
#include "score_chart.h"
#include "work_runner.h"

namespace tavolix::ui {

// The window "Confronta": a list of games, each the simulation window's game
// as it stood when it was added (the table, decks and rules, the count,
// indices, penetration, seats, rounds and ramp); those not played yet are
// played in turn off the window's thread, with a bar of the whole run and a
// stop that keeps the games done. Their figures fill a table, best SCORE
// first, and a bar chart of the SCORE of each; the table is saved as CSV.
// Closing the window stops the run.
class CompareWindow : public QWidget {
    Q_OBJECT

  public:
    // The simulation window's game as it stands, or the line that says why
    // it cannot be played.
    using CurrentGame = std::function<std::variant<SimulationRequest, QString>()>;

    explicit CompareWindow(CurrentGame current, QWidget* parent = nullptr);

    // Every game in the order added; one not played has no report.
    const std::vector<ComparedResult>& games() const { return games_; }
    bool running() const { return runner_->running(); }

    // A file dialog unless replaced.
    void setSavePathChooser(SavePathChooser chooser) { choose_path_ = std::move(chooser); }
    // A warning box unless replaced.
    void setNotifier(Notifier notifier) { notify_ = std::move(notifier); }

  signals:
    // A run of the list has ended: finished or stopped.
    void runEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void add_current();
    void remove_chosen();
    void start();
    void progressed(int done, int total);
    void ended(const std::vector<std::size_t>& played, std::vector<ComparedResult> results);
    void show_games();
    void show_running();
    void show_fault(const QString& fault);
    void export_csv();
    std::vector<std::size_t> unplayed() const;
    ComparisonWords words() const;
    GameLabelWords label_words() const;

    CurrentGame current_;
    std::vector<ComparedResult> games_;
    std::vector<std::size_t> shown_;  // the game of each row of the table
    bool stopped_ = false;
    WorkRunner* runner_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* stop_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* fault_ = nullptr;
    QTableWidget* table_ = nullptr;
    ScoreChart* chart_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* close_ = nullptr;
    SavePathChooser choose_path_;
    Notifier notify_;
};

}  // namespace tavolix::ui
