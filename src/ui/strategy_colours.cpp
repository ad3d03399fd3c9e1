// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "strategy_colours.h"

#include "theme_colours.h"

namespace tavolix::ui {

namespace {

struct Shades {
    QRgb light;
    QRgb dark;
};

// The colours a printed chart uses for each play: red to stand, green to
// hit, blue to double, yellow to split, violet to surrender.
Shades shades(analysis::Play play) {
    switch (play) {
        case analysis::Play::stand:
            return {0xffc4c4, 0x8e2323};
        case analysis::Play::hit:
            return {0xc6efbe, 0x1f6a2c};
        case analysis::Play::double_down:
            return {0xbcd6ff, 0x1d4f91};
        case analysis::Play::split:
            return {0xffe69a, 0x765600};
        case analysis::Play::surrender:
            return {0xe0cdf3, 0x5d3a80};
    }
    return {0xffffff, 0x000000};
}

}  // namespace

CellColours play_colours(analysis::Play play, const QPalette& palette) {
    const Shades shade = shades(play);
    return is_dark(palette) ? CellColours{QColor(shade.dark), QColor(Qt::white)}
                            : CellColours{QColor(shade.light), QColor(Qt::black)};
}

CellColours empty_cell_colours(const QPalette& palette) {
    return {palette.color(QPalette::Base), palette.color(QPalette::Text)};
}

}  // namespace tavolix::ui
