// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "card_pad.h"
#include "click_label.h"
#include "form1_layout.h"

namespace tavolix::ui {

inline constexpr int kPadLabelCount = 26;

// The controls of Form1 that the view talks to, under the window's own names.
// The card pads are the one array Label3: every one of its labels has the
// objectName "Label3" and its index 0..25 in the dynamic property "Index".
struct Form1Controls {
    std::array<ClickLabel*, kPadLabelCount> Label3{};  // by index
    CardPad* Frame1 = nullptr;                         // the dealer's pad
    CardPad* Frame2 = nullptr;                         // the player's pad
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    ClickLabel* Label17 = nullptr;
    ClickLabel* Label19 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;  // "Regole...": the rules dialog
    QPushButton* Command7 = nullptr;  // "Strategia...": the strategy window
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;  // the decks in play
    QLabel* Label14 = nullptr;    // the dealer's rule and the decks
};

inline constexpr const char* kPadIndexProperty = "Index";

// Creates one control as laid out, inside its container, which must exist.
void build_control(QWidget& form, const ControlSpec& control);
void build_line(QWidget& form, const LineSpec& drawn);
// One face's symbol on a card pad, as every pad shows it; the caller names it.
ClickLabel* build_pad_label(QWidget& pad, const PadPosition& position);

// Creates every control of the window inside `form` as laid out, the card pads
// and the lines included, with Command3 hidden.
Form1Controls build_form1_controls(QWidget& form);

}  // namespace tavolix::ui
