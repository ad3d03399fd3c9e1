// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <string>

namespace tavolix::testing {

std::optional<std::filesystem::path> compiled_locale(const char* name) {
    const auto dir = std::filesystem::temp_directory_path() / "tavolix-test-locales";
    const std::string locale = std::string(name) + ".UTF-8";
    if (!std::filesystem::exists(dir / locale)) {
        std::filesystem::create_directories(dir);
        const std::string command = "localedef -i " + std::string(name) + " -f UTF-8 '" +
                                    (dir / locale).string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir / locale)) {
            return std::nullopt;
        }
    }
    return dir;
}

bool use_comma_locale() {
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr) {
        return true;
    }
    const auto dir = compiled_locale("it_IT");
    if (!dir) {
        return false;
    }
    setenv("LOCPATH", dir->c_str(), 1);
    return std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr;
}

}  // namespace tavolix::testing
