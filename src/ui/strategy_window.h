// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedLayout>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "core/model_words.h"
#include "count_window.h"
#include "file_export.h"
#include "model/strategy_text.h"
#include "simulation_window.h"
#include "stand_at_chart.h"
#include "strategy_grid.h"
#include "strategy_runner.h"
#include "web_links.h"

namespace tavolix::ui {

// The window "Strategia": the chart of a fresh shoe of the table's rules and
// decks, and beside it, when asked, the chart of the shoe in play, their
// differing cells marked; the rules, the round's EV and the house edge;
// standing at every N; export as PNG and CSV. Every strategy is worked out
// off the window's thread, a change cancelling the run it makes stale.
class StrategyWindow : public QWidget {
    Q_OBJECT

  public:
    using SavePathChooser = ui::SavePathChooser;

    // The rules are written in `words`.
    explicit StrategyWindow(const ModelWords& words, QWidget* parent = nullptr);

    // The table to follow: a fresh shoe of its rules and decks, and the shoe
    // in play. Only a request that has changed is worked out again.
    void follow(const StrategyRequest& full_shoe, const StrategyRequest& shoe_in_play);

    bool computing() const;
    const std::optional<Strategy>& full_shoe_strategy() const { return full_.strategy; }
    const std::optional<Strategy>& shoe_in_play_strategy() const { return in_play_.strategy; }

    // A file dialog unless replaced.
    void setSavePathChooser(SavePathChooser chooser) { choose_path_ = std::move(chooser); }
    // A warning box unless replaced.
    void setNotifier(Notifier notifier) { notify_ = std::move(notifier); }
    // The count and bankroll the count window starts from and tells its
    // choices to; a count window on its own, Hi-Lo first, unless given.
    void setCountLink(std::function<CountLink()> link) { count_link_ = std::move(link); }
    // The count window opened by "Conteggio...", while it is open.
    CountWindow* countWindow() const { return count_window_; }

  signals:
    // A strategy worked out has been put in the window.
    void strategyShown();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    struct Panel {
        std::optional<StrategyRequest> request;
        std::optional<Strategy> strategy;
        bool failed = false;  // the shoe cannot deal a round
        StrategyRunner* runner = nullptr;
        QWidget* box = nullptr;
        QLabel* caption = nullptr;
        QLabel* figures = nullptr;
        QProgressBar* progress = nullptr;
        QStackedLayout* figures_or_progress = nullptr;
        StrategyGrid* grid = nullptr;
    };

    void build();
    void build_panel(Panel& panel, const char* name);
    QWidget* build_legend();
    void colour_swatches();
    void compute(Panel& panel, const StrategyRequest& request);
    void finished(Panel& panel, const std::optional<Strategy>& strategy);
    void follow_shoe_in_play();
    void show_panels();
    void show_panel(Panel& panel, const QString& caption, const Panel& other,
                    const QString& other_plays);
    const Panel& exported() const;
    void open_simulation();
    void export_png();
    void export_csv();
    void open_count_window();
    void save(const QString& title, const QString& suggested, const QString& filter,
              const QByteArray& bytes);

    ModelWords words_;
    StrategyWords strategy_words_;
    StrategyRequest full_wanted_;
    StrategyRequest in_play_wanted_;
    Panel full_;
    Panel in_play_;
    QLabel* rules_ = nullptr;
    QCheckBox* shoe_in_play_ = nullptr;
    QWidget* charts_ = nullptr;
    QLabel* stand_at_title_ = nullptr;
    StandAtChart* stand_at_ = nullptr;
    QPushButton* export_png_ = nullptr;
    QPushButton* export_csv_ = nullptr;
    QPushButton* count_ = nullptr;
    QPushButton* close_ = nullptr;
    QPointer<CountWindow> count_window_;
    std::function<CountLink()> count_link_;
    QPushButton* simulate_ = nullptr;
    SimulationWindow* simulation_ = nullptr;
    std::vector<QLabel*> swatches_;  // in the order of analysis::kPlays
    SavePathChooser choose_path_;
    Notifier notify_;
};

}  // namespace tavolix::ui
