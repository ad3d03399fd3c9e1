// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "table_run.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "core/card_entry.h"
#include "i18n/translation.h"
#include "model/form1_model.h"
#include "stop_signals.h"

namespace tavolix::cli {

namespace {

// "4" or "24 (6 decks)": how many cards of a value the shoe has.
std::string shoe_cards(const TableState& state, Integer value) {
    const std::string cards = std::to_string(cards_in_deck(value) * state.deck_count);
    return state.deck_count == 1 ? cards
                                 : cards + " (" + std::to_string(state.deck_count) + " decks)";
}

std::optional<InputError> click_hand(Form1Model& model, Side side,
                                     const std::vector<Integer>& faces) {
    const char* hand = side == Side::Banco ? "dealer" : "player";
    for (std::size_t i = 0; i < faces.size(); ++i) {
        model.Label3_Click(pad_index(side, faces[i]));
        const std::string card = std::string(hand) + " card " + std::to_string(i + 1) + " (" +
                                 face_name(faces[i]) + ") refused: ";
        switch (model.last_card()) {
            case Form1Model::LastCard::Accepted:
                break;
            case Form1Model::LastCard::RefusedFifthFace:
                return InputError{card + "it would be the fifth " + face_name(faces[i]) +
                                  " in the " + hand + "'s hand"};
            case Form1Model::LastCard::RefusedNoneLeft:
                return InputError{card + "the two hands already hold all " +
                                  shoe_cards(model.state(), card_value(faces[i])) +
                                  " cards of value " + face_name(card_value(faces[i]))};
            case Form1Model::LastCard::RefusedBust:
                return InputError{card + "it would take the hand to " +
                                  std::to_string(model.last_card_total()) + ", over 21"};
            case Form1Model::LastCard::None:
            case Form1Model::LastCard::InvalidIndex:
                throw std::logic_error("a face outside the pads reached card entry");
        }
    }
    return std::nullopt;
}

std::optional<InputError> take_out_seen(Form1Model& model, const std::vector<Integer>& seen) {
    const auto refused = model.take_out_cards(seen);
    if (!refused) {
        // The panels' first-card shares divide by the cards left: an empty
        // shoe would print NaN, and deals nothing anyway.
        if (!seen.empty() && shoe_count(model.state()).left == 0) {
            return InputError{"seen card " + std::to_string(seen.size()) + " (" +
                              face_name(seen.back()) +
                              ") refused: it leaves no card in the shoe to deal"};
        }
        return std::nullopt;
    }
    const Integer face = seen[*refused];
    const Integer value = card_value(face);
    const int decks = model.state().deck_count;
    const std::string name = face_name(face);
    const std::string shoe =
        decks == 1 ? "the shoe has " : "the shoe of " + std::to_string(decks) + " decks has ";
    const std::string of_value = std::to_string(cards_in_deck(value) * decks);
    const std::string has = value == 10 ? std::to_string(4 * decks) + " cards of face " + name +
                                              " and " + of_value + " of value 10"
                                        : of_value + " cards of value " + name;
    return InputError{"seen card " + std::to_string(*refused + 1) + " (" + name + ") refused: no " +
                      name + " is left once both hands and the cards seen before it are out (" +
                      shoe + has + ")"};
}

ShoeOutcome shoe_outcome(const Form1Model& model, const std::vector<Integer>& seen) {
    const ShoeCount shoe = shoe_count(model.state());
    const counting::Count& count = model.shoe().count();
    const double running = counting::running_count(count, model.state().deck_count, shoe.by_value);
    return {.seen = seen,
            .count = shoe,
            .running = running,
            .true_count = shoe_true_count(running, shoe.left),
            .cards_out_text = model.captions().shoe.cards_out,
            .count_text = shoe_count_text(model.state(), model.words().shoe, count)};
}

SideOutcome side_outcome(const EngineRun& run, Integer sum, Integer soft,
                         const OutcomeChances& exact) {
    SideOutcome side;
    side.sum = sum;
    side.soft = soft != 0;
    side.draw_stats = run.draw_stats;
    side.draw_depth = run.draw_depth;
    side.sequences = run.sequences;
    side.exact = exact;
    return side;
}

// Reports of millions of lines take seconds: past the first second, a line on
// a terminal's standard error says how far the writing has come.
class ReportProgress {
  public:
    ReportProgress() : terminal_(isatty(STDERR_FILENO) == 1) {}
    ReportProgress(const ReportProgress&) = delete;
    ReportProgress& operator=(const ReportProgress&) = delete;
    ~ReportProgress() {
        if (shown_) {
            std::fputs("\n", stderr);
        }
    }

    std::function<void(std::int64_t)> reporter() {
        if (!terminal_) {
            return {};
        }
        return [this](std::int64_t lines) {
            if (std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) {
                return;
            }
            shown_ = true;
            std::fprintf(stderr, "\rtavolix-calc: writing the reports, %lld lines",
                         static_cast<long long>(lines));
        };
    }

  private:
    bool terminal_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace

std::variant<TableOutcome, InputError> run_table(
    const TableRequest& request, const std::optional<std::filesystem::path>& report_directory) {
    ReportProgress progress;
    Form1Model model(report_directory ? ReportSettings{.directory = *report_directory,
                                                       .progress = progress.reporter()}
                                      : ReportSettings{},
                     i18n::translated_model_words());
    model.Form_Load();
    // Picking the threshold, the decks and the rules before any card leaves one calculation, on the
    // card that completes the hands, instead of a second one afterwards.
    model.Combo1_Click(request.stand_at - kLowestStand);
    model.Combo2_Click(request.decks - kMinDecks);
    model.set_rules(request.rules);
    model.set_count(request.count);
    for (const auto& [side, faces] :
         {std::pair{Side::Banco, &request.banco}, std::pair{Side::Player, &request.player}}) {
        if (auto error = click_hand(model, side, *faces)) {
            return std::move(*error);
        }
    }
    // Seen after the hands, so that a card too many is the seen card's fault:
    // the hands are refused as they always were.
    if (auto error = take_out_seen(model, request.seen)) {
        return std::move(*error);
    }
    // The reports are written once, for the table as asked, and never for a
    // table that is then refused: the cards go in with the switch off, and
    // the calculation is made again with it on.
    if (report_directory) {
        const StopSignalsHeld held;
        model.calculate_writing_reports();
    }
    const auto& calculation = model.last_calculation();
    if (!calculation) {
        throw std::logic_error("complete hands were entered but nothing was calculated");
    }

    const TableState& state = model.state();
    const auto exact = model.exact_chances();
    TableOutcome outcome;
    outcome.view = model.view();
    outcome.banco =
        side_outcome(calculation->banco, state.banco_sum, state.banco_soft, exact.banco);
    outcome.player =
        side_outcome(calculation->player, state.player_sum, state.player_soft, exact.player);
    outcome.analysis = calculation->analysis;
    outcome.analysis_panel = model.captions().analysis;
    outcome.shoe = shoe_outcome(model, request.seen);
    outcome.report_errors = calculation->report_errors;
    return outcome;
}

std::variant<StrategyRequest, InputError> seen_shoe_request(const TableRules& rules, int decks,
                                                            const std::vector<Integer>& seen) {
    Form1Model model;
    model.Form_Load();
    model.Combo2_Click(decks - kMinDecks);
    model.set_rules(rules);
    if (auto error = take_out_seen(model, seen)) {
        return std::move(*error);
    }
    return model.next_round_request();
}

std::variant<StrategyOutcome, InputError> run_strategy_table(const TableRules& rules, int decks,
                                                             const std::vector<Integer>& seen,
                                                             const counting::Count& count) {
    Form1Model model({}, i18n::translated_model_words());
    model.Form_Load();
    model.Combo2_Click(decks - kMinDecks);
    model.set_rules(rules);
    model.set_count(count);
    if (auto error = take_out_seen(model, seen)) {
        return std::move(*error);
    }
    const StrategyRequest request = model.next_round_request();
    auto strategy = run_strategy(request);
    if (!strategy) {
        return InputError{"the shoe left, " + std::to_string(shoe_count(model.state()).left) +
                          " cards, cannot deal a round"};
    }
    return StrategyOutcome{
        .request = request, .strategy = std::move(*strategy), .shoe = shoe_outcome(model, seen)};
}

}  // namespace tavolix::cli
