#pragma once

#include <QStringList>
#include <istream>
#include <ostream>

namespace tavolix::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitBadBatchLines = 1,  // a batch ran, but some lines gave no table
    kExitBadInput = 2,       // bad usage, a bad hand or threshold, a refused card
    kExitReportFailed = 3,   // figures written, a report file not
};

// The whole of tavolix-calc: `arguments` as the program received them (the
// program's name first). Batch input comes from `in`, figures go to `out`,
// messages to `err`.
int run_command_line(const QStringList& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err);

}  // namespace tavolix::cli
