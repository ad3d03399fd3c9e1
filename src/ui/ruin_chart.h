// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QWidget>
#include <optional>

namespace tavolix::ui {

// The risk of ruin against the bankroll, exp(-2 ev B / sd^2), as a curve from
// no bankroll to past the one chosen, which is marked with its risk. Its
// accessible description says the chosen bankroll's risk.
class RuinChart : public QWidget {
    Q_OBJECT

  public:
    explicit RuinChart(QWidget* parent = nullptr);

    // The game's ev and sd per round, in units; the bankroll chosen, in units.
    void show_game(double ev, double sd, double bankroll);
    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The bankroll at the chart's right edge: twice the chosen one, or the
    // one of 1% risk when that is more, but never past ten times the chosen.
    static double widest_bankroll(double ev, double sd, double bankroll);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Game {
        double ev = 0;
        double sd = 0;
        double bankroll = 0;
    };
    std::optional<Game> game_;
};

}  // namespace tavolix::ui
