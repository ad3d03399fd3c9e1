// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QJsonObject>
#include <ostream>
#include <variant>

#include "model/counter_text.h"
#include "table_request.h"

namespace tavolix::cli {

// The counter's numbers for the rules and decks of `settings`, from the
// shoe they leave once its cards seen are out: the effects of removal, or
// the index plays of its count.
struct EffectsOutcome {
    TableRequest settings;
    counting::RemovalEffects effects;
};
struct IndicesOutcome {
    TableRequest settings;
    counting::IndexTable table;
};

// Refused as --strategy refuses a card seen, when what is left cannot deal
// a round, and (for the indices) for an unbalanced count. On a terminal,
// work past the first second shows its progress on standard error.
std::variant<EffectsOutcome, InputError> run_removal_effects(const TableRequest& settings);
std::variant<IndicesOutcome, InputError> run_indices(const TableRequest& settings);

// "count": the count's "name", "tags" (ten, ace first), "balanced" and
// "initial_running_count"; with the effects also its "betting_correlation"
// and "insurance_correlation". Then, beside "rules", "rules_text" and
// "decks": for the effects "eor" ("round" and "insurance", ten changes of
// EV per card removed, as fractions, ace first) and "correlations" (a
// {"name", "betting", "insurance"} per built-in count); for the indices
// "indices", one {"kind", "row", "up", "higher", "lower", "index",
// "crossing"} per index play.
QJsonObject removal_effects_json(const EffectsOutcome& outcome);
QJsonObject indices_json(const IndicesOutcome& outcome);

}  // namespace tavolix::cli
