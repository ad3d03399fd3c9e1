// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "message.h"

#include <cstring>

namespace tavolix::cli {

int fail(std::ostream& err, std::string_view message, int status) {
    err << "tavolix-calc: " << message << '\n';
    err.flush();
    return status;
}

std::string stream_failure(std::string_view action, int error_number) {
    std::string message(action);
    if (error_number != 0) {
        message += ": ";
        message += std::strerror(error_number);
    }
    return message;
}

}  // namespace tavolix::cli
