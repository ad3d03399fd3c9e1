// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

namespace tavolix::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitBadBatchLines = 1,  // a batch ran, but some lines gave no table
    kExitBadInput = 2,       // bad usage, a bad hand, threshold, decks or rules, a refused card
    kExitReportFailed = 3,   // figures written, a report file not
    kExitStreamFailed = 4,   // standard input not read, or standard output not written
};

// What --help says of each status, so that scripts can rely on it.
struct ExitStatusMeaning {
    ExitStatus status;
    const char* meaning;
};
inline constexpr ExitStatusMeaning kExitStatusMeanings[] = {
    {kExitOk, "the figures were written"},
    {kExitBadBatchLines, "--batch: some lines gave no table (each has its error object)"},
    {kExitBadInput,
     "bad usage, bad input (hands, threshold, decks, rules), or a card the pads would refuse"},
    {kExitReportFailed, "the figures were written, the report files were not"},
    {kExitStreamFailed, "standard input could not be read, or standard output not written"},
};

}  // namespace tavolix::cli
