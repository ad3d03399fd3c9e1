// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "json_output.h"

#include <QJsonArray>
#include <QString>
#include <span>

#include "core/draw_walk.h"

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
        {"actions",
         QJsonObject{
             {"stand", analysis.stand_ev},
             {"hit", analysis.hit_ev},
             {"double", analysis.double_ev ? QJsonValue(*analysis.double_ev) : QJsonValue()},
         }},
        {"advice", QLatin1String(advice_key(analysis.advice))},
        {"advice_outcome", outcome_json(analysis.advice_outcome)},
    };
}

}  // namespace

QJsonObject table_json(const TableOutcome& outcome, bool with_analysis) {
    QJsonObject table{
        {"stand_at", outcome.view.stand_at},
        {"banco", side_json(outcome.view.banco, outcome.banco, kBancoKeys)},
        {"player", side_json(outcome.view.player, outcome.player, kPlayerKeys)},
    };
    // A table without "decks" is a one-deck table, as it has always been.
    if (outcome.view.decks != kDefaultDecks) {
        table.insert(QLatin1String("decks"), outcome.view.decks);
    }
    if (with_analysis) {
        table.insert(QLatin1String("analysis"), analysis_json(outcome.analysis));
    }
    return table;
}

QJsonObject error_json(long long line, const std::string& message) {
    return {{"line", static_cast<qint64>(line)}, {"error", QString::fromStdString(message)}};
}

}  // namespace tavolix::cli
