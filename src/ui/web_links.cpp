// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "web_links.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "web_link_addresses.h"

namespace tavolix::ui {

UrlOpener default_url_opener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QString home_page_address() {
    return QStringLiteral(TAVOLIX_HOME_URL);
}
QString manual_page_address() {
    return QStringLiteral(TAVOLIX_MANUAL_URL);
}

QUrl manual_address(const QString& program_directory) {
    const QFileInfo installed(QDir(program_directory),
                              QStringLiteral(TAVOLIX_DOC_FROM_BIN "/manuale.html"));
    if (installed.isFile()) {
        return QUrl::fromLocalFile(installed.canonicalFilePath());
    }
    return QUrl(manual_page_address(), QUrl::StrictMode);
}

}  // namespace tavolix::ui
