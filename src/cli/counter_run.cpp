// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "counter_run.h"

#include <unistd.h>

#include <QJsonArray>
#include <chrono>
#include <cstdio>
#include <mutex>

#include "model/counter_text.h"
#include "model/shoe_captions.h"
#include "model/strategy_text.h"
#include "rules_json.h"
#include "table_run.h"

namespace tavolix::cli {

namespace {

// Work of several seconds: past the first second, a line on a terminal's
// standard error says how far it has come. The engines report from their
// working threads.
class WorkProgress {
  public:
    explicit WorkProgress(const char* what) : what_(what), terminal_(isatty(STDERR_FILENO) == 1) {}
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;
    ~WorkProgress() {
        if (shown_) {
            std::fputs("\n", stderr);
        }
    }

    strategy::Progress reporter() {
        if (!terminal_) {
            return {};
        }
        return [this](int done, int total) {
            const std::lock_guard lock(mutex_);
            if (std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) {
                return;
            }
            shown_ = true;
            std::fprintf(stderr, "\rtavolix-calc: %s, %d of %d", what_, done, total);
        };
    }

  private:
    const char* what_;
    bool terminal_;
    bool shown_ = false;
    std::mutex mutex_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

InputError no_round(const StrategyRequest& request) {
    int left = 0;
    for (int value = 1; value <= 10; ++value) {
        left += request.shoe[value];
    }
    return InputError{"the shoe left, " + std::to_string(left) + " cards, cannot deal a round"};
}

QJsonObject count_json(const counting::Count& count, int decks) {
    QJsonArray tags;
    for (int value = 1; value <= 10; ++value) {
        tags.append(count.tag(value));
    }
    return {{"name", QString::fromStdString(count.name)},
            {"tags", tags},
            {"balanced", count.balanced()},
            {"initial_running_count", count.initial_running_count(decks)}};
}

QJsonObject game_json(const TableRequest& settings) {
    return {{"rules", rules_json(settings.rules)},
            {"rules_text", QString::fromStdString(rules_text(settings.rules))},
            {"decks", settings.decks}};
}

QJsonArray figures_json(const std::array<double, 10>& figures) {
    QJsonArray array;
    for (const double figure : figures) {
        array.append(figure);
    }
    return array;
}

}  // namespace

std::variant<EffectsOutcome, InputError> run_removal_effects(const TableRequest& settings) {
    auto request = seen_shoe_request(settings.rules, settings.decks, settings.seen);
    if (auto* error = std::get_if<InputError>(&request)) {
        return std::move(*error);
    }
    const auto& shoe = std::get<StrategyRequest>(request);
    WorkProgress progress("working out the effects of removal");
    auto effects = counting::compute_removal_effects(shoe.shoe, shoe.rules, progress.reporter());
    if (!effects) {
        return no_round(shoe);
    }
    return EffectsOutcome{.settings = settings, .effects = std::move(*effects)};
}

std::variant<IndicesOutcome, InputError> run_indices(const TableRequest& settings) {
    if (!settings.count.balanced()) {
        return InputError{"--indices needs a balanced count; " + settings.count.title +
                          " is not (its tags add up to " +
                          signed_count(counting::deck_sum_in_halves(settings.count) / 2.0) +
                          " a deck)"};
    }
    auto request = seen_shoe_request(settings.rules, settings.decks, settings.seen);
    if (auto* error = std::get_if<InputError>(&request)) {
        return std::move(*error);
    }
    const auto& shoe = std::get<StrategyRequest>(request);
    WorkProgress progress("working out the index plays");
    auto table =
        counting::compute_indices(shoe.shoe, shoe.rules, settings.count, progress.reporter());
    if (!table) {
        return no_round(shoe);
    }
    return IndicesOutcome{.settings = settings, .table = std::move(*table)};
}

QJsonObject removal_effects_json(const EffectsOutcome& outcome) {
    const counting::Count& count = outcome.settings.count;
    QJsonObject counted = count_json(count, outcome.settings.decks);
    counted.insert(QLatin1String("betting_correlation"),
                   counting::betting_correlation(count, outcome.effects));
    counted.insert(QLatin1String("insurance_correlation"),
                   counting::insurance_correlation(count, outcome.effects));
    QJsonArray correlations;
    for (const auto& row : counting::built_in_correlations(outcome.effects)) {
        correlations.append(QJsonObject{{"name", QString::fromStdString(row.count.name)},
                                        {"betting", row.betting},
                                        {"insurance", row.insurance}});
    }
    QJsonObject object = game_json(outcome.settings);
    object.insert(QLatin1String("count"), counted);
    object.insert(QLatin1String("eor"),
                  QJsonObject{{"round", figures_json(outcome.effects.round)},
                              {"insurance", figures_json(outcome.effects.insurance)}});
    object.insert(QLatin1String("correlations"), correlations);
    return object;
}

QJsonObject indices_json(const IndicesOutcome& outcome) {
    QJsonArray plays;
    for (const counting::IndexPlay& play : outcome.table.plays) {
        plays.append(QJsonObject{{"kind", QLatin1String(index_kind_key(play.kind))},
                                 {"row", QString::fromStdString(play.row)},
                                 {"up", QString::fromStdString(value_text(play.up))},
                                 {"higher", QLatin1String(decision_key(play.higher))},
                                 {"lower", QLatin1String(decision_key(play.lower))},
                                 {"index", play.index},
                                 {"crossing", play.crossing}});
    }
    QJsonObject object = game_json(outcome.settings);
    object.insert(QLatin1String("count"),
                  count_json(outcome.settings.count, outcome.settings.decks));
    object.insert(QLatin1String("indices"), plays);
    return object;
}

}  // namespace tavolix::cli
