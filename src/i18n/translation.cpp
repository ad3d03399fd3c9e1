// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "translation.h"

#include <QLibraryInfo>
#include <QLocale>

namespace tavolix::i18n {

namespace {

constexpr const char* kTranslations = ":/i18n";

// The texts of one translation context in the language now installed; the
// context is written again at each text for lupdate, which reads the source.
auto words_in(const char* context) {
    return [context](const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
}

std::string word(const char* text) {
    return words_in("ModelWords")(text);
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
    translated.split = word(QT_TRANSLATE_NOOP("ModelWords", "DIVIDI"));
    translated.surrender = word(QT_TRANSLATE_NOOP("ModelWords", "RESA"));
    translated.insurance = word(QT_TRANSLATE_NOOP("ModelWords", "ASSICURAZIONE"));
    translated.yes = word(QT_TRANSLATE_NOOP("ModelWords", "sì"));
    translated.no = word(QT_TRANSLATE_NOOP("ModelWords", "no"));
    translated.title_no_blackjack =
        word(QT_TRANSLATE_NOOP("ModelWords", "Analisi esatta, se il banco non ha blackjack"));
    translated.natural = word(QT_TRANSLATE_NOOP("ModelWords", "Blackjack: niente da decidere"));
    translated.dealer_natural =
        word(QT_TRANSLATE_NOOP("ModelWords", "Blackjack del banco: la mano è finita"));
    return translated;
}

ShoeWords translated_shoe_words() {
    ShoeWords translated;
    translated.cards_out = word(QT_TRANSLATE_NOOP("ModelWords", "Uscite:"));
    translated.shoe = word(QT_TRANSLATE_NOOP("ModelWords", "Sabot: %1 carte su %2"));
    translated.count = word(QT_TRANSLATE_NOOP("ModelWords", "conteggio %1, vero %2"));
    translated.running_count = word(QT_TRANSLATE_NOOP("ModelWords", "conteggio %1"));
    translated.next_round = word(QT_TRANSLATE_NOOP("ModelWords", "prossima mano %1%"));
    translated.computing = word(QT_TRANSLATE_NOOP("ModelWords", "prossima mano: in calcolo..."));
    translated.out_of_date = word(QT_TRANSLATE_NOOP("ModelWords", "(in calcolo)"));
    translated.thin = word(QT_TRANSLATE_NOOP("ModelWords", "sabot quasi finito"));
    translated.kelly_bet = word(QT_TRANSLATE_NOOP("ModelWords", "puntata Kelly %1"));
    translated.minimum_bet = word(QT_TRANSLATE_NOOP("ModelWords", "punta il minimo"));
    return translated;
}

RuleLineWords translated_rule_line_words() {
    RuleLineWords translated;
    translated.s17 = word(QT_TRANSLATE_NOOP("ModelWords", "S17"));
    translated.h17 = word(QT_TRANSLATE_NOOP("ModelWords", "H17"));
    translated.one_deck = word(QT_TRANSLATE_NOOP("ModelWords", "1 mazzo"));
    translated.decks = word(QT_TRANSLATE_NOOP("ModelWords", "%1 mazzi"));
    translated.natural = word(QT_TRANSLATE_NOOP("ModelWords", "blackjack %1"));
    translated.no_hole_card = word(QT_TRANSLATE_NOOP("ModelWords", "senza carta coperta"));
    translated.double_9 = word(QT_TRANSLATE_NOOP("ModelWords", "raddoppio 9-11"));
    translated.double_10 = word(QT_TRANSLATE_NOOP("ModelWords", "raddoppio 10-11"));
    translated.no_double = word(QT_TRANSLATE_NOOP("ModelWords", "senza raddoppio"));
    translated.double_after_split =
        word(QT_TRANSLATE_NOOP("ModelWords", "raddoppio dopo divisione"));
    translated.split_hands = word(QT_TRANSLATE_NOOP("ModelWords", "divisione fino a %1 mani"));
    translated.no_split = word(QT_TRANSLATE_NOOP("ModelWords", "senza divisione"));
    translated.resplit_aces = word(QT_TRANSLATE_NOOP("ModelWords", "ridivisione degli assi"));
    translated.hit_split_aces = word(QT_TRANSLATE_NOOP("ModelWords", "carte sugli assi divisi"));
    translated.surrender = word(QT_TRANSLATE_NOOP("ModelWords", "resa"));
    translated.post_split = word(QT_TRANSLATE_NOOP("ModelWords", "gioco dopo divisione %1"));
    translated.post_split_meanings = {
        word(QT_TRANSLATE_NOOP(
            "ModelWords", "ogni mano divisa gioca tenendo conto delle due carte della coppia")),
        word(QT_TRANSLATE_NOOP(
            "ModelWords", "ogni mano divisa gioca come una mano iniziale, ignorando la divisione")),
        word(QT_TRANSLATE_NOOP(
            "ModelWords", "come CDP1, tenendo conto anche di quante mani ha formato la divisione")),
        word(QT_TRANSLATE_NOOP("ModelWords",
                               "la prima mano gioca come CDP1, la seconda al meglio per le carte "
                               "rimaste; una sola divisione")),
        word(QT_TRANSLATE_NOOP(
            "ModelWords",
            "metodo per mano: ogni mano è calcolata a sé, ignorando le carte delle altre"))};
    return translated;
}

// The presets' names as rules_presets() has them, for the translation tools
// to find.
constexpr const char* kPresetNames[] = {
    QT_TRANSLATE_NOOP("RulesPresets", "Tavolo di Tavolix"),
    QT_TRANSLATE_NOOP("RulesPresets", "Las Vegas Strip"),
    QT_TRANSLATE_NOOP("RulesPresets", "Atlantic City"),
    QT_TRANSLATE_NOOP("RulesPresets", "Europeo senza carta coperta"),
    QT_TRANSLATE_NOOP("RulesPresets", "Mazzo singolo H17"),
    QT_TRANSLATE_NOOP("RulesPresets", "Mazzo singolo 6:5"),
};

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

    translated.rules = word(QT_TRANSLATE_NOOP("ModelWords", "Regole =>"));

    translated.rule_one_deck = word(QT_TRANSLATE_NOOP(
        "ModelWords",
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco ."));
    translated.rule_decks = word(QT_TRANSLATE_NOOP(
        "ModelWords",
        "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. %1 mazzi in gioco ."));
    translated.banco_panel = word(QT_TRANSLATE_NOOP("ModelWords", "Probabilità Banco"));
    translated.player_panel = word(QT_TRANSLATE_NOOP("ModelWords", "Probabilità Giocatore"));
    translated.analysis = translated_analysis_words();
    translated.rule_line = translated_rule_line_words();
    translated.shoe = translated_shoe_words();
    return translated;
}

std::optional<std::string> translated_preset_name(std::string_view name) {
    for (const char* known : kPresetNames) {
        if (name == known) {
            return QCoreApplication::translate("RulesPresets", known).toStdString();
        }
    }
    return std::nullopt;
}

StrategyWords translated_strategy_words() {
    const auto word = words_in("StrategyWords");
    StrategyWords translated;
    translated.title = word(QT_TRANSLATE_NOOP("StrategyWords", "Strategia"));
    translated.round_ev = word(QT_TRANSLATE_NOOP("StrategyWords", "EV del giro: %1%"));
    translated.house_edge = word(QT_TRANSLATE_NOOP("StrategyWords", "Vantaggio del banco: %1%"));
    translated.variance = word(QT_TRANSLATE_NOOP("StrategyWords", "Varianza: %1"));
    translated.stand_at = word(QT_TRANSLATE_NOOP(
        "StrategyWords", "Stare sempre a N (senza raddoppio, divisione né resa):"));
    translated.best_stand_at = word(QT_TRANSLATE_NOOP("StrategyWords", "migliore: %1"));
    translated.hard = word(QT_TRANSLATE_NOOP("StrategyWords", "Duri"));
    translated.soft = word(QT_TRANSLATE_NOOP("StrategyWords", "Morbidi"));
    translated.pairs = word(QT_TRANSLATE_NOOP("StrategyWords", "Coppie"));
    translated.against = word(QT_TRANSLATE_NOOP("StrategyWords", "contro"));
    translated.exceptions =
        word(QT_TRANSLATE_NOOP("StrategyWords", "Eccezioni (* nella tabella):"));
    translated.legend = {word(QT_TRANSLATE_NOOP("StrategyWords", "S = stai")),
                         word(QT_TRANSLATE_NOOP("StrategyWords", "H = carta")),
                         word(QT_TRANSLATE_NOOP("StrategyWords", "D = raddoppia")),
                         word(QT_TRANSLATE_NOOP("StrategyWords", "P = dividi")),
                         word(QT_TRANSLATE_NOOP("StrategyWords", "R = resa"))};
    translated.fallback = word(QT_TRANSLATE_NOOP(
        "StrategyWords", "Dh, Ds, Rh, Rs: se non è permesso, carta (h) o stai (s)"));
    translated.hand_evs =
        word(QT_TRANSLATE_NOOP("StrategyWords", "EV per unità puntata, per mano:"));
    translated.no_blackjack =
        word(QT_TRANSLATE_NOOP("StrategyWords", "(se il banco non ha blackjack)"));
    translated.not_dealt =
        word(QT_TRANSLATE_NOOP("StrategyWords", "nessuna mano della riga dal sabot"));
    return translated;
}

CounterWords translated_counter_words() {
    const auto word = words_in("CounterWords");
    CounterWords translated;
    translated.count = word(QT_TRANSLATE_NOOP("CounterWords", "Conteggio %1"));
    translated.balanced = word(QT_TRANSLATE_NOOP("CounterWords", "bilanciato"));
    translated.unbalanced =
        word(QT_TRANSLATE_NOOP("CounterWords", "non bilanciato, conteggio iniziale %1"));
    translated.effects = word(QT_TRANSLATE_NOOP(
        "CounterWords", "Effetti della rimozione di una carta, in % della puntata:"));
    translated.round = word(QT_TRANSLATE_NOOP("CounterWords", "Giro"));
    translated.insurance = word(QT_TRANSLATE_NOOP("CounterWords", "Assic."));
    translated.correlations = word(QT_TRANSLATE_NOOP("CounterWords", "Correlazione"));
    translated.betting = word(QT_TRANSLATE_NOOP("CounterWords", "puntata"));
    translated.insurance_correlation = word(QT_TRANSLATE_NOOP("CounterWords", "assicurazione"));
    translated.indices = word(QT_TRANSLATE_NOOP(
        "CounterWords", "Indici (la giocata indicata a conteggio vero uguale o maggiore):"));
    translated.hard = word(QT_TRANSLATE_NOOP("CounterWords", "Totali duri"));
    translated.soft = word(QT_TRANSLATE_NOOP("CounterWords", "Totali morbidi"));
    translated.pairs = word(QT_TRANSLATE_NOOP("CounterWords", "Coppie"));
    translated.insure_at = word(QT_TRANSLATE_NOOP("CounterWords", "Assicurazione a %1 e oltre"));
    translated.never_insure =
        word(QT_TRANSLATE_NOOP("CounterWords", "Assicurazione: mai fra -10 e +10"));
    return translated;
}

CountWindowWords translated_count_window_words() {
    const auto word = words_in("CountWindowWords");
    CountWindowWords translated;
    translated.title = word(QT_TRANSLATE_NOOP("CountWindowWords", "Conteggio"));
    translated.count = word(QT_TRANSLATE_NOOP("CountWindowWords", "Conteggio:"));
    translated.custom = word(QT_TRANSLATE_NOOP("CountWindowWords", "Personale"));
    translated.tags = word(QT_TRANSLATE_NOOP("CountWindowWords", "Valori (asso per primo):"));
    translated.bad_tags = word(QT_TRANSLATE_NOOP("CountWindowWords", "Conteggio non valido: %1"));
    translated.bankroll = word(QT_TRANSLATE_NOOP("CountWindowWords", "Capitale (unità):"));
    translated.effects = word(QT_TRANSLATE_NOOP(
        "CountWindowWords", "Effetti di rimozione, in % della puntata per carta tolta"));
    translated.round = word(QT_TRANSLATE_NOOP("CountWindowWords", "Giro"));
    translated.insurance = word(QT_TRANSLATE_NOOP("CountWindowWords", "Assicurazione"));
    translated.correlations = word(QT_TRANSLATE_NOOP("CountWindowWords", "Correlazioni"));
    translated.betting = word(QT_TRANSLATE_NOOP("CountWindowWords", "Puntata"));
    translated.indices = word(QT_TRANSLATE_NOOP(
        "CountWindowWords", "Indici: la giocata del colore a conteggio vero uguale o maggiore"));
    translated.insure_at =
        word(QT_TRANSLATE_NOOP("CountWindowWords", "Assicurazione a %1 e oltre (incrocio %2)"));
    translated.never_insure =
        word(QT_TRANSLATE_NOOP("CountWindowWords", "Assicurazione: nessun indice fra -10 e +10"));
    translated.unbalanced =
        word(QT_TRANSLATE_NOOP("CountWindowWords", "Gli indici vogliono un conteggio bilanciato."));
    translated.no_index =
        word(QT_TRANSLATE_NOOP("CountWindowWords", "nessun indice fra -10 e +10"));
    translated.index_line =
        word(QT_TRANSLATE_NOOP("CountWindowWords", "%1 a %2 e oltre, altrimenti %3 (incrocio %4)"));
    translated.evs_at = word(QT_TRANSLATE_NOOP("CountWindowWords", "EV a %1: %2 %3%, %4 %5%"));
    translated.against = word(QT_TRANSLATE_NOOP("CountWindowWords", "contro"));
    translated.decisions = {word(QT_TRANSLATE_NOOP("CountWindowWords", "stai")),
                            word(QT_TRANSLATE_NOOP("CountWindowWords", "carta")),
                            word(QT_TRANSLATE_NOOP("CountWindowWords", "raddoppia")),
                            word(QT_TRANSLATE_NOOP("CountWindowWords", "dividi")),
                            word(QT_TRANSLATE_NOOP("CountWindowWords", "resa")),
                            word(QT_TRANSLATE_NOOP("CountWindowWords", "assicurati")),
                            word(QT_TRANSLATE_NOOP("CountWindowWords", "niente assicurazione"))};
    return translated;
}

SimulationReportWords translated_simulation_report_words() {
    const auto word = words_in("SimulationReportWords");
    SimulationReportWords translated;
    translated.rules = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Regole %1, %2, %3"));
    translated.deck = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 mazzo"));
    translated.decks = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 mazzi"));
    translated.seat = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 posto"));
    translated.seats = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 posti"));
    translated.reshuffle = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Si rimescola %1"));
    translated.fresh_shoe =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "con un sabot nuovo a ogni giro"));
    translated.after_card = word(QT_TRANSLATE_NOOP(
        "SimulationReportWords", "dopo il giro in cui è uscita la carta %1 di %2"));
    translated.play = word(
        QT_TRANSLATE_NOOP("SimulationReportWords", "Gioco %1, conteggio %2, indici %3, rampa %4"));
    translated.plays = {word(QT_TRANSLATE_NOOP("SimulationReportWords", "di base")),
                        word(QT_TRANSLATE_NOOP("SimulationReportWords", "per composizione"))};
    translated.index_sets = {word(QT_TRANSLATE_NOOP("SimulationReportWords", "nessuno")),
                             word(QT_TRANSLATE_NOOP("SimulationReportWords", "i18")),
                             word(QT_TRANSLATE_NOOP("SimulationReportWords", "tutti"))};
    translated.flat = word(QT_TRANSLATE_NOOP("SimulationReportWords", "fissa, 1 unità"));
    translated.wong_out =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", ", fuori dal gioco sotto %1"));
    translated.run = word(QT_TRANSLATE_NOOP("SimulationReportWords",
                                            "Seme %1, %2, %3 s, %4 milioni di giri al secondo"));
    // Italian says "thread" and "rank" for one and for many; the
    // disambiguation tells the translations apart.
    translated.thread =
        QCoreApplication::translate("SimulationReportWords", "%1 thread", "one").toStdString();
    translated.threads =
        QCoreApplication::translate("SimulationReportWords", "%1 thread", "many").toStdString();
    translated.stopped =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", " (fermata: i blocchi finiti)"));
    translated.spread = word(QT_TRANSLATE_NOOP("SimulationReportWords",
                                               "Ripartita su %1, blocchi giocati %2 (dal rank 0)"));
    translated.rank =
        QCoreApplication::translate("SimulationReportWords", "%1 rank", "one").toStdString();
    translated.ranks =
        QCoreApplication::translate("SimulationReportWords", "%1 rank", "many").toStdString();
    translated.rounds_bet = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Giri puntati"));
    translated.rounds_bet_value =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 di %2 distribuiti, %3 mani"));
    translated.advantage = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Vantaggio"));
    translated.advantage_value =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 % +- %2 % delle unità puntate"));
    translated.ev = word(QT_TRANSLATE_NOOP("SimulationReportWords", "EV per giro"));
    translated.ev_value = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 +- %2 unità"));
    translated.sd = word(QT_TRANSLATE_NOOP("SimulationReportWords", "DS per giro"));
    translated.units = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 unità"));
    translated.win_rate = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Vincita per 100"));
    translated.win_rate_value = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 unità, DS %2"));
    translated.rounds = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 giri"));
    translated.ruin = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Rischio di rovina"));
    translated.ruin_value = word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 % con %2 unità"));
    translated.trip_ruin = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Rovina nel viaggio"));
    translated.trip_ruin_value =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 % in %2 giri"));
    translated.back_count = word(QT_TRANSLATE_NOOP(
        "SimulationReportWords", ", contato da dietro il tavolo: entra a %1, esce sotto %2"));
    translated.true_count =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "Conteggio vero su %1, %2"));
    translated.tc_decks = {
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "i mazzi restanti esatti")),
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "i mazzi restanti al quarto di mazzo")),
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "i mazzi restanti al mezzo mazzo")),
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "i mazzi restanti al mazzo intero"))};
    translated.tc_divisions = {
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "arrotondato per difetto")),
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "troncato")),
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "arrotondato"))};
    translated.ramp_chosen = word(QT_TRANSLATE_NOOP(
        "SimulationReportWords",
        "Rampa scelta per uno scarto 1-%1 da una prova di %2 giri: scala %3, DI previsto %4"));
    translated.win_rate_hour = word(QT_TRANSLATE_NOOP("SimulationReportWords", "Vincita per ora"));
    translated.win_rate_hour_value =
        word(QT_TRANSLATE_NOOP("SimulationReportWords", "%1 unità, DS %2 (%3 giri all'ora)"));
    translated.columns = {word(QT_TRANSLATE_NOOP("SimulationReportWords", "CV")),
                          word(QT_TRANSLATE_NOOP("SimulationReportWords", "giri")),
                          word(QT_TRANSLATE_NOOP("SimulationReportWords", "quota")),
                          word(QT_TRANSLATE_NOOP("SimulationReportWords", "vantaggio")),
                          word(QT_TRANSLATE_NOOP("SimulationReportWords", "DS"))};
    return translated;
}

ComparisonWords translated_comparison_words() {
    const auto word = words_in("ComparisonWords");
    ComparisonWords translated;
    translated.columns = {word(QT_TRANSLATE_NOOP("ComparisonWords", "#")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "SCORE")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "N0")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "vantaggio %")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "+- ES %")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "vinc./100")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "DS/100")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "vinc./ora")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "DS/ora")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "rovina %")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "gioco")),
                          word(QT_TRANSLATE_NOOP("ComparisonWords", "errore"))};
    translated.not_played = word(QT_TRANSLATE_NOOP("ComparisonWords", "non giocato"));
    return translated;
}

}  // namespace tavolix::i18n
