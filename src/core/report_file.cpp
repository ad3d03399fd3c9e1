// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "report_file.h"

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "message_text.h"

namespace tavolix {

std::string report_item(Integer value) {
    std::string item = value < 0 ? "" : " ";
    item += std::to_string(value);
    item += ' ';
    return item;
}

std::string report_item(double value, std::string_view decimal_separator) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::general, 15)
                         .ptr;
    std::string digits(buffer, end);
    // The reports have always shown the exponent, infinity and NaN in capitals.
    for (char& ch : digits) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    if (digits.starts_with("0.")) {
        digits.erase(0, 1);
    }
    if (const auto point = digits.find('.'); point != std::string::npos) {
        digits.replace(point, 1, decimal_separator);
    }
    return (std::signbit(value) && value != 0.0 ? "-" : " ") + digits + " ";
}

std::string user_decimal_separator() {
    static const std::string separator = [] {
        const locale_t user = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
        if (user == static_cast<locale_t>(nullptr)) {
            return std::string(".");
        }
        std::string mark = ::nl_langinfo_l(RADIXCHAR, user);
        ::freelocale(user);
        return mark.empty() ? std::string(".") : mark;
    }();
    return separator;
}

namespace {

std::string failure(const std::filesystem::path& path, int error_number) {
    return "cannot write report " + printable(path.native()) + ": " + std::strerror(error_number);
}

// A name beside `path` that no other file has, and the file created under it
// with O_EXCL, so that neither a file nor a link planted there is ever used.
int create_beside(const std::filesystem::path& path, std::filesystem::path& created) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".";
        for (int i = 0; i < 6; ++i) {
            suffix += kLetters[pick(random)];
        }
        created = path;
        created += suffix + ".tmp";
        const int fd =
            ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

ReportFile::ReportFile(std::filesystem::path path, std::string decimal_separator)
    : path_(std::move(path)), decimal_separator_(std::move(decimal_separator)) {
    std::filesystem::path created;
    fd_ = create_beside(path_, created);
    if (fd_ < 0) {
        error_ = failure(path_, errno);
    } else {
        staged_path_ = std::move(created);
    }
}

ReportFile::~ReportFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    // Once exchanged, the temporary name holds the earlier report.
    if (!staged_path_.empty() && placed_ != Placed::renamed) {
        ::unlink(staged_path_.c_str());
    }
}

void ReportFile::write_buffer() {
    std::string_view rest = buffer_;
    while (!error_ && !rest.empty()) {
        const ssize_t written = ::write(fd_, rest.data(), rest.size());
        if (written >= 0) {
            rest.remove_prefix(static_cast<std::size_t>(written));
        } else if (errno != EINTR) {
            error_ = failure(path_, errno);
        }
    }
    buffer_.clear();
}

ReportFile& ReportFile::text(std::string_view item) {
    if (!error_) {
        buffer_ += item;
        if (buffer_.size() >= 64 * 1024) {
            write_buffer();
        }
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

std::optional<std::string> ReportFile::finish() {
    if (fd_ < 0) {
        return error_;
    }
    if (!error_) {
        write_buffer();
    }
    // On the disk before it takes the report's name: a crash must never leave
    // an empty or cut report there.
    if (!error_ && ::fsync(fd_) != 0) {
        error_ = failure(path_, errno);
    }
    if (::close(fd_) != 0 && !error_) {
        error_ = failure(path_, errno);
    }
    fd_ = -1;
    return error_;
}

std::optional<std::string> ReportFile::swap_in() {
    // An exchange would move a directory standing under the name aside.
    struct stat target {};
    if (::lstat(path_.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
        return failure(path_, EISDIR);
    }
    if (::renameat2(AT_FDCWD, staged_path_.c_str(), AT_FDCWD, path_.c_str(), RENAME_EXCHANGE) ==
        0) {
        placed_ = Placed::exchanged;
        return std::nullopt;
    }
    // No earlier report to keep, or a file system that cannot exchange two
    // names: there the earlier report cannot be brought back.
    if (errno != ENOENT && errno != EINVAL && errno != ENOSYS) {
        return failure(path_, errno);
    }
    if (::rename(staged_path_.c_str(), path_.c_str()) != 0) {
        return failure(path_, errno);
    }
    placed_ = Placed::renamed;
    return std::nullopt;
}

void ReportFile::swap_back() {
    if (placed_ == Placed::exchanged) {
        ::renameat2(AT_FDCWD, staged_path_.c_str(), AT_FDCWD, path_.c_str(), RENAME_EXCHANGE);
    } else if (placed_ == Placed::renamed) {
        ::rename(path_.c_str(), staged_path_.c_str());
    }
    placed_ = Placed::no;
}

ReportSet::ReportSet(ReportSettings settings) : settings_(std::move(settings)) {}

ReportFile& ReportSet::add(std::string_view name) {
    files_.push_back(
        std::make_unique<ReportFile>(settings_.directory / name, settings_.decimal_separator));
    return *files_.back();
}

std::vector<std::string> ReportSet::commit() {
    std::vector<std::string> errors;
    for (const auto& file : files_) {
        if (auto error = file->finish()) {
            errors.push_back(std::move(*error));
        }
    }
    std::size_t placed = 0;
    while (errors.empty() && placed < files_.size()) {
        if (auto error = files_[placed]->swap_in()) {
            errors.push_back(std::move(*error));
        } else {
            ++placed;
        }
    }
    if (!errors.empty()) {
        while (placed > 0) {
            files_[--placed]->swap_back();
        }
    }
    if (errors.empty() && !files_.empty()) {
        // The new names on the disk too, not only the contents.
        const std::filesystem::path directory =
            settings_.directory.empty() ? std::filesystem::path(".") : settings_.directory;
        if (const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
    files_.clear();  // removes the temporary files and the earlier reports they hold
    return errors;
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
