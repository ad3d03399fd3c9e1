// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <map>
#include <string>
#include <vector>

#include "i18n/translation.h"
#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList result;
    for (const char* text : texts) {
        result << QString::fromUtf8(text);
    }
    return result;
}

TEST_F(Form1Test, starts_with_empty_hands_and_panels_and_threshold_17_without_calculating) {
    for (const char* name : {"Label4", "Label5", "Label9", "Label10", "Label12", "Label13"}) {
        EXPECT_EQ(control<QLabel>(name)->text(), QString()) << name;
    }
    EXPECT_EQ(control<QLabel>("Label7")->text(), QStringLiteral("Somma ="));
    EXPECT_EQ(control<QLabel>("Label8")->text(), QStringLiteral("Somma ="));
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), QStringLiteral("17"));
    EXPECT_EQ(form->model().state().stand_at, 17);
    EXPECT_EQ(form->model().calculations(), 0);
}

TEST_F(Form1Test, shows_both_hands_and_totals_of_the_worked_example) {
    play_worked_example();
    EXPECT_EQ(control<QLabel>("Label4")->text(), QStringLiteral(" 10"));
    EXPECT_EQ(control<QLabel>("Label5")->text(), QStringLiteral(" 10 8"));
    EXPECT_EQ(control<QLabel>("Label7")->text(), QStringLiteral("Somma = 10"));
    EXPECT_EQ(control<QLabel>("Label8")->text(), QStringLiteral("Somma = 18"));
    EXPECT_EQ(form->model().calculations(), 1);
}

// The panels break their lines at the LF of each LF CR pair and show no CR.
TEST_F(Form1Test, shows_the_dealer_panel_of_the_worked_example_line_by_line) {
    play_worked_example();
    EXPECT_EQ(shown_lines("Label12"), lines({"Prima carta", "Vincita =  44.90%",
                                             "Parità  =   6.12%", "Perdita =   8.16%", "", ""}));
    EXPECT_EQ(shown_lines("Label9"),
              lines({"Tutte combinazioni", "Vincita =  56.27%", "Parità  =   9.88%",
                     "Perdita =  12.09%", "Sballa  =  21.76%", ""}));
}

// 18 stands on A, 2 or 3 (12 of the 49 cards left) and busts on the rest,
// whatever follows: both columns agree.
TEST_F(Form1Test, shows_the_player_panel_of_the_worked_example_line_by_line) {
    play_worked_example();
    EXPECT_EQ(shown_lines("Label13"),
              lines({"Prima carta", ">= 17  =  24.49%", "Sballa =  75.51%", ""}));
    EXPECT_EQ(shown_lines("Label10"),
              lines({"Tutte combinazioni", ">= 17  =  24.49%", "Sballa =  75.51%", ""}));
}

TEST_P(Form1InLanguage, lines_up_the_percentages_of_each_panel_column) {
    play_worked_example();
    for (const char* name : {"Label9", "Label10", "Label12", "Label13"}) {
        const QFontMetrics metrics(control(name)->font());
        std::vector<int> widths;
        for (const QString& line : shown_lines(name).mid(1)) {
            if (!line.isEmpty()) {
                widths.push_back(metrics.horizontalAdvance(line));
            }
        }
        ASSERT_GE(widths.size(), 2u) << name;
        EXPECT_EQ(widths, std::vector<int>(widths.size(), widths.front())) << name;
    }
}

// Labels cut off what does not fit, so every line of every label must fit
// its box in the fonts this machine resolves; so must the captions of the
// buttons and frames.
TEST_P(Form1InLanguage, fits_every_text_into_its_box_during_a_game) {
    play_worked_example();
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (label->textFormat() == Qt::RichText) {
            continue;  // the analysis rows, measured by their own test
        }
        QStringList shown = label->text().split(QLatin1Char('\n'));
        while (!shown.isEmpty() && shown.last().isEmpty()) {
            shown.removeLast();
        }
        if (shown.isEmpty()) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        for (const QString& line : shown) {
            EXPECT_LE(metrics.horizontalAdvance(line), label->width())
                << label->objectName().toStdString() << ": " << line.toStdString();
        }
        const int height =
            static_cast<int>(shown.size() - 1) * metrics.lineSpacing() + metrics.height();
        EXPECT_LE(height, label->height()) << label->objectName().toStdString();
    }
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
            << button->text().toStdString();
    }
    for (QGroupBox* frame : form->findChildren<QGroupBox*>()) {
        EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 16,
                  frame->width())
            << frame->title().toStdString();
    }
}

// Every test of Form1InLanguage, in this file or another, runs in both.
INSTANTIATE_TEST_SUITE_P(Form1, Form1InLanguage, ::testing::Values("it", "en"),
                         [](const auto& row_info) { return std::string(row_info.param); });

// Every text the window shows with words in it, the panels included, reads
// differently in English: none was left out of the translation.
TEST(Form1English, translates_every_text_with_words) {
    const auto texts = [] {
        Form1 form;
        form.show();
        for (const auto& [pad, face] :
             {std::pair{"Frame1", "10"}, {"Frame2", "10"}, {"Frame2", "8"}}) {
            for (QLabel* card : form.findChild<QWidget*>(QLatin1String(pad))
                                    ->findChildren<QLabel*>(QStringLiteral("Label3"))) {
                if (card->text() == QLatin1String(face)) {
                    QTest::mouseClick(card, Qt::LeftButton);
                }
            }
        }
        std::map<QString, QString> shown;
        for (QWidget* widget : form.findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                // What a rich text shows, not its markup: the analysis rows
                // hold figures only.
                text = label->textFormat() == Qt::RichText
                           ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                           : label->text();
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                text = button->text();
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                text = frame->title();
            }
            if (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))) &&
                !text.contains(QStringLiteral("://"))) {
                shown[widget->objectName()] = text;
            }
        }
        for (const QAction* action : form.actions()) {
            shown[action->objectName()] = action->text();
        }
        return shown;
    };
    const std::map<QString, QString> italian = texts();
    QTranslator english;
    ASSERT_EQ(i18n::load_translation(english, {QStringLiteral("en")}), QStringLiteral("en"));
    QCoreApplication::installTranslator(&english);
    const std::map<QString, QString> translated = texts();
    QCoreApplication::removeTranslator(&english);
    ASSERT_GE(italian.size(), 20u);
    // The window's title is the program's name and version in every language.
    for (const auto& [name, text] : italian) {
        if (name != QLatin1String("Form1")) {
            EXPECT_NE(translated.at(name), text) << name.toStdString();
        }
    }
}

// Which labels each button empties after the worked example; the others keep
// what they showed.
struct CancelRow {
    const char* button;
    bool clears_dealer;
    bool clears_player;
};

void PrintTo(const CancelRow& row, std::ostream* out) {
    *out << row.button;
}

class CancelButton : public Form1Test, public ::testing::WithParamInterface<CancelRow> {};

TEST_P(CancelButton, clears_its_own_side_and_leaves_the_other) {
    const CancelRow& row = GetParam();
    play_worked_example();
    const QString dealer_results = control<QLabel>("Label9")->text();
    const QString player_results = control<QLabel>("Label10")->text();
    click(control(row.button));

    const auto side = [this](bool cleared, const char* hand, const char* total, const char* left,
                             const char* right, const QString& hand_text, const QString& sum,
                             const QString& results) {
        EXPECT_EQ(control<QLabel>(hand)->text(), cleared ? QString() : hand_text) << hand;
        EXPECT_EQ(control<QLabel>(total)->text(), cleared ? QStringLiteral("Somma =") : sum)
            << total;
        EXPECT_EQ(control<QLabel>(left)->text().isEmpty(), cleared) << left;
        EXPECT_EQ(control<QLabel>(right)->text(), cleared ? QString() : results) << right;
    };
    side(row.clears_dealer, "Label4", "Label7", "Label12", "Label9", QStringLiteral(" 10"),
         QStringLiteral("Somma = 10"), dealer_results);
    side(row.clears_player, "Label5", "Label8", "Label13", "Label10", QStringLiteral(" 10 8"),
         QStringLiteral("Somma = 18"), player_results);
    EXPECT_EQ(form->model().state().stand_at, 17);
    EXPECT_EQ(form->model().calculations(), 1);
}

INSTANTIATE_TEST_SUITE_P(Form1, CancelButton,
                         ::testing::Values(CancelRow{"Command1", true, false},
                                           CancelRow{"Command2", false, true},
                                           CancelRow{"Command4", true, true}),
                         [](const auto& row_info) { return std::string(row_info.param.button); });

// The calculate button is created hidden and nothing shows it again.
class CalculateButton : public Form1Test,
                        public ::testing::WithParamInterface<std::vector<const char*>> {};

TEST_P(CalculateButton, stays_hidden) {
    play_worked_example();
    for (const char* button : GetParam()) {
        click(control(button));
    }
    auto* calculate = control<QPushButton>("Command3");
    ASSERT_NE(calculate, nullptr);
    EXPECT_TRUE(calculate->isHidden());
    EXPECT_FALSE(calculate->isVisible());
    EXPECT_EQ(calculate->text(), QStringLiteral("ELABORA"));
}

INSTANTIATE_TEST_SUITE_P(
    Form1, CalculateButton,
    ::testing::Values(std::vector<const char*>{}, std::vector<const char*>{"Command1"},
                      std::vector<const char*>{"Command2"}, std::vector<const char*>{"Command4"},
                      std::vector<const char*>{"Command1", "Command2", "Command4"}),
    [](const auto& row_info) {
        std::string name = "after_start";
        for (const char* button : row_info.param) {
            name += std::string("_") + button;
        }
        return name;
    });

// A pick in the threshold list by the keyboard, as a user makes it.
struct PickRow {
    const char* name;
    Qt::Key key;
    int stand_at;
};

void PrintTo(const PickRow& row, std::ostream* out) {
    *out << row.name;
}

class ThresholdPick : public Form1Test, public ::testing::WithParamInterface<PickRow> {};

TEST_P(ThresholdPick, recalculates_at_once_with_the_new_threshold) {
    const PickRow& row = GetParam();
    play_worked_example();
    auto* list = control<QComboBox>("Combo1");
    QTest::keyClick(list, row.key);

    EXPECT_EQ(list->currentText(), QString::number(row.stand_at));
    EXPECT_EQ(form->model().state().stand_at, row.stand_at);
    EXPECT_EQ(form->model().calculations(), 2);
    const QString stand_line = QStringLiteral(">= %1  =").arg(row.stand_at);
    EXPECT_TRUE(shown_lines("Label10").value(1).startsWith(stand_line));
    EXPECT_TRUE(shown_lines("Label13").value(1).startsWith(stand_line));
}

TEST_P(ThresholdPick, only_stores_the_threshold_while_the_hands_are_incomplete) {
    const PickRow& row = GetParam();
    click_card(true, QStringLiteral("10"));
    click_card(false, QStringLiteral("10"));
    QTest::keyClick(control<QComboBox>("Combo1"), row.key);
    EXPECT_EQ(form->model().state().stand_at, row.stand_at);
    EXPECT_EQ(form->model().calculations(), 0);
    EXPECT_EQ(control<QLabel>("Label10")->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Form1, ThresholdPick,
                         ::testing::Values(PickRow{"next", Qt::Key_Down, 18},
                                           PickRow{"previous", Qt::Key_Up, 16},
                                           PickRow{"first", Qt::Key_Home, 12},
                                           PickRow{"last", Qt::Key_End, 21}),
                         [](const auto& row_info) { return std::string(row_info.param.name); });

// The deck list: a pick recalculates and names the decks in the rule line; a
// count the hands do not fit is refused and the list goes back.
TEST_F(Form1Test, picks_the_decks_and_goes_back_from_a_count_the_hands_do_not_fit) {
    play_worked_example();
    auto* decks = control<QComboBox>("Combo2");
    auto* rule = control<QLabel>("Label14");
    const QString one_deck = rule->text();
    const QString panel = control<QLabel>("Label9")->text();
    QTest::keyClick(decks, Qt::Key_Down);
    EXPECT_EQ(decks->currentText(), QStringLiteral("2"));
    EXPECT_EQ(form->model().calculations(), 2);
    EXPECT_NE(control<QLabel>("Label9")->text(), panel);
    EXPECT_EQ(rule->text(),
              QString(one_deck).replace(QStringLiteral("Un mazzo"), QStringLiteral("2 mazzi")));
    for (int i = 0; i < 5; ++i) {
        click_card(true, QStringLiteral("A"));  // five aces with the dealer: two decks at least
    }
    ASSERT_EQ(form->model().state().banco_count, 6);
    const QString shown = control<QLabel>("Label9")->text();
    QTest::keyClick(decks, Qt::Key_Home);
    EXPECT_EQ(decks->currentText(), QStringLiteral("2"));
    EXPECT_EQ(form->model().state().deck_count, 2);
    EXPECT_EQ(control<QLabel>("Label9")->text(), shown);
    EXPECT_EQ(rule->text(),
              QString(one_deck).replace(QStringLiteral("Un mazzo"), QStringLiteral("2 mazzi")));
}

// Each pad comes before its own cancel button; labels and the other frames
// take no focus.
TEST_F(Form1Test, tabs_through_the_pads_buttons_and_lists_starting_at_the_dealers_pad) {
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::vector<const char*> order{"Frame1",   "Command1", "Frame2",   "Command2",
                                         "Combo1",   "Combo2",   "Command4", "Command6",
                                         "Command7", "Command5", "Command8", "Frame1"};
    EXPECT_EQ(QApplication::focusWidget(), control(order.front()));
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(order[i])) << "after " << order[i - 1];
    }
    // The shoe's panel open, its pad and buttons follow its button.
    QTest::keyClick(control("Command8"), Qt::Key_Space);
    control("Command8")->setFocus();
    const std::vector<const char*> shoe{"Command8",  "Frame6",    "Command9",
                                        "Command10", "Command11", "Frame1"};
    for (std::size_t i = 1; i < shoe.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control(shoe[i])) << "after " << shoe[i - 1];
    }
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        const bool pad = widget == control("Frame1") || widget == control("Frame2") ||
                         widget == control("Frame6");
        if (!pad && (qobject_cast<QLabel*>(widget) != nullptr ||
                     qobject_cast<QGroupBox*>(widget) != nullptr)) {
            EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace tavolix::ui::testing
