// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "shoe_captions.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/remaining_cards.h"
#include "strategy_text.h"

namespace tavolix {

namespace {

std::string with_values(std::string text, const std::string& first,
                        const std::string& second = {}) {
    for (const auto& [mark, value] : {std::pair{"%1", &first}, std::pair{"%2", &second}}) {
        const auto at = text.find(mark);
        if (at != std::string::npos) {
            text.replace(at, 2, *value);
        }
    }
    return text;
}

// Wide enough for the tens of eight decks, 128, and a space before them.
constexpr std::size_t kGridColumn = 4;

std::string right_aligned(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// ", puntata Kelly 12.50", or ", punta il minimo" on a round the player is
// not favoured in; nothing while the round's variance is not known.
std::string bet_text(double bankroll, const NextRoundEv& next, const ShoeWords& words) {
    if (!next.variance && next.ev && *next.ev > 0) {
        return {};
    }
    const auto bet = kelly_bet(bankroll, next.ev.value_or(0), next.variance.value_or(0));
    if (!bet) {
        return ", " + words.minimum_bet;
    }
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.2f", *bet);
    return ", " + with_values(words.kelly_bet, text.data());
}

}  // namespace

std::string signed_count(int running) {
    return running > 0 ? "+" + std::to_string(running) : std::to_string(running);
}

std::string signed_count(double running) {
    if (running == std::floor(running)) {
        return signed_count(static_cast<int>(running));
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%+.1f", running);
    return text.data();
}

std::string signed_true_count(double true_count) {
    std::array<char, 32> text{};
    // A count that rounds to zero shows no sign of its own.
    const double shown = std::abs(true_count) < 0.05 ? 0.0 : true_count;
    std::snprintf(text.data(), text.size(), shown > 0 ? "%+.1f" : "%.1f", shown);
    return text.data();
}

double shoe_true_count(double running, int left) {
    return left > 0 ? running / (left / 52.0) : 0.0;
}

std::string shoe_count_text(const TableState& state, const ShoeWords& words,
                            const counting::Count& count) {
    const ShoeCount shoe = shoe_count(state);
    const double running = counting::running_count(count, state.deck_count, shoe.by_value);
    const std::string named = count == counting::hi_lo_count() ? std::string() : count.title + ' ';
    const std::string counted =
        count.balanced() ? with_values(words.count, named + signed_count(running),
                                       signed_true_count(shoe_true_count(running, shoe.left)))
                         : with_values(words.running_count, named + signed_count(running));
    return with_values(words.shoe, std::to_string(shoe.left), std::to_string(shoe.cards)) + ", " +
           counted;
}

std::optional<double> kelly_bet(double bankroll, double ev, double variance) {
    if (!(ev > 0) || !(variance > 0)) {
        return std::nullopt;
    }
    return bankroll * ev / variance;
}

ShoeCaptions shoe_captions(const TableState& state, const NextRoundEv& next, const ShoeWords& words,
                           const ShoeLineChoice& choice) {
    ShoeCaptions captions;
    const ShoeCount count = shoe_count(state);
    captions.cards_out = words.cards_out;
    std::string values;
    std::string counts;
    for (Integer value = 1; value <= 10; ++value) {
        const std::string out = std::to_string(cards_out_of_value(state, value));
        captions.cards_out += "  " + value_text(value) + ' ' + out;
        values += right_aligned(value_text(value), kGridColumn);
        counts += right_aligned(out, kGridColumn);
    }
    captions.cards_out_grid = values + '\n' + counts;
    captions.shoe_line = shoe_count_text(state, words, choice.count) + ", ";
    if (next.ev) {
        captions.shoe_line += with_values(words.next_round, percent_text(*next.ev, 2));
        if (next.out_of_date) {
            captions.shoe_line += ' ' + words.out_of_date;
        }
        if (choice.bankroll) {
            captions.shoe_line += bet_text(*choice.bankroll, next, words);
        }
    } else {
        captions.shoe_line += words.computing;
    }
    captions.thin = count.left < kThinShoe;
    if (captions.thin) {
        captions.shoe_line += ", " + words.thin;
    }
    return captions;
}

}  // namespace tavolix
