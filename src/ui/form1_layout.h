// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QtGlobal>
#include <optional>
#include <span>

#include "core/table_state.h"

// What Form1 shows and where, as data: every position and size is in twips
// (1/1440 inch), the unit the window was designed in.
namespace tavolix::ui {

// 15 twips make one device-independent pixel; Qt scales those to the screen.
inline constexpr int kTwipsPerPixel = 15;
constexpr int to_pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipsBox {
    int left;
    int top;
    int width;
    int height;
};

struct Rgb {
    int red;
    int green;
    int blue;
};

enum class FontName { MsSansSerif, CourierNew, Arial };

struct FontSpec {
    FontName name;
    double points;
    bool bold = false;
    bool underline = false;
};

enum class ControlKind { Label, Frame, Button, List };

struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* container;  // a frame's name, or nullptr for the window's client area
    TwipsBox box;           // relative to the container's outer top-left corner
    const char* caption;    // UTF-8; empty when the control starts without text
    FontSpec font;
    std::optional<Rgb> text_colour;  // none: the system's dialog colours
};

// A straight line between two points of its container.
struct LineSpec {
    const char* name;
    const char* container;
    int x1;
    int y1;
    int x2;
    int y2;
    bool heavy;  // the full-width separators; the lines inside the panels are thin
    std::optional<Rgb> colour;
};

// One position of a card pad, left to right, and the face it stands for in
// both pads; card entry numbers the labels.
struct PadPosition {
    int left;
    int width;
    Integer face;
};

// Captions are the Italian source texts of the translations, context "Form1".
inline constexpr const char* kWindowTitle = QT_TRANSLATE_NOOP("Form1", "Tavolix - V 1.0, 10/2011");
inline constexpr int kClientWidth = 8685;
inline constexpr int kClientHeight = 5430;
inline constexpr FontSpec kWindowFont{FontName::MsSansSerif, 12, true};

inline constexpr const char* kDealerPad = "Frame1";
inline constexpr const char* kPlayerPad = "Frame2";
inline constexpr int kPadTop = 240;
inline constexpr int kPadHeight = 255;

// How wide the window is with the exact analysis open.
inline constexpr int kWidenedClientWidth = 14520;

// The pad of the cards out of play, and how tall the window is with the
// shoe's panel open.
inline constexpr const char* kShoePad = "Frame6";
inline constexpr int kShoeClientHeight = 7380;

// In creation order: a frame comes before the controls it holds.
std::span<const ControlSpec> form1_controls();
// The exact analysis's button and its panel, hidden at start.
std::span<const ControlSpec> analysis_controls();
std::span<const LineSpec> form1_lines();
// The shoe's button and its panel, the panel hidden at start.
std::span<const ControlSpec> shoe_controls();
std::span<const LineSpec> shoe_lines();
std::span<const PadPosition> card_pad();
// The names of the focusable controls in tab order; the window opens with the
// focus on the first.
std::span<const char* const> tab_order();

}  // namespace tavolix::ui
