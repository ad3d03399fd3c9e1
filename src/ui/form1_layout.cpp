// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "form1_layout.h"

#include <QtGlobal>
#include <array>

namespace tavolix::ui {

namespace {

using enum ControlKind;
using enum FontName;

constexpr FontSpec kSans825{MsSansSerif, 8.25};
constexpr FontSpec kSans975{MsSansSerif, 9.75};
constexpr FontSpec kSans975Bold{MsSansSerif, 9.75, true};
constexpr FontSpec kPanel{CourierNew, 9};
constexpr FontSpec kFooter{Arial, 9};
constexpr FontSpec kLink{Arial, 9, false, true};

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkRed{64, 0, 0};
constexpr Rgb kMaroon{128, 0, 0};
constexpr Rgb kGreen{0, 128, 0};

constexpr const char* kPadCaption =
    QT_TRANSLATE_NOOP("Form1", "Scegli le carte cliccando i relativi simboli");

// The link captions are the addresses, which the build sets (web_links.h).
constexpr std::array kControls{
    ControlSpec{"Label1",
                Label,
                nullptr,
                {120, 120, 975, 255},
                QT_TRANSLATE_NOOP("Form1", "BANCO"),
                kSans975Bold,
                {}},
    ControlSpec{"Command1",
                Button,
                nullptr,
                {1680, 120, 1935, 375},
                QT_TRANSLATE_NOOP("Form1", "Annulla carte"),
                kSans975,
                {}},
    ControlSpec{"Label7",
                Label,
                nullptr,
                {3960, 120, 2295, 255},
                QT_TRANSLATE_NOOP("Form1", "Somma ="),
                kWindowFont,
                kBlue},
    // The decks in play, in the dealer's row where the player's has the threshold.
    ControlSpec{"Label20",
                Label,
                nullptr,
                {6840, 120, 975, 255},
                QT_TRANSLATE_NOOP("Form1", "Mazzi =>"),
                kSans975,
                {}},
    ControlSpec{"Combo2", List, nullptr, {7800, 120, 735, 315}, "", kSans825, {}},
    ControlSpec{"Frame1", Frame, nullptr, {120, 480, 3495, 735}, kPadCaption, kSans825, kDarkRed},
    ControlSpec{"Frame3",
                Frame,
                nullptr,
                {3840, 480, 4695, 1455},
                QT_TRANSLATE_NOOP("Form1", "Probabilità Banco"),
                kSans825,
                {}},
    ControlSpec{"Label12", Label, "Frame3", {120, 240, 1935, 1095}, "", kPanel, {}},
    ControlSpec{"Label9", Label, "Frame3", {2520, 240, 1935, 1095}, "", kPanel, {}},
    ControlSpec{"Label4", Label, nullptr, {120, 1320, 3495, 375}, "", kWindowFont, kBlue},
    ControlSpec{"Label2",
                Label,
                nullptr,
                {120, 2160, 1335, 255},
                QT_TRANSLATE_NOOP("Form1", "GIOCATORE"),
                kSans975Bold,
                {}},
    ControlSpec{"Command2",
                Button,
                nullptr,
                {1680, 2160, 1935, 375},
                QT_TRANSLATE_NOOP("Form1", "Annulla carte"),
                kSans975,
                {}},
    ControlSpec{"Label8",
                Label,
                nullptr,
                {3840, 2160, 2295, 255},
                QT_TRANSLATE_NOOP("Form1", "Somma ="),
                kWindowFont,
                kBlue},
    ControlSpec{"Label11",
                Label,
                nullptr,
                {6840, 2160, 975, 255},
                QT_TRANSLATE_NOOP("Form1", "Stare a =>"),
                kSans975,
                {}},
    ControlSpec{"Combo1", List, nullptr, {7800, 2160, 735, 315}, "", kSans825, {}},
    ControlSpec{"Frame2", Frame, nullptr, {120, 2520, 3495, 735}, kPadCaption, kSans825, kDarkRed},
    ControlSpec{"Frame4",
                Frame,
                nullptr,
                {3840, 2520, 4695, 1335},
                QT_TRANSLATE_NOOP("Form1", "Probabilità Giocatore"),
                kSans825,
                {}},
    ControlSpec{"Label13", Label, "Frame4", {120, 240, 1935, 975}, "", kPanel, {}},
    ControlSpec{"Label10", Label, "Frame4", {2520, 240, 2055, 975}, "", kPanel, {}},
    ControlSpec{"Label5", Label, nullptr, {120, 3360, 3495, 375}, "", kWindowFont, kBlue},
    ControlSpec{
        "Label14",
        Label,
        nullptr,
        {120, 4080, 6135, 255},
        QT_TRANSLATE_NOOP(
            "Form1",
            "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco ."),
        kSans825,
        {}},
    ControlSpec{"Command4",
                Button,
                nullptr,
                {6360, 4080, 2175, 375},
                QT_TRANSLATE_NOOP("Form1", "Nuova partita"),
                kSans975,
                {}},
    ControlSpec{"Label16",
                Label,
                nullptr,
                {120, 4680, 1935, 255},
                QT_TRANSLATE_NOOP("Form1", "Scaricato gratis da"),
                kFooter,
                {}},
    ControlSpec{"Label17", Label, nullptr, {2280, 4680, 2655, 255}, "", kLink, kMaroon},
    ControlSpec{"Command3",
                Button,
                nullptr,
                {7680, 4680, 975, 375},
                QT_TRANSLATE_NOOP("Form1", "ELABORA"),
                kSans825,
                {}},
    ControlSpec{"Label18",
                Label,
                nullptr,
                {120, 5040, 1935, 255},
                QT_TRANSLATE_NOOP("Form1", "Il manuale si trova qui"),
                kFooter,
                {}},
    ControlSpec{"Label19", Label, nullptr, {2280, 5040, 5655, 255}, "", kLink, kMaroon},
    // The table's rules, in the footer's free space after the home page's
    // link; it ends where the manual's link begins, and leaves room on its
    // right for one more button before "Analisi >>".
    ControlSpec{"Command6",
                Button,
                nullptr,
                {5040, 4680, 1095, 360},
                QT_TRANSLATE_NOOP("Form1", "Regole..."),
                kSans825,
                {}},
    // The strategy window's button, in the room left before "Analisi >>".
    ControlSpec{"Command7",
                Button,
                nullptr,
                {6195, 4680, 1185, 360},
                QT_TRANSLATE_NOOP("Form1", "Strategia..."),
                kSans825,
                {}},
};

// The exact analysis: its button where the hidden Command3 stands, a little
// wider to the left so that its English caption clears a style's focus frame,
// and its panel right of the window's own width. The captions that the window
// translates are set by Form1.
constexpr std::array kAnalysisControls{
    ControlSpec{"Command5", Button, nullptr, {7440, 4680, 1215, 375}, "", kSans825, {}},
    ControlSpec{"Frame5", Frame, nullptr, {8700, 120, 5700, 4320}, "", kSans825, {}},
    ControlSpec{"Label21", Label, "Frame5", {120, 240, 5460, 240}, "", kPanel, {}},
    ControlSpec{"Label22", Label, "Frame5", {120, 480, 5460, 2460}, "", kPanel, {}},
    ControlSpec{"Label23", Label, "Frame5", {120, 2940, 5460, 240}, "", kPanel, {}},
    ControlSpec{"Label24", Label, "Frame5", {120, 3240, 5460, 300}, "", kSans975Bold, {}},
    ControlSpec{"Label25", Label, "Frame5", {120, 3540, 5460, 720}, "", kPanel, {}},
};

// The shoe in play: its button in the footer's last free corner, and a panel
// below the window's own height, opened by that button, with a third card pad
// for the cards out of earlier rounds laid out as the hands' pads are.
constexpr std::array kShoeControls{
    ControlSpec{"Command8",
                Button,
                nullptr,
                {7980, 5070, 675, 330},
                QT_TRANSLATE_NOOP("Form1", "Sabot"),
                kSans825,
                {}},
    ControlSpec{"Label26",
                Label,
                nullptr,
                {120, 5580, 1455, 255},
                QT_TRANSLATE_NOOP("Form1", "Carte uscite"),
                kSans975Bold,
                {}},
    // A little shorter than the hands' cancel buttons, clear of its pad.
    ControlSpec{"Command9",
                Button,
                nullptr,
                {1680, 5580, 1935, 345},
                QT_TRANSLATE_NOOP("Form1", "Annulla carte"),
                kSans975,
                {}},
    ControlSpec{"Command10",
                Button,
                nullptr,
                {3840, 5580, 2175, 375},
                QT_TRANSLATE_NOOP("Form1", "Fine mano"),
                kSans975,
                {}},
    ControlSpec{"Command11",
                Button,
                nullptr,
                {6360, 5580, 2175, 375},
                QT_TRANSLATE_NOOP("Form1", "Nuovo sabot"),
                kSans975,
                {}},
    ControlSpec{"Frame6", Frame, nullptr, {120, 5940, 3495, 735}, kPadCaption, kSans825, kDarkRed},
    ControlSpec{"Label27", Label, nullptr, {3840, 6000, 4695, 495}, "", kPanel, {}},
    ControlSpec{"Label28", Label, nullptr, {120, 6780, 8415, 480}, "", kSans825, {}},
};

constexpr std::array kShoeLines{
    LineSpec{"Line6", nullptr, 120, 5490, 8520, 5490, true, {}},
};

constexpr std::array kLines{
    LineSpec{"Line3", "Frame3", 2280, 240, 2280, 1320, false, {}},
    LineSpec{"Line4", "Frame4", 2280, 240, 2280, 1200, false, {}},
    LineSpec{"Line1", nullptr, 120, 2040, 8520, 2040, true, kGreen},
    LineSpec{"Line2", nullptr, 120, 3960, 8520, 3960, true, {}},
    LineSpec{"Line5", nullptr, 120, 4560, 8520, 4560, true, {}},
};

constexpr std::array kPad{
    PadPosition{120, 255, 2},     PadPosition{360, 255, 3},   PadPosition{600, 255, 4},
    PadPosition{840, 255, 5},     PadPosition{1080, 255, 6},  PadPosition{1320, 255, 7},
    PadPosition{1560, 255, 8},    PadPosition{1800, 255, 9},  PadPosition{2040, 375, 10},
    PadPosition{2400, 255, 11},   PadPosition{2640, 255, 12}, PadPosition{2880, 255, 13},
    PadPosition{3120, 255, kAce},
};

// The pads first, each before its own cancel button. A control that this build
// does not have is left out.
constexpr std::array kTabOrder{kDealerPad, "Command1", kPlayerPad, "Command2",  "Combo1",
                               "Combo2",   "Command4", "Command6", "Command7",  "Command5",
                               "Command8", kShoePad,   "Command9", "Command10", "Command11"};

}  // namespace

std::span<const ControlSpec> form1_controls() {
    return kControls;
}
std::span<const ControlSpec> analysis_controls() {
    return kAnalysisControls;
}
std::span<const ControlSpec> shoe_controls() {
    return kShoeControls;
}
std::span<const LineSpec> shoe_lines() {
    return kShoeLines;
}
std::span<const LineSpec> form1_lines() {
    return kLines;
}
std::span<const PadPosition> card_pad() {
    return kPad;
}
std::span<const char* const> tab_order() {
    return kTabOrder;
}

}  // namespace tavolix::ui
