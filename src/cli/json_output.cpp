// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "json_output.h"

#include <QJsonArray>
#include <QString>
#include <span>

#include "core/draw_walk.h"
#include "rules_json.h"

namespace tavolix::cli {

namespace {

struct OutcomeKey {
    const char* name;
    int column;
};
constexpr OutcomeKey kBancoKeys[] = {
    {"win", kDealerWins}, {"push", kPush}, {"lose", kDealerLoses}, {"bust", kBust}};
constexpr OutcomeKey kPlayerKeys[] = {{"stand", kStandColumn}, {"bust", kBust}};

template <class Figure>
QJsonObject figures(std::span<const OutcomeKey> keys, Figure figure) {
    QJsonObject object;
    for (const auto& key : keys) {
        object.insert(QLatin1String(key.name), figure(key.column));
    }
    return object;
}

QJsonObject side_json(const SideView& shown, const SideOutcome& side,
                      std::span<const OutcomeKey> keys) {
    const auto& results = side.draw_stats[0];
    return {
        {"text", QString::fromStdString(shown.cards)},
        {"sum", side.sum},
        {"soft", side.soft},
        {"all", figures(keys, [&](int column) { return results[column]; })},
        {"first",
         figures(keys, [&](int column) { return first_card_share(side.draw_stats, column); })},
        {"exact", figures(keys, [&](int column) { return side.exact[column]; })},
        {"depth", side.draw_depth},
        {"sequences", static_cast<qint64>(side.sequences)},
        {"panel",
         QJsonObject{
             {"prima_carta", QString::fromStdString(shown.panel.prima_carta)},
             {"tutte_combinazioni", QString::fromStdString(shown.panel.tutte_combinazioni)},
         }},
    };
}

QJsonObject outcome_json(const analysis::Outcome& outcome) {
    return {{"win", outcome.win}, {"push", outcome.push}, {"lose", outcome.lose}};
}

QJsonValue optional_number(const std::optional<double>& number) {
    return number ? QJsonValue(*number) : QJsonValue();
}

QJsonObject actions_json(const HandAnalysis& analysis) {
    return {
        {"stand", analysis.stand_ev},
        {"hit", optional_number(analysis.hit_ev)},
        {"double", optional_number(analysis.double_ev)},
        {"split", optional_number(analysis.split_ev)},
        {"surrender", optional_number(analysis.surrender_ev)},
    };
}

QJsonArray faces_json(const std::vector<Integer>& faces) {
    QJsonArray names;
    for (const Integer face : faces) {
        names.append(QString::fromStdString(face_name(face)));
    }
    return names;
}

// The shoe's keys, the same in every object that has figures.
void insert_shoe(QJsonObject& object, const ShoeOutcome& shoe) {
    QJsonArray by_value;
    for (int value = 1; value <= 10; ++value) {
        by_value.append(shoe.count.by_value[value]);
    }
    object.insert(QLatin1String("seen"), faces_json(shoe.seen));
    object.insert(QLatin1String("shoe"),
                  QJsonObject{{"left", shoe.count.left}, {"by_value", by_value}});
    // No table leaves the shoe empty (run_table refuses it), so the true
    // count always has decks to share the running count among.
    object.insert(QLatin1String("count"),
                  QJsonObject{{"running", shoe.count.running}, {"true", shoe.count.true_count}});
}

QJsonArray chart_rows_json(const std::vector<strategy::ChartRow>& rows) {
    QJsonArray array;
    for (const strategy::ChartRow& row : rows) {
        QJsonArray cells;
        for (const strategy::ChartCell& cell : row.cells) {
            cells.append(QJsonObject{
                {"up", QString::fromStdString(value_text(cell.up))},
                {"code", cell.code.empty() ? QJsonValue() : QString::fromStdString(cell.code)},
                {"marked", cell.marked},
            });
        }
        array.append(QJsonObject{{"row", QString::fromStdString(row.label)}, {"cells", cells}});
    }
    return array;
}

QJsonObject analysis_json(const HandAnalysis& analysis) {
    QJsonArray rows;
    for (int n = analysis::kLowestThreshold; n <= analysis::kHighestThreshold; ++n) {
        QJsonObject row = outcome_json(analysis.row(n));
        row.insert(QLatin1String("n"), n);
        row.insert(QLatin1String("ev"), analysis.row(n).ev());
        rows.append(row);
    }
    return {
        {"stand_at", rows},
        {"best_stand_at", analysis.best_stand_at},
        {"actions", actions_json(analysis)},
        {"insurance", optional_number(analysis.insurance_ev)},
        {"no_dealer_blackjack", analysis.no_dealer_blackjack},
        {"natural", analysis.natural},
        {"dealer_natural", analysis.dealer_natural},
        {"advice", QLatin1String(advice_key(analysis.advice))},
        {"advice_outcome", analysis.advice_outcome
                               ? QJsonValue(outcome_json(*analysis.advice_outcome))
                               : QJsonValue()},
    };
}

}  // namespace

QJsonObject table_json(const TableOutcome& outcome, bool with_analysis) {
    QJsonObject table{
        {"stand_at", outcome.view.stand_at},
        {"banco", side_json(outcome.view.banco, outcome.banco, kBancoKeys)},
        {"player", side_json(outcome.view.player, outcome.player, kPlayerKeys)},
    };
    table.insert(QLatin1String("rules"), rules_json(outcome.view.rules));
    table.insert(QLatin1String("rules_text"),
                 QString::fromStdString(rules_text(outcome.view.rules)));
    // A table without "decks" is a one-deck table, as it has always been.
    if (outcome.view.decks != kDefaultDecks) {
        table.insert(QLatin1String("decks"), outcome.view.decks);
    }
    if (with_analysis) {
        table.insert(QLatin1String("analysis"), analysis_json(outcome.analysis));
    }
    insert_shoe(table, outcome.shoe);
    return table;
}

QJsonObject strategy_json(const StrategyOutcome& outcome) {
    const Strategy& strategy = outcome.strategy;
    QJsonArray stand_at;
    for (const strategy::StandAtEv& row : strategy.stand_at) {
        stand_at.append(QJsonObject{{"n", row.n}, {"ev", row.ev}});
    }
    QJsonArray hands;
    for (const strategy::InitialHand& hand : strategy.hands) {
        hands.append(QJsonObject{
            {"up", QString::fromStdString(value_text(hand.up))},
            {"player", QJsonArray{QString::fromStdString(value_text(hand.first)),
                                  QString::fromStdString(value_text(hand.second))}},
            {"probability", hand.probability},
            {"actions", actions_json(hand.plays)},
            {"play", QLatin1String(advice_key(hand.plays.advice))},
            {"ev", hand.ev},
        });
    }
    QJsonObject object{
        {"rules", rules_json(strategy.rules)},
        {"rules_text", QString::fromStdString(rules_text(strategy.rules))},
        {"decks", outcome.request.decks},
        {"round_ev", strategy.round_ev},
        {"round_variance", strategy.round_variance},
        {"stand_at_round_ev", stand_at},
        {"best_stand_at", strategy.best_stand_at},
        {"hands", hands},
        {"chart", QJsonObject{{"hard", chart_rows_json(strategy.chart.hard)},
                              {"soft", chart_rows_json(strategy.chart.soft)},
                              {"pairs", chart_rows_json(strategy.chart.pairs)}}},
    };
    insert_shoe(object, outcome.shoe);
    return object;
}

QJsonObject error_json(long long line, const std::string& message) {
    return {{"line", static_cast<qint64>(line)}, {"error", QString::fromStdString(message)}};
}

}  // namespace tavolix::cli
