// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QJsonObject>

#include "core/table_rules.h"

namespace tavolix::cli {

// The rules as a JSON object, one key per setting: "dealer" ("table", "s17"
// or "h17"), "hole_card" ("none", "peek" or "enhc"), "blackjack_pays" (what a
// natural pays per unit, null when nothing pays one), "double" ("any", "9-11",
// "10-11" or "none"), "double_after_split", "splits" (0..3), "resplit_aces",
// "hit_split_aces", "surrender" and "post_split", the post-split strategy's
// token ("CDP1", "CDZ-", "CDP", "OPT" or "PERHAND"), CDP1 under TABLE. The
// TABLE dealer has no hole card and pays no naturals, whatever the settings
// behind it hold.
QJsonObject rules_json(const TableRules& rules);

}  // namespace tavolix::cli
