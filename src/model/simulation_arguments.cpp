// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "simulation_arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <thread>

namespace tavolix {

namespace {

using simulation::IndexSet;
using simulation::PlayStyle;
using simulation::TcDecks;
using simulation::TcDivision;

constexpr SimulationOptionEntry kEntries[] = {
    {"rounds", "N", "Deal N rounds (default 10000000).", OptionPlace::common},
    {"decks", "N", "A shoe of N decks, 1 to 8 (default 6).", OptionPlace::game},
    {"rules", "TEXT", "The rules in tavolix-calc's shorthand; S17 or H17 (default S17).",
     OptionPlace::game},
    {"seed", "S", "The random streams' seed (default 1).", OptionPlace::common},
    {"threads", "N", "Run on N threads (default: every core).", OptionPlace::common},
    {"penetration", "F",
     "Reshuffle after the round in which this fraction of the shoe was dealt, 0 to 1 (default "
     "0.75); 0 deals every round from a fresh shoe.",
     OptionPlace::game},
    {"cut-card", "N", "Reshuffle after the round in which the N-th card came out.",
     OptionPlace::game},
    {"players", "K", "K seats, 1 to 7, all playing alike; the first is measured.",
     OptionPlace::game},
    {"play", "HOW",
     "basic: the chart by totals; composition: each hand by its own cards, as the exact "
     "analysis of the full shoe advises (default basic).",
     OptionPlace::game},
    {"count", "COUNT",
     "The count: hilo, ko, hiopt1, hiopt2, omega2, zen, halves, or ten tags, ace first "
     "(default hilo).",
     OptionPlace::game},
    {"indices", "SET", "Index plays: none, i18 or all, worked out for these rules (default none).",
     OptionPlace::game},
    {"ramp", "RAMP",
     "Units bet by true count, \"TC:UNITS,...\" (default a flat unit); optimal: the ramp a "
     "flat-bet pilot run finds best for --spread.",
     OptionPlace::game},
    {"spread", "S", "With --ramp optimal: the largest bet over the smallest, 2 to 100.",
     OptionPlace::game},
    {"pilot-rounds", "N",
     "With --ramp optimal: the pilot's rounds (default a quarter of --rounds).", OptionPlace::game},
    {"wong-out", "TC", "No bet while the true count is below TC.", OptionPlace::game},
    {"back-count", "IN[:OUT]",
     "Watch every shoe from behind the table, sit down at a true count of IN or more, and leave "
     "until the shuffle at a true count below OUT (default IN).",
     OptionPlace::game},
    {"tc-decks", "HOW",
     "The decks left that the running count is divided by: exact, or estimated to the nearest "
     "quarter, half or full deck (default exact).",
     OptionPlace::game},
    {"tc-division", "HOW",
     "The true count made whole: floor, truncate (toward zero) or round (halves away from "
     "zero) (default floor).",
     OptionPlace::game},
    {"rounds-per-hour", "N",
     "Rounds dealt in an hour at the table, watched or bet, for the figures per hour (default "
     "100).",
     OptionPlace::game},
    {"bankroll", "UNITS", "Give the risk of ruin of a bankroll of UNITS.", OptionPlace::common},
    {"trip", "ROUNDS", "With --bankroll: the risk of ruin within ROUNDS rounds.",
     OptionPlace::common},
    {"compare", "FILE",
     "Play each line of FILE (a game in these options' own words; blank lines and lines "
     "starting with # skipped) with the common options --rounds, --seed, --threads, --bankroll "
     "and --trip, and print one table, best SCORE first.",
     OptionPlace::command_line},
    {"json", "", "Write the figures as one JSON object (with --compare, an array of them).",
     OptionPlace::command_line},
    {"checkpoint", "FILE",
     "Keep the run's state in FILE every few seconds and at Ctrl-C; started again with the "
     "same options and FILE, the run goes on from it.",
     OptionPlace::command_line},
    {"checkpoint-every", "SECONDS",
     "With --checkpoint: write it every SECONDS (0.1 to 86400, default 5).",
     OptionPlace::command_line},
};

const SimulationOptionEntry* entry_of(std::string_view name) {
    for (const SimulationOptionEntry& entry : kEntries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\n\r\f\v");
    if (start == std::string_view::npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(" \t\n\r\f\v") - start + 1);
}

// The text of a number less the blanks around it and a plus sign before it.
std::string_view unsigned_text(std::string_view text) {
    text = trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}

// A whole number of the type in digits.
template <class Number>
std::optional<Number> whole(std::string_view text) {
    text = unsigned_text(text);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> real(std::string_view text) {
    text = unsigned_text(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string lower(std::string_view text) {
    std::string low(trimmed(text));
    std::transform(low.begin(), low.end(), low.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return low;
}

// The values given, the last of each option taken, as the command line's
// parser has always taken them.
class Given {
  public:
    explicit Given(const std::vector<GivenOption>& given) : given_(given) {}

    bool has(std::string_view name) const { return last(name) != nullptr; }
    std::string value(std::string_view name, std::string_view fallback = {}) const {
        const GivenOption* found = last(name);
        return found != nullptr ? found->value : std::string(fallback);
    }
    // "--name "VALUE"", for a message.
    std::string quoted(std::string_view name) const {
        return "--" + std::string(name) + " \"" + value(name) + "\"";
    }

  private:
    const GivenOption* last(std::string_view name) const {
        for (auto it = given_.rbegin(); it != given_.rend(); ++it) {
            if (it->name == name) {
                return &*it;
            }
        }
        return nullptr;
    }
    const std::vector<GivenOption>& given_;
};

std::optional<std::string> read_game(const Given& g, SimulationRequest& request) {
    simulation::SimulationOptions& options = request.options;
    const auto rounds = whole<std::uint64_t>(g.value("rounds", "10000000"));
    if (!rounds || *rounds < 1) {
        return g.quoted("rounds") + " is not a number of rounds";
    }
    options.rounds = *rounds;
    const auto decks = whole<int>(g.value("decks", "6"));
    if (!decks || *decks < 1 || *decks > simulation::kMostDecks) {
        return g.quoted("decks") + ": decks must be 1 to 8";
    }
    options.decks = *decks;
    auto rules = parse_rules(g.value("rules", "S17"));
    if (const auto* error = std::get_if<RulesError>(&rules)) {
        return "--rules: " + error->message;
    }
    options.rules = std::get<TableRules>(rules);
    const auto seed = whole<std::uint64_t>(g.value("seed", "1"));
    if (!seed) {
        return g.quoted("seed") + " is not a whole number";
    }
    options.seed = *seed;
    request.threads = std::max(1u, std::thread::hardware_concurrency());
    if (g.has("threads")) {
        const auto threads = whole<unsigned>(g.value("threads"));
        if (!threads || *threads < 1 || *threads > 1024) {
            return g.quoted("threads") + ": threads must be 1 to 1024";
        }
        request.threads = *threads;
    }
    if (g.has("penetration") && g.has("cut-card")) {
        return "--penetration and --cut-card cannot be used together";
    }
    const auto penetration = real(g.value("penetration", "0.75"));
    if (!penetration || !(*penetration >= 0 && *penetration <= 1)) {
        return g.quoted("penetration") + ": penetration must be between 0 and 1";
    }
    options.penetration = *penetration;
    if (g.has("cut-card")) {
        const auto cut = whole<int>(g.value("cut-card"));
        if (!cut || *cut < 1 || *cut > options.decks * 52) {
            return g.quoted("cut-card") + ": the cut card must be 1 to " +
                   std::to_string(options.decks * 52) + ", inside the shoe";
        }
        options.cut_card = *cut;
    }
    const auto players = whole<int>(g.value("players", "1"));
    if (!players || *players < 1 || *players > simulation::kMostPlayers) {
        return g.quoted("players") + ": players must be 1 to 7";
    }
    options.players = *players;
    const std::string play = lower(g.value("play", "basic"));
    if (play != "basic" && play != "composition") {
        return g.quoted("play") + ": play basic or composition";
    }
    options.play = play == "basic" ? PlayStyle::basic : PlayStyle::composition;
    auto count = counting::parse_count(g.value("count", "hilo"));
    if (const auto* error = std::get_if<counting::CountError>(&count)) {
        return "--count: " + error->message;
    }
    options.count = std::get<counting::Count>(count);
    const std::string indices = lower(g.value("indices", "none"));
    if (indices == "none") {
        options.indices = IndexSet::none;
    } else if (indices == "i18") {
        options.indices = IndexSet::i18;
    } else if (indices == "all") {
        options.indices = IndexSet::all;
    } else {
        return g.quoted("indices") + ": indices none, i18 or all";
    }
    if (g.has("ramp") && lower(g.value("ramp")) == "optimal") {
        if (!g.has("spread")) {
            return "--ramp optimal needs --spread S, the largest bet over the smallest";
        }
        request.optimal_ramp = OptimalRampWanted{};
    } else if (g.has("ramp")) {
        auto ramp = simulation::parse_ramp(g.value("ramp"));
        if (const auto* error = std::get_if<simulation::RampError>(&ramp)) {
            return "--ramp: " + simulation::ramp_error_text(*error);
        }
        options.ramp = std::get<std::vector<simulation::RampStep>>(ramp);
    }
    if (g.has("spread")) {
        const auto spread = whole<int>(g.value("spread"));
        if (!spread || *spread < kLeastSpread || *spread > kMostSpread) {
            return g.quoted("spread") + ": a spread is 2 to 100";
        }
        if (!request.optimal_ramp) {
            return "--spread needs --ramp optimal";
        }
        request.optimal_ramp->spread = *spread;
    }
    if (g.has("pilot-rounds")) {
        const auto pilot = whole<std::uint64_t>(g.value("pilot-rounds"));
        if (!pilot || *pilot < 1) {
            return g.quoted("pilot-rounds") + " is not a number of rounds";
        }
        if (!request.optimal_ramp) {
            return "--pilot-rounds needs --ramp optimal";
        }
        request.optimal_ramp->pilot_rounds = *pilot;
    }
    if (g.has("wong-out")) {
        const auto wong = whole<int>(g.value("wong-out"));
        if (!wong || *wong < -10 || *wong > 10) {
            return g.quoted("wong-out") + ": a true count from -10 to 10";
        }
        options.wong_out = *wong;
    }
    if (g.has("back-count")) {
        const std::string text = g.value("back-count");
        const std::size_t colon = text.find(':');
        const auto enter = whole<int>(std::string_view(text).substr(0, colon));
        const auto leave = colon == std::string::npos
                               ? enter
                               : whole<int>(std::string_view(text).substr(colon + 1));
        if (!enter || !leave || *enter < -10 || *enter > 10 || *leave < -10 || *leave > 10) {
            return g.quoted("back-count") + ": IN[:OUT], true counts from -10 to 10";
        }
        if (*leave > *enter) {
            return g.quoted("back-count") + ": the count to leave at, " + std::to_string(*leave) +
                   ", is above the count to sit down at, " + std::to_string(*enter);
        }
        if (g.has("wong-out")) {
            return "--back-count and --wong-out cannot be used together: one leaves the shoe, "
                   "the other sits out single rounds and comes back";
        }
        options.back_count = simulation::BackCount{*enter, *leave};
    }
    const std::string tc_decks = lower(g.value("tc-decks", "exact"));
    if (tc_decks == "exact") {
        options.tc_decks = TcDecks::exact;
    } else if (tc_decks == "quarter") {
        options.tc_decks = TcDecks::quarter;
    } else if (tc_decks == "half") {
        options.tc_decks = TcDecks::half;
    } else if (tc_decks == "full") {
        options.tc_decks = TcDecks::full;
    } else {
        return g.quoted("tc-decks") + ": exact, quarter, half or full";
    }
    const std::string tc_division = lower(g.value("tc-division", "floor"));
    if (tc_division == "floor") {
        options.tc_division = TcDivision::floor;
    } else if (tc_division == "truncate") {
        options.tc_division = TcDivision::truncate;
    } else if (tc_division == "round") {
        options.tc_division = TcDivision::round;
    } else {
        return g.quoted("tc-division") + ": floor, truncate or round";
    }
    if (g.has("rounds-per-hour")) {
        const auto per_hour = real(g.value("rounds-per-hour"));
        if (!per_hour || !(*per_hour >= 1 && *per_hour <= 10000)) {
            return g.quoted("rounds-per-hour") + ": rounds an hour must be 1 to 10000";
        }
        request.rounds_per_hour = *per_hour;
    }
    if (g.has("bankroll")) {
        const auto bankroll = real(g.value("bankroll"));
        if (!bankroll || !(*bankroll > 0) || !std::isfinite(*bankroll)) {
            return g.quoted("bankroll") + ": the bankroll must be more than 0 units";
        }
        request.bankroll = *bankroll;
    }
    if (g.has("trip")) {
        const auto trip = whole<std::uint64_t>(g.value("trip"));
        if (!trip || *trip < 1) {
            return g.quoted("trip") + ": a trip is at least one round";
        }
        if (!request.bankroll) {
            return "--trip needs --bankroll";
        }
        request.trip = *trip;
    }
    return std::nullopt;
}

bool needs_quotes(std::string_view word) {
    return word.empty() ||
           word.find_first_of(" \t\"'\\$`|&;<>()*?[]#~!{}") != std::string_view::npos;
}

std::string shell_word(std::string_view word) {
    if (!needs_quotes(word)) {
        return std::string(word);
    }
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string number_text(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace

std::span<const SimulationOptionEntry> simulation_option_entries() {
    return kEntries;
}

std::variant<std::vector<GivenOption>, std::string> options_of_words(
    std::span<const std::string> words) {
    std::vector<GivenOption> given;
    std::vector<std::string> unknown;
    std::optional<std::string> fault;
    bool options_ended = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (options_ended || word == "-" || !word.starts_with('-')) {
            given.push_back({.name = {}, .value = word});
            continue;
        }
        if (word == "--") {
            options_ended = true;
            continue;
        }
        if (!word.starts_with("--")) {
            // Letters of short options run together: only -h and -v exist.
            for (const char letter : std::string_view(word).substr(1)) {
                if (letter == 'h' || letter == 'v') {
                    given.push_back({.name = letter == 'h' ? "help" : "version", .value = {}});
                } else {
                    unknown.emplace_back(1, letter);
                }
            }
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? equals : equals - 2);
        const SimulationOptionEntry* entry = entry_of(name);
        const bool help = name == "help" || name == "help-all";
        if (help || name == "version" || (entry != nullptr && entry->value.empty())) {
            if (equals != std::string::npos) {
                fault = fault.value_or("Unexpected value after '--" + name + "'.");
                continue;
            }
            given.push_back({.name = help ? "help" : name, .value = {}});
            continue;
        }
        if (entry == nullptr) {
            unknown.push_back(name);
            continue;
        }
        if (equals != std::string::npos) {
            given.push_back({.name = name, .value = word.substr(equals + 1)});
        } else if (i + 1 < words.size()) {
            given.push_back({.name = name, .value = words[++i]});
        } else {
            fault = fault.value_or("Missing value after '--" + name + "'.");
        }
    }
    if (fault) {
        return *fault;
    }
    if (unknown.size() == 1) {
        return "Unknown option '" + unknown.front() + "'.";
    }
    if (!unknown.empty()) {
        std::string names;
        for (const std::string& name : unknown) {
            names += (names.empty() ? "" : ", ") + name;
        }
        return "Unknown options: " + names + ".";
    }
    return given;
}

std::variant<SimulationArguments, std::string> arguments_of(const std::vector<GivenOption>& given) {
    SimulationArguments arguments;
    const Given g(given);
    arguments.help = g.has("help");
    arguments.version = g.has("version");
    if (arguments.help || arguments.version) {
        return arguments;
    }
    for (const GivenOption& option : given) {
        if (option.name.empty()) {
            return "unexpected argument \"" + option.value + "\" (see --help)";
        }
    }
    if (auto fault = read_game(g, arguments.request)) {
        return *std::move(fault);
    }
    arguments.json = g.has("json");
    if (g.has("checkpoint")) {
        arguments.checkpoint = g.value("checkpoint");
        if (arguments.checkpoint->empty()) {
            return "--checkpoint needs a file name";
        }
    }
    if (g.has("checkpoint-every")) {
        const auto seconds = real(g.value("checkpoint-every"));
        if (!seconds || !(*seconds >= 0.1 && *seconds <= 86400)) {
            return g.quoted("checkpoint-every") + ": seconds must be 0.1 to 86400";
        }
        if (!arguments.checkpoint) {
            return "--checkpoint-every needs --checkpoint";
        }
        arguments.checkpoint_every =
            std::chrono::milliseconds(static_cast<std::int64_t>(std::lround(*seconds * 1000)));
    }
    if (g.has("compare")) {
        arguments.compare = g.value("compare");
        if (arguments.compare->empty()) {
            return "--compare needs a file name";
        }
        if (arguments.checkpoint) {
            return "--compare and --checkpoint cannot be used together";
        }
        for (const GivenOption& option : given) {
            if (option.name != "compare" && option.name != "json") {
                arguments.common.push_back(option);
            }
        }
        return arguments;
    }
    if (const auto fault = simulation::options_fault(arguments.request.options)) {
        return *fault;
    }
    return arguments;
}

std::variant<SimulationArguments, std::string> parse_simulation_arguments(
    std::span<const std::string> words) {
    auto given = options_of_words(words);
    if (auto* fault = std::get_if<std::string>(&given)) {
        return std::move(*fault);
    }
    return arguments_of(std::get<std::vector<GivenOption>>(given));
}

std::variant<std::vector<std::string>, std::string> words_of_line(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool started = false;
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else if (quote == '"' && c == '\\' && i + 1 < line.size() &&
                       (line[i + 1] == '"' || line[i + 1] == '\\')) {
                word += line[++i];
            } else {
                word += c;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
            started = true;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (started) {
                words.push_back(std::move(word));
                word.clear();
                started = false;
            }
        } else {
            word += c;
            started = true;
        }
    }
    if (quote != 0) {
        return std::string("a ") + (quote == '"' ? "double" : "single") + " quote is not closed";
    }
    if (started) {
        words.push_back(std::move(word));
    }
    return words;
}

std::string options_words(const SimulationRequest& request, bool with_common) {
    const simulation::SimulationOptions& options = request.options;
    const simulation::SimulationOptions defaults;
    std::string text;
    const auto add = [&text](std::string_view name, const std::string& value) {
        text += (text.empty() ? "--" : " --") + std::string(name);
        if (!value.empty()) {
            text += " " + shell_word(value);
        }
    };
    if (with_common && options.rounds != defaults.rounds) {
        add("rounds", std::to_string(options.rounds));
    }
    if (options.decks != defaults.decks) {
        add("decks", std::to_string(options.decks));
    }
    if (options.rules != defaults.rules) {
        add("rules", rules_text(options.rules));
    }
    if (with_common && options.seed != defaults.seed) {
        add("seed", std::to_string(options.seed));
    }
    if (options.cut_card) {
        add("cut-card", std::to_string(*options.cut_card));
    } else if (options.penetration != defaults.penetration) {
        add("penetration", number_text(options.penetration));
    }
    if (options.players != defaults.players) {
        add("players", std::to_string(options.players));
    }
    if (options.play != defaults.play) {
        add("play", simulation::play_name(options.play));
    }
    if (options.count != defaults.count) {
        const bool built_in =
            std::find(counting::built_in_counts().begin(), counting::built_in_counts().end(),
                      options.count) != counting::built_in_counts().end();
        add("count", built_in ? options.count.name : counting::tags_text(options.count));
    }
    if (options.indices != defaults.indices) {
        add("indices", simulation::index_set_name(options.indices));
    }
    if (request.optimal_ramp) {
        add("ramp", "optimal");
        add("spread", std::to_string(request.optimal_ramp->spread));
        if (request.optimal_ramp->pilot_rounds) {
            add("pilot-rounds", std::to_string(*request.optimal_ramp->pilot_rounds));
        }
    } else if (!options.ramp.empty()) {
        add("ramp", simulation::ramp_text(options.ramp));
    }
    if (options.wong_out) {
        add("wong-out", std::to_string(*options.wong_out));
    }
    if (options.back_count) {
        add("back-count", std::to_string(options.back_count->enter) + ":" +
                              std::to_string(options.back_count->leave));
    }
    if (options.tc_decks != defaults.tc_decks) {
        add("tc-decks", simulation::tc_decks_name(options.tc_decks));
    }
    if (options.tc_division != defaults.tc_division) {
        add("tc-division", simulation::tc_division_name(options.tc_division));
    }
    if (request.rounds_per_hour) {
        add("rounds-per-hour", number_text(*request.rounds_per_hour));
    }
    if (with_common && request.bankroll) {
        add("bankroll", number_text(*request.bankroll));
    }
    if (with_common && request.trip) {
        add("trip", std::to_string(*request.trip));
    }
    return text;
}

}  // namespace tavolix
