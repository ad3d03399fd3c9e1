// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "ruin_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "focus_frame.h"
#include "model/simulation_report.h"
#include "theme_colours.h"

namespace tavolix::ui {

namespace {

constexpr int kMargin = 6;
constexpr int kPoints = 120;
const QColor kCurveDesigned(0x20, 0x50, 0xA0);

QString percent(double share) {
    return QString::number(100 * share, 'f', share < 0.1 ? 2 : 1) + QStringLiteral("%");
}

}  // namespace

RuinChart::RuinChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

double RuinChart::widest_bankroll(double ev, double sd, double bankroll) {
    const std::optional<double> one_percent = simulation::bankroll_for_risk(ev, sd, 0.01);
    if (!one_percent) {
        return 2 * bankroll;
    }
    return std::clamp(*one_percent, 2 * bankroll, 10 * bankroll);
}

void RuinChart::show_game(double ev, double sd, double bankroll) {
    game_ = Game{ev, sd, bankroll};
    const QString text = tr("Rischio di rovina con %1 unità: %2")
                             .arg(bankroll, 0, 'f', 0)
                             .arg(percent(simulation::risk_of_ruin(ev, sd, bankroll)));
    setAccessibleDescription(text);
    setToolTip(text);
    update();
}

void RuinChart::clear() {
    game_.reset();
    setAccessibleDescription(QString());
    setToolTip(QString());
    update();
}

QSize RuinChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {2 * kMargin + 40 * metrics.horizontalAdvance(QLatin1Char('0')),
            2 * kMargin + 10 * metrics.height()};
}

void RuinChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const QColor ink = palette().color(QPalette::WindowText);
    draw_focus_frame(painter, *this);
    if (!game_) {
        return;
    }
    const Game& game = *game_;
    const double widest = widest_bankroll(game.ev, game.sd, game.bankroll);
    const int left = kMargin + metrics.horizontalAdvance(QStringLiteral("100%")) + 4;
    const int right = width() - kMargin - metrics.horizontalAdvance(QStringLiteral("00000")) / 2;
    const int top = kMargin + metrics.height() / 2;
    const int bottom = height() - kMargin - metrics.height() - 2;
    const auto x_of = [&](double bankroll) { return left + bankroll / widest * (right - left); };
    const auto y_of = [&](double risk) { return bottom - risk * (bottom - top); };

    // Axes and their scales: the risk from 0 to 100%, the bankroll from 0.
    painter.setPen(QPen(ink, 1));
    painter.drawLine(left, top, left, bottom);
    painter.drawLine(left, bottom, right, bottom);
    QColor grid = ink;
    grid.setAlphaF(0.25);
    for (const double risk : {0.0, 0.5, 1.0}) {
        const int y = static_cast<int>(y_of(risk));
        painter.setPen(grid);
        painter.drawLine(left + 1, y, right, y);
        painter.setPen(ink);
        painter.drawText(
            QRect(kMargin, y - metrics.height() / 2, left - kMargin - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter,
            QString::number(static_cast<int>(100 * risk)) + QStringLiteral("%"));
    }
    for (const double share : {0.0, 0.5, 1.0}) {
        const double bankroll = share * widest;
        const int x = static_cast<int>(x_of(bankroll));
        const int half = metrics.horizontalAdvance(QStringLiteral("00000"));
        painter.drawText(QRect(x - half, bottom + 2, 2 * half, metrics.height()), Qt::AlignCenter,
                         QString::number(bankroll, 'f', 0));
    }

    const QColor curve = readable_colour(kCurveDesigned, palette());
    QPainterPath path;
    for (int i = 0; i <= kPoints; ++i) {
        const double bankroll = widest * i / kPoints;
        const QPointF point(x_of(bankroll),
                            y_of(simulation::risk_of_ruin(game.ev, game.sd, bankroll)));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    painter.setPen(QPen(curve, 2));
    painter.drawPath(path);

    // The chosen bankroll: a dashed line down to the axis and its risk.
    const double risk = simulation::risk_of_ruin(game.ev, game.sd, game.bankroll);
    const QPointF chosen(x_of(game.bankroll), y_of(risk));
    const QColor mark = readable_colour(palette().color(QPalette::Highlight), palette());
    painter.setPen(QPen(mark, 1, Qt::DashLine));
    painter.drawLine(QPointF(chosen.x(), bottom), chosen);
    painter.setPen(QPen(mark, 2));
    painter.setBrush(mark);
    painter.drawEllipse(chosen, 4, 4);
    const QString label = tr("%1 unità: %2").arg(game.bankroll, 0, 'f', 0).arg(percent(risk));
    const int label_width = metrics.horizontalAdvance(label);
    const int label_x = std::min(static_cast<int>(chosen.x()) + 8, right - label_width);
    const int label_y = std::clamp(static_cast<int>(chosen.y()) - 8, top + metrics.ascent(),
                                   bottom - metrics.descent() - 2);
    painter.setPen(ink);
    painter.drawText(QPoint(label_x, label_y), label);
}

}  // namespace tavolix::ui
