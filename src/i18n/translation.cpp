// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "translation.h"

#include <QLibraryInfo>
#include <QLocale>

namespace tavolix::i18n {

namespace {

constexpr const char* kTranslations = ":/i18n";

std::string word(const char* text) {
    return QCoreApplication::translate("ModelWords", text).toStdString();
}

AnalysisWords translated_analysis_words() {
    AnalysisWords translated;
    translated.title = word(QT_TRANSLATE_NOOP("ModelWords", "Analisi esatta"));
    translated.outcomes = {word(QT_TRANSLATE_NOOP("ModelWords", "Vince")),
                           word(QT_TRANSLATE_NOOP("ModelWords", "Pari")),
                           word(QT_TRANSLATE_NOOP("ModelWords", "Perde"))};
    translated.ev = word(QT_TRANSLATE_NOOP("ModelWords", "EV"));
    translated.best = word(QT_TRANSLATE_NOOP("ModelWords", "migliore"));
    translated.chosen = word(QT_TRANSLATE_NOOP("ModelWords", "soglia scelta"));
    translated.advice = word(QT_TRANSLATE_NOOP("ModelWords", "Consiglio:"));
    translated.stand = word(QT_TRANSLATE_NOOP("ModelWords", "STAI"));
    translated.hit = word(QT_TRANSLATE_NOOP("ModelWords", "CARTA"));
    translated.double_down = word(QT_TRANSLATE_NOOP("ModelWords", "RADDOPPIA"));
    return translated;
}

}  // namespace

QString load_translation(QTranslator& translator, const QStringList& languages) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::Italian) {
            break;
        }
        if (locale.language() != QLocale::C &&
            translator.load(QStringLiteral("tavolix_") + QLocale::languageToCode(locale.language()),
                            QLatin1String(kTranslations))) {
            return QLocale::languageToCode(locale.language());
        }
    }
    return QStringLiteral("it");
}

QString install_system_translation(QCoreApplication& application) {
    auto* own = new QTranslator(&application);
    const QString language = load_translation(*own, QLocale::system().uiLanguages());
    if (!own->isEmpty()) {
        QCoreApplication::installTranslator(own);
    }
    return language;
}

void install_qt_translation(QCoreApplication& application, const QString& language) {
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
}

ModelWords translated_model_words() {
    ModelWords translated;
    translated.total = word(QT_TRANSLATE_NOOP("ModelWords", "Somma ="));
    translated.first_card = word(QT_TRANSLATE_NOOP("ModelWords", "Prima carta"));
    translated.all_sequences = word(QT_TRANSLATE_NOOP("ModelWords", "Tutte combinazioni"));
    translated.dealer_outcomes = {word(QT_TRANSLATE_NOOP("ModelWords", "Vincita =")),
                                  word(QT_TRANSLATE_NOOP("ModelWords", "Parità  =")),
                                  word(QT_TRANSLATE_NOOP("ModelWords", "Perdita =")),
                                  word(QT_TRANSLATE_NOOP("ModelWords", "Sballa  ="))};
    translated.player_bust = word(QT_TRANSLATE_NOOP("ModelWords", "Sballa ="));
    translated.banco = word(QT_TRANSLATE_NOOP("ModelWords", "BANCO"));
    translated.giocatore = word(QT_TRANSLATE_NOOP("ModelWords", "GIOCATORE"));
    translated.stand_at = word(QT_TRANSLATE_NOOP("ModelWords", "Stare a =>"));
    translated.decks = word(QT_TRANSLATE_NOOP("ModelWords", "Mazzi =>"));
    translated.rule_one_deck = word(QT_TRANSLATE_NOOP(
        "ModelWords",
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco ."));
    translated.rule_decks = word(QT_TRANSLATE_NOOP(
        "ModelWords",
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. %1 mazzi in gioco ."));
    translated.banco_panel = word(QT_TRANSLATE_NOOP("ModelWords", "Probabilità Banco"));
    translated.player_panel = word(QT_TRANSLATE_NOOP("ModelWords", "Probabilità Giocatore"));
    translated.analysis = translated_analysis_words();
    return translated;
}

}  // namespace tavolix::i18n
