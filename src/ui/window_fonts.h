// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QFont>
#include <QString>

#include "form1_layout.h"

namespace tavolix::ui {

// The family the window was designed with, and the metric-compatible family
// (fonts-liberation) used where that one is not installed.
QString designed_family(FontName name);
QString fallback_family(FontName name);

// The font of a control: the designed family first, then its fallback; a
// Courier New font stays fixed-pitch even when neither is installed, since
// the result panels align their columns with spaces.
QFont make_font(const FontSpec& wanted);

}  // namespace tavolix::ui
