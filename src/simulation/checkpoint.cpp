// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "checkpoint.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <type_traits>

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

// Reads whole numbers separated by single blanks in the form checkpoint_text
// writes them: no sign but a minus on a field that may be negative, no
// leading zero, no "-0", and within the field's range. Anything else marks
// the numbers faulty, so that what is read writes back as the same text.
class Numbers {
  public:
    explicit Numbers(std::string_view text) : text_(text) {}

    template <class Field>
    Field next() {
        constexpr bool is_signed = std::is_same_v<Field, Int128> || std::is_signed_v<Field>;
        constexpr Uint128 most = std::is_same_v<Field, Uint128> ? ~Uint128{0}
                                 : std::is_same_v<Field, Int128>
                                     ? ~Uint128{0} >> 1
                                     : std::numeric_limits<Field>::max();
        if (!first_ && !take(' ')) {
            ok_ = false;
        }
        first_ = false;
        const bool negative = is_signed && take('-');
        const std::size_t start = at_;
        Uint128 value = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            const auto digit = static_cast<unsigned>(text_[at_++] - '0');
            if (value > (~Uint128{0} - digit) / 10) {
                ok_ = false;
                value = 0;
            }
            value = value * 10 + digit;
        }
        const std::size_t digits = at_ - start;
        if (digits == 0 || (digits > 1 && text_[start] == '0') || (negative && value == 0) ||
            value > most + (negative && !std::is_same_v<Field, Int128> ? 1 : 0)) {
            ok_ = false;
            return Field{};
        }
        if (negative) {
            return static_cast<Field>(-static_cast<Int128>(value - 1) - 1);
        }
        return static_cast<Field>(value);
    }
    bool ok() const { return ok_ && at_ == text_.size(); }

  private:
    bool take(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool first_ = true;
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

// Sums that some rounds could have given: every round dealt in one row by
// true count, no more rounds bet than dealt, each with a hand and a unit.
bool possible(const BlockSums& sums) {
    std::uint64_t by_count = 0;
    for (const CountSums& at : sums.by_count) {
        if (at.rounds > sums.rounds_dealt - by_count) {
            return false;
        }
        by_count += at.rounds;
    }
    return by_count == sums.rounds_dealt && sums.rounds <= sums.rounds_dealt &&
           sums.hands >= sums.rounds && sums.units >= sums.rounds;
}

bool read_sums(std::string_view line, BlockSums& sums) {
    Numbers numbers(line);
    sums.rounds_dealt = numbers.next<std::uint64_t>();
    sums.rounds = numbers.next<std::uint64_t>();
    sums.hands = numbers.next<std::uint64_t>();
    sums.units = numbers.next<std::uint64_t>();
    sums.units_squared = numbers.next<Uint128>();
    sums.money = numbers.next<std::int64_t>();
    sums.money_squared = numbers.next<Uint128>();
    sums.money_by_units = numbers.next<Int128>();
    for (CountSums& at : sums.by_count) {
        at.rounds = numbers.next<std::uint64_t>();
        at.money = numbers.next<std::int64_t>();
        at.squares = numbers.next<Uint128>();
    }
    return numbers.ok() && possible(sums);
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
    if ((state.blocks_done() == 0) != (state.sums.rounds_dealt == 0)) {
        return std::string("damaged: its sums are not those of its blocks");
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
