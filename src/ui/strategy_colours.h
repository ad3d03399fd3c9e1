// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QColor>
#include <QPalette>

#include "model/strategy_text.h"

namespace tavolix::ui {

struct CellColours {
    QColor background;
    QColor text;
};

// A play's cells on `palette`: light tints under dark text on a light
// palette, deep tones under light text on a dark one, so a chart neither
// glares in a dark theme nor fades in a light one.
CellColours play_colours(analysis::Play play, const QPalette& palette);

// A cell without a play: the palette's own.
CellColours empty_cell_colours(const QPalette& palette);

}  // namespace tavolix::ui
