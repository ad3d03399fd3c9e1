// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/model_words.h"
#include "effects_chart.h"
#include "file_export.h"
#include "model/count_window_text.h"
#include "strategy_grid.h"
#include "work_runner.h"

namespace tavolix::ui {

// What the count window starts from and whom it tells of a choice: the
// table's count and bankroll, kept by the model.
struct CountLink {
    counting::Count count = counting::hi_lo_count();
    double bankroll = 1000;
    std::function<void(const counting::Count&)> count_chosen;
    std::function<void(double)> bankroll_chosen;
};

// The window "Conteggio": the count picker (the built-in counts, or ten tags
// of the user's own checked as they are typed) and the bankroll; for the
// table's rules and a full shoe of its decks, the effects of removal as bar
// charts, every built-in count's correlations, and the chosen count's index
// chart with the insurance index above it; export as PNG and CSV. The work
// runs off the window's thread and can be cancelled; a change cancels the
// run it makes stale, and closing the window stops it.
class CountWindow : public QWidget {
    Q_OBJECT

  public:
    CountWindow(const ModelWords& words, CountLink link, QWidget* parent = nullptr);

    // The table to work for: its rules and a full shoe of `decks` decks.
    void follow(const TableRules& rules, int decks);

    bool computing() const { return runner_->running(); }
    const counting::Count& count() const { return count_; }
    const std::optional<counting::RemovalEffects>& effects() const { return effects_; }
    const std::optional<counting::IndexTable>& indices() const { return indices_; }

    // A file dialog unless replaced.
    void setSavePathChooser(SavePathChooser chooser) { choose_path_ = std::move(chooser); }
    // A warning box unless replaced.
    void setNotifier(Notifier notifier) { notify_ = std::move(notifier); }

  signals:
    // What was worked out has been put in the window.
    void resultsShown();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Table {
        TableRules rules;
        int decks = 1;
        bool operator==(const Table&) const = default;
    };
    struct Results {
        std::optional<counting::RemovalEffects> effects;
        std::optional<counting::IndexTable> indices;
    };

    void build();
    QWidget* build_picker();
    QWidget* build_effects();
    QWidget* build_indices();
    void pick(int choice);
    void tags_edited(const QString& text);
    void choose(const counting::Count& count);
    bool effects_current() const;
    bool indices_current() const;
    void compute();
    void cancel();
    void finished();
    void colour_error();
    void show_results();
    void show_status();
    void export_png();
    void export_csv();

    ModelWords words_;
    CountWindowWords count_words_;
    CountLink link_;
    counting::Count count_;
    std::optional<Table> table_;
    std::optional<Table> effects_for_;
    std::optional<counting::RemovalEffects> effects_;
    std::optional<counting::IndexTable> indices_;
    bool cancelled_ = false;
    WorkRunner* runner_ = nullptr;

    QComboBox* picker_ = nullptr;
    QLineEdit* tags_ = nullptr;
    QLabel* tags_error_ = nullptr;
    QDoubleSpinBox* bankroll_ = nullptr;
    QLabel* rules_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* cancel_or_compute_ = nullptr;
    EffectsChart* round_effects_ = nullptr;
    EffectsChart* insurance_effects_ = nullptr;
    QTableWidget* correlations_ = nullptr;
    QWidget* index_box_ = nullptr;
    QLabel* insurance_ = nullptr;
    StrategyGrid* grid_ = nullptr;
    QLabel* index_note_ = nullptr;
    QPushButton* export_png_ = nullptr;
    QPushButton* export_csv_ = nullptr;
    SavePathChooser choose_path_;
    Notifier notify_;
};

}  // namespace tavolix::ui
