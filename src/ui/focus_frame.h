// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace tavolix::ui {

// A drawn chart takes the keyboard focus so that a screen reader reads its
// description; the dashed frame shows a sighted user where the focus is.
inline void draw_focus_frame(QPainter& painter, const QWidget& chart) {
    if (chart.hasFocus()) {
        painter.setPen(QPen(chart.palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.drawRect(chart.rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace tavolix::ui
