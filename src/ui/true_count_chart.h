// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QWidget>
#include <vector>

#include "model/simulation_report.h"

namespace tavolix::ui {

// The rounds dealt at each floored true count as bars, their share of the
// game, and a unit bet's advantage there as a line with its own scale and
// zero line. Its accessible description is the same figures as text.
class TrueCountChart : public QWidget {
    Q_OBJECT

  public:
    explicit TrueCountChart(QWidget* parent = nullptr);

    void show_figures(const simulation::Figures& figures);
    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<simulation::CountFigures> counts_;  // those dealt, by rising count
    std::uint64_t rounds_ = 0;
};

}  // namespace tavolix::ui
