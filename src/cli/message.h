// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace tavolix::cli {

// Writes "tavolix-calc: MESSAGE" as one line on `err` and returns `status`.
int fail(std::ostream& err, std::string_view message, int status);

// `action` ("cannot read standard input") with the system's reason for
// `error_number`, or alone when the library left none.
std::string stream_failure(std::string_view action, int error_number);

}  // namespace tavolix::cli
