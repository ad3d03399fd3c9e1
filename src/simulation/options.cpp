// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "options.h"

#include <charconv>
#include <cmath>

namespace tavolix::simulation {

namespace {

std::optional<int> whole_number(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::variant<std::vector<RampStep>, RampError> parse_ramp(std::string_view text) {
    std::vector<RampStep> ramp;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view step = text.substr(start, comma - start);
        const std::size_t colon = step.find(':');
        const auto fault = [step](RampFault kind) { return RampError{kind, std::string(step)}; };
        if (colon == std::string_view::npos) {
            return fault(RampFault::not_a_step);
        }
        const std::optional<int> count = whole_number(step.substr(0, colon));
        const std::optional<int> units = whole_number(step.substr(colon + 1));
        if (!count || !units) {
            return fault(RampFault::not_whole_numbers);
        }
        if (*units < 1 || *units > 1000) {
            return fault(RampFault::units_out_of_range);
        }
        if (*count < -10 || *count > 10) {
            return fault(RampFault::count_out_of_range);
        }
        if (!ramp.empty() && *count <= ramp.back().true_count) {
            return fault(RampFault::not_rising);
        }
        ramp.push_back({*count, *units});
        start = comma + 1;
    }
    return ramp;
}

std::string ramp_error_text(const RampError& error) {
    const std::string quoted = "ramp step \"" + error.step + "\"";
    switch (error.fault) {
        case RampFault::not_a_step:
            return quoted + " is not TC:UNITS";
        case RampFault::not_whole_numbers:
            return quoted + " is not TC:UNITS with whole numbers";
        case RampFault::units_out_of_range:
            return quoted + ": a bet is 1 to 1000 units";
        case RampFault::count_out_of_range:
            return quoted + ": a true count is -10 to 10";
        case RampFault::not_rising:
            return quoted + ": the true counts must rise";
    }
    return quoted;
}

int most_players(int decks) {
    return std::min(kMostPlayers, decks * 52 / 10 - 1);
}

std::optional<std::string> options_fault(const SimulationOptions& options) {
    const int cards = options.decks * 52;
    if (options.decks < 1 || options.decks > kMostDecks) {
        return "decks must be 1 to 8";
    }
    if (!casino_dealer(options.rules)) {
        return "the simulator deals a casino game: the rules need S17 or H17";
    }
    if (!(options.penetration >= 0 && options.penetration <= 1)) {
        return "penetration must be between 0 and 1";
    }
    if (options.cut_card && (*options.cut_card < 1 || *options.cut_card > cards)) {
        return "cut card " + std::to_string(*options.cut_card) + " is past the shoe of " +
               std::to_string(cards) + " cards";
    }
    if (options.players < 1 || options.players > kMostPlayers) {
        return "players must be 1 to 7";
    }
    if (options.players > most_players(options.decks)) {
        return std::to_string(options.players) + " players are more than a shoe of " +
               std::to_string(cards) + " cards can deal a round to";
    }
    if (options.indices != IndexSet::none && options.play != PlayStyle::basic) {
        return "index plays change the basic chart: --indices needs --play basic";
    }
    if (options.indices != IndexSet::none && !options.count.balanced()) {
        return "index plays need a balanced count";
    }
    if (options.wong_out && (*options.wong_out < -10 || *options.wong_out > 10)) {
        return "wong-out true count must be -10 to 10";
    }
    if (const auto& back = options.back_count) {
        if (back->enter < -10 || back->enter > 10 || back->leave < -10 || back->leave > 10) {
            return "back-count true counts must be -10 to 10";
        }
        if (back->leave > back->enter) {
            return "back-count: the true count to leave at (" + std::to_string(back->leave) +
                   ") is above the one to enter at (" + std::to_string(back->enter) +
                   "), so the player would leave as he sits down";
        }
        if (options.wong_out) {
            return "--back-count and --wong-out cannot be used together: one watches whole "
                   "shoes from behind the table, the other sits out single rounds";
        }
    }
    if (options.rounds < 1) {
        return "rounds must be at least 1";
    }
    if (options.block_rounds < 1) {
        return "a block must hold at least one round";
    }
    return std::nullopt;
}

int cut_card_of(const SimulationOptions& options) {
    if (options.cut_card) {
        return *options.cut_card;
    }
    return static_cast<int>(std::lround(options.penetration * options.decks * 52));
}

std::uint64_t blocks_of(const SimulationOptions& options) {
    return (options.rounds + options.block_rounds - 1) / options.block_rounds;
}

std::uint64_t rounds_in_block(const SimulationOptions& options, std::uint64_t block) {
    const std::uint64_t first = block * options.block_rounds;
    return first >= options.rounds ? 0 : std::min(options.block_rounds, options.rounds - first);
}

std::string fingerprint(const SimulationOptions& options) {
    std::string line = "rules=" + rules_text(options.rules);
    line += ";decks=" + std::to_string(options.decks);
    line += ";cut=" + std::to_string(cut_card_of(options));
    line += ";players=" + std::to_string(options.players);
    line += ";play=" + std::string(play_name(options.play));
    line += ";count=" + counting::tags_text(options.count);
    line += ";indices=" + std::string(index_set_name(options.indices));
    line += ";ramp=";
    for (const RampStep& step : options.ramp) {
        line += std::to_string(step.true_count) + ":" + std::to_string(step.units) + ",";
    }
    line += ";wong=" + (options.wong_out ? std::to_string(*options.wong_out) : std::string("-"));
    // Added only where they differ from the reckoning every earlier run
    // used, so that those runs' checkpoints still resume.
    if (options.back_count) {
        line += ";back=" + std::to_string(options.back_count->enter) + ":" +
                std::to_string(options.back_count->leave);
    }
    if (options.tc_decks != TcDecks::exact || options.tc_division != TcDivision::floor) {
        line += ";tc=" + std::string(tc_decks_name(options.tc_decks)) + "," +
                tc_division_name(options.tc_division);
    }
    line += ";rounds=" + std::to_string(options.rounds);
    line += ";seed=" + std::to_string(options.seed);
    line += ";block=" + std::to_string(options.block_rounds);
    return line;
}

const char* play_name(PlayStyle play) {
    return play == PlayStyle::basic ? "basic" : "composition";
}

const char* tc_decks_name(TcDecks decks) {
    switch (decks) {
        case TcDecks::exact:
            return "exact";
        case TcDecks::quarter:
            return "quarter";
        case TcDecks::half:
            return "half";
        case TcDecks::full:
            return "full";
    }
    return "";
}

const char* tc_division_name(TcDivision division) {
    switch (division) {
        case TcDivision::floor:
            return "floor";
        case TcDivision::truncate:
            return "truncate";
        case TcDivision::round:
            return "round";
    }
    return "";
}

std::string ramp_text(const std::vector<RampStep>& ramp) {
    std::string text;
    for (const RampStep& step : ramp) {
        text += (text.empty() ? "" : ",") + std::to_string(step.true_count) + ":" +
                std::to_string(step.units);
    }
    return text;
}

const char* index_set_name(IndexSet indices) {
    switch (indices) {
        case IndexSet::none:
            return "none";
        case IndexSet::i18:
            return "i18";
        case IndexSet::all:
            return "all";
    }
    return "";
}

}  // namespace tavolix::simulation
