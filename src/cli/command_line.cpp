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
#include "counter_run.h"
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
    QCommandLineOption rules{
        QStringLiteral("rules"),
        QStringLiteral("Play by the rules TEXT, in the shorthand of \"Rules\" below (default "
                       "TABLE, the window's own dealer); with --batch, for the lines that give "
                       "none."),
        QStringLiteral("TEXT"), QStringLiteral("TABLE")};
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
        QStringLiteral("Read \"DEALER PLAYER [STAND [DECKS [RULES [SEEN]]]]\" lines from "
                       "standard input and write one JSON object per line. RULES has commas "
                       "between its tokens (S17,DAS,LS), SEEN between its faces (5,6,K); a "
                       "field left out, or given as -, takes its option's value.")};
    QCommandLineOption seen{
        QStringLiteral("seen"),
        QStringLiteral("Take the cards FACES, a comma-separated list of faces like a hand's, "
                       "out of the shoe before the deal, as cards of earlier rounds: every "
                       "figure, the analysis and --strategy are worked out from the cards "
                       "left. A card the shoe cannot have, counting both hands, is refused. "
                       "With --batch, for the lines that give none."),
        QStringLiteral("FACES")};
    QCommandLineOption strategy{
        QStringLiteral("strategy"),
        QStringLiteral("Instead of a table, the whole round from the shoe (full decks, less "
                       "--seen): the player's EV per unit bet played perfectly, and the house "
                       "edge; the EV of standing at every N from 12 to 21; the chart of the "
                       "plays for every hand against every up card. No hands, no --batch."),
    };
    QCommandLineOption count{
        QStringLiteral("count"),
        QStringLiteral("Count the shoe by NAME (hilo, ko, hiopt1, hiopt2, omega2, zen, halves; "
                       "default hilo) or by TAGS, ten comma-separated tags, ace first, halves "
                       "as 0.5: the shoe's count in the text and the JSON, and the count of "
                       "--eor and --indices."),
        QStringLiteral("NAME|TAGS"), QStringLiteral("hilo")};
    QCommandLineOption eor{
        QStringLiteral("eor"),
        QStringLiteral("Instead of a table, the effects of removal: the change of the whole "
                       "round's EV, and of insurance's, when one card of each value leaves the "
                       "shoe (full decks, less --seen), with the betting and insurance "
                       "correlations of --count and of every built-in count. No hands.")};
    QCommandLineOption indices{
        QStringLiteral("indices"),
        QStringLiteral("Instead of a table, the index plays of --count (a balanced one) for the "
                       "rules and decks: each play of the chart, and insurance, that changes "
                       "within true counts -10..+10, at the floored true count it changes at. "
                       "No hands.")};
    QCommandLineOption csv{
        QStringLiteral("csv"),
        QStringLiteral("With --strategy: write one CSV line per deal (up card, the player's two "
                       "cards, its probability, each play's EV, the play and its EV).")};
};

void describe(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(QStringLiteral(
        "Blackjack probabilities for a shoe of one deck of 52 cards (up to eight with --decks), "
        "for the dealer's hand DEALER and the player's hand PLAYER. A hand is a comma-separated "
        "list of faces (A,2,...,10,J,Q,K), entered in that order as on the card pads; a hand "
        "holds at most 4 cards of a face per deck, and both hands together no more cards of a "
        "value than the shoe has. With --strategy there are no hands: the figures are those of "
        "the whole round, every deal of the shoe played."));
    parser.addOptions({options.stand, options.decks, options.rules, options.seen, options.json,
                       options.analysis, options.reports, options.batch, options.strategy,
                       options.csv, options.count, options.eor, options.indices});
    parser.addPositionalArgument(QStringLiteral("DEALER"),
                                 QStringLiteral("The dealer's cards, e.g. 10 or A,6."));
    parser.addPositionalArgument(QStringLiteral("PLAYER"),
                                 QStringLiteral("The player's cards, at least two, e.g. 10,8."));
}

// The rules' shorthand, token by token; parse_rules() reads it.
constexpr const char* kRulesHelp =
    "\nRules:\n"
    "  The shorthand of --rules and of a batch line's RULES: tokens in any order\n"
    "  and either case, separated by commas (or blanks, in --rules), each setting\n"
    "  at most once. A setting left out keeps its default: the first token of its\n"
    "  line, or none.\n"
    "\n"
    "  TABLE S17 H17        the dealer: TABLE draws to 15 and on 16 stands when 16\n"
    "                       beats or ties the player; S17 draws to 16 and stands\n"
    "                       on every 17; H17 draws on soft 17 too\n"
    "  PEEK ENHC            with S17 or H17: the hole card is checked for a\n"
    "                       blackjack behind an ace or a ten, or none is dealt\n"
    "                       until the player has played\n"
    "  BJ3:2 BJ6:5 BJ1:1    with S17 or H17: what a natural pays\n"
    "  DOA D9 D10 NODBL     double on any two cards, on hard 9 to 11, on hard 10\n"
    "                       to 11, or never\n"
    "  NDAS DAS             double after a split: no, or yes\n"
    "  SPL3 SPL2 SPL1 SPL0  split at most 3, 2, 1 or 0 times\n"
    "  RSA                  resplit aces (needs SPL3 or SPL2)\n"
    "  HSA                  hit split aces\n"
    "  LS                   late surrender\n"
    "  CDP1 CDZ- CDP OPT    with S17 or H17: how split hands are played, and so\n"
    "  PERHAND              every split's figure. CDP1 knows both pair cards are\n"
    "                       gone; CDZ- plays as before the split; CDP also knows\n"
    "                       how many hands the split made; OPT (needs SPL1) plays\n"
    "                       the second hand best for the cards left; PERHAND\n"
    "                       works out each hand alone, the others' cards unknown\n";

// What --seen and --strategy give besides the options' lines.
constexpr const char* kShoeHelp =
    "\nThe shoe:\n"
    "  The cards of --seen (or of a batch line's SEEN) are out of play before the\n"
    "  deal, as cards of earlier rounds would be; both hands and the cards seen\n"
    "  together hold no more cards of a face or a value than the shoe has, and\n"
    "  leave it at least one card. With cards seen the text tells the cards out\n"
    "  by value and the shoe left with its Hi-Lo count (2 to 6 count +1, 7 to 9\n"
    "  nothing, tens and aces -1, over every card out of the shoe: the cards seen\n"
    "  and both hands) and the true count, the running count per deck left. Every\n"
    "  JSON object has \"seen\", \"shoe\" (\"left\" and \"by_value\", ten counts\n"
    "  from the ace to the tens) and \"count\" (\"running\" and \"true\").\n"
    "\n"
    "  The round of --strategy is played from that shoe: each up card against\n"
    "  each of the player's two-card hands, every play's exact EV, the best one,\n"
    "  and the chart by hard total, soft total and pair against the up cards\n"
    "  2..10, A.\n"
    "  A code Dh or Ds doubles, else hits or stands; Rh or Rs surrenders, else\n"
    "  hits or stands; a starred cell has hands of its row that play otherwise,\n"
    "  listed under the chart. --json gives the deals and the chart as one object,\n"
    "  --csv one line per deal.\n";

// The help, with the rules' shorthand and what each exit status means.
QByteArray help_text(const QCommandLineParser& parser) {
    QByteArray text = parser.helpText().toUtf8();
    text += kRulesHelp;
    text += kShoeHelp;
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

// With cards seen, the shoe's two lines close the text's first block: a
// table or a chart with none reads as it always has.
std::string with_shoe_lines(std::string text, const ShoeOutcome& shoe) {
    if (shoe.seen.empty()) {
        return text;
    }
    const auto block_end = text.find("\n\n");
    const std::size_t at = block_end == std::string::npos ? text.size() : block_end + 1;
    text.insert(at, shoe.cards_out_text + '\n' + shoe.count_text + '\n');
    return text;
}

// Options that ask about one table, or about many, say nothing of a whole
// round; nor do those that shape an output the round does not have.
std::optional<std::string> strategy_misuse(const QCommandLineParser& parser,
                                           const Options& options) {
    if (!parser.positionalArguments().isEmpty()) {
        return "--strategy takes no hands: it plays every hand against every up card";
    }
    for (const auto* option :
         {&options.batch, &options.analysis, &options.reports, &options.stand}) {
        if (parser.isSet(*option)) {
            return "--" + option->names().front().toStdString() + " cannot be used with --strategy";
        }
    }
    if (parser.isSet(options.json) && parser.isSet(options.csv)) {
        return "--json and --csv cannot be used together";
    }
    return std::nullopt;
}

// The counter's numbers take no hands and shape no output but text and JSON.
std::optional<std::string> counter_misuse(const QCommandLineParser& parser,
                                          const Options& options) {
    const char* asked = parser.isSet(options.eor) ? "--eor" : "--indices";
    if (parser.isSet(options.eor) && parser.isSet(options.indices)) {
        return "--eor and --indices cannot be used together";
    }
    if (!parser.positionalArguments().isEmpty()) {
        return std::string(asked) + " takes no hands: it works out every hand of the round";
    }
    for (const auto* option : {&options.batch, &options.analysis, &options.reports, &options.stand,
                               &options.strategy, &options.csv}) {
        if (parser.isSet(*option)) {
            return "--" + option->names().front().toStdString() + " cannot be used with " + asked;
        }
    }
    return std::nullopt;
}

int run_counter(const QCommandLineParser& parser, const Options& options,
                const TableRequest& settings, std::ostream& out, std::ostream& err) {
    if (auto misuse = counter_misuse(parser, options)) {
        return fail(err, *misuse, kExitBadInput);
    }
    const bool json = parser.isSet(options.json);
    QByteArray bytes;
    if (parser.isSet(options.eor)) {
        const auto result = run_removal_effects(settings);
        if (const auto* error = std::get_if<InputError>(&result)) {
            return fail(err, error->message, kExitBadInput);
        }
        const auto& outcome = std::get<EffectsOutcome>(result);
        bytes = json ? QJsonDocument(removal_effects_json(outcome)).toJson(QJsonDocument::Indented)
                     : QByteArray::fromStdString(
                           removal_effects_text(outcome.effects, settings.count, settings.decks,
                                                i18n::translated_counter_words()));
    } else {
        const auto result = run_indices(settings);
        if (const auto* error = std::get_if<InputError>(&result)) {
            return fail(err, error->message, kExitBadInput);
        }
        const auto& outcome = std::get<IndicesOutcome>(result);
        bytes = json ? QJsonDocument(indices_json(outcome)).toJson(QJsonDocument::Indented)
                     : QByteArray::fromStdString(index_table_text(
                           outcome.table, settings.decks, i18n::translated_counter_words()));
    }
    return write_output(out, err, bytes, kExitOk);
}

int run_round(const QCommandLineParser& parser, const Options& options,
              const TableRequest& settings, std::ostream& out, std::ostream& err) {
    if (auto misuse = strategy_misuse(parser, options)) {
        return fail(err, *misuse, kExitBadInput);
    }
    const auto result =
        run_strategy_table(settings.rules, settings.decks, settings.seen, settings.count);
    if (const auto* error = std::get_if<InputError>(&result)) {
        return fail(err, error->message, kExitBadInput);
    }
    const auto& outcome = std::get<StrategyOutcome>(result);
    if (parser.isSet(options.json)) {
        return write_output(out, err,
                            QJsonDocument(strategy_json(outcome)).toJson(QJsonDocument::Indented),
                            kExitOk);
    }
    if (parser.isSet(options.csv)) {
        return write_output(out, err, QByteArray::fromStdString(strategy_csv(outcome.strategy)),
                            kExitOk);
    }
    const std::string text =
        strategy_text(outcome.strategy, outcome.request.decks, i18n::translated_strategy_words(),
                      i18n::translated_model_words());
    return write_output(out, err, QByteArray::fromStdString(with_shoe_lines(text, outcome.shoe)),
                        kExitOk);
}

// `settings` holds the options' threshold, decks and rules, and no hands.
int run_one(const QCommandLineParser& parser, const Options& options, const TableRequest& settings,
            std::ostream& out, std::ostream& err) {
    const QStringList hands = parser.positionalArguments();
    if (hands.size() != 2) {
        return fail(err,
                    "expected the two hands DEALER and PLAYER, got " +
                        std::to_string(hands.size()) +
                        (hands.size() == 1 ? " argument" : " arguments") + " (see --help)",
                    kExitBadInput);
    }
    auto request = parse_table(argument_bytes(hands[0]), argument_bytes(hands[1]),
                               settings.stand_at, settings.decks, settings.rules);
    if (const auto* error = std::get_if<InputError>(&request)) {
        return fail(err, error->message, kExitBadInput);
    }
    std::get<TableRequest>(request).seen = settings.seen;
    std::get<TableRequest>(request).count = settings.count;

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
    std::string text =
        with_shoe_lines(table_text(outcome.view, i18n::translated_model_words()), outcome.shoe);
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

    // The options' threshold, decks and rules; the hands come later.
    TableRequest settings;
    auto stand = parse_stand(argument_bytes(parser.value(options.stand)));
    if (const auto* error = std::get_if<InputError>(&stand)) {
        return fail(err, "--stand: " + error->message, kExitBadInput);
    }
    settings.stand_at = std::get<int>(stand);
    auto deck_count = parse_decks(argument_bytes(parser.value(options.decks)));
    if (const auto* error = std::get_if<InputError>(&deck_count)) {
        return fail(err, "--decks: " + error->message, kExitBadInput);
    }
    settings.decks = std::get<int>(deck_count);
    auto rules = parse_table_rules(argument_bytes(parser.value(options.rules)));
    if (const auto* error = std::get_if<InputError>(&rules)) {
        return fail(err, "--rules: " + error->message, kExitBadInput);
    }
    settings.rules = std::get<TableRules>(rules);
    auto seen = parse_seen(argument_bytes(parser.value(options.seen)));
    if (const auto* error = std::get_if<InputError>(&seen)) {
        return fail(err, "--seen: " + error->message, kExitBadInput);
    }
    settings.seen = std::get<std::vector<Integer>>(seen);
    auto count = counting::parse_count(argument_bytes(parser.value(options.count)));
    if (const auto* error = std::get_if<counting::CountError>(&count)) {
        return fail(err, "--count: " + error->message, kExitBadInput);
    }
    settings.count = std::get<counting::Count>(count);

    if (parser.isSet(options.eor) || parser.isSet(options.indices)) {
        return run_counter(parser, options, settings, out, err);
    }
    if (parser.isSet(options.strategy)) {
        return run_round(parser, options, settings, out, err);
    }
    if (parser.isSet(options.csv)) {
        return fail(
            err, "--csv writes the hands of --strategy; a table's figures come as text or --json",
            kExitBadInput);
    }
    if (!parser.isSet(options.batch)) {
        return run_one(parser, options, settings, out, err);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(err, "--batch reads the hands from standard input, not from arguments",
                    kExitBadInput);
    }
    if (parser.isSet(options.reports)) {
        return fail(err, "--reports cannot be used with --batch", kExitBadInput);
    }
    return run_batch(in, out, err, settings.stand_at, settings.decks, settings.rules,
                     parser.isSet(options.analysis), settings.seen, settings.count);
}

}  // namespace tavolix::cli
