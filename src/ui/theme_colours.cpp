// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "theme_colours.h"

#include <algorithm>
#include <cmath>

namespace tavolix::ui {

namespace {

constexpr double kReadableContrast = 4.5;

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor towards_white(const QColor& colour, double share) {
    const auto mix = [share](int channel) {
        return static_cast<int>(std::lround(channel + (255 - channel) * share));
    };
    return {mix(colour.red()), mix(colour.green()), mix(colour.blue())};
}

}  // namespace

double contrast_ratio(const QColor& first, const QColor& second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool is_dark(const QPalette& palette) {
    return luminance(palette.color(QPalette::Window)) <
           luminance(palette.color(QPalette::WindowText));
}

QColor readable_colour(const QColor& designed, const QPalette& palette) {
    if (!is_dark(palette)) {
        return designed;
    }
    const QColor background = palette.color(QPalette::Window);
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = towards_white(designed, step / 20.0);
        if (contrast_ratio(candidate, background) >= kReadableContrast) {
            return candidate;
        }
    }
    return palette.color(QPalette::WindowText);
}

}  // namespace tavolix::ui
