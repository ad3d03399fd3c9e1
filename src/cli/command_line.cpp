#include "command_line.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <optional>

#include "batch.h"
#include "json_output.h"
#include "model/table_text.h"
#include "report_directory.h"
#include "table_request.h"
#include "table_run.h"

#ifndef TAVOLIX_VERSION
#error "TAVOLIX_VERSION must be defined by the build"
#endif

namespace tavolix::cli {

namespace {

constexpr const char* kProgram = "tavolix-calc";

struct Options {
    QCommandLineOption stand{
        QStringLiteral("stand"),
        QStringLiteral("Stand at N: a total from 12 to 21 (default 17); with --batch, for "
                       "the lines that give none."),
        QStringLiteral("N"), QString::number(kDefaultStand)};
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
        QStringLiteral("Read \"DEALER PLAYER [STAND]\" lines from standard input and write one "
                       "JSON object per line.")};
};

void describe(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(QStringLiteral(
        "Blackjack probabilities for one deck of 52 cards, for the dealer's hand DEALER and the "
        "player's hand PLAYER. A hand is a comma-separated list of faces (A,2,...,10,J,Q,K), "
        "entered in that order as on the card pads."));
    parser.addOptions(
        {options.stand, options.json, options.analysis, options.reports, options.batch});
    parser.addPositionalArgument(QStringLiteral("DEALER"),
                                 QStringLiteral("The dealer's cards, e.g. 10 or A,6."));
    parser.addPositionalArgument(QStringLiteral("PLAYER"),
                                 QStringLiteral("The player's cards, at least two, e.g. 10,8."));
}

int fail(std::ostream& err, const std::string& message, int status = kExitBadInput) {
    err << kProgram << ": " << message << '\n';
    return status;
}

void write(std::ostream& out, const QByteArray& bytes) {
    out.write(bytes.constData(), bytes.size());
}

int run_one(const QCommandLineParser& parser, const Options& options, int stand_at,
            std::ostream& out, std::ostream& err) {
    const QStringList hands = parser.positionalArguments();
    if (hands.size() != 2) {
        return fail(err, "expected the two hands DEALER and PLAYER, got " +
                             std::to_string(hands.size()) +
                             (hands.size() == 1 ? " argument" : " arguments") + " (see --help)");
    }
    auto request = parse_table(hands[0].toStdString(), hands[1].toStdString(), stand_at);
    if (const auto* error = std::get_if<InputError>(&request)) {
        return fail(err, error->message);
    }

    int status = kExitOk;
    std::optional<std::filesystem::path> report_directory;
    if (parser.isSet(options.reports)) {
        const std::filesystem::path directory = parser.value(options.reports).toStdString();
        if (auto problem = report_directory_problem(directory)) {
            fail(err, "--reports " + *problem + "; no report written", kExitReportFailed);
            status = kExitReportFailed;
        } else {
            report_directory = directory;
        }
    }

    const auto result = run_table(std::get<TableRequest>(request), report_directory);
    if (const auto* error = std::get_if<InputError>(&result)) {
        return fail(err, error->message);
    }
    const auto& outcome = std::get<TableOutcome>(result);
    // The model has already said on standard error which report failed.
    if (!outcome.report_errors.empty()) {
        status = kExitReportFailed;
    }
    const bool with_analysis = parser.isSet(options.analysis);
    if (parser.isSet(options.json)) {
        write(out,
              QJsonDocument(table_json(outcome, with_analysis)).toJson(QJsonDocument::Indented));
    } else {
        out << table_text(outcome.view);
        if (with_analysis) {
            out << '\n' << analysis_text(outcome.analysis_panel);
        }
    }
    out.flush();
    return status;
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
        return fail(err, parser.errorText().toStdString() + " (see --help)");
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        write(out, parser.helpText().toUtf8());
        return kExitOk;
    }
    if (parser.isSet(version)) {
        out << kProgram << ' ' << TAVOLIX_VERSION << '\n';
        return kExitOk;
    }

    auto stand = parse_stand(parser.value(options.stand).toStdString());
    if (const auto* error = std::get_if<InputError>(&stand)) {
        return fail(err, "--stand: " + error->message);
    }
    const int stand_at = std::get<int>(stand);

    if (!parser.isSet(options.batch)) {
        return run_one(parser, options, stand_at, out, err);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(err, "--batch reads the hands from standard input, not from arguments");
    }
    if (parser.isSet(options.reports)) {
        return fail(err, "--reports cannot be used with --batch");
    }
    return run_batch(in, out, stand_at, parser.isSet(options.analysis)) ? kExitOk
                                                                        : kExitBadBatchLines;
}

}  // namespace tavolix::cli
