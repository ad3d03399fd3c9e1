// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "display_text.h"

namespace tavolix::ui {

QString display_text(const std::string& caption) {
    return QString::fromStdString(caption).remove(QLatin1Char('\r'));
}

}  // namespace tavolix::ui
