#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "core/model_words.h"

namespace tavolix::i18n {

// Loads into `translator` the program's translation for the first of
// `languages` (most wanted first, as QLocale::uiLanguages() gives them) that
// has one, and returns that language's code. Italian, the language the
// program is written in, ends the search: a language list that reaches it
// before any translation, or has none, gives "it" and loads nothing.
QString load_translation(QTranslator& translator, const QStringList& languages);

// Installs on the application the translation that the system's languages
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) ask for, with Qt's own texts in the
// same language where Qt has them. Returns the language chosen.
QString install_system_translation(QCoreApplication& application);

// The model's words in the language now installed.
ModelWords translated_model_words();

}  // namespace tavolix::i18n
