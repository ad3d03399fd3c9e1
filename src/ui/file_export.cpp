// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "file_export.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace tavolix::ui {

void export_file(const SavePathChooser& choose, const Notifier& notify, const QString& title,
                 const QString& suggested, const QString& filter, const QByteArray& bytes) {
    const QString path = choose(title, suggested, filter);
    if (path.isEmpty()) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        notify(QCoreApplication::translate("FileExport", "Impossibile salvare %1: %2")
                   .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

}  // namespace tavolix::ui
