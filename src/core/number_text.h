// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <string>

#include "table_state.h"

namespace tavolix {

// A number as fixed-width text for the result panels: formatted with the
// pattern, padded on the left with blanks to width, never cut, and always with
// a point as decimal mark whatever the process locale says. The pattern is
// digit placeholders with an optional decimal mark ("0", "0.00", "00.000");
// halves round away from zero.
std::string FormatDec(const float& value, const Integer& width, const std::string& fmt);

}  // namespace tavolix
