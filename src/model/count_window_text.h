// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "counting/correlations.h"
#include "counting/count.h"
#include "counting/index_plays.h"
#include "counting/removal_effects.h"
#include "strategy_cells.h"

namespace tavolix {

// The words of the count window, in Italian unless a front end translates
// them. %1.. stand for figures and names.
struct CountWindowWords {
    std::string title = "Conteggio";
    std::string count = "Conteggio:";
    std::string custom = "Personale";
    std::string tags = "Valori (asso per primo):";
    std::string bad_tags = "Conteggio non valido: %1";
    std::string bankroll = "Capitale (unità):";
    std::string effects = "Effetti di rimozione, in % della puntata per carta tolta";
    std::string round = "Giro";
    std::string insurance = "Assicurazione";
    std::string correlations = "Correlazioni";
    std::string betting = "Puntata";
    std::string indices = "Indici: la giocata del colore a conteggio vero uguale o maggiore";
    std::string insure_at = "Assicurazione a %1 e oltre (incrocio %2)";
    std::string never_insure = "Assicurazione: nessun indice fra -10 e +10";
    std::string unbalanced = "Gli indici vogliono un conteggio bilanciato.";
    std::string no_index = "nessun indice fra -10 e +10";
    // "16 contro 10: stai a 0 e oltre, altrimenti carta (incrocio -0.3)"
    std::string index_line = "%1 a %2 e oltre, altrimenti %3 (incrocio %4)";
    // "EV a 0: stai -53.9%, carta -54.0%"
    std::string evs_at = "EV a %1: %2 %3%, %4 %5%";
    std::string against = "contro";
    // In the order of counting::Decision.
    std::array<std::string, 7> decisions{"stai", "carta",      "raddoppia",           "dividi",
                                         "resa", "assicurati", "niente assicurazione"};
};

// The counts a picker offers: every built-in count's title, then the words'
// count of the user's own.
std::vector<std::string> count_choices(const CountWindowWords& words = {});

// Where the picker stands for `count`: its built-in's place, or the last for
// tags of the user's own.
std::size_t count_choice(const counting::Count& count);

// An index as a counter writes it: "+4", "0", "\u22121".
std::string index_text(int index);

// A true count with one decimal and its sign: "+3.1", "\u22120.4".
std::string crossing_text(double crossing);

// An effect of removal or a correlation as shown: percent with three
// decimals ("-0.612"), a correlation with three ("0.971").
std::string effect_text(double share);
std::string correlation_text(double correlation);

// Ten bars' labels, ace first: "A", "2".."10".
std::array<std::string, 10> effect_labels();

// The ten effects in words, ace first: what a screen reader says for a bar
// chart of them ("A -0.612%, 2 0.381%, ...").
std::string effects_description(const std::array<double, 10>& effects);

// A row of the correlations' table.
struct CorrelationRow {
    std::string title;
    std::string betting;
    std::string insurance;
    bool chosen = false;
};

// Every built-in count's correlations, the chosen count's marked; a count
// of the user's own gets a row of its own, last.
std::vector<CorrelationRow> correlation_rows(const counting::RemovalEffects& effects,
                                             const counting::Count& chosen,
                                             const CountWindowWords& words = {});

// What a cell of the index chart shows: its indices ("+4", "\u22121/+5") on
// the colour of the play made at and above the first of them, or, without an
// index, the chart's code at a true count of 0 on that play's colour; the
// details give each index's two plays and their EVs. A cell too narrow for
// its text shows its short form: the first index and a mark that more
// follow ("\u22128/\u2026").
struct IndexChartCell {
    ChartCellAt at;
    std::string text;
    std::string short_text;
    std::optional<analysis::Play> play;
    bool has_index = false;
    std::string details;
};

std::vector<IndexChartCell> index_chart_cells(const counting::IndexTable& table,
                                              const CountWindowWords& words = {});

// The insurance index on a line of its own.
std::string insurance_line(const counting::IndexTable& table, const CountWindowWords& words = {});

// One line per index play, with a header line; the plays by the command
// line's keys, full precision, a point as decimal mark.
std::string index_csv(const counting::IndexTable& table);

}  // namespace tavolix
