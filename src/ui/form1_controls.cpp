// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "form1_controls.h"

#include <QApplication>
#include <QCoreApplication>
#include <stdexcept>
#include <string>

#include "card_pad.h"
#include "core/card_entry.h"
#include "form1_layout.h"
#include "theme_colours.h"
#include "window_fonts.h"

namespace tavolix::ui {

namespace {

QRect box_in_pixels(const TwipsBox& box) {
    return {to_pixels(box.left), to_pixels(box.top), to_pixels(box.width), to_pixels(box.height)};
}

QColor designed_colour(const std::optional<Rgb>& colour) {
    if (!colour) {
        return QApplication::palette().color(QPalette::WindowText);
    }
    return {colour->red, colour->green, colour->blue};
}

// A text keeps its designed colour on a light theme and stays readable on a
// dark one.
QColor text_colour(const std::optional<Rgb>& colour) {
    return readable_colour(designed_colour(colour), QApplication::palette());
}

// Every control gets its colour explicitly, the default one included, so that
// a pad inside a dark red frame does not inherit the frame's colour.
void set_text_colour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, colour);
    }
    widget.setPalette(palette);
}

template <typename Widget>
Widget& find_control(QWidget& form, const char* name) {
    auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        throw std::logic_error(std::string("Form1 has no control ") + name);
    }
    return *widget;
}

QWidget& container_of(QWidget& form, const char* container) {
    return container == nullptr ? form : find_control<QWidget>(form, container);
}

// Labels keep to their fixed box: text from the top-left corner, a new line at
// each line break, cut off where the box ends. They do not wrap: every caption
// is made to fit its box line by line, and a substitute font a fraction of a
// pixel wider would otherwise push a panel's heading onto two lines.
ClickLabel* make_label(QWidget& parent, const QString& caption) {
    auto* label = new ClickLabel(caption, &parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(false);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

bool is_pad(const char* name) {
    const QLatin1String frame(name);
    return frame == QLatin1String(kDealerPad) || frame == QLatin1String(kPlayerPad) ||
           frame == QLatin1String(kShoePad);
}

QWidget* make_control(QWidget& parent, const ControlSpec& control) {
    const QString caption = QCoreApplication::translate("Form1", control.caption);
    switch (control.kind) {
        case ControlKind::Label:
            return make_label(parent, caption);
        case ControlKind::Frame:
            if (is_pad(control.name)) {
                return new CardPad(caption, &parent);
            }
            return new QGroupBox(caption, &parent);
        case ControlKind::Button:
            return new QPushButton(caption, &parent);
        case ControlKind::List: {
            auto* list = new QComboBox(&parent);
            list->setEditable(false);
            return list;
        }
    }
    return nullptr;
}

void build_pad(QWidget& form, const char* frame, bool dealer, Form1Controls& controls) {
    QWidget& pad = find_control<QWidget>(form, frame);
    for (const PadPosition& position : card_pad()) {
        const int index = pad_index(dealer ? Side::Banco : Side::Player, position.face);
        ClickLabel* label = build_pad_label(pad, position);
        label->setObjectName(QStringLiteral("Label3"));
        label->setProperty(kPadIndexProperty, index);
        controls.Label3.at(static_cast<std::size_t>(index)) = label;
    }
}

}  // namespace

void build_line(QWidget& form, const LineSpec& drawn) {
    auto* line = new QFrame(&container_of(form, drawn.container));
    line->setObjectName(QString::fromLatin1(drawn.name));
    const bool horizontal = drawn.y1 == drawn.y2;
    line->setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    const int stroke = drawn.heavy ? 2 : 1;
    line->setLineWidth(stroke);
    // The box is the stroke itself, centred on the line's path.
    const int x1 = to_pixels(drawn.x1);
    const int y1 = to_pixels(drawn.y1);
    const int length = to_pixels(horizontal ? drawn.x2 - drawn.x1 : drawn.y2 - drawn.y1);
    line->setGeometry(horizontal ? QRect(x1, y1 - stroke / 2, length, stroke)
                                 : QRect(x1 - stroke / 2, y1, stroke, length));
    // A line is no text: it keeps its designed colour on every theme.
    set_text_colour(*line, designed_colour(drawn.colour));
}

ClickLabel* build_pad_label(QWidget& pad, const PadPosition& position) {
    const std::string_view caption = kFaceNames[position.face];
    ClickLabel* label = make_label(
        pad, QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
    label->setAccessibleRole(QAccessible::Button);
    label->setGeometry(box_in_pixels({position.left, kPadTop, position.width, kPadHeight}));
    label->setFont(make_font(kWindowFont));
    set_text_colour(*label, text_colour(std::nullopt));
    return label;
}

void build_control(QWidget& form, const ControlSpec& control) {
    QWidget* widget = make_control(container_of(form, control.container), control);
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(box_in_pixels(control.box));
    widget->setFont(make_font(control.font));
    set_text_colour(*widget, text_colour(control.text_colour));
}

Form1Controls build_form1_controls(QWidget& form) {
    Form1Controls controls;
    for (const ControlSpec& control : form1_controls()) {
        build_control(form, control);
    }
    for (const LineSpec& drawn : form1_lines()) {
        build_line(form, drawn);
    }
    build_pad(form, kDealerPad, true, controls);
    build_pad(form, kPlayerPad, false, controls);

    controls.Label4 = &find_control<QLabel>(form, "Label4");
    controls.Label5 = &find_control<QLabel>(form, "Label5");
    controls.Label7 = &find_control<QLabel>(form, "Label7");
    controls.Label8 = &find_control<QLabel>(form, "Label8");
    controls.Label9 = &find_control<QLabel>(form, "Label9");
    controls.Label10 = &find_control<QLabel>(form, "Label10");
    controls.Label12 = &find_control<QLabel>(form, "Label12");
    controls.Label13 = &find_control<QLabel>(form, "Label13");
    controls.Label17 = &find_control<ClickLabel>(form, "Label17");
    controls.Label19 = &find_control<ClickLabel>(form, "Label19");
    controls.Label17->setAccessibleRole(QAccessible::Link);
    controls.Label19->setAccessibleRole(QAccessible::Link);
    controls.Frame1 = &find_control<CardPad>(form, kDealerPad);
    controls.Frame2 = &find_control<CardPad>(form, kPlayerPad);
    controls.Command1 = &find_control<QPushButton>(form, "Command1");
    controls.Command2 = &find_control<QPushButton>(form, "Command2");
    controls.Command3 = &find_control<QPushButton>(form, "Command3");
    controls.Command4 = &find_control<QPushButton>(form, "Command4");
    controls.Command6 = &find_control<QPushButton>(form, "Command6");
    controls.Command7 = &find_control<QPushButton>(form, "Command7");
    controls.Combo1 = &find_control<QComboBox>(form, "Combo1");
    controls.Combo2 = &find_control<QComboBox>(form, "Combo2");
    controls.Label14 = &find_control<QLabel>(form, "Label14");

    // Screen readers name the list by the label before it.
    find_control<QLabel>(form, "Label11").setBuddy(controls.Combo1);
    find_control<QLabel>(form, "Label20").setBuddy(controls.Combo2);

    // The calculate button exists for its handler only; nothing shows it.
    controls.Command3->hide();
    return controls;
}

}  // namespace tavolix::ui
