// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <optional>
#include <string>

#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

struct Rgb {
    int red;
    int green;
    int blue;
};

struct Font {
    const char* family;    // as designed
    const char* fallback;  // where that family is not installed
    double points;
    bool bold = false;
    bool underline = false;
};

constexpr Font kWindowFont{"MS Sans Serif", "Liberation Sans", 12, true};
constexpr Font kSans825{"MS Sans Serif", "Liberation Sans", 8.25};
constexpr Font kSans975{"MS Sans Serif", "Liberation Sans", 9.75};
constexpr Font kSans975Bold{"MS Sans Serif", "Liberation Sans", 9.75, true};
constexpr Font kCourier9{"Courier New", "Liberation Mono", 9};
constexpr Font kArial9{"Arial", "Liberation Sans", 9};
constexpr Font kArial9Underlined{"Arial", "Liberation Sans", 9, false, true};

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkRed{64, 0, 0};
constexpr Rgb kMaroon{128, 0, 0};

enum class Kind { Label, Frame, Button, List };

// The window's controls, in twips, as designed. A null caption is a web
// address, checked by the link tests.
struct ControlRow {
    const char* name;
    Kind kind;
    const char* container;
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    Font font;
    std::optional<Rgb> colour;
};

constexpr const char* kPick = "Scegli le carte cliccando i relativi simboli";

const ControlRow kControls[] = {
    {"Label1", Kind::Label, "Form1", 120, 120, 975, 255, "BANCO", kSans975Bold, {}},
    {"Command1", Kind::Button, "Form1", 1680, 120, 1935, 375, "Annulla carte", kSans975, {}},
    {"Label7", Kind::Label, "Form1", 3960, 120, 2295, 255, "Somma =", kWindowFont, kBlue},
    {"Label20", Kind::Label, "Form1", 6840, 120, 975, 255, "Mazzi =>", kSans975, {}},
    {"Combo2", Kind::List, "Form1", 7800, 120, 735, 315, "1", kSans825, {}},
    {"Frame1", Kind::Frame, "Form1", 120, 480, 3495, 735, kPick, kSans825, kDarkRed},
    {"Frame3", Kind::Frame, "Form1", 3840, 480, 4695, 1455, "Probabilità Banco", kSans825, {}},
    {"Label12", Kind::Label, "Frame3", 120, 240, 1935, 1095, "", kCourier9, {}},
    {"Label9", Kind::Label, "Frame3", 2520, 240, 1935, 1095, "", kCourier9, {}},
    {"Label4", Kind::Label, "Form1", 120, 1320, 3495, 375, "", kWindowFont, kBlue},
    {"Label2", Kind::Label, "Form1", 120, 2160, 1335, 255, "GIOCATORE", kSans975Bold, {}},
    {"Command2", Kind::Button, "Form1", 1680, 2160, 1935, 375, "Annulla carte", kSans975, {}},
    {"Label8", Kind::Label, "Form1", 3840, 2160, 2295, 255, "Somma =", kWindowFont, kBlue},
    {"Label11", Kind::Label, "Form1", 6840, 2160, 975, 255, "Stare a =>", kSans975, {}},
    {"Combo1", Kind::List, "Form1", 7800, 2160, 735, 315, "17", kSans825, {}},
    {"Frame2", Kind::Frame, "Form1", 120, 2520, 3495, 735, kPick, kSans825, kDarkRed},
    {"Frame4", Kind::Frame, "Form1", 3840, 2520, 4695, 1335, "Probabilità Giocatore", kSans825, {}},
    {"Label13", Kind::Label, "Frame4", 120, 240, 1935, 975, "", kCourier9, {}},
    {"Label10", Kind::Label, "Frame4", 2520, 240, 2055, 975, "", kCourier9, {}},
    {"Label5", Kind::Label, "Form1", 120, 3360, 3495, 375, "", kWindowFont, kBlue},
    {"Label14",
     Kind::Label,
     "Form1",
     120,
     4080,
     6135,
     255,
     "Banco prende carta se ha meno di 16 e si ferma se ha 17 o più. Un mazzo in gioco .",
     kSans825,
     {}},
    {"Command4", Kind::Button, "Form1", 6360, 4080, 2175, 375, "Nuova partita", kSans975, {}},
    {"Label16", Kind::Label, "Form1", 120, 4680, 1935, 255, "Scaricato gratis da", kArial9, {}},
    {"Label17", Kind::Label, "Form1", 2280, 4680, 2655, 255, nullptr, kArial9Underlined, kMaroon},
    {"Command3", Kind::Button, "Form1", 7680, 4680, 975, 375, "ELABORA", kSans825, {}},
    {"Label18", Kind::Label, "Form1", 120, 5040, 1935, 255, "Il manuale si trova qui", kArial9, {}},
    {"Label19", Kind::Label, "Form1", 2280, 5040, 5655, 255, nullptr, kArial9Underlined, kMaroon},
    {"Command6", Kind::Button, "Form1", 5040, 4680, 1095, 360, "Regole...", kSans825, {}},
    {"Command7", Kind::Button, "Form1", 6195, 4680, 1185, 360, "Strategia...", kSans825, {}},
};

QRect pixels(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QString caption_of(QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::Label:
            return qobject_cast<QLabel*>(widget)->text();
        case Kind::Frame:
            return qobject_cast<QGroupBox*>(widget)->title();
        case Kind::Button:
            return qobject_cast<QPushButton*>(widget)->text();
        case Kind::List:
            return qobject_cast<QComboBox*>(widget)->currentText();
    }
    return {};
}

QColor colour_of(const std::optional<Rgb>& colour) {
    return colour ? QColor(colour->red, colour->green, colour->blue)
                  : QApplication::palette().color(QPalette::WindowText);
}

void PrintTo(const ControlRow& row, std::ostream* out) {
    *out << row.name;
}

class ControlLayout : public Form1Test, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(ControlLayout, stands_in_its_container_at_its_place_and_size) {
    const ControlRow& row = GetParam();
    QWidget* widget = control(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(row.container));
    EXPECT_EQ(widget->geometry(), pixels(row.left, row.top, row.width, row.height));
}

TEST_P(ControlLayout, starts_with_its_caption_and_only_the_calculate_button_hidden) {
    const ControlRow& row = GetParam();
    QWidget* widget = control(row.name);
    ASSERT_NE(widget, nullptr);
    if (row.caption != nullptr) {
        EXPECT_EQ(caption_of(widget, row.kind), QString::fromUtf8(row.caption));
    }
    EXPECT_EQ(widget->isVisible(), std::string(row.name) != "Command3");
}

TEST_P(ControlLayout, uses_its_font_or_a_metric_compatible_substitute) {
    const ControlRow& row = GetParam();
    QWidget* widget = control(row.name);
    ASSERT_NE(widget, nullptr);
    const QFont& font = widget->font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), row.font.points);
    EXPECT_EQ(font.bold(), row.font.bold);
    EXPECT_EQ(font.underline(), row.font.underline);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == QLatin1String(row.font.family) ||
                family == QLatin1String(row.font.fallback))
        << family.toStdString();
}

TEST_P(ControlLayout, writes_in_its_colour) {
    const ControlRow& row = GetParam();
    QWidget* widget = control(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->palette().color(QPalette::WindowText), colour_of(row.colour));
}

INSTANTIATE_TEST_SUITE_P(Form1, ControlLayout, ::testing::ValuesIn(kControls),
                         [](const auto& row_info) { return std::string(row_info.param.name); });

TEST_F(Form1Test, is_a_fixed_window_with_its_title_and_client_area) {
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tavolix - V 1.0, 10/2011"));
    EXPECT_EQ(form->size(), QSize(8685 / 15, 5430 / 15));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(Form1Test, offers_the_thresholds_twelve_to_twenty_one) {
    auto* list = control<QComboBox>("Combo1");
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    EXPECT_EQ(items, QString("12 13 14 15 16 17 18 19 20 21").split(' '));
}

TEST_F(Form1Test, shows_the_result_panels_in_a_fixed_pitch_font) {
    for (const char* name : {"Label9", "Label10", "Label12", "Label13"}) {
        EXPECT_TRUE(QFontInfo(control(name)->font()).fixedPitch()) << name;
    }
}

// The lines, in pixels: a heavy line is a stroke of 2 pixels, a thin one 1.
struct LineRow {
    const char* name;
    const char* container;
    QRect box;
    bool horizontal;
    int stroke;
    std::optional<Rgb> colour;
};

const LineRow kLines[] = {
    {"Line1", "Form1", {120 / 15, 2040 / 15 - 1, 8400 / 15, 2}, true, 2, Rgb{0, 128, 0}},
    {"Line2", "Form1", {120 / 15, 3960 / 15 - 1, 8400 / 15, 2}, true, 2, {}},
    {"Line5", "Form1", {120 / 15, 4560 / 15 - 1, 8400 / 15, 2}, true, 2, {}},
    {"Line3", "Frame3", {2280 / 15, 240 / 15, 1, 1080 / 15}, false, 1, {}},
    {"Line4", "Frame4", {2280 / 15, 240 / 15, 1, 960 / 15}, false, 1, {}},
};

void PrintTo(const LineRow& row, std::ostream* out) {
    *out << row.name;
}

class LineLayout : public Form1Test, public ::testing::WithParamInterface<LineRow> {};

TEST_P(LineLayout, runs_between_its_end_points) {
    const LineRow& row = GetParam();
    auto* line = control<QFrame>(row.name);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->parentWidget()->objectName(), QString::fromLatin1(row.container));
    EXPECT_EQ(line->geometry(), row.box);
    EXPECT_EQ(line->focusPolicy(), Qt::NoFocus);
}

// Across the middle of the line, on the window as drawn, the line's colour
// covers exactly its stroke.
TEST_P(LineLayout, is_drawn_in_its_colour_and_stroke) {
    const LineRow& row = GetParam();
    QWidget* container = control(row.container);
    if (container == nullptr) {
        container = form.get();
    }
    const QImage picture = container->grab().toImage();
    const QColor colour = colour_of(row.colour);
    const QPoint middle = row.box.center();
    int covered = 0;
    for (int offset = -4; offset <= 4; ++offset) {
        const QPoint at = row.horizontal ? QPoint(middle.x(), row.box.top() + offset)
                                         : QPoint(row.box.left() + offset, middle.y());
        covered += picture.pixelColor(at) == colour ? 1 : 0;
    }
    EXPECT_EQ(covered, row.stroke);
}

INSTANTIATE_TEST_SUITE_P(Form1, LineLayout, ::testing::ValuesIn(kLines),
                         [](const auto& row_info) { return std::string(row_info.param.name); });

}  // namespace
}  // namespace tavolix::ui::testing
