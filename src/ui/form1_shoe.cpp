// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

// The window's shoe panel: the cards out, the rounds' ends, the shoe kept
// between runs and the next round's figure worked out off the window's
// thread.

#include "form1.h"
#include "shoe_store.h"

namespace tavolix::ui {

// The shoe's panel opens below the window's own height; the next round's
// figure is worked out only while it shows.
void Form1::Command8_Click() {
    shoe_open_ = !shoe_open_;
    fit_window();
    show_shoe_panel(shoe_, shoe_open_);
    if (shoe_open_) {
        ask_next_round();
    } else {
        next_round_pause_.stop();
        next_round_runner_->cancel();
    }
}

void Form1::Label29_Click(Integer face) {
    model_.take_out_card(face);
    show_captions();
}

void Form1::Command9_Click() {
    model_.cancel_cards_out();
    show_captions();
}

void Form1::Command10_Click() {
    model_.end_round();
    show_captions();
}

void Form1::Command11_Click() {
    model_.new_shoe();
    show_captions();
}

void Form1::put_back_last_card_out() {
    model_.put_back_last_card_out();
    show_captions();
}

void Form1::ask_next_round() {
    if (!shoe_open_) {
        return;
    }
    const StrategyRequest request = model_.next_round_request();
    if (request == next_round_done_for_ ||
        (next_round_runner_->running() && request == next_round_asked_)) {
        return;
    }
    next_round_asked_ = request;
    next_round_runner_->start(request);
}

void Form1::next_round_done(const std::optional<Strategy>& strategy) {
    next_round_done_for_ = next_round_asked_;
    if (strategy) {
        model_.set_next_round_ev(*next_round_asked_, strategy->round_ev,
                                 next_round_variance(*strategy));
        show_captions(false);
    }
}

void Form1::use_shoe_file(const QString& path) {
    shoe_file_ = path;
    const ShoeRead read = read_kept_shoe(path);
    if (read.shoe && !model_.restore_shoe(*read.shoe)) {
        shoe_notice_ = shoe_refused_notice(path, tr("il sabot non è valido"));
    } else if (!read.refused.isEmpty()) {
        shoe_notice_ = shoe_refused_notice(path, read.refused);
    }
    controls_.Combo2->setCurrentIndex(model_.deck_list_index());
    // What the file holds now, so that nothing is written until the shoe
    // changes; a refused file is replaced at the first change.
    if (!shoe_notice_.isEmpty()) {
        kept_shoe_.reset();
    } else {
        kept_shoe_ = read.shoe ? *read.shoe : model_.shoe_state();
    }
    const bool cards_out = model_.shoe_state().cards_out != ShoeState{}.cards_out;
    if ((cards_out || !shoe_notice_.isEmpty()) && !shoe_open_) {
        Command8_Click();
    }
    show_captions(false);
}

void Form1::keep_shoe_state() {
    if (shoe_file_.isEmpty()) {
        return;
    }
    const ShoeState shoe = model_.shoe_state();
    if (shoe == kept_shoe_) {
        return;
    }
    if (keep_shoe(shoe_file_, shoe)) {
        kept_shoe_ = shoe;
    } else if (!told_shoe_unwritten_) {
        told_shoe_unwritten_ = true;
        shoe_notice_ = shoe_unwritten_notice(shoe_file_);
    }
}

void Form1::set_count(const counting::Count& count) {
    model_.set_count(count);
    remember_table();
    show_captions();
}

void Form1::set_bankroll(double bankroll) {
    model_.set_bankroll(bankroll);
    remember_table();
    show_captions();
}

}  // namespace tavolix::ui
