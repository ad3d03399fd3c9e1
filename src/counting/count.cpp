// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "count.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace tavolix::counting {

namespace {

// Tags in half points, ace first.
Count make(const char* name, const char* title, std::array<int, 10> whole_tags) {
    Count count{.name = name, .title = title};
    for (std::size_t i = 0; i < whole_tags.size(); ++i) {
        count.half_tags[i] = 2 * whole_tags[i];
    }
    return count;
}

std::vector<Count> make_built_ins() {
    std::vector<Count> counts{
        make("hilo", "Hi-Lo", {-1, 1, 1, 1, 1, 1, 0, 0, 0, -1}),
        make("ko", "KO", {-1, 1, 1, 1, 1, 1, 1, 0, 0, -1}),
        make("hiopt1", "Hi-Opt I", {0, 0, 1, 1, 1, 1, 0, 0, 0, -1}),
        make("hiopt2", "Hi-Opt II", {0, 1, 1, 2, 2, 1, 1, 0, 0, -2}),
        make("omega2", "Omega II", {0, 1, 1, 2, 2, 2, 1, 0, -1, -2}),
        make("zen", "Zen", {-1, 1, 1, 2, 2, 2, 1, 0, 0, -2}),
    };
    Count halves{
        .name = "halves", .title = "Wong Halves", .half_tags = {-2, 1, 2, 2, 3, 2, 1, 0, -1, -2}};
    counts.push_back(halves);
    return counts;
}

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// A tag in half points: an integer, or one with ".5" or ".0".
std::variant<int, CountError> parse_tag(std::string_view text, int position) {
    const std::string_view tag = trimmed(text);
    const auto fault = [&] {
        return CountError{"tag " + std::to_string(position) + " \"" + std::string(tag) +
                          "\" is not a whole or half number between -9 and 9"};
    };
    double value = 0;
    const auto [end, error] =
        std::from_chars(tag.data(), tag.data() + tag.size(), value, std::chars_format::fixed);
    if (tag.empty() || error != std::errc{} || end != tag.data() + tag.size()) {
        return fault();
    }
    const double halves = value * 2;
    if (!std::isfinite(halves) || halves != std::round(halves) || std::abs(value) > 9) {
        return fault();
    }
    return static_cast<int>(halves);
}

}  // namespace

int deck_sum_in_halves(const Count& count) {
    int sum = 0;
    for (int value = 1; value <= 10; ++value) {
        sum += count.half_tag(value) * (value == 10 ? 16 : 4);
    }
    return sum;
}

bool Count::balanced() const {
    return deck_sum_in_halves(*this) == 0;
}

double Count::initial_running_count(int decks) const {
    return -deck_sum_in_halves(*this) / 2.0 * (decks - 1);
}

const std::vector<Count>& built_in_counts() {
    static const std::vector<Count> counts = make_built_ins();
    return counts;
}

const Count& hi_lo_count() {
    return built_in_counts().front();
}

std::variant<Count, CountError> parse_count(std::string_view text) {
    const std::string name = lower(trimmed(text));
    for (const Count& count : built_in_counts()) {
        if (count.name == name) {
            return count;
        }
    }
    if (name.find(',') == std::string::npos) {
        std::string names;
        for (const Count& count : built_in_counts()) {
            names += (names.empty() ? "" : ", ") + count.name;
        }
        return CountError{"unknown count \"" + std::string(trimmed(text)) +
                          "\" (the counts: " + names + ", or ten tags, ace first)"};
    }
    Count count{.name = "custom", .title = "custom"};
    std::size_t start = 0;
    int position = 0;
    while (true) {
        const std::size_t comma = name.find(',', start);
        const std::string_view field = std::string_view(name).substr(
            start, comma == std::string::npos ? std::string::npos : comma - start);
        ++position;
        if (position <= 10) {
            const auto tag = parse_tag(field, position);
            if (const auto* error = std::get_if<CountError>(&tag)) {
                return *error;
            }
            count.half_tags[static_cast<std::size_t>(position - 1)] = std::get<int>(tag);
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (position != 10) {
        return CountError{"a count needs ten tags, ace first; " + std::to_string(position) +
                          " given"};
    }
    return count;
}

std::string tags_text(const Count& count) {
    std::string text;
    for (int value = 1; value <= 10; ++value) {
        const int halves = count.half_tag(value);
        if (value > 1) {
            text += ',';
        }
        text += std::to_string(halves / 2);
        if (halves % 2 != 0) {
            if (halves < 0 && halves / 2 == 0) {
                text = text.substr(0, text.size() - 1) + "-0";
            }
            text += ".5";
        }
    }
    return text;
}

double running_count(const Count& count, int decks, const DeckCounts& left) {
    int seen_halves = 0;
    for (int value = 1; value <= 10; ++value) {
        const int full = (value == 10 ? 16 : 4) * decks;
        seen_halves += count.half_tag(value) * (full - left[static_cast<std::size_t>(value)]);
    }
    return count.initial_running_count(decks) + seen_halves / 2.0;
}

double true_count(double running, int cards_left) {
    return cards_left > 0 ? running * 52.0 / cards_left : 0.0;
}

int floored_true_count(double true_count) {
    return static_cast<int>(std::floor(true_count));
}

}  // namespace tavolix::counting
