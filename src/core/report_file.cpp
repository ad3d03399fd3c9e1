#include "report_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale>
#include <system_error>

namespace tavolix {

std::string report_item(Integer value) {
    std::string item = value < 0 ? "" : " ";
    item += std::to_string(value);
    item += ' ';
    return item;
}

std::string report_item(double value, char decimal_separator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", std::fabs(value));
    std::string digits = buffer;
    if (digits.size() > 1 && digits[0] == '0' && (digits[1] == '.' || digits[1] == ',')) {
        digits.erase(0, 1);
    }
    // The C library may already be in a locale with another mark.
    if (const auto mark = digits.find_first_of(".,"); mark != std::string::npos) {
        digits[mark] = decimal_separator;
    }
    return (std::signbit(value) && value != 0.0 ? "-" : " ") + digits + " ";
}

char user_decimal_separator() {
    static const char separator = [] {
        try {
            return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
        } catch (const std::runtime_error&) {
            return '.';
        }
    }();
    return separator;
}

namespace {

std::string failure(const std::filesystem::path& path, int error_number) {
    return "cannot write report " + path.string() + ": " + std::strerror(error_number);
}

}  // namespace

ReportFile::ReportFile(std::filesystem::path path, char decimal_separator)
    : path_(std::move(path)), decimal_separator_(decimal_separator) {
    partial_path_ = path_;
    partial_path_ += ".part";
    errno = 0;
    out_.open(partial_path_, std::ios::binary | std::ios::trunc);
    if (!out_) {
        error_ = failure(path_, errno != 0 ? errno : EIO);
    } else {
        created_ = true;
    }
}

ReportFile::~ReportFile() {
    if (!finished_) {
        out_.close();
        discard_partial();
    }
}

void ReportFile::discard_partial() {
    if (created_) {
        std::error_code ignored;
        std::filesystem::remove(partial_path_, ignored);
        created_ = false;
    }
}

ReportFile& ReportFile::text(std::string_view item) {
    if (!error_) {
        out_ << item;
    }
    return *this;
}

ReportFile& ReportFile::number(Integer value) {
    return text(report_item(value));
}

ReportFile& ReportFile::number(double value) {
    return text(report_item(value, decimal_separator_));
}

ReportFile& ReportFile::end_line() {
    return text("\r\n");
}

std::optional<std::string> ReportFile::commit() {
    finished_ = true;
    if (!error_) {
        errno = 0;
        out_.close();
        if (out_.fail()) {
            error_ = failure(path_, errno != 0 ? errno : EIO);
        }
    } else {
        out_.close();
    }
    std::error_code code;
    if (!error_) {
        std::filesystem::rename(partial_path_, path_, code);
        if (code) {
            error_ = "cannot write report " + path_.string() + ": " + code.message();
        }
    }
    if (error_) {
        discard_partial();
    }
    return error_;
}

void write_combination_line(ReportFile& file, const HandArray& hand_cards, Integer hand_count,
                            const TableState& state, Integer total, std::string_view word) {
    for (int i = 1; i <= hand_count; ++i) {
        file.number(hand_cards[i]);
    }
    file.text(" | ");
    for (int i = 1; i <= state.draw_pos; ++i) {
        file.number(state.draw_seq[i]);
    }
    file.text(", SUM=").number(total).text(word).end_line();
}

}  // namespace tavolix
