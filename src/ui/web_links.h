// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace tavolix::ui {

// Opens an address somewhere outside the program and returns at once, saying
// only whether the opening could be started (whether a page then shows is
// never known).
using UrlOpener = std::function<bool(const QUrl&)>;

// Tells the user something went wrong, in a message of its own.
using Notifier = std::function<void(const QString& message)>;

// The system's default browser, through Qt (no shell, no waiting).
UrlOpener default_url_opener();

// The publisher's home page (a site root ending in "/") and its manual page on
// the same site, as set for this build. Each link label shows exactly the
// address it opens.
QString home_page_address();
QString manual_page_address();

// The manual that F1 opens: the copy installed with the program, found from
// the directory that holds the program, when it is there; else the manual
// page on the web.
QUrl manual_address(const QString& program_directory);

}  // namespace tavolix::ui
