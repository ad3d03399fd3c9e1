// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/model_words.h"
#include "core/table_state.h"
#include "counting/count.h"
#include "entry_history.h"
#include "shoe_captions.h"
#include "shoe_file.h"
#include "strategy_text.h"

namespace tavolix {

// The shoe in play beside the hands: the cards taken out of it, the rounds
// it has dealt, the count followed through it, the next round's figure and
// the bet it supports. The table and the history stay with the coordinator,
// which owns the hands as well; each command here acts on them and says
// whether the shoe changed, so that the hands can be calculated again.
class ShoeModel {
  public:
    explicit ShoeModel(ShoeWords words = {});

    enum class Taken { accepted, none_left, invalid_face };
    // A card of a face (1 = A ... 13 = K) out of play, refused when the shoe
    // has none of it left.
    Taken take_out_card(TableState& table, EntryHistory& history, Integer face) const;
    // Cards seen away from the pads, all or none: the first that the shoe
    // cannot give, counting both hands and the cards before it, refuses the
    // list and leaves the shoe as it was.
    struct Refusal {
        std::size_t position = 0;
        Taken why = Taken::none_left;
    };
    std::optional<Refusal> take_out_cards(TableState& table, EntryHistory& history,
                                          const std::vector<Integer>& faces) const;
    // The cards taken out by hand since the last round ended go back; the
    // last of them alone. Each says whether a card went back.
    bool cancel_cards_out(TableState& table, EntryHistory& history) const;
    bool put_back_last_card_out(TableState& table, EntryHistory& history) const;
    // Both hands' cards out, the hands empty, the threshold and rules kept;
    // nothing when both hands are empty. Says whether a round ended.
    bool end_round(TableState& table, EntryHistory& history) const;
    // Every card out back in the shoe.
    void new_shoe(TableState& table, EntryHistory& history) const;

    // The shoe as it is kept between runs: the decks, the rules and the
    // cards out.
    static ShoeState shoe_state(const TableState& table);
    // Brings back a kept shoe's decks and cards out, refusing (and changing
    // nothing) a shoe the hands on the table do not fit; the rules are the
    // coordinator's to set, as every change of rules is.
    static bool restore_cards(TableState& table, EntryHistory& history, const ShoeState& shoe);

    // What the strategy is asked of for the next round: the shoe in play,
    // the cards out and both hands gone.
    static StrategyRequest next_round_request(const TableState& table);
    // The next round's EV and variance once worked out for `request`; a
    // figure for a shoe that has changed since is kept, marked as out of date.
    void set_next_round(const TableState& table, const StrategyRequest& request, double ev,
                        std::optional<double> variance = std::nullopt);
    // Whatever changed the shoe leaves the next round's figure out of date
    // until it is worked out again.
    void changed(const TableState& table);
    // Forgets the next round's figure, as at start-up.
    void forget_next_round(const TableState& table);

    // The count the shoe line follows, Hi-Lo unless another is chosen.
    void set_count(counting::Count count) { count_ = std::move(count); }
    const counting::Count& count() const { return count_; }
    // The player's bankroll, in units of the table's minimum bet or money:
    // once set, the shoe line adds the bet it supports.
    void set_bankroll(std::optional<double> bankroll) { bankroll_ = bankroll; }
    const std::optional<double>& bankroll() const { return bankroll_; }

    ShoeCaptions captions(const TableState& table) const;

  private:
    ShoeWords words_;
    counting::Count count_ = counting::hi_lo_count();
    std::optional<double> bankroll_;
    StrategyRequest next_round_for_;
    NextRoundEv next_round_;
};

// The whole round's variance per unit bet, as the strategy works it out
// beside its EV.
std::optional<double> next_round_variance(const Strategy& strategy);

}  // namespace tavolix
