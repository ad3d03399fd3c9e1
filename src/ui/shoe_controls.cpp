// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "shoe_controls.h"

#include <QApplication>

#include "display_text.h"
#include "form1_controls.h"
#include "form1_layout.h"
#include "theme_colours.h"

namespace tavolix::ui {

namespace {

constexpr const char* kShoePadLabel = "Label29";

// The warning is the designed dark red of the pads' captions, made readable
// on a dark theme.
constexpr Rgb kWarning{128, 0, 0};

void show_line(QLabel& label, const QString& text, bool warning) {
    label.setText(text);
    label.setToolTip(text);
    label.setAccessibleDescription(text);
    const QPalette& theme = QApplication::palette();
    QPalette palette = label.palette();
    palette.setColor(
        QPalette::WindowText,
        warning ? readable_colour(QColor(kWarning.red, kWarning.green, kWarning.blue), theme)
                : theme.color(QPalette::WindowText));
    label.setPalette(palette);
}

}  // namespace

ShoeControls build_shoe_controls(QWidget& form) {
    for (const ControlSpec& control : shoe_controls()) {
        build_control(form, control);
    }
    for (const LineSpec& drawn : shoe_lines()) {
        build_line(form, drawn);
    }
    ShoeControls controls;
    const auto find = [&form]<typename Widget>(Widget*& widget, const char* name) {
        widget = form.findChild<Widget*>(QLatin1String(name));
    };
    find(controls.Command8, "Command8");
    find(controls.Command9, "Command9");
    find(controls.Command10, "Command10");
    find(controls.Command11, "Command11");
    find(controls.Frame6, kShoePad);
    find(controls.Label27, "Label27");
    find(controls.Label28, "Label28");
    for (const PadPosition& position : card_pad()) {
        ClickLabel* label = build_pad_label(*controls.Frame6, position);
        label->setObjectName(QLatin1String(kShoePadLabel));
        label->setProperty(kPadIndexProperty, static_cast<int>(position.face));
        controls.Label29.at(static_cast<std::size_t>(position.face)) = label;
    }
    // The shoe line is the one caption that may take two lines.
    controls.Label28->setWordWrap(true);
    controls.Command8->setCheckable(true);
    for (const ControlSpec& control : shoe_controls()) {
        if (QLatin1String(control.name) != QLatin1String("Command8")) {
            controls.panel.push_back(form.findChild<QWidget*>(QLatin1String(control.name)));
        }
    }
    for (const LineSpec& drawn : shoe_lines()) {
        controls.panel.push_back(form.findChild<QWidget*>(QLatin1String(drawn.name)));
    }
    show_shoe_panel(controls, false);
    return controls;
}

void show_shoe_panel(const ShoeControls& controls, bool open) {
    for (QWidget* widget : controls.panel) {
        widget->setVisible(open);
    }
    controls.Command8->setChecked(open);
}

void show_shoe(const ShoeControls& controls, const ShoeCaptions& captions) {
    controls.Label27->setText(display_text(captions.cards_out_grid));
    controls.Label27->setAccessibleDescription(display_text(captions.cards_out));
    show_line(*controls.Label28, display_text(captions.shoe_line), captions.thin);
}

void show_shoe_notice(const ShoeControls& controls, const QString& notice) {
    show_line(*controls.Label28, notice, true);
}

}  // namespace tavolix::ui
