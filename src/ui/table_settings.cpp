// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_settings.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>
#include <string>

#include "core/message_text.h"

namespace tavolix::ui {

namespace {

constexpr const char* kRulesKey = "table/rules";
constexpr const char* kDecksKey = "table/decks";
constexpr const char* kCountKey = "table/count";
constexpr const char* kBankrollKey = "table/bankroll";

// The settings file splits a text at its commas into a list; a hand-edited
// "S17, DAS" is read back whole.
std::optional<std::string> stored_text(const QSettings& settings, const char* key) {
    const QVariant value = settings.value(QLatin1String(key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    }
    return value.toString().toStdString();
}

QString translated(const char* text) {
    return QCoreApplication::translate("TableSettings", text);
}

// Nonsense from a file is shown short and harmless.
QString shown(const std::string& text) {
    return QString::fromStdString(quoted_printable(text, 40));
}

}  // namespace

std::unique_ptr<QSettings> user_settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("tavolix"), QStringLiteral("tavolix"));
}

SettingsRead read_table(QSettings& settings) {
    // The file is read at the first value asked for, and only then says
    // whether it could be.
    const auto rules = stored_text(settings, kRulesKey);
    const auto decks = stored_text(settings, kDecksKey);
    const auto count = stored_text(settings, kCountKey);
    const auto bankroll = stored_text(settings, kBankrollKey);
    if (settings.status() != QSettings::NoError) {
        return {.table = {}, .unreadable = true};
    }
    return {.table = remembered_table(rules, decks, count, bankroll), .unreadable = false};
}

bool remember_table(QSettings& settings, const TableRules& rules, int decks,
                    const counting::Count& count, std::optional<double> bankroll) {
    settings.setValue(QLatin1String(kRulesKey), QString::fromStdString(stored_rules(rules)));
    settings.setValue(QLatin1String(kDecksKey), decks);
    // A player who never chose leaves the file as earlier runs wrote it.
    if (count != counting::hi_lo_count() || settings.contains(QLatin1String(kCountKey))) {
        settings.setValue(QLatin1String(kCountKey), QString::fromStdString(stored_count(count)));
    }
    if (bankroll) {
        settings.setValue(QLatin1String(kBankrollKey),
                          QString::fromStdString(stored_bankroll(*bankroll)));
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString settings_notice(const SettingsRead& read, const QString& file) {
    if (read.unreadable) {
        return translated(QT_TRANSLATE_NOOP("TableSettings",
                                            "Le impostazioni salvate in %1 non si possono leggere: "
                                            "valgono le regole del tavolo di Tavolix e un mazzo."))
            .arg(file);
    }
    QStringList lines;
    if (read.table.refused_rules) {
        lines << translated(QT_TRANSLATE_NOOP("TableSettings",
                                              "Le regole salvate %1 non sono più valide: valgono "
                                              "le regole del tavolo di Tavolix."))
                     .arg(shown(*read.table.refused_rules));
    }
    if (read.table.refused_decks) {
        lines << translated(QT_TRANSLATE_NOOP("TableSettings",
                                              "Il numero di mazzi salvato %1 non è valido: vale "
                                              "un mazzo."))
                     .arg(shown(*read.table.refused_decks));
    }
    if (read.table.refused_count) {
        lines << translated(QT_TRANSLATE_NOOP("TableSettings",
                                              "Il conteggio salvato %1 non è valido: vale il "
                                              "Hi-Lo."))
                     .arg(shown(*read.table.refused_count));
    }
    if (read.table.refused_bankroll) {
        lines << translated(QT_TRANSLATE_NOOP("TableSettings",
                                              "Il capitale salvato %1 non è valido: la riga del "
                                              "sabot non propone puntate."))
                     .arg(shown(*read.table.refused_bankroll));
    }
    return lines.join(QLatin1Char('\n'));
}

QString settings_write_notice(const QString& file) {
    return translated(QT_TRANSLATE_NOOP("TableSettings",
                                        "Impossibile salvare le regole e i mazzi in %1: al "
                                        "prossimo avvio non saranno ricordati."))
        .arg(file);
}

}  // namespace tavolix::ui
