// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "command_line.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <cerrno>
#include <optional>

#include "argument_text.h"
#include "batch.h"
#include "core/message_text.h"
#include "exit_status.h"
#include "i18n/translation.h"
#include "json_output.h"
#include "message.h"
#include "model/table_text.h"
#include "report_directory.h"
#include "table_request.h"
#include "table_run.h"

#ifndef TAVOLIX_VERSION
#error "TAVOLIX_VERSION must be defined by the build"
#endif

namespace tavolix::cli {

namespace {

struct Options {
    QCommandLineOption stand{
        QStringLiteral("stand"),
        QStringLiteral("Stand at N: a total from 12 to 21 (default 17); with --batch, for "
                       "the lines that give none."),
        QStringLiteral("N"), QString::number(kDefaultStand)};
    QCommandLineOption decks{
        QStringLiteral("decks"),
        QStringLiteral("Deal from a shoe of N decks: 1 to 8 (default 1); with --batch, for the "
                       "lines that give none."),
        QStringLiteral("N"), QString::number(kDefaultDecks)};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("Write the figures as one JSON object.")};
    QCommandLineOption reports{QStringLiteral("reports"),
                               QStringLiteral("Also write the four report files into DIR."),
                               QStringLiteral("DIR")};
    QCommandLineOption analysis{
        QStringLiteral("analysis"),
        QStringLiteral("Also give the exact analysis: each threshold 12..21 against the "
                       "dealer, and whether to stand, take a card or double now.")};
    QCommandLineOption batch{
        QStringLiteral("batch"),
        QStringLiteral("Read \"DEALER PLAYER [STAND [DECKS]]\" lines from standard input and "
                       "write one JSON object per line.")};
};

void describe(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(QStringLiteral(
        "Blackjack probabilities for a shoe of one deck of 52 cards (up to eight with --decks), "
        "for the dealer's hand DEALER and the player's hand PLAYER. A hand is a comma-separated "
        "list of faces (A,2,...,10,J,Q,K), entered in that order as on the card pads; a hand "
        "holds at most 4 cards of a face per deck, and both hands together no more cards of a "
        "value than the shoe has."));
    parser.addOptions({options.stand, options.decks, options.json, options.analysis,
                       options.reports, options.batch});
    parser.addPositionalArgument(QStringLiteral("DEALER"),
                                 QStringLiteral("The dealer's cards, e.g. 10 or A,6."));
    parser.addPositionalArgument(QStringLiteral("PLAYER"),
                                 QStringLiteral("The player's cards, at least two, e.g. 10,8."));
}

// The help, with what each exit status means.
QByteArray help_text(const QCommandLineParser& parser) {
    QByteArray text = parser.helpText().toUtf8();
    text += "\nExit status:\n";
    for (const auto& [status, meaning] : kExitStatusMeanings) {
        text += "  " + QByteArray::number(status) + "  " + meaning + "\n";
    }
    return text;
}

// Writes the whole of what goes to standard output: a failure to write any of
// it must not pass for success.
int write_output(std::ostream& out, std::ostream& err, const QByteArray& bytes, int status) {
    errno = 0;
    out.write(bytes.constData(), bytes.size());
    if (!out.flush()) {
        return fail(err, stream_failure("cannot write standard output", errno), kExitStreamFailed);
    }
    return status;
}

int run_one(const QCommandLineParser& parser, const Options& options, int stand_at, int decks,
            std::ostream& out, std::ostream& err) {
    const QStringList hands = parser.positionalArguments();
    if (hands.size() != 2) {
        return fail(err,
                    "expected the two hands DEALER and PLAYER, got " +
                        std::to_string(hands.size()) +
                        (hands.size() == 1 ? " argument" : " arguments") + " (see --help)",
                    kExitBadInput);
    }
    auto request = parse_table(argument_bytes(hands[0]), argument_bytes(hands[1]), stand_at, decks);
    if (const auto* error = std::get_if<InputError>(&request)) {
        return fail(err, error->message, kExitBadInput);
    }

    int status = kExitOk;
    std::optional<std::filesystem::path> report_directory;
    if (parser.isSet(options.reports)) {
        const std::filesystem::path directory = argument_bytes(parser.value(options.reports));
        if (auto problem = report_directory_problem(directory)) {
            fail(err, "--reports " + *problem + "; no report written", kExitReportFailed);
            status = kExitReportFailed;
        } else {
            report_directory = directory;
        }
    }

    const auto result = run_table(std::get<TableRequest>(request), report_directory);
    if (const auto* error = std::get_if<InputError>(&result)) {
        return fail(err, error->message, kExitBadInput);
    }
    const auto& outcome = std::get<TableOutcome>(result);
    // The model has already said on standard error which report failed.
    if (!outcome.report_errors.empty()) {
        status = kExitReportFailed;
    }
    const bool with_analysis = parser.isSet(options.analysis);
    if (parser.isSet(options.json)) {
        return write_output(
            out, err,
            QJsonDocument(table_json(outcome, with_analysis)).toJson(QJsonDocument::Indented),
            status);
    }
    std::string text = table_text(outcome.view, i18n::translated_model_words());
    if (with_analysis) {
        text += '\n';
        text += analysis_text(outcome.analysis_panel);
    }
    return write_output(out, err, QByteArray::fromStdString(text), status);
}

}  // namespace

int run_command_line(const QStringList& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err) {
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        return fail(err, printable(argument_bytes(parser.errorText())) + " (see --help)",
                    kExitBadInput);
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        return write_output(out, err, help_text(parser), kExitOk);
    }
    if (parser.isSet(version)) {
        return write_output(out, err, "tavolix-calc " TAVOLIX_VERSION "\n", kExitOk);
    }

    auto stand = parse_stand(argument_bytes(parser.value(options.stand)));
    if (const auto* error = std::get_if<InputError>(&stand)) {
        return fail(err, "--stand: " + error->message, kExitBadInput);
    }
    const int stand_at = std::get<int>(stand);
    auto deck_count = parse_decks(argument_bytes(parser.value(options.decks)));
    if (const auto* error = std::get_if<InputError>(&deck_count)) {
        return fail(err, "--decks: " + error->message, kExitBadInput);
    }
    const int decks = std::get<int>(deck_count);

    if (!parser.isSet(options.batch)) {
        return run_one(parser, options, stand_at, decks, out, err);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(err, "--batch reads the hands from standard input, not from arguments",
                    kExitBadInput);
    }
    if (parser.isSet(options.reports)) {
        return fail(err, "--reports cannot be used with --batch", kExitBadInput);
    }
    return run_batch(in, out, err, stand_at, decks, parser.isSet(options.analysis));
}

}  // namespace tavolix::cli
