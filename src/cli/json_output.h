// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QJsonObject>
#include <string>

#include "table_run.h"

namespace tavolix::cli {

// One table as a JSON object: "stand_at", "decks" when more than one, then "banco" and "player",
// each with the hand, its total, the figures over all sequences ("all"), on the first card
// ("first") and weighted by path ("exact"), the depth, the number of finished sequences and the
// panel texts exactly as the labels hold them.
// With the analysis, also "analysis": "stand_at" (one object per threshold
// 12..21 with "n", "win", "push", "lose", "ev"), "best_stand_at", "actions"
// (the EVs of "stand", "hit" and "double", null without two cards),
// "advice" and "advice_outcome".
QJsonObject table_json(const TableOutcome& outcome, bool with_analysis = false);

// The object that stands in a batch's output for a line that gave no table.
QJsonObject error_json(long long line, const std::string& message);

}  // namespace tavolix::cli
