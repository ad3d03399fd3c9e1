// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace tavolix::testing {

// A short, stable ctest name for one row of a parameterized suite: its number,
// then the letters and digits of its description, each run of anything else
// made one underscore, cut short so that names stay readable.
inline std::string row_name(std::size_t index, std::string_view description) {
    constexpr std::size_t kLongest = 48;
    std::string name = std::to_string(index);
    bool gap = true;
    for (const char c : description) {
        if (name.size() >= kLongest) {
            break;
        }
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            gap = true;
            continue;
        }
        if (gap) {
            name += '_';
        }
        name += c;
        gap = false;
    }
    return name;
}

// The name generator for rows that a PrintTo describes.
template <class Param>
std::string described_row(const ::testing::TestParamInfo<Param>& info) {
    return row_name(info.index, ::testing::PrintToString(info.param));
}

}  // namespace tavolix::testing
