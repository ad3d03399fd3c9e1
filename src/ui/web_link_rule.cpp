// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "web_link_rule.h"

#include <QUrl>

namespace tavolix::ui {

namespace {

QString address_problem(const char* name, const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString quoted = QStringLiteral("%1 \"%2\"").arg(QLatin1String(name), address);
    if (!url.isValid()) {
        return quoted + QStringLiteral(" is not a valid address: ") +
               url.errorString().section(QLatin1Char(';'), 0, 0);
    }
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) {
        return quoted + QStringLiteral(" is not an http:// or https:// address");
    }
    if (url.host().isEmpty()) {
        return quoted + QStringLiteral(" names no site");
    }
    // The label shows the text and the click opens the URL made of it.
    if (url.toString() != address) {
        return quoted + QStringLiteral(" would open as \"%1\"").arg(url.toString());
    }
    return {};
}

}  // namespace

QString web_links_problem(const QString& home, const QString& manual) {
    if (QString problem = address_problem("TAVOLIX_HOME_URL", home); !problem.isEmpty()) {
        return problem;
    }
    if (QString problem = address_problem("TAVOLIX_MANUAL_URL", manual); !problem.isEmpty()) {
        return problem;
    }
    const QUrl home_url(home, QUrl::StrictMode);
    if (!home_url.path().endsWith(QLatin1Char('/')) || home_url.hasQuery() ||
        home_url.hasFragment()) {
        return QStringLiteral("TAVOLIX_HOME_URL \"%1\" must end in \"/\"").arg(home);
    }
    if (!manual.startsWith(home) || manual == home) {
        return QStringLiteral(
                   "TAVOLIX_MANUAL_URL \"%1\" must be a page under TAVOLIX_HOME_URL \"%2\"")
            .arg(manual, home);
    }
    return {};
}

}  // namespace tavolix::ui
