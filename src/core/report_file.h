#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "table_state.h"

namespace tavolix {

// Report items as the report files write them: a number gets a sign position
// (a blank, or "-"), its digits and one trailing blank, so 7 is " 7 ".
std::string report_item(Integer value);
// A Double in the general form with at most 15 significant digits, no
// trailing zeros and no "0" before the decimal separator: one half is " .5 ".
std::string report_item(double value, char decimal_separator);

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG), or
// "." when that locale is unknown to the system.
char user_decimal_separator();

// A report that either appears whole under its name or not at all: the text
// goes to a file beside it and is renamed over the name only once everything
// was written, so a failed write leaves an earlier report as it was.
class ReportFile {
  public:
    ReportFile(std::filesystem::path path, char decimal_separator);
    ~ReportFile();
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    ReportFile& text(std::string_view item);
    ReportFile& number(Integer value);
    ReportFile& number(double value);
    ReportFile& end_line();

    // Finishes the file. Returns an error message naming the file and the
    // system's reason, or nothing when the report is in place.
    std::optional<std::string> commit();

  private:
    void discard_partial();

    std::filesystem::path path_;
    std::filesystem::path partial_path_;
    char decimal_separator_;
    std::ofstream out_;
    std::optional<std::string> error_;
    bool created_ = false;  // the partial file is ours to remove
    bool finished_ = false;
};

// A line of an engine's combinations file for the sequence just finished:
// the hand's cards, " | ", the drawn cards (draw_seq positions 1..draw_pos),
// ", SUM=", the total and the outcome word, all as card values.
void write_combination_line(ReportFile& file, const HandArray& hand_cards, Integer hand_count,
                            const TableState& state, Integer total, std::string_view word);

}  // namespace tavolix
