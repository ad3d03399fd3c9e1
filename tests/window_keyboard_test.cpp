// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

// The window active, so that its shortcuts work.
class Form1Keys : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void type(const char* pad, const QString& keys) const { QTest::keyClicks(control(pad), keys); }
    void key(const char* pad, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(control(pad), key, modifiers);
    }
    std::vector<QString> hands_and_panels() const {
        std::vector<QString> shown;
        for (const char* name :
             {"Label4", "Label5", "Label7", "Label8", "Label9", "Label10", "Label12", "Label13"}) {
            shown.push_back(control<QLabel>(name)->text());
        }
        return shown;
    }
};

// Keys typed on a pad and clicks on the same faces give the same window:
// the same cards, refusals (a fifth ace, a card past 21) and calculations.
struct TypedCase {
    const char* name;
    const char* dealer_keys;
    const char* player_keys;
    std::vector<const char*> dealer_clicks;
    std::vector<const char*> player_clicks;
};

void PrintTo(const TypedCase& c, std::ostream* out) {
    *out << c.name;
}

class TypedCards : public Form1Keys, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedCards, enter_the_same_cards_as_clicks_on_their_symbols) {
    const TypedCase& c = GetParam();
    type("Frame1", QString::fromLatin1(c.dealer_keys));
    type("Frame2", QString::fromLatin1(c.player_keys));
    const std::vector<QString> typed = hands_and_panels();
    const int typed_calculations = form->model().calculations();

    SetUp();
    for (const char* face : c.dealer_clicks) {
        click_card(true, QString::fromLatin1(face));
    }
    for (const char* face : c.player_clicks) {
        click_card(false, QString::fromLatin1(face));
    }
    EXPECT_EQ(typed, hands_and_panels());
    EXPECT_EQ(typed_calculations, form->model().calculations());
    EXPECT_FALSE(typed[0].isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Form1, TypedCards,
    ::testing::Values(TypedCase{"every_face_in_upper_case",
                                "A23456",
                                "789TJ",
                                {"A", "2", "3", "4", "5", "6"},
                                {"7", "8", "9", "10", "J"}},
                      TypedCase{"lower_case_and_zero_for_ten", "k", "0qa", {"K"}, {"10", "Q", "A"}},
                      TypedCase{"refused_cards_as_a_click_refuses_them",
                                "aaaaa",
                                "kq5",
                                {"A", "A", "A", "A", "A"},
                                {"K", "Q", "5"}},
                      TypedCase{
                          "keys_that_are_no_card_do_nothing", "1x7", "b9 8", {"7"}, {"9", "8"}}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

TEST_F(Form1Keys, starts_with_the_focus_on_the_dealers_pad_drawn_with_a_focus_frame) {
    QWidget* pad = control("Frame1");
    ASSERT_EQ(QApplication::focusWidget(), pad);
    const QImage focused = pad->grab().toImage();
    control("Command1")->setFocus();
    EXPECT_NE(pad->grab().toImage(), focused);
}

TEST_F(Form1Keys, backspace_takes_back_the_last_card_of_the_pads_hand) {
    play_worked_example();
    const QString dealer_results = control<QLabel>("Label9")->text();
    key("Frame2", Qt::Key_Backspace);
    EXPECT_EQ(control<QLabel>("Label5")->text(), QStringLiteral(" 10"));
    EXPECT_EQ(control<QLabel>("Label8")->text(), QStringLiteral("Somma = 10"));
    EXPECT_EQ(control<QLabel>("Label10")->text(), QString());
    EXPECT_EQ(control<QLabel>("Label9")->text(), dealer_results);
    key("Frame1", Qt::Key_Backspace);
    EXPECT_EQ(control<QLabel>("Label4")->text(), QString());
    EXPECT_EQ(control<QLabel>("Label7")->text(), QStringLiteral("Somma ="));
    EXPECT_EQ(control<QLabel>("Label9")->text(), QString());
}

TEST_F(Form1Keys, ctrl_z_takes_back_the_cards_in_the_reverse_order_of_entry) {
    type("Frame1", QStringLiteral("t"));
    type("Frame2", QStringLiteral("t8"));
    type("Frame1", QStringLiteral("5"));
    const std::vector<std::pair<QString, QString>> after_each{
        {QStringLiteral(" 10"), QStringLiteral(" 10 8")},
        {QStringLiteral(" 10"), QStringLiteral(" 10")},
        {QStringLiteral(" 10"), QString()},
        {QString(), QString()},
        {QString(), QString()},
    };
    for (const auto& [dealer, player] : after_each) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(control<QLabel>("Label4")->text(), dealer);
        EXPECT_EQ(control<QLabel>("Label5")->text(), player);
    }
}

// Delete on a pad is that hand's "Annulla carte"; Ctrl+N is "Nuova partita".
struct ClearCase {
    const char* name;
    const char* pad;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool clears_dealer;
    bool clears_player;
};

void PrintTo(const ClearCase& c, std::ostream* out) {
    *out << c.name;
}

class ClearingKey : public Form1Keys, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearingKey, clears_as_its_button_does) {
    const ClearCase& c = GetParam();
    play_worked_example();
    key(c.pad, c.key, c.modifiers);
    EXPECT_EQ(control<QLabel>("Label4")->text().isEmpty(), c.clears_dealer);
    EXPECT_EQ(control<QLabel>("Label12")->text().isEmpty(), c.clears_dealer);
    EXPECT_EQ(control<QLabel>("Label5")->text().isEmpty(), c.clears_player);
    EXPECT_EQ(control<QLabel>("Label13")->text().isEmpty(), c.clears_player);
}

INSTANTIATE_TEST_SUITE_P(
    Form1, ClearingKey,
    ::testing::Values(
        ClearCase{"delete_on_the_dealers_pad", "Frame1", Qt::Key_Delete, {}, true, false},
        ClearCase{"delete_on_the_players_pad", "Frame2", Qt::Key_Delete, {}, false, true},
        ClearCase{"ctrl_n_anywhere", "Combo1", Qt::Key_N, Qt::ControlModifier, true, true}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

TEST_F(Form1Keys, offers_every_action_with_its_shortcut_in_the_context_menu) {
    EXPECT_EQ(form->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(control("Frame1")->contextMenuPolicy(), Qt::PreventContextMenu);
    QStringList texts;
    for (const QAction* action : form->actions()) {
        texts << action->text();
        if (action->text() != QStringLiteral("Informazioni su Tavolix")) {
            EXPECT_FALSE(action->shortcut().isEmpty()) << action->text().toStdString();
        }
    }
    EXPECT_EQ(texts, QString::fromUtf8("Copia risultati|Annulla ultima carta|Nuova partita|"
                                       "Manuale|Informazioni su Tavolix|Esci")
                         .split(QLatin1Char('|')));
}

#ifdef TAVOLIX_CALC
// Ctrl+C copies what tavolix-calc prints for the same table, after a card
// was taken back too.
TEST_F(Form1Keys, ctrl_c_copies_the_text_that_tavolix_calc_prints_for_the_table) {
    type("Frame1", QStringLiteral("t"));
    type("Frame2", QStringLiteral("t82"));
    key("Frame2", Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);

    QProcess calc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));
    calc.setProcessEnvironment(environment);
    calc.start(QStringLiteral(TAVOLIX_CALC), {QStringLiteral("10"), QStringLiteral("10,8")});
    ASSERT_TRUE(calc.waitForFinished(60'000));
    const QString printed = QString::fromUtf8(calc.readAllStandardOutput());
    ASSERT_TRUE(printed.startsWith(QStringLiteral("BANCO"))) << printed.toStdString();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), printed);
}
#endif

TEST_F(Form1Keys, f1_opens_the_manual_and_ctrl_q_closes_the_window) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.front(), manual_address(QCoreApplication::applicationDirPath()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form1Keys, about_box_names_the_version_licence_and_web_address) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    form->findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
    EXPECT_TRUE(shown.contains(QStringLiteral(TAVOLIX_VERSION))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("GPL-3.0-or-later")));
    EXPECT_TRUE(shown.contains(home_page_address()));
}

// The installed manual lies beside the program's directory in the
// documentation directory; without it F1 opens the manual page on the web.
TEST(ManualAddress, is_the_installed_copy_when_there_else_the_web_page) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(manual_address(bin), QUrl(manual_page_address()));

    const QString manual = QDir(bin).filePath(QStringLiteral(TAVOLIX_DOC_FROM_BIN "/manuale.html"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(manual).path()));
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(manual_address(bin), QUrl::fromLocalFile(QFileInfo(manual).canonicalFilePath()));
}

}  // namespace
}  // namespace tavolix::ui::testing
