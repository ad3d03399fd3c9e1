// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "true_count_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "focus_frame.h"
#include "theme_colours.h"

namespace tavolix::ui {

namespace {

constexpr int kMargin = 6;
// The advantage's line, a warm red against the bars' highlight.
const QColor kAdvantageDesigned(0xB0, 0x30, 0x20);

QString percent(double share, int decimals) {
    return QString::number(100 * share, 'f', decimals) + QStringLiteral("%");
}

}  // namespace

TrueCountChart::TrueCountChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TrueCountChart::show_figures(const simulation::Figures& figures) {
    counts_.clear();
    rounds_ = 0;
    for (const simulation::CountFigures& count : figures.true_counts) {
        if (count.rounds > 0) {
            counts_.push_back(count);
            rounds_ += count.rounds;
        }
    }
    QString text;
    for (const simulation::CountFigures& count : counts_) {
        text += tr("TC %1: %2 dei giri, vantaggio %3; ")
                    .arg(count.true_count)
                    .arg(percent(static_cast<double>(count.rounds) / rounds_, 2))
                    .arg(percent(count.advantage, 2));
    }
    setAccessibleDescription(text);
    setToolTip(text);
    update();
}

void TrueCountChart::clear() {
    counts_.clear();
    rounds_ = 0;
    setAccessibleDescription(QString());
    setToolTip(QString());
    update();
}

QSize TrueCountChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {2 * kMargin + 21 * metrics.horizontalAdvance(QStringLiteral("-10")) + 12 +
                2 * metrics.horizontalAdvance(QStringLiteral("-88.8%")),
            2 * kMargin + 12 * metrics.height()};
}

void TrueCountChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const QColor ink = palette().color(QPalette::WindowText);
    draw_focus_frame(painter, *this);
    if (counts_.empty() || rounds_ == 0) {
        return;
    }
    const int axis = metrics.horizontalAdvance(QStringLiteral("-88.8%")) + 4;
    const int left = kMargin + axis;
    const int right = width() - kMargin - axis;
    const int top = kMargin + metrics.height() + 4;  // the legend above
    const int bottom = height() - kMargin - metrics.height() - 2;
    const int slot = std::max(1, (right - left) / static_cast<int>(counts_.size()));

    double most = 0;
    double low = 0;
    double high = 0;
    for (const simulation::CountFigures& count : counts_) {
        most = std::max(most, static_cast<double>(count.rounds) / rounds_);
        low = std::min(low, count.advantage);
        high = std::max(high, count.advantage);
    }
    const double span = high - low > 0 ? high - low : 1.0;
    const auto share_y = [&](double share) {
        return bottom - static_cast<int>(share / most * (bottom - top));
    };
    const auto advantage_y = [&](double advantage) {
        return top + (high - advantage) / span * (bottom - top);
    };

    // The highlight, lightened where a dark palette would lose it.
    QColor bar = readable_colour(palette().color(QPalette::Highlight), palette());
    bar.setAlphaF(0.55);
    const QColor line = readable_colour(kAdvantageDesigned, palette());
    QPainterPath path;
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        const simulation::CountFigures& count = counts_[i];
        const int x = left + static_cast<int>(i) * slot;
        const int y = share_y(static_cast<double>(count.rounds) / rounds_);
        painter.fillRect(QRect(x + 2, y, slot - 4, std::max(1, bottom - y)), bar);
        painter.setPen(ink);
        painter.drawText(QRect(x, bottom + 2, slot, metrics.height()), Qt::AlignCenter,
                         QString::number(count.true_count));
        const QPointF point(x + slot / 2.0, advantage_y(count.advantage));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    painter.setPen(QPen(ink, 1));
    painter.drawLine(left, bottom, right, bottom);
    // The advantage's zero, dashed, across the bars.
    QPen zero(line, 1, Qt::DashLine);
    painter.setPen(zero);
    const int zero_y = static_cast<int>(advantage_y(0));
    painter.drawLine(left, zero_y, left + slot * static_cast<int>(counts_.size()), zero_y);
    painter.setPen(QPen(line, 2));
    painter.drawPath(path);
    for (int i = 0; i < path.elementCount(); ++i) {
        painter.setBrush(line);
        painter.drawEllipse(QPointF(path.elementAt(i).x, path.elementAt(i).y), 2.5, 2.5);
    }

    // Scales: the share on the left, the advantage on the right.
    painter.setPen(ink);
    painter.drawText(QRect(kMargin, top - metrics.height() / 2, axis - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, percent(most, 1));
    painter.drawText(QRect(kMargin, bottom - metrics.height(), axis - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0%"));
    painter.setPen(line);
    const int scale_left = right + 4;
    painter.drawText(QRect(scale_left, top - metrics.height() / 2, axis, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, percent(high, 1));
    painter.drawText(QRect(scale_left, zero_y - metrics.height() / 2, axis, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0%"));
    painter.drawText(QRect(scale_left, bottom - metrics.height(), axis, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, percent(low, 1));

    // The legend.
    const int legend_y = kMargin;
    const int box = metrics.height() - 4;
    painter.fillRect(QRect(left, legend_y + 2, box, box), bar);
    painter.setPen(ink);
    const QString frequency = tr("giri per conteggio vero");
    painter.drawText(QPoint(left + box + 4, legend_y + metrics.ascent()), frequency);
    const int second = left + box + 4 + metrics.horizontalAdvance(frequency) + 16;
    painter.setPen(QPen(line, 2));
    painter.drawLine(second, legend_y + box / 2 + 2, second + box, legend_y + box / 2 + 2);
    painter.drawText(QPoint(second + box + 4, legend_y + metrics.ascent()), tr("vantaggio"));
}

}  // namespace tavolix::ui
