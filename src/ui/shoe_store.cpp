// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "shoe_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tavolix::ui {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("ShoeStore", text);
}

}  // namespace

QString user_shoe_file() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/shoe");
}

ShoeRead read_kept_shoe(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {.shoe = std::nullopt, .refused = file.errorString()};
    }
    // One byte more than the longest file tells a file too long from one
    // that is just long enough.
    const QByteArray bytes = file.read(static_cast<qint64>(kLongestShoeFile) + 1);
    if (file.error() != QFile::NoError) {
        return {.shoe = std::nullopt, .refused = file.errorString()};
    }
    const auto read = read_shoe_file(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* error = std::get_if<ShoeFileError>(&read)) {
        return {.shoe = std::nullopt, .refused = QString::fromStdString(error->message)};
    }
    return {.shoe = std::get<ShoeState>(read), .refused = {}};
}

bool keep_shoe(const QString& path, const ShoeState& shoe) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string text = shoe_file_text(shoe);
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

QString shoe_refused_notice(const QString& path, const QString& why) {
    return translated(QT_TRANSLATE_NOOP("ShoeStore",
                                        "Il sabot salvato in %1 non si può riprendere (%2): si "
                                        "parte da un sabot nuovo."))
        .arg(path, why);
}

QString shoe_unwritten_notice(const QString& path) {
    return translated(QT_TRANSLATE_NOOP("ShoeStore",
                                        "Impossibile salvare il sabot in %1: al prossimo avvio "
                                        "non sarà ripreso."))
        .arg(path);
}

}  // namespace tavolix::ui
