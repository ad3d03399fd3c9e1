// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers
//
// Figures as the simulator's reports and tables write them.
#pragma once

#include <string>

namespace tavolix {

// The value with this many decimals; "-" where it has none (a NaN or an
// infinity, as an N0 with no advantage).
std::string fixed_figure(double value, int decimals);

// Whole numbers with a comma between thousands: "100,000,000", "-1,234".
std::string grouped_digits(long long value);

}  // namespace tavolix
