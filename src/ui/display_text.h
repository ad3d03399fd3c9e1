// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QString>
#include <string>

namespace tavolix::ui {

// A caption of the model as a label shows it. The result panels end their
// lines with LF CR; a label breaks the line at the LF and would draw the CR
// as a glyph, so the display copy drops every CR.
QString display_text(const std::string& caption);

}  // namespace tavolix::ui
