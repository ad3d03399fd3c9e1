// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "web_links.h"

namespace tavolix::ui {

// Where a file is saved: the path picked, or empty when the user cancels.
using SavePathChooser =
    std::function<QString(const QString& title, const QString& suggested, const QString& filter)>;

// Asks `choose` where to save `bytes` and writes them there whole or not at
// all: a failure leaves any earlier file as it was and is told to `notify`.
void export_file(const SavePathChooser& choose, const Notifier& notify, const QString& title,
                 const QString& suggested, const QString& filter, const QByteArray& bytes);

}  // namespace tavolix::ui
