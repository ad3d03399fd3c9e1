// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavolix::cli {

// Why report files cannot be written into `directory` (it is missing, is not
// a directory, or refuses a new file), or nothing when they can. Asked before
// any calculation so that one clear message replaces a failure per file.
std::optional<std::string> report_directory_problem(const std::filesystem::path& directory);

}  // namespace tavolix::cli
