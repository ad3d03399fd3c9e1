// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWidget>
#include <optional>
#include <variant>

#include "core/model_words.h"
#include "core/table_rules.h"
#include "model/optimal_ramp.h"
#include "ruin_chart.h"
#include "simulation_runner.h"
#include "true_count_chart.h"
#include "work_runner.h"

namespace tavolix::ui {

// The window "Simulazione": the table's game played out round after round
// with a count, its index plays and a bet ramp, off the window's thread; a
// bar of the rounds done and their rate, a stop that keeps the figures of
// the blocks done; "Ottimale" fills the ramp from a flat-bet pilot run for
// the spread beside it, and "Confronta..." opens a list of games to compare;
// the report tavolix-sim writes, the rounds and the
// advantage by true count, and the risk of ruin against the bankroll, which
// follow the run every second with the figures so far, marked as partial.
// Closing the window stops the run.
class SimulationWindow : public QWidget {
    Q_OBJECT

  public:
    // The rules are written in `words`.
    SimulationWindow(const ModelWords& words, const TableRules& rules, int decks,
                     QWidget* parent = nullptr);

    // The table's rules and decks, for the next run.
    void set_table(const TableRules& rules, int decks);

    // A run of the game or of the pilot for the optimal ramp.
    bool running() const { return runner_->running() || pilot_->running(); }
    const std::optional<SimulationReport>& report() const { return report_; }
    // The figures so far of the run in progress, none before its first.
    const std::optional<SimulationReport>& partial() const { return partial_; }
    // The ramp the last pilot chose, as it filled the table.
    const std::optional<OptimalRamp>& optimal_ramp() const { return optimal_ramp_; }
    // The list of games to compare, once "Confronta..." has opened it.
    QWidget* compare_window() const { return compare_; }

    // What the inputs ask for, or a line naming the fault, as tavolix-sim
    // would refuse it.
    std::variant<SimulationRequest, QString> request() const;

  signals:
    // A run has ended: finished, stopped or refused.
    void runEnded();
    // "Ottimale" has filled the ramp table.
    void rampChosen();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    QWidget* build_game();
    QWidget* build_ramp();
    void start();
    void progressed(std::uint64_t rounds_dealt, double seconds);
    void show_partial(const SimulationReport& report);
    void show_report(const SimulationReport& report, const QString& text);
    void ended(const std::optional<SimulationReport>& report, const std::string& error);
    void show_running();
    void show_fault(const QString& fault);
    void follow_count();
    std::variant<SimulationRequest, QString> request_of(bool with_ramp) const;
    void choose_optimal_ramp();
    void show_optimal_ramp(const std::variant<OptimalRamp, std::string>& chosen);
    void fill_ramp(const std::vector<simulation::RampStep>& steps);
    void open_compare();
    static QString ramp_fault(const simulation::RampError& error);

    ModelWords words_;
    TableRules rules_;
    int decks_ = 1;
    std::uint64_t rounds_wanted_ = 0;
    std::optional<SimulationReport> report_;
    std::optional<SimulationReport> partial_;
    std::optional<OptimalRamp> optimal_ramp_;
    SimulationRunner* runner_ = nullptr;
    WorkRunner* pilot_ = nullptr;
    QLabel* table_ = nullptr;
    QComboBox* count_ = nullptr;
    QComboBox* indices_ = nullptr;
    QSpinBox* penetration_ = nullptr;
    QSpinBox* seats_ = nullptr;
    QDoubleSpinBox* rounds_ = nullptr;
    QSpinBox* bankroll_ = nullptr;
    QSpinBox* trip_ = nullptr;
    QTableWidget* ramp_ = nullptr;
    QPushButton* add_step_ = nullptr;
    QPushButton* remove_step_ = nullptr;
    QSpinBox* spread_ = nullptr;
    QPushButton* optimal_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* stop_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* rate_ = nullptr;
    QLabel* fault_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* partial_note_ = nullptr;
    TrueCountChart* true_counts_ = nullptr;
    RuinChart* ruin_ = nullptr;
    QPushButton* compare_button_ = nullptr;
    QWidget* compare_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace tavolix::ui
