// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QStringList>
#include <istream>
#include <ostream>

#include "exit_status.h"

namespace tavolix::cli {

// The whole of tavolix-calc: `arguments` as the program received them (the
// program's name first), decoded by argument_texts() so that every byte is
// kept. Batch input comes from `in`, figures go to `out`, messages to `err`.
// Returns the exit status.
int run_command_line(const QStringList& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err);

}  // namespace tavolix::cli
