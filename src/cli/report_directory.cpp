// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "report_directory.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/message_text.h"
#include "stop_signals.h"

namespace tavolix::cli {

std::optional<std::string> report_directory_problem(const std::filesystem::path& directory) {
    const std::string name = quoted_printable(directory.native());
    std::error_code code;
    const auto status = std::filesystem::status(directory, code);
    if (code) {
        return name + ": " + code.message();
    }
    if (!std::filesystem::is_directory(status)) {
        return name + " is not a directory";
    }
    // Permissions alone do not tell (root ignores them, a read-only mount
    // does not show in them): try a file, and never leave it there.
    const StopSignalsHeld held;
    std::string probe = (directory / ".tavolix-calc-XXXXXX").native();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        return "cannot create files in " + name + ": " + std::strerror(errno);
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return std::nullopt;
}

}  // namespace tavolix::cli
