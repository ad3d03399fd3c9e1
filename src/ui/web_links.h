#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace tavolix::ui {

// Opens an address somewhere outside the program and returns at once; the
// program never learns whether a browser came up.
using UrlOpener = std::function<void(const QUrl&)>;

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
