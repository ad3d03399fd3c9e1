// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <optional>
#include <string>
#include <string_view>

#include "core/model_words.h"
#include "model/count_window_text.h"
#include "model/counter_text.h"
#include "model/game_comparison.h"
#include "model/simulation_report.h"
#include "model/strategy_text.h"

namespace tavolix::i18n {

// Loads into `translator` the program's translation for the first of
// `languages` (most wanted first, as QLocale::uiLanguages() gives them) that
// has one, and returns that language's code. Italian, the language the
// program is written in, ends the search: a language list that reaches it
// before any translation, or has none, gives "it" and loads nothing.
QString load_translation(QTranslator& translator, const QStringList& languages);

// Installs on the application the program's translation that the system's
// languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) ask for. Returns the
// language chosen.
QString install_system_translation(QCoreApplication& application);

// Qt's own texts (dialog buttons, for one) in `language`, where Qt has them.
void install_qt_translation(QCoreApplication& application, const QString& language);

// The model's words in the language now installed.
ModelWords translated_model_words();

// A preset's name of rules_presets() in the language now installed; none for
// a name that the translations do not know.
std::optional<std::string> translated_preset_name(std::string_view name);

// The strategy's words in the language now installed.
StrategyWords translated_strategy_words();

// The counter's words in the language now installed.
CounterWords translated_counter_words();

// The count window's words in the language now installed.
CountWindowWords translated_count_window_words();

// The simulation report's words in the language now installed: the window's
// report reads as the rest of the window, where tavolix-sim writes English.
SimulationReportWords translated_simulation_report_words();

// The words of the table of games compared, in the language now installed.
ComparisonWords translated_comparison_words();

}  // namespace tavolix::i18n
