// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "checkpoint.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tavolix::simulation {

namespace {

constexpr std::string_view kMagic = "tavolix-sim checkpoint 1\n";

std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string text_of(Uint128 value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

std::string text_of(Int128 value) {
    return value < 0 ? "-" + text_of(static_cast<Uint128>(-value))
                     : text_of(static_cast<Uint128>(value));
}

// Reads whole numbers separated by blanks, remembering any fault.
class Numbers {
  public:
    explicit Numbers(std::string_view text) : text_(text) {}

    Int128 next() {
        while (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        }
        const bool negative = at_ < text_.size() && text_[at_] == '-';
        at_ += negative ? 1 : 0;
        const std::size_t start = at_;
        Uint128 value = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9' && at_ - start < 39) {
            value = value * 10 + static_cast<unsigned>(text_[at_++] - '0');
        }
        if (at_ == start) {
            ok_ = false;
        }
        return negative ? -static_cast<Int128>(value) : static_cast<Int128>(value);
    }
    bool ok() const { return ok_ && text_.find_first_not_of(' ', at_) == std::string_view::npos; }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

std::string sums_line(const BlockSums& sums) {
    std::string line = std::to_string(sums.rounds_dealt) + " " + std::to_string(sums.rounds) + " " +
                       std::to_string(sums.hands) + " " + std::to_string(sums.units) + " " +
                       text_of(sums.units_squared) + " " + std::to_string(sums.money) + " " +
                       text_of(sums.money_squared) + " " + text_of(sums.money_by_units);
    for (const CountSums& at : sums.by_count) {
        line += " " + std::to_string(at.rounds) + " " + std::to_string(at.money) + " " +
                text_of(at.squares);
    }
    return line;
}

bool read_sums(std::string_view line, BlockSums& sums) {
    Numbers numbers(line);
    const auto u64 = [&] { return static_cast<std::uint64_t>(numbers.next()); };
    sums.rounds_dealt = u64();
    sums.rounds = u64();
    sums.hands = u64();
    sums.units = u64();
    sums.units_squared = static_cast<Uint128>(numbers.next());
    sums.money = static_cast<std::int64_t>(numbers.next());
    sums.money_squared = static_cast<Uint128>(numbers.next());
    sums.money_by_units = numbers.next();
    for (CountSums& at : sums.by_count) {
        at.rounds = u64();
        at.money = static_cast<std::int64_t>(numbers.next());
        at.squares = static_cast<Uint128>(numbers.next());
    }
    return numbers.ok();
}

// The value after "KEY " on the next line, moving past it.
std::optional<std::string_view> field(std::string_view& text, std::string_view key) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos || text.substr(0, key.size() + 1) != std::string(key) + " ") {
        return std::nullopt;
    }
    const std::string_view value = text.substr(key.size() + 1, end - key.size() - 1);
    text.remove_prefix(end + 1);
    return value;
}

}  // namespace

std::string checkpoint_text(std::string_view fingerprint, const RunState& state) {
    std::string done;
    for (const bool block : state.done) {
        done += block ? '1' : '0';
    }
    std::string text(kMagic);
    text += "options " + std::string(fingerprint) + "\n";
    text += "blocks " + std::to_string(state.done.size()) + "\n";
    text += "done " + done + "\n";
    text += "sums " + sums_line(state.sums) + "\n";
    char check[32];
    std::snprintf(check, sizeof check, "%016llx", static_cast<unsigned long long>(fnv1a(text)));
    return text + "check " + check + "\n";
}

std::variant<RunState, std::string> read_checkpoint(std::string_view text,
                                                    std::string_view fingerprint,
                                                    std::uint64_t blocks) {
    if (text.substr(0, kMagic.size()) != kMagic) {
        return std::string("not a tavolix-sim checkpoint of this version");
    }
    const std::size_t check_at = text.rfind("check ");
    char check[32];
    std::snprintf(check, sizeof check, "%016llx",
                  static_cast<unsigned long long>(fnv1a(text.substr(0, check_at))));
    if (check_at == std::string_view::npos ||
        text.substr(check_at) != "check " + std::string(check) + "\n") {
        return std::string("damaged or cut short (its checksum does not match)");
    }
    std::string_view rest = text.substr(kMagic.size(), check_at - kMagic.size());
    const auto options = field(rest, "options");
    if (!options || *options != fingerprint) {
        return std::string("made by a run with other options");
    }
    const auto count = field(rest, "blocks");
    const auto done = field(rest, "done");
    const auto sums = field(rest, "sums");
    RunState state;
    if (!count || *count != std::to_string(blocks) || !done || done->size() != blocks || !sums ||
        !rest.empty() || done->find_first_not_of("01") != std::string_view::npos ||
        !read_sums(*sums, state.sums)) {
        return std::string("damaged: its blocks or sums do not read");
    }
    for (const char block : *done) {
        state.done.push_back(block == '1');
    }
    return state;
}

std::optional<std::string> save_checkpoint(const std::string& path, std::string_view fingerprint,
                                           const RunState& state) {
    const std::string text = checkpoint_text(fingerprint, state);
    const std::string temporary = path + ".tmp";
    const auto failed = [&](const char* what) {
        const std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return std::optional<std::string>("cannot " + std::string(what) + " checkpoint " + path +
                                          ": " + reason);
    };
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return failed("write");
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ::close(fd);
            return failed("write");
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        ::close(fd);
        return failed("write");
    }
    if (::close(fd) != 0) {
        return failed("write");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        return failed("replace");
    }
    return std::nullopt;
}

std::variant<std::optional<RunState>, std::string> load_checkpoint(const std::string& path,
                                                                   std::string_view fingerprint,
                                                                   std::uint64_t blocks) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (::access(path.c_str(), F_OK) != 0 && errno == ENOENT) {
            return std::optional<RunState>();
        }
        return "cannot read checkpoint " + path + ": " + std::strerror(errno);
    }
    std::ostringstream text;
    text << file.rdbuf();
    auto state = read_checkpoint(text.str(), fingerprint, blocks);
    if (auto* error = std::get_if<std::string>(&state)) {
        return "checkpoint " + path + " refused: " + *error;
    }
    return std::optional<RunState>(std::get<RunState>(std::move(state)));
}

}  // namespace tavolix::simulation
