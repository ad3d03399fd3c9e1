// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QColor>
#include <QPalette>

namespace tavolix::ui {

// The contrast ratio of two colours by their relative luminance, from 1 (the
// same) to 21 (black on white).
double contrast_ratio(const QColor& first, const QColor& second);

// A palette is dark when its window background is darker than its text.
bool is_dark(const QPalette& palette);

// The colour a text designed in `designed` is drawn in on `palette`: the
// designed colour itself on a light palette; on a dark one, the same hue
// lightened until it reads at a contrast of at least 4.5:1 against the window
// background (the palette's own text colour if no lightening gets there).
QColor readable_colour(const QColor& designed, const QPalette& palette);

}  // namespace tavolix::ui
