// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "sim_options.h"

#include <QCommandLineParser>

#include "argument_text.h"

#ifndef TAVOLIX_VERSION
#error "TAVOLIX_VERSION must be defined by the build"
#endif

namespace tavolix::cli {

namespace {

// Qt's parser lays the help out as every Qt program's; the options
// themselves are read by the model.
std::string help_text() {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays a blackjack game out round after round, as a card counter would, and gives "
        "the win rate, its deviation, N0, SCORE and the risk of ruin."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const SimulationOptionEntry& entry : simulation_option_entries()) {
        const QString name = QString::fromLatin1(entry.name.data(), entry.name.size());
        const QString help = QString::fromUtf8(entry.help.data(), entry.help.size());
        if (entry.value.empty()) {
            parser.addOption(QCommandLineOption(name, help));
        } else {
            parser.addOption(QCommandLineOption(
                name, help, QString::fromLatin1(entry.value.data(), entry.value.size())));
        }
    }
    std::string text = parser.helpText().toStdString();
    text +=
        "\nExit status:\n  0  the figures were written\n  2  bad options, a bad --compare "
        "line or a refused checkpoint\n  3  the checkpoint could not be written\n  4  standard "
        "output could not be written\n  130  stopped (the checkpoint keeps the blocks done)\n";
    return text;
}

}  // namespace

std::variant<SimRequest, SimInfo, std::string> parse_sim_arguments(const QStringList& arguments) {
    std::vector<std::string> words;
    for (qsizetype at = 1; at < arguments.size(); ++at) {
        words.push_back(argument_bytes(arguments[at]));
    }
    auto parsed = parse_simulation_arguments(words);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        return std::move(*error);
    }
    SimulationArguments& read = std::get<SimulationArguments>(parsed);
    if (read.help) {
        return SimInfo{help_text()};
    }
    if (read.version) {
        return SimInfo{"tavolix-sim " TAVOLIX_VERSION "\n"};
    }
    SimRequest request;
    static_cast<SimulationRequest&>(request) = std::move(read.request);
    request.json = read.json;
    request.checkpoint = std::move(read.checkpoint);
    request.checkpoint_every = read.checkpoint_every;
    request.compare = std::move(read.compare);
    request.common = std::move(read.common);
    return request;
}

}  // namespace tavolix::cli
