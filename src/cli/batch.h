// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <istream>
#include <ostream>
#include <vector>

#include "core/table_rules.h"
#include "core/table_state.h"
#include "model/counter_text.h"

namespace tavolix::cli {

// No table needs a line this long; a longer one is answered by an error
// object, and reading it costs no more memory than this.
inline constexpr std::size_t kLongestBatchLine = 4096;

// Reads tables, one "DEALER PLAYER [STAND [DECKS [RULES [SEEN]]]]" line each, and
// writes one compact JSON object per table line in input order; the defaults
// stand for the fields that a line leaves out or gives as "-". A line that gives no table is
// answered by {"line": N, "error": "..."} (N counts every input line from 1)
// and the run goes on. Returns the exit status: a failure to read `in` or to
// write `out` ends the run, with a message on `err`.
// With the analysis, each table's object carries it too.
int run_batch(std::istream& in, std::ostream& out, std::ostream& err, int default_stand,
              int default_decks, const TableRules& default_rules = {}, bool with_analysis = false,
              const std::vector<Integer>& default_seen = {},
              const counting::Count& count = counting::hi_lo_count());

}  // namespace tavolix::cli
