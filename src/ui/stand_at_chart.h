// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QWidget>
#include <optional>

#include "model/strategy_text.h"

namespace tavolix::ui {

// The round's EV standing at every N from 12 to 21 as a bar each, hanging
// from the zero line; the best N's bar in the highlight colour, its label
// starred and its figure written under it. Its accessible description is
// the same figures as text.
class StandAtChart : public QWidget {
  public:
    explicit StandAtChart(QWidget* parent = nullptr);

    void show_strategy(const Strategy& strategy, const StrategyWords& words);
    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<std::array<strategy::StandAtEv, analysis::kThresholds>> figures_;
    int best_ = 0;
};

}  // namespace tavolix::ui
