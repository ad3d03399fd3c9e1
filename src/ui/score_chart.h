// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace tavolix::ui {

// The SCORE of each game compared, a bar a game in the table's order: its
// place, the bar, the figure and as much of the game's name as fits. A game
// that does not win has no SCORE: no bar, a dash. Its accessible
// description gives the same as text.
class ScoreChart : public QWidget {
    Q_OBJECT

  public:
    struct Bar {
        QString place;  // "1"
        std::optional<double> score;
        QString figure;  // the SCORE as the table writes it, or "-"
        QString game;
    };

    explicit ScoreChart(QWidget* parent = nullptr);

    void show_bars(std::vector<Bar> bars);
    const std::vector<Bar>& bars() const { return bars_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int row_height() const;

    std::vector<Bar> bars_;
};

}  // namespace tavolix::ui
