// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "simulation_session.h"

namespace tavolix {

// Where an option of tavolix-sim may be given.
enum class OptionPlace {
    game,          // on the command line and on a line of a --compare file
    common,        // on the command line only, and then common to every game compared
    command_line,  // on the command line only: how the figures are written and kept
};

// One of tavolix-sim's options, as --help lists it.
struct SimulationOptionEntry {
    std::string_view name;   // without the dashes
    std::string_view value;  // what --help calls its value; empty for a switch
    std::string_view help;
    OptionPlace place;
};

// Every option, in the order --help lists them (help and version apart).
std::span<const SimulationOptionEntry> simulation_option_entries();

// An option as it was given, "--name VALUE" or "--name=VALUE", or a word
// that is no option (its name empty).
struct GivenOption {
    std::string name;
    std::string value;
};

// The words (a command line less the program's name, or a --compare line
// split as a shell splits it) as options: "--" ends the options. The fault,
// in one line, for an option that is not known, a missing value or a value
// given to a switch. -h, --help, --help-all, -v and --version are given as
// "help" and "version".
std::variant<std::vector<GivenOption>, std::string> options_of_words(
    std::span<const std::string> words);

// What tavolix-sim was asked to do.
struct SimulationArguments {
    SimulationRequest request;
    bool help = false;
    bool version = false;
    bool json = false;
    std::optional<std::string> checkpoint = std::nullopt;
    std::chrono::milliseconds checkpoint_every = std::chrono::seconds(5);
    std::optional<std::string> compare = std::nullopt;
    // The options given, less --compare, --json and the checkpoint's: what
    // each game of a --compare file is played with before its own line.
    std::vector<GivenOption> common = {};
};

// The options read as tavolix-sim reads them, the last of each taken; the
// fault in one line that names the option. With help or version asked for,
// the rest is not read.
std::variant<SimulationArguments, std::string> arguments_of(const std::vector<GivenOption>& given);

// Both steps, from the words.
std::variant<SimulationArguments, std::string> parse_simulation_arguments(
    std::span<const std::string> words);

// A line of options split into words as a shell splits them: blanks apart,
// single and double quotes holding blanks (and the other quote) together,
// and in double quotes a backslash keeping a quote or a backslash. The fault
// for a quote left open.
std::variant<std::vector<std::string>, std::string> words_of_line(std::string_view line);

// A request written back as tavolix-sim's options: the game's options that
// differ from the defaults (and the common ones when `with_common`), in the
// order --help lists them, quoted where a shell needs it. Reading them gives
// the same request back.
std::string options_words(const SimulationRequest& request, bool with_common = false);

}  // namespace tavolix
