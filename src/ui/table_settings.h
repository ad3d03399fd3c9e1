// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

#include "core/table_rules.h"
#include "model/remembered_table.h"

namespace tavolix::ui {

// The user's own settings file, where the window keeps the table's rules and
// deck count between runs: tavolix/tavolix.conf in the user's configuration
// directory ($XDG_CONFIG_HOME, ~/.config by default).
std::unique_ptr<QSettings> user_settings();

// What a settings file gave back. A file that cannot be read, or is no
// settings file at all, gives the defaults.
struct SettingsRead {
    RememberedTable table;
    bool unreadable = false;
};
SettingsRead read_table(QSettings& settings);

// Stores the rules as their canonical text, the deck count, the count the
// shoe line follows and the bankroll once set; returns whether they reached
// the file.
bool remember_table(QSettings& settings, const TableRules& rules, int decks,
                    const counting::Count& count = counting::hi_lo_count(),
                    std::optional<double> bankroll = std::nullopt);

// The one message that tells the user what was not read back and that the
// defaults stand in for it; empty when everything was.
QString settings_notice(const SettingsRead& read, const QString& file);

// The message for settings that could not be written.
QString settings_write_notice(const QString& file);

}  // namespace tavolix::ui
