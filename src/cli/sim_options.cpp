// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "sim_options.h"

#include <QCommandLineParser>
#include <cmath>
#include <thread>

#include "argument_text.h"
#include "exit_status.h"

#ifndef TAVOLIX_VERSION
#error "TAVOLIX_VERSION must be defined by the build"
#endif

namespace tavolix::cli {

namespace {

using simulation::IndexSet;
using simulation::PlayStyle;

QCommandLineOption valued(const char* name, const char* help, const char* value,
                          const QString& fallback = {}) {
    return {QString::fromLatin1(name), QString::fromUtf8(help), QString::fromLatin1(value),
            fallback};
}

struct SimOptions {
    QCommandLineOption rounds =
        valued("rounds", "Deal N rounds (default 10000000).", "N", QStringLiteral("10000000"));
    QCommandLineOption decks =
        valued("decks", "A shoe of N decks, 1 to 8 (default 6).", "N", QStringLiteral("6"));
    QCommandLineOption rules =
        valued("rules", "The rules in tavolix-calc's shorthand; S17 or H17 (default S17).", "TEXT",
               QStringLiteral("S17"));
    QCommandLineOption seed =
        valued("seed", "The random streams' seed (default 1).", "S", QStringLiteral("1"));
    QCommandLineOption threads = valued("threads", "Run on N threads (default: every core).", "N");
    QCommandLineOption penetration =
        valued("penetration",
               "Reshuffle after the round in which this fraction of the shoe was dealt, 0 to 1 "
               "(default 0.75); 0 deals every round from a fresh shoe.",
               "F", QStringLiteral("0.75"));
    QCommandLineOption cut_card =
        valued("cut-card", "Reshuffle after the round in which the N-th card came out.", "N");
    QCommandLineOption players =
        valued("players", "K seats, 1 to 7, all playing alike; the first is measured.", "K",
               QStringLiteral("1"));
    QCommandLineOption play =
        valued("play",
               "basic: the chart by totals; composition: each hand by its own cards, as the exact "
               "analysis of the full shoe advises (default basic).",
               "HOW", QStringLiteral("basic"));
    QCommandLineOption count =
        valued("count",
               "The count: hilo, ko, hiopt1, hiopt2, omega2, zen, halves, or ten tags, ace "
               "first (default hilo).",
               "COUNT", QStringLiteral("hilo"));
    QCommandLineOption indices = valued(
        "indices", "Index plays: none, i18 or all, worked out for these rules (default none).",
        "SET", QStringLiteral("none"));
    QCommandLineOption ramp = valued(
        "ramp", "Units bet by floored true count, \"TC:UNITS,...\" (default a flat unit).", "RAMP");
    QCommandLineOption wong_out =
        valued("wong-out", "No bet while the true count is below TC.", "TC");
    QCommandLineOption bankroll =
        valued("bankroll", "Give the risk of ruin of a bankroll of UNITS.", "UNITS");
    QCommandLineOption trip =
        valued("trip", "With --bankroll: the risk of ruin within ROUNDS rounds.", "ROUNDS");
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("Write the figures as one JSON object.")};
    QCommandLineOption checkpoint =
        valued("checkpoint",
               "Keep the run's state in FILE every few seconds and at Ctrl-C; started again with "
               "the same options and FILE, the run goes on from it.",
               "FILE");
    QCommandLineOption checkpoint_every =
        valued("checkpoint-every",
               "With --checkpoint: write it every SECONDS (0.1 to 86400, default 5).", "SECONDS");
};

std::string option_name(const QCommandLineOption& option) {
    return "--" + option.names().front().toStdString();
}

template <class Number>
std::optional<Number> whole(const QString& text) {
    bool ok = false;
    const qulonglong value = text.trimmed().toULongLong(&ok);
    if (!ok || value > static_cast<qulonglong>(std::numeric_limits<Number>::max())) {
        return std::nullopt;
    }
    return static_cast<Number>(value);
}

std::optional<int> signed_whole(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::string quoted(const QCommandLineParser& parser, const QCommandLineOption& option) {
    return option_name(option) + " \"" + argument_bytes(parser.value(option)) + "\"";
}

std::variant<SimRequest, std::string> read(const QCommandLineParser& parser, const SimOptions& o) {
    if (!parser.positionalArguments().isEmpty()) {
        return "unexpected argument \"" + argument_bytes(parser.positionalArguments().front()) +
               "\" (see --help)";
    }
    SimRequest request;
    simulation::SimulationOptions& options = request.options;
    const auto rounds = whole<std::uint64_t>(parser.value(o.rounds));
    if (!rounds || *rounds < 1) {
        return quoted(parser, o.rounds) + " is not a number of rounds";
    }
    options.rounds = *rounds;
    const auto decks = whole<int>(parser.value(o.decks));
    if (!decks || *decks < 1 || *decks > simulation::kMostDecks) {
        return quoted(parser, o.decks) + ": decks must be 1 to 8";
    }
    options.decks = *decks;
    auto rules = parse_rules(argument_bytes(parser.value(o.rules)));
    if (const auto* error = std::get_if<RulesError>(&rules)) {
        return "--rules: " + error->message;
    }
    options.rules = std::get<TableRules>(rules);
    const auto seed = whole<std::uint64_t>(parser.value(o.seed));
    if (!seed) {
        return quoted(parser, o.seed) + " is not a whole number";
    }
    options.seed = *seed;
    request.threads = std::max(1u, std::thread::hardware_concurrency());
    if (parser.isSet(o.threads)) {
        const auto threads = whole<unsigned>(parser.value(o.threads));
        if (!threads || *threads < 1 || *threads > 1024) {
            return quoted(parser, o.threads) + ": threads must be 1 to 1024";
        }
        request.threads = *threads;
    }
    if (parser.isSet(o.penetration) && parser.isSet(o.cut_card)) {
        return "--penetration and --cut-card cannot be used together";
    }
    bool ok = false;
    options.penetration = parser.value(o.penetration).trimmed().toDouble(&ok);
    if (!ok || !(options.penetration >= 0 && options.penetration <= 1)) {
        return quoted(parser, o.penetration) + ": penetration must be between 0 and 1";
    }
    if (parser.isSet(o.cut_card)) {
        const auto cut = whole<int>(parser.value(o.cut_card));
        if (!cut || *cut < 1 || *cut > options.decks * 52) {
            return quoted(parser, o.cut_card) + ": the cut card must be 1 to " +
                   std::to_string(options.decks * 52) + ", inside the shoe";
        }
        options.cut_card = *cut;
    }
    const auto players = whole<int>(parser.value(o.players));
    if (!players || *players < 1 || *players > simulation::kMostPlayers) {
        return quoted(parser, o.players) + ": players must be 1 to 7";
    }
    options.players = *players;
    const QString play = parser.value(o.play).trimmed().toLower();
    if (play != QStringLiteral("basic") && play != QStringLiteral("composition")) {
        return quoted(parser, o.play) + ": play basic or composition";
    }
    options.play = play == QStringLiteral("basic") ? PlayStyle::basic : PlayStyle::composition;
    auto count = counting::parse_count(argument_bytes(parser.value(o.count)));
    if (const auto* error = std::get_if<counting::CountError>(&count)) {
        return "--count: " + error->message;
    }
    options.count = std::get<counting::Count>(count);
    const QString indices = parser.value(o.indices).trimmed().toLower();
    if (indices == QStringLiteral("none")) {
        options.indices = IndexSet::none;
    } else if (indices == QStringLiteral("i18")) {
        options.indices = IndexSet::i18;
    } else if (indices == QStringLiteral("all")) {
        options.indices = IndexSet::all;
    } else {
        return quoted(parser, o.indices) + ": indices none, i18 or all";
    }
    if (parser.isSet(o.ramp)) {
        auto ramp = simulation::parse_ramp(argument_bytes(parser.value(o.ramp)));
        if (const auto* error = std::get_if<simulation::RampError>(&ramp)) {
            return "--ramp: " + simulation::ramp_error_text(*error);
        }
        options.ramp = std::get<std::vector<simulation::RampStep>>(ramp);
    }
    if (parser.isSet(o.wong_out)) {
        const auto wong = signed_whole(parser.value(o.wong_out));
        if (!wong || *wong < -10 || *wong > 10) {
            return quoted(parser, o.wong_out) + ": a true count from -10 to 10";
        }
        options.wong_out = *wong;
    }
    if (parser.isSet(o.bankroll)) {
        const double bankroll = parser.value(o.bankroll).trimmed().toDouble(&ok);
        if (!ok || !(bankroll > 0) || !std::isfinite(bankroll)) {
            return quoted(parser, o.bankroll) + ": the bankroll must be more than 0 units";
        }
        request.bankroll = bankroll;
    }
    if (parser.isSet(o.trip)) {
        const auto trip = whole<std::uint64_t>(parser.value(o.trip));
        if (!trip || *trip < 1) {
            return quoted(parser, o.trip) + ": a trip is at least one round";
        }
        if (!request.bankroll) {
            return "--trip needs --bankroll";
        }
        request.trip = *trip;
    }
    request.json = parser.isSet(o.json);
    if (parser.isSet(o.checkpoint)) {
        request.checkpoint = argument_bytes(parser.value(o.checkpoint));
        if (request.checkpoint->empty()) {
            return "--checkpoint needs a file name";
        }
    }
    if (parser.isSet(o.checkpoint_every)) {
        const double seconds = parser.value(o.checkpoint_every).trimmed().toDouble(&ok);
        if (!ok || !(seconds >= 0.1 && seconds <= 86400)) {
            return quoted(parser, o.checkpoint_every) + ": seconds must be 0.1 to 86400";
        }
        if (!request.checkpoint) {
            return "--checkpoint-every needs --checkpoint";
        }
        request.checkpoint_every =
            std::chrono::milliseconds(static_cast<std::int64_t>(std::lround(seconds * 1000)));
    }
    if (const auto fault = simulation::options_fault(options)) {
        return *fault;
    }
    return request;
}

}  // namespace

std::variant<SimRequest, SimInfo, std::string> parse_sim_arguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays a blackjack game out round after round, as a card counter would, and gives "
        "the win rate, its deviation, N0, SCORE and the risk of ruin."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const SimOptions options;
    for (const auto* option :
         {&options.rounds, &options.decks, &options.rules, &options.seed, &options.threads,
          &options.penetration, &options.cut_card, &options.players, &options.play, &options.count,
          &options.indices, &options.ramp, &options.wong_out, &options.bankroll, &options.trip,
          &options.json, &options.checkpoint, &options.checkpoint_every}) {
        parser.addOption(*option);
    }
    if (!parser.parse(arguments)) {
        return parser.errorText().toStdString();
    }
    if (parser.isSet(help)) {
        std::string text = parser.helpText().toStdString();
        text +=
            "\nExit status:\n  0  the figures were written\n  2  bad options or a refused "
            "checkpoint\n  3  the checkpoint could not be written\n  4  standard output "
            "could not be written\n  130  stopped (the checkpoint keeps the blocks done)\n";
        return SimInfo{text};
    }
    if (parser.isSet(version)) {
        return SimInfo{"tavolix-sim " TAVOLIX_VERSION "\n"};
    }
    auto request = read(parser, options);
    if (auto* error = std::get_if<std::string>(&request)) {
        return *error;
    }
    return std::get<SimRequest>(std::move(request));
}

}  // namespace tavolix::cli
