// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "card_pad.h"
#include "click_label.h"
#include "model/shoe_captions.h"

namespace tavolix::ui {

// The shoe in play below the window's own height: the button Command8 in
// the footer opens it. A third card pad, Frame6, takes out of play the cards
// of earlier rounds, its labels named "Label29" with their face (1 = A ...
// 13 = K) in the property "Index"; shoe_controls() places the rest.
struct ShoeControls {
    QPushButton* Command8 = nullptr;   // "Sabot": opens and closes the panel
    QPushButton* Command9 = nullptr;   // "Annulla carte": this round's cards out go back
    QPushButton* Command10 = nullptr;  // "Fine mano"
    QPushButton* Command11 = nullptr;  // "Nuovo sabot"
    CardPad* Frame6 = nullptr;
    std::array<ClickLabel*, kKing + 1> Label29{};  // by face; [0] unused
    QLabel* Label27 = nullptr;                     // the cards out, a count per value
    QLabel* Label28 = nullptr;                     // the shoe line
    std::vector<QWidget*> panel;                   // everything the button shows and hides
};

// Creates the button and the hidden panel inside `form`.
ShoeControls build_shoe_controls(QWidget& form);

void show_shoe_panel(const ShoeControls& controls, bool open);

// The model's texts; the shoe line in a warning colour while the shoe is too
// thin to finish a round.
void show_shoe(const ShoeControls& controls, const ShoeCaptions& captions);

// A notice about the kept shoe in the shoe line's place, in the warning
// colour, until the user's next action.
void show_shoe_notice(const ShoeControls& controls, const QString& notice);

}  // namespace tavolix::ui
