// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "effects_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "focus_frame.h"
#include "model/count_window_text.h"

namespace tavolix::ui {

namespace {

constexpr int kMargin = 4;

int bar_width(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QStringLiteral("-0.00")) + 8;
}

QFont small_font(const QFont& font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.85);
    return small;
}

}  // namespace

EffectsChart::EffectsChart(int rows, QWidget* parent) : QWidget(parent), rows_(rows) {
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void EffectsChart::show_effects(const std::array<double, 10>& effects) {
    effects_ = effects;
    setAccessibleDescription(QString::fromStdString(effects_description(effects)));
    setToolTip(accessibleDescription());
    update();
}

void EffectsChart::clear() {
    effects_.reset();
    setAccessibleDescription(QString());
    setToolTip(QString());
    update();
}

QSize EffectsChart::sizeHint() const {
    const QFontMetrics metrics(small_font(font()));
    return {2 * kMargin + 10 * bar_width(metrics), 2 * kMargin + rows_ * metrics.height()};
}

void EffectsChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFont small = small_font(font());
    const QFontMetrics metrics(small);
    painter.setFont(small);
    const QColor ink = palette().color(QPalette::WindowText);
    const int width = bar_width(metrics);
    const int line = metrics.height();
    // A figure's row above the highest bar and below the lowest, the cards'
    // row under everything.
    const int top = kMargin + line;
    const int bottom = height() - kMargin - 2 * line;
    draw_focus_frame(painter, *this);
    const std::array<std::string, 10> labels = effect_labels();
    painter.setPen(ink);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int left = kMargin + static_cast<int>(i) * width;
        painter.drawText(QRect(left, height() - kMargin - line, width, line), Qt::AlignCenter,
                         QString::fromStdString(labels[i]));
    }
    if (!effects_) {
        return;
    }
    double reach = 0;
    for (const double effect : *effects_) {
        reach = std::max(reach, std::abs(effect));
    }
    const double span = reach > 0 ? 2 * reach : 1.0;
    const int zero = (top + bottom) / 2;
    const auto y_of = [&](double effect) {
        return zero - static_cast<int>(std::lround(effect / span * (bottom - top)));
    };
    const QColor up = palette().color(QPalette::Highlight);
    QColor down = ink;
    down.setAlphaF(0.45);
    for (std::size_t i = 0; i < effects_->size(); ++i) {
        const double effect = (*effects_)[i];
        const int left = kMargin + static_cast<int>(i) * width;
        const int y = y_of(effect);
        painter.fillRect(
            QRect(left + 4, std::min(zero, y), width - 8, std::max(1, std::abs(y - zero))),
            effect >= 0 ? up : down);
        // Two decimals: the bars tell the rest; the tooltip has three.
        const QString figure = QString::fromStdString(percent_text(effect, 2));
        const QRect place =
            effect >= 0 ? QRect(left, y - line, width, line) : QRect(left, y, width, line);
        painter.setPen(ink);
        painter.drawText(place, Qt::AlignCenter, figure);
    }
    painter.setPen(QPen(ink, 1));
    painter.drawLine(kMargin, zero, kMargin + 10 * width, zero);
}

}  // namespace tavolix::ui
