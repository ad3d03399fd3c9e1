#pragma once

#include <istream>
#include <ostream>

namespace tavolix::cli {

// Reads tables, one "DEALER PLAYER [STAND]" line each, and writes one compact
// JSON object per table line in input order. A line that gives no table is
// answered by {"line": N, "error": "..."} (N counts every input line from 1)
// and the run goes on. Returns whether every table line gave a table.
// With the analysis, each table's object carries it too.
bool run_batch(std::istream& in, std::ostream& out, int default_stand, bool with_analysis = false);

}  // namespace tavolix::cli
