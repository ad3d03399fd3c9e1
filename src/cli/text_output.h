#pragma once

#include <string>

#include "table_run.h"

namespace tavolix::cli {

// One table as the window shows it, in plain text: both hands with their
// totals, the threshold, then each result panel with its first-card column
// on the left and its all-sequences column on the right. Lines end with a
// plain newline.
std::string table_text(const TableOutcome& outcome);

}  // namespace tavolix::cli
