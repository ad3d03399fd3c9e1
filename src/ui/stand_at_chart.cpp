// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "stand_at_chart.h"

#include <QPainter>
#include <algorithm>

#include "focus_frame.h"
#include "model/strategy_cells.h"

namespace tavolix::ui {

namespace {

constexpr int kMargin = 4;

int bar_width(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QStringLiteral("21*")) + 6;
}

}  // namespace

StandAtChart::StandAtChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StandAtChart::show_strategy(const Strategy& strategy, const StrategyWords& words) {
    figures_ = strategy.stand_at;
    best_ = strategy.best_stand_at;
    setAccessibleDescription(QString::fromStdString(stand_at_text(strategy, words)));
    setToolTip(accessibleDescription());
    update();
}

void StandAtChart::clear() {
    figures_.reset();
    setAccessibleDescription(QString());
    setToolTip(QString());
    update();
}

QSize StandAtChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {2 * kMargin + analysis::kThresholds * bar_width(metrics),
            2 * kMargin + 9 * metrics.height()};
}

void StandAtChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QColor ink = palette().color(QPalette::WindowText);
    const int width = bar_width(metrics);
    const int label_top = kMargin;
    const int top = label_top + metrics.height() + 2;
    const int bottom = height() - kMargin - metrics.height() - 2;
    draw_focus_frame(painter, *this);
    if (!figures_) {
        return;
    }
    double low = 0;
    double high = 0;
    for (const strategy::StandAtEv& row : *figures_) {
        low = std::min(low, row.ev);
        high = std::max(high, row.ev);
    }
    const double span = high - low > 0 ? high - low : 1.0;
    const auto y_of = [&](double ev) {
        return top + static_cast<int>((high - ev) / span * (bottom - top));
    };
    const int zero = y_of(0.0);
    QColor plain = ink;
    plain.setAlphaF(0.45);
    const QColor best = palette().color(QPalette::Highlight);
    for (std::size_t i = 0; i < figures_->size(); ++i) {
        const strategy::StandAtEv& row = (*figures_)[i];
        const int left = kMargin + static_cast<int>(i) * width;
        const bool is_best = row.n == best_;
        const int y = y_of(row.ev);
        painter.fillRect(
            QRect(left + 3, std::min(zero, y), width - 6, std::max(1, std::abs(y - zero))),
            is_best ? best : plain);
        QFont label = font();
        label.setBold(is_best);
        painter.setFont(label);
        painter.setPen(ink);
        painter.drawText(QRect(left, label_top, width, metrics.height()), Qt::AlignCenter,
                         QString::number(row.n) + (is_best ? QStringLiteral("*") : QString()));
    }
    painter.setPen(QPen(ink, 1));
    painter.drawLine(kMargin, zero, kMargin + width * static_cast<int>(figures_->size()), zero);
    // The best N's figure under the bars, where the longest bar cannot hide it.
    const auto found = std::find_if(figures_->begin(), figures_->end(),
                                    [this](const auto& row) { return row.n == best_; });
    if (found != figures_->end()) {
        painter.setFont(font());
        painter.drawText(
            QRect(kMargin, bottom + 2, width * analysis::kThresholds, metrics.height()),
            Qt::AlignCenter,
            QStringLiteral("%1*: %2%")
                .arg(best_)
                .arg(QString::fromStdString(percent_text(found->ev, 3))));
    }
}

}  // namespace tavolix::ui
