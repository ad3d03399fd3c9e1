// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "score_chart.h"

#include <QPainter>
#include <algorithm>

#include "focus_frame.h"
#include "theme_colours.h"

namespace tavolix::ui {

namespace {

constexpr int kMargin = 6;
// Rows the chart keeps room for before the list grows past them.
constexpr int kLeastRows = 4;

}  // namespace

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

int ScoreChart::row_height() const {
    return fontMetrics().height() + 6;
}

void ScoreChart::show_bars(std::vector<Bar> bars) {
    bars_ = std::move(bars);
    QStringList lines;
    for (const Bar& bar : bars_) {
        lines << tr("%1. SCORE %2: %3").arg(bar.place, bar.figure, bar.game);
    }
    setAccessibleDescription(lines.join(QStringLiteral("; ")));
    setToolTip(lines.join(QLatin1Char('\n')));
    updateGeometry();
    update();
}

QSize ScoreChart::sizeHint() const {
    const int rows = std::max(kLeastRows, static_cast<int>(bars_.size()));
    return {60 * fontMetrics().averageCharWidth(), 2 * kMargin + rows * row_height()};
}

QSize ScoreChart::minimumSizeHint() const {
    return {30 * fontMetrics().averageCharWidth(), sizeHint().height()};
}

void ScoreChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    draw_focus_frame(painter, *this);
    const QFontMetrics metrics(font());
    const QColor ink = palette().color(QPalette::WindowText);
    if (bars_.empty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, tr("Nessun gioco giocato"));
        return;
    }
    double most = 0;
    for (const Bar& bar : bars_) {
        most = std::max(most, bar.score.value_or(0));
    }
    const int place_width = metrics.horizontalAdvance(QStringLiteral("00."));
    const int figure_width = metrics.horizontalAdvance(QStringLiteral("0000.000"));
    const int left = kMargin + place_width + 6;
    // The bars take two fifths of the width; the figure and the game's name
    // the rest.
    const int bar_room = std::max(40, (width() - left - kMargin) * 2 / 5);
    const int figure_left = left + bar_room + 6;
    const int game_left = figure_left + figure_width + 12;
    QColor fill = readable_colour(palette().color(QPalette::Highlight), palette());
    int top = kMargin;
    for (const Bar& bar : bars_) {
        const int h = row_height();
        painter.setPen(ink);
        painter.drawText(QRect(kMargin, top, place_width, h), Qt::AlignRight | Qt::AlignVCenter,
                         bar.place + QLatin1Char('.'));
        if (bar.score && most > 0) {
            const int length =
                std::max(1, static_cast<int>(bar_room * std::max(0.0, *bar.score) / most));
            painter.fillRect(QRect(left, top + 3, length, h - 6), fill);
        }
        painter.setPen(ink);
        painter.drawText(QRect(figure_left, top, figure_width, h),
                         Qt::AlignRight | Qt::AlignVCenter, bar.figure);
        const int game_room = width() - kMargin - game_left;
        if (game_room > 0) {
            painter.drawText(QRect(game_left, top, game_room, h), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(bar.game, Qt::ElideRight, game_room));
        }
        top += h;
    }
    painter.setPen(QPen(ink, 1));
    painter.drawLine(left, kMargin, left, top);
}

}  // namespace tavolix::ui
