// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "model/shoe_file.h"
#include "model/strategy_text.h"
#include "ui/form1_layout.h"
#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

class ShoePanel : public Form1Test {
  protected:
    void SetUp() override {
        Form1Test::SetUp();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void open_panel() {
        if (!form->shoe_open()) {
            click(control("Command8"));
        }
    }
    QLabel* out_label(const QString& caption) const {
        for (auto* label : control("Frame6")->findChildren<QLabel*>(QStringLiteral("Label29"))) {
            if (label->text() == caption) {
                return label;
            }
        }
        return nullptr;
    }
    void take_out(const QString& caption) const { click(out_label(caption)); }
    // The counts of the cards out, A first, as the panel's table shows them.
    QStringList counts() const {
        return shown_lines("Label27").value(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    QString shoe_line() const { return control<QLabel>("Label28")->text(); }
};

// The panel opens below the window's own height and closes again; nothing it
// shows stands over another control or outside the window, with the analysis
// open or not.
TEST_F(ShoePanel, opens_below_the_window_and_overlaps_nothing) {
    EXPECT_EQ(form->height(), to_pixels(kClientHeight));
    EXPECT_FALSE(control("Frame6")->isVisible());
    for (const bool analysis : {false, true}) {
        if (analysis) {
            click(control("Command5"));
        }
        open_panel();
        EXPECT_EQ(form->height(), to_pixels(kShoeClientHeight));
        const QList<QWidget*> shown = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        // The window's own controls touch here and there as they were
        // designed; the shoe's stand clear of every one.
        const QStringList panel{"Command8", "Command9", "Command10", "Command11", "Label26",
                                "Label27",  "Label28",  "Frame6",    "Line6"};
        for (QWidget* one : shown) {
            if (!one->isVisible() || !panel.contains(one->objectName())) {
                continue;
            }
            EXPECT_TRUE(form->rect().contains(one->geometry())) << one->objectName().toStdString();
            for (QWidget* other : shown) {
                if (other != one && other->isVisible()) {
                    EXPECT_FALSE(one->geometry().intersects(other->geometry()))
                        << one->objectName().toStdString() << " "
                        << other->objectName().toStdString();
                }
            }
        }
        click(control("Command8"));
        EXPECT_EQ(form->height(), to_pixels(kClientHeight));
        EXPECT_FALSE(control("Frame6")->isVisible());
    }
}

// Cards out by click and by key, a round ended, undo across it, and a fresh
// shoe, as the panel's counts and the hands show them.
TEST_F(ShoePanel, follows_the_shoe_round_by_round) {
    open_panel();
    play_worked_example();
    click(control("Command10"));  // "Fine mano"
    EXPECT_EQ(control<QLabel>("Label4")->text(), QString());
    EXPECT_EQ(counts(), QString("0 0 0 0 0 0 0 1 0 2").split(' '));
    take_out(QStringLiteral("5"));
    QTest::keyClick(control("Frame6"), Qt::Key_A);
    EXPECT_EQ(counts(), QString("1 0 0 0 1 0 0 1 0 2").split(' '));
    QTest::keyClick(control("Frame6"), Qt::Key_Backspace);  // the ace goes back
    EXPECT_EQ(counts(), QString("0 0 0 0 1 0 0 1 0 2").split(' '));
    EXPECT_TRUE(shoe_line().startsWith(QStringLiteral("Sabot: 48 carte su 52, conteggio -1")))
        << shoe_line().toStdString();

    QTest::keyClick(control("Frame6"), Qt::Key_Z, Qt::ControlModifier);  // the 5
    QTest::keyClick(control("Frame6"), Qt::Key_Z, Qt::ControlModifier);  // the round's end
    EXPECT_EQ(counts(), QString("0 0 0 0 0 0 0 0 0 0").split(' '));
    EXPECT_EQ(control<QLabel>("Label4")->text(), QStringLiteral(" 10"));

    click(control("Command10"));
    take_out(QStringLiteral("K"));
    click(control("Command9"));  // this round's king goes back, the round's cards stay out
    EXPECT_EQ(counts(), QString("0 0 0 0 0 0 0 1 0 2").split(' '));
    click(control("Command11"));  // "Nuovo sabot"
    EXPECT_EQ(counts(), QString("0 0 0 0 0 0 0 0 0 0").split(' '));
}

// The next round's EV arrives from away from the window's thread, equal to
// the whole round worked out for the same shoe, and goes out of date as the
// shoe changes.
TEST_F(ShoePanel, shows_the_next_rounds_ev_once_worked_out) {
    open_panel();
    take_out(QStringLiteral("10"));
    take_out(QStringLiteral("Q"));
    // The first figure may be for the shoe before the last card out.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] {
            return shoe_line().contains(QStringLiteral("%")) &&
                   !shoe_line().endsWith(QStringLiteral(")"));
        },
        600'000))
        << shoe_line().toStdString();
    const std::optional<Strategy> expected = run_strategy(form->model().next_round_request());
    ASSERT_TRUE(expected.has_value());
    const QString figure = QString::fromStdString(percent_text(expected->round_ev, 2));
    EXPECT_TRUE(shoe_line().endsWith(QStringLiteral("prossima mano ") + figure + '%'))
        << shoe_line().toStdString();
    take_out(QStringLiteral("2"));
    EXPECT_TRUE(shoe_line().endsWith(QStringLiteral("(in calcolo)"))) << shoe_line().toStdString();
}

// The shoe kept in a scratch file: nothing written at a first start, every
// change written, and the next start finds the shoe back with its panel open.
class KeptShoe : public ShoePanel {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory.isValid());
        path = directory.filePath(QStringLiteral("data/shoe"));
        ShoePanel::SetUp();
    }
    void restart() {
        form.reset();
        ShoePanel::SetUp();
        form->use_shoe_file(path);
    }
    QTemporaryDir directory;
    QString path;
};

TEST_F(KeptShoe, brings_the_shoe_back_at_the_next_start) {
    form->use_shoe_file(path);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(form->shoe_open());
    click(control("Command8"));
    QTest::keyClick(control<QComboBox>("Combo2"), Qt::Key_Down);
    take_out(QStringLiteral("7"));
    take_out(QStringLiteral("A"));
    restart();
    EXPECT_TRUE(form->shoe_open());
    EXPECT_EQ(form->model().state().deck_count, 2);
    EXPECT_EQ(counts(), QString("1 0 0 0 0 0 1 0 0 0").split(' '));
    EXPECT_TRUE(shoe_line().startsWith(QStringLiteral("Sabot: 102 carte su 104")));
}

struct DamagedShoe {
    const char* name;
    QByteArray content;
};

void PrintTo(const DamagedShoe& c, std::ostream* out) {
    *out << c.name;
}

class DamagedShoeFile : public KeptShoe, public ::testing::WithParamInterface<DamagedShoe> {};

// A file that cannot be brought back gives a fresh shoe and one line on the
// panel, and is replaced whole at the next change.
TEST_P(DamagedShoeFile, gives_a_fresh_shoe_and_a_notice) {
    QDir().mkpath(directory.filePath(QStringLiteral("data")));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().content);
    }
    form->use_shoe_file(path);
    EXPECT_TRUE(form->shoe_open());
    EXPECT_EQ(form->model().shoe_state(), ShoeState{});
    EXPECT_TRUE(shoe_line().startsWith(QStringLiteral("Il sabot salvato in")))
        << shoe_line().toStdString();
    take_out(QStringLiteral("9"));
    EXPECT_TRUE(shoe_line().startsWith(QStringLiteral("Sabot: 51 carte su 52")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto read = read_shoe_file(file.readAll().toStdString());
    ASSERT_TRUE(std::holds_alternative<ShoeState>(read));
    EXPECT_EQ(std::get<ShoeState>(read).cards_out[9], 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedShoeFile,
    ::testing::Values(
        DamagedShoe{"garbage", QByteArray("\x01\xff[\0\0=\xfe\n]]", 10)},
        DamagedShoe{"truncated", "tavolix-shoe 1\ndecks=6\nrul"},
        DamagedShoe{"more_cards_than_the_shoe",
                    "tavolix-shoe 1\ndecks=1\nrules=TABLE\nout=5,0,0,0,0,0,0,0,0,0,0,0,0\n"},
        DamagedShoe{"too_long", QByteArray(static_cast<int>(kLongestShoeFile) + 10, 'x')}),
    [](const auto& shown) { return std::string(shown.param.name); });

// The widest shoe line, eight decks nearly gone with the figure out of date,
// takes at most the two lines of its box, in both languages; the counts'
// table fits its own.
TEST_P(Form1InLanguage, fits_the_shoe_panel_at_its_longest) {
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("shoe"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "tavolix-shoe 1\ndecks=8\nrules=S17 DAS LS\n"
            "out=31,31,31,31,31,31,31,31,31,31,31,31,31\n");
    }
    form->use_shoe_file(path);
    ASSERT_TRUE(form->shoe_open());
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return control<QLabel>("Label28")->text().contains(QStringLiteral("%")); },
        600'000));
    for (QLabel* face : control("Frame6")->findChildren<QLabel*>(QStringLiteral("Label29"))) {
        if (face->text() == QStringLiteral("2")) {
            click(face);
        }
    }
    auto* line = control<QLabel>("Label28");
    EXPECT_TRUE(line->text().contains(QStringLiteral("%"))) << line->text().toStdString();
    const QFontMetrics metrics(line->font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, line->width(), 1000), Qt::TextWordWrap, line->text());
    EXPECT_LE(needed.height(), line->height()) << line->text().toStdString();
    auto* table = control<QLabel>("Label27");
    const QFontMetrics fixed(table->font());
    for (const QString& row : shown_lines("Label27")) {
        EXPECT_LE(fixed.horizontalAdvance(row), table->width()) << row.toStdString();
    }
    EXPECT_LE(2 * fixed.height(), table->height());
    for (const char* name : {"Command8", "Command9", "Command10", "Command11"}) {
        auto* button = control<QPushButton>(name);
        EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 6,
                  button->width())
            << name;
    }
}

}  // namespace
}  // namespace tavolix::ui::testing
