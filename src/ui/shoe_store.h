// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "model/shoe_file.h"

namespace tavolix::ui {

// Where the shoe in play is kept between runs: "shoe" in the user's data
// directory ($XDG_DATA_HOME/tavolix, ~/.local/share/tavolix by default).
QString user_shoe_file();

// What the file gave back: nothing when there is none (a first start), the
// shoe, or why it was refused.
struct ShoeRead {
    std::optional<ShoeState> shoe;
    QString refused;  // empty unless the file was there and refused
};
ShoeRead read_kept_shoe(const QString& path);

// Writes the file whole or not at all: a crash or a power cut mid-write
// leaves the last shoe kept. Returns whether it was written.
bool keep_shoe(const QString& path, const ShoeState& shoe);

// The one-line notices of a shoe that was not brought back or not kept.
QString shoe_refused_notice(const QString& path, const QString& why);
QString shoe_unwritten_notice(const QString& path);

}  // namespace tavolix::ui
