// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QWidget>
#include <array>
#include <optional>

namespace tavolix::ui {

// Ten effects of removal, ace first, as a bar each from the zero line, a
// positive effect up: a card whose removal helps the player stands above.
// Each bar has its card under the chart and its figure in percent at its
// end. Its accessible description is the same figures as text.
class EffectsChart : public QWidget {
  public:
    // `rows` text lines high.
    explicit EffectsChart(int rows, QWidget* parent = nullptr);

    // The effects as fractions of the bet.
    void show_effects(const std::array<double, 10>& effects);
    void clear();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int rows_;
    std::optional<std::array<double, 10>> effects_;
};

}  // namespace tavolix::ui
