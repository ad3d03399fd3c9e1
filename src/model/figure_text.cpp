// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "figure_text.h"

#include <cmath>
#include <cstdio>

namespace tavolix {

std::string fixed_figure(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "-";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string grouped_digits(long long value) {
    std::string digits = std::to_string(value);
    // The sign stays out of the groups: "-123", not "-,123".
    const int first = value < 0 ? 1 : 0;
    for (int at = static_cast<int>(digits.size()) - 3; at > first; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

}  // namespace tavolix
