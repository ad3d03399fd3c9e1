// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QJsonObject>
#include <string>

#include "table_run.h"

namespace tavolix::cli {

// One table as a JSON object: "stand_at", "decks" when more than one, "rules" (rules_json) and
// "rules_text" (their canonical shorthand), then "banco" and "player",
// each with the hand, its total, the figures over all sequences ("all"), on the first card
// ("first") and weighted by path ("exact"), the depth, the number of finished sequences and the
// panel texts exactly as the labels hold them.
// With the analysis, also "analysis": "stand_at" (one object per threshold
// 12..21 with "n", "win", "push", "lose", "ev"), "best_stand_at", "actions"
// (the EVs of "stand", "hit", "double", "split" and "surrender", null where
// the rules or the hand allow no such play), "insurance" (null without a
// casino dealer's ace alone up), "no_dealer_blackjack" (the figures are
// conditioned on it), "natural" and "dealer_natural" (the player's and the
// dealer's two cards make one), "advice" and "advice_outcome" (null for a
// split or a surrender).
// Last the shoe the figures came from: "seen" (the faces of the cards seen),
// "shoe" ("left", the cards left once both hands and the cards seen are out,
// and "by_value", ten counts from the ace to the tens) and "count" ("running",
// the Hi-Lo count of every card out of the shoe, and "true", the running
// count per deck left; a table that leaves no card is refused).
QJsonObject table_json(const TableOutcome& outcome, bool with_analysis = false);

// The whole round as a JSON object: "rules", "rules_text", "decks",
// "round_ev", "round_variance" (per unit bet squared, E[X^2] - round_ev^2),
// "stand_at_round_ev" (one {"n", "ev"} per N 12..21),
// "best_stand_at", "hands" (one per deal: "up", "player" with its two card
// values, "probability", "actions" as in the analysis, "play" and "ev"), the
// "chart" ("hard", "soft" and "pairs", each row {"row", "cells"} with a cell
// {"up", "code", "marked"} per up card 2..10, A; a code of null where the
// shoe deals no hand of the row), then the shoe's keys as a table has them.
QJsonObject strategy_json(const StrategyOutcome& outcome);

// The object that stands in a batch's output for a line that gave no table.
QJsonObject error_json(long long line, const std::string& message);

}  // namespace tavolix::cli
