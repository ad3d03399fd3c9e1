// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "placeholders.h"

namespace tavolix {

std::string with_values(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' &&
            text[at + 1] <= '9') {
            const auto mark = static_cast<std::size_t>(text[at + 1] - '1');
            if (mark < values.size()) {
                filled += values.begin()[mark];
                ++at;
                continue;
            }
        }
        filled += text[at];
    }
    return filled;
}

}  // namespace tavolix
