// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <optional>
#include <vector>

#include "core/card_entry.h"
#include "core/table_state.h"

namespace tavolix {

// What was entered, in order, so that undo takes back the last of it: a card
// for a hand, a card taken out of play, or the end of a round, which takes
// the round's hand cards out together and comes back as one step.
class EntryHistory {
  public:
    // A round's end leaves its hand cards where they were, ended: undoing the
    // end brings them back in their places among the cards out.
    enum class Kind { hand_card, ended_hand_card, card_out, round_end };
    struct Step {
        Kind kind = Kind::hand_card;
        Side side = Side::Banco;  // a hand card's
        Integer face = 0;         // a hand card's or a card out's
    };

    void clear();
    void hand_card(Side side, Integer face);
    void card_out(Integer face);
    // The hand cards so far become one step, the round's end.
    void round_end();

    // A hand cancelled: its cards leave the history.
    void forget_hand(Side side);
    // That hand's last card taken back on its own.
    void forget_last_hand_card(Side side);
    // The cards taken out by hand since the last round ended go back to the
    // shoe: their faces, and they leave the history.
    std::vector<Integer> forget_cards_out_of_this_round();
    // The last of those alone: its face, or none when this round has none.
    std::optional<Integer> forget_last_card_out_of_this_round();
    // A fresh shoe: the cards out and the rounds' ends leave the history,
    // the hand cards on the table stay.
    void forget_shoe();

    std::optional<Step> last() const;
    // Takes the last step off; for a round's end, `round` receives its hand
    // cards in the order entered, which are hand cards again.
    Step take_last(std::vector<Step>& round);

  private:
    std::vector<Step> steps_;
};

}  // namespace tavolix
