// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QLabel>
#include <QString>

namespace tavolix::ui {

// A window's line for what went wrong: the fault in red (lightened on a dark
// theme until it reads), named for a screen reader, and hidden when there
// is none.
void show_fault_line(QLabel& line, const QString& fault);

}  // namespace tavolix::ui
