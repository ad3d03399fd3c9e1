// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table_state.h"

namespace tavolix {

// Report items as the report files write them: a number gets a sign position
// (a blank, or "-"), its digits and one trailing blank, so 7 is " 7 ".
std::string report_item(Integer value);
// A Double in the general form with at most 15 significant digits, no
// trailing zeros and no "0" before the decimal separator: one half is " .5 ".
// The digits never depend on the C library's locale; the separator may be
// more than one byte (the Arabic decimal mark is two in UTF-8).
std::string report_item(double value, std::string_view decimal_separator);

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG), or
// "." when that locale is unknown to the system.
std::string user_decimal_separator();

// Where an engine run writes its report files when TableState::write_reports
// is set: the process's current directory unless told otherwise.
struct ReportSettings {
    std::filesystem::path directory;  // empty: the current directory
    std::string decimal_separator = user_decimal_separator();
    // Told the number of combination lines written so far, every 65,536
    // lines: a shoe of several decks can make reports of millions of lines.
    std::function<void(std::int64_t)> progress = nullptr;
};

// One report being written. The text goes to a file of its own beside the
// report's name, "NAME.XXXXXX.tmp", created afresh and never through a link
// that someone planted there; its ReportSet puts it under its name. Until
// then nothing under the name changes, and a file given up is removed.
class ReportFile {
  public:
    ReportFile(std::filesystem::path path, std::string decimal_separator);
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    ReportFile& text(std::string_view item);
    ReportFile& number(Integer value);
    ReportFile& number(double value);
    ReportFile& end_line();

  private:
    friend class ReportSet;
    enum class Placed { no, exchanged, renamed };

    void write_buffer();
    // Writes what is left and flushes the file to disk. Returns an error
    // message naming the report and the system's reason, or nothing.
    std::optional<std::string> finish();
    // Puts the file under its name, an earlier report going to the temporary
    // name, from where swap_back() can return it.
    std::optional<std::string> swap_in();
    void swap_back();

    std::filesystem::path path_;
    std::filesystem::path staged_path_;  // empty when it could not be created
    std::string decimal_separator_;
    std::string buffer_;
    int fd_ = -1;
    std::optional<std::string> error_;
    Placed placed_ = Placed::no;
};

// The reports of one calculation, committed together: either every one of
// them replaces its earlier file, or (when any cannot be written whole, as on
// a full disk) every earlier file stays as it was.
class ReportSet {
  public:
    explicit ReportSet(ReportSettings settings);

    // A new report NAME in the set's directory.
    ReportFile& add(std::string_view name);

    // Counts one combination line, for the settings' progress.
    void count_line() {
        if ((++lines_ & 0xFFFF) == 0 && settings_.progress) {
            settings_.progress(lines_);
        }
    }

    // Puts the set in place, or none of it. Returns one message per report
    // that could not be written; afterwards no temporary file is left.
    std::vector<std::string> commit();

  private:
    ReportSettings settings_;
    std::vector<std::unique_ptr<ReportFile>> files_;  // the references handed out stay valid
    std::int64_t lines_ = 0;
};

// A line of an engine's combinations file for the sequence just finished:
// the hand's cards, " | ", the drawn cards (draw_seq positions 1..draw_pos),
// ", SUM=", the total and the outcome word, all as card values.
void write_combination_line(ReportFile& file, const HandArray& hand_cards, Integer hand_count,
                            const TableState& state, Integer total, std::string_view word);

}  // namespace tavolix
