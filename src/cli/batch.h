#pragma once

#include <istream>
#include <ostream>

namespace tavolix::cli {

// Reads tables, one "DEALER PLAYER [STAND [DECKS]]" line each, and writes one compact
// JSON object per table line in input order. A line that gives no table is
// answered by {"line": N, "error": "..."} (N counts every input line from 1)
// and the run goes on. Returns whether every table line gave a table.
bool run_batch(std::istream& in, std::ostream& out, int default_stand, int default_decks);

}  // namespace tavolix::cli
