// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "run.h"

namespace tavolix::simulation {

// A run's state as a small versioned text: the options' fingerprint, which
// blocks are finished and their exact sums, then a checksum of all that.
std::string checkpoint_text(std::string_view fingerprint, const RunState& state);

// The state a checkpoint text holds, if it is whole, of this version and of
// these options and blocks; else one line saying why it is refused.
std::variant<RunState, std::string> read_checkpoint(std::string_view text,
                                                    std::string_view fingerprint,
                                                    std::uint64_t blocks);

// Writes the text to a file beside `path`, flushes it to the disk and puts
// it in place of `path` in one step, so the file is always whole. An error
// line when it cannot.
std::optional<std::string> save_checkpoint(const std::string& path, std::string_view fingerprint,
                                           const RunState& state);

// The state in `path`: nothing when there is no such file yet, an error
// line when it cannot be read or is refused.
std::variant<std::optional<RunState>, std::string> load_checkpoint(const std::string& path,
                                                                   std::string_view fingerprint,
                                                                   std::uint64_t blocks);

}  // namespace tavolix::simulation
