// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "fault_line.h"

#include "theme_colours.h"

namespace tavolix::ui {

void show_fault_line(QLabel& line, const QString& fault) {
    line.setText(fault);
    line.setAccessibleName(fault);
    QPalette shown = line.palette();
    shown.setColor(QPalette::WindowText,
                   readable_colour(QColor(0xB0, 0x00, 0x20), line.window()->palette()));
    line.setPalette(shown);
    line.setVisible(!fault.isEmpty());
}

}  // namespace tavolix::ui
