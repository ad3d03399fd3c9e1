// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace tavolix {

namespace {

struct Pattern {
    int integer_digits = 0;
    int decimals = 0;
};

Pattern parse_pattern(const std::string& fmt) {
    Pattern pattern;
    bool after_mark = false;
    for (const char ch : fmt) {
        if (ch == '0') {
            (after_mark ? pattern.decimals : pattern.integer_digits) += 1;
        } else if ((ch == '.' || ch == ',') && !after_mark) {
            after_mark = true;
        } else {
            throw std::invalid_argument("unsupported number pattern: " + fmt);
        }
    }
    // A float scaled by 10^8 still fits a double's mantissa exactly, so the
    // rounding below sees the true value.
    if (pattern.decimals > 8) {
        throw std::invalid_argument("too many decimals in number pattern: " + fmt);
    }
    return pattern;
}

// The digits of value rounded half away from zero to `decimals` places, in
// the pattern's shape, with a point as decimal mark.
std::string format_fixed(float value, const Pattern& pattern) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    }
    const double scaled = std::round(static_cast<double>(value) * std::pow(10.0, pattern.decimals));
    const bool negative = scaled < 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(scaled));
    std::string digits = buffer;
    const std::size_t wanted = static_cast<std::size_t>(pattern.decimals + pattern.integer_digits);
    if (digits.size() < wanted) {
        digits.insert(0, wanted - digits.size(), '0');
    }
    std::string text = negative ? "-" : "";
    const std::size_t split = digits.size() - static_cast<std::size_t>(pattern.decimals);
    text += digits.substr(0, split);
    if (pattern.decimals > 0) {
        text += '.';
        text += digits.substr(split);
    }
    return text;
}

}  // namespace

std::string FormatDec(const float& value, const Integer& width, const std::string& fmt) {
    std::string text = format_fixed(value, parse_pattern(fmt));
    const int pad = width - static_cast<int>(text.size());
    if (pad > 0) {
        text.insert(0, static_cast<std::size_t>(pad), ' ');
    }
    return text;
}

}  // namespace tavolix
