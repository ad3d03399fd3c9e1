// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavolix::testing {

// A fresh directory under the system's temporary directory, removed again
// when the test ends.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& path);
// The lines of a report, CR LF line ends taken off.
std::vector<std::string> read_report_lines(const std::filesystem::path& path);

}  // namespace tavolix::testing
