// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QTranslator>
#include <functional>
#include <map>
#include <string>

#include "i18n/translation.h"
#include "ui/theme_colours.h"
#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

// Every accessible object under `root`, depth first; the entries of a
// list's drop-down belong to the list.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    visit(root);
    if (root->role() == QAccessible::ComboBox) {
        return;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            walk(child, visit);
        }
    }
}

bool interactive(QAccessibleInterface* item) {
    const QAccessibleActionInterface* actions = item->actionInterface();
    return !item->state().invisible &&
           (item->state().focusable || (actions != nullptr && !actions->actionNames().isEmpty()));
}

TEST_F(Form1Test, names_every_interactive_control_once_for_assistive_technology) {
    std::map<QString, int> names;
    int controls = 0;
    walk(QAccessible::queryAccessibleInterface(form.get()), [&](QAccessibleInterface* item) {
        if (!interactive(item)) {
            return;
        }
        ++controls;
        QString name = item->text(QAccessible::Name);
        // A list's own name is its value here; the label before it names it.
        if (item->role() == QAccessible::ComboBox) {
            const auto labels = item->relations(QAccessible::Label);
            name = labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
        }
        EXPECT_FALSE(name.trimmed().isEmpty()) << item->object()->objectName().toStdString();
        ++names[name];
    });
    // Both pads with 13 cards each, two cancel buttons, the threshold list,
    // "Nuova partita" and the two links at the least.
    EXPECT_GE(controls, 2 + 26 + 2 + 1 + 1 + 2);
    for (const auto& [name, count] : names) {
        EXPECT_EQ(count, 1) << "\"" << name.toStdString() << "\"";
    }
}

TEST_F(Form1Test, enters_a_card_when_assistive_technology_presses_its_symbol) {
    QAccessibleInterface* pressed = nullptr;
    walk(QAccessible::queryAccessibleInterface(form.get()), [&](QAccessibleInterface* item) {
        if (item->text(QAccessible::Name) == QStringLiteral("Re al giocatore")) {
            pressed = item;
        }
    });
    ASSERT_NE(pressed, nullptr);
    EXPECT_EQ(pressed->role(), QAccessible::Button);
    ASSERT_NE(pressed->actionInterface(), nullptr);
    pressed->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(control<QLabel>("Label5")->text(), QStringLiteral(" K"));
    EXPECT_EQ(form->model().state().player_count, 1);
}

TEST_F(Form1Test, describes_the_hands_and_panels_with_what_they_show) {
    play_worked_example();
    EXPECT_EQ(control("Frame1")->accessibleName(), QStringLiteral("Carte del banco"));
    EXPECT_EQ(control("Frame2")->accessibleName(), QStringLiteral("Carte del giocatore"));
    EXPECT_EQ(control("Label5")->accessibleDescription(), QStringLiteral(" 10 8"));
    EXPECT_EQ(control("Label8")->accessibleDescription(), QStringLiteral("Somma = 18"));
    for (const char* panel : {"Frame3", "Frame4"}) {
        const QString text = control(panel)->accessibleDescription();
        EXPECT_TRUE(text.contains(QStringLiteral("Prima carta")) &&
                    text.contains(QStringLiteral("Tutte combinazioni")) &&
                    text.contains(QStringLiteral("Sballa")))
            << panel << ": " << text.toStdString();
        EXPECT_FALSE(control(panel)->toolTip().isEmpty()) << panel;
    }
    for (const char* pointed : {"Frame1", "Frame2", "Combo1"}) {
        EXPECT_FALSE(control(pointed)->toolTip().isEmpty()) << pointed;
    }
}

// A dark desktop palette, for the whole application, while a test runs.
class DarkTheme : public Form1Test {
  protected:
    void SetUp() override {
        light_ = QApplication::palette();
        QPalette dark = light_;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            dark.setColor(group, QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
            dark.setColor(group, QPalette::WindowText, QColor(0xee, 0xee, 0xee));
            dark.setColor(group, QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
            dark.setColor(group, QPalette::Text, QColor(0xee, 0xee, 0xee));
            dark.setColor(group, QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
            dark.setColor(group, QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        }
        QApplication::setPalette(dark);
        Form1Test::SetUp();
    }
    void TearDown() override { QApplication::setPalette(light_); }

    // The strongest contrast that any pixel of the picture has against the
    // window background: that of the text's own colour.
    static double text_contrast(const QImage& picture) {
        const QColor background(0x2b, 0x2b, 0x2b);
        double strongest = 1;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                strongest =
                    std::max(strongest, contrast_ratio(picture.pixelColor(x, y), background));
            }
        }
        return strongest;
    }

  private:
    QPalette light_;
};

// The blue hands and totals, the dark red pad captions and the maroon links,
// measured as drawn.
TEST_F(DarkTheme, keeps_the_coloured_texts_readable) {
    play_worked_example();
    for (const char* name : {"Label4", "Label5", "Label7", "Label8", "Label17", "Label19"}) {
        EXPECT_GE(text_contrast(control(name)->grab().toImage()), 4.5) << name;
    }
    // A pad's caption is the strip above its card symbols.
    for (const char* pad : {"Frame1", "Frame2"}) {
        QWidget* frame = control(pad);
        const QRect caption(0, 0, frame->width(), 240 / 15);
        EXPECT_GE(text_contrast(frame->grab(caption).toImage()), 4.5) << pad;
        EXPECT_GE(contrast_ratio(frame->palette().color(QPalette::WindowText),
                                 frame->palette().color(QPalette::Window)),
                  4.5)
            << pad;
    }
}

TEST(ThemeColours, keeps_the_designed_colour_on_a_light_palette_and_lightens_it_on_a_dark_one) {
    QPalette light;
    light.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    light.setColor(QPalette::WindowText, Qt::black);
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    for (const QColor designed : {QColor(0, 0, 255), QColor(64, 0, 0), QColor(128, 0, 0)}) {
        EXPECT_EQ(readable_colour(designed, light), designed);
        const QColor shown = readable_colour(designed, dark);
        EXPECT_GE(contrast_ratio(shown, QColor(0x20, 0x20, 0x20)), 4.5)
            << designed.name().toStdString();
        EXPECT_EQ(shown.hue(), designed.hue()) << designed.name().toStdString();
    }
}

// The languages a system may ask for, most wanted first, and the one the
// program then speaks.
struct LanguageCase {
    const char* name;
    QStringList asked;
    const char* chosen;
};

void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << c.name;
}

class LanguageChoice : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageChoice, follows_the_system_languages_and_falls_back_on_italian) {
    QTranslator translator;
    const QString chosen = i18n::load_translation(translator, GetParam().asked);
    EXPECT_EQ(chosen, QLatin1String(GetParam().chosen));
    EXPECT_EQ(translator.isEmpty(), chosen == QLatin1String("it"));
}

INSTANTIATE_TEST_SUITE_P(
    I18n, LanguageChoice,
    ::testing::Values(LanguageCase{"english", {"en-US", "en"}, "en"},
                      LanguageCase{"british_after_german", {"de-DE", "de", "en-GB"}, "en"},
                      LanguageCase{"italian_before_english", {"it-IT", "en-US"}, "it"},
                      LanguageCase{"no_translation", {"de-DE", "fr"}, "it"},
                      LanguageCase{"posix_locale", {"C"}, "it"}, LanguageCase{"none", {}, "it"}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

}  // namespace
}  // namespace tavolix::ui::testing
