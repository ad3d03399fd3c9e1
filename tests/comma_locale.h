// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <filesystem>
#include <optional>

namespace tavolix::testing {

// The directory to give as LOCPATH for the UTF-8 locale of `name` ("it_IT"),
// compiled there with localedef when missing; nothing when that fails.
std::optional<std::filesystem::path> compiled_locale(const char* name);

// Sets the process's C locale to Italian, whose decimal mark is ",". Where the
// system has no such locale it is compiled with localedef into a temporary
// directory. Returns false when neither works.
bool use_comma_locale();

}  // namespace tavolix::testing
