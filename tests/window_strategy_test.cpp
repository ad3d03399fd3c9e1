// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <set>
#include <tuple>

#include "model/strategy_cells.h"
#include "ui/strategy_colours.h"
#include "ui/strategy_window.h"
#include "ui/theme_colours.h"
#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

constexpr int kWaitMs = 30000;

// The main window with its strategy window at hand: opened by its button,
// files saved where the test says, notices kept.
class StrategyWindowTest : public Form1Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory.isValid());
        Form1Test::SetUp();
    }
    // The table's rules and decks as a remembered setting gives them.
    void use_table(const char* rules, int decks) const {
        auto settings = std::make_unique<QSettings>(directory.filePath(QStringLiteral("t.conf")),
                                                    QSettings::IniFormat);
        settings->setValue(QStringLiteral("table/rules"), QLatin1String(rules));
        settings->setValue(QStringLiteral("table/decks"), decks);
        form->use_settings(std::move(settings));
    }
    StrategyWindow* open() {
        click(control("Command7"));
        StrategyWindow* shown = window();
        if (shown != nullptr) {
            shown->setSavePathChooser(
                [this](const QString&, const QString&, const QString&) { return save_to; });
            shown->setNotifier([this](const QString& message) { notices << message; });
        }
        return shown;
    }
    StrategyWindow* window() const { return form->findChild<StrategyWindow*>(); }
    static bool settle(StrategyWindow* shown) {
        return QTest::qWaitFor([shown] { return !shown->computing(); }, kWaitMs);
    }
    static void pick(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    static StrategyGrid* grid(StrategyWindow* shown, const char* panel) {
        return shown->findChild<QWidget*>(QLatin1String(panel))->findChild<StrategyGrid*>();
    }
    // Every cell shows the chart's code, starred where the chart marks it.
    static void expect_chart(StrategyGrid* shown, const Strategy& strategy) {
        for (const RowKind kind : {RowKind::hard, RowKind::soft, RowKind::pair}) {
            const auto& rows = chart_rows(strategy.chart, kind);
            for (std::size_t row = 0; row < rows.size(); ++row) {
                for (std::size_t column = 0; column < rows[row].cells.size(); ++column) {
                    const strategy::ChartCell& cell = rows[row].cells[column];
                    const QTableWidgetItem* item = shown->cell(kind, row, column);
                    const QString code =
                        cell.code.empty() ? QStringLiteral("-") : QString::fromStdString(cell.code);
                    EXPECT_EQ(item->text(), code + (cell.marked ? "*" : ""))
                        << rows[row].label << " v " << cell.up;
                    EXPECT_EQ(shown->marked(item), cell.marked);
                }
            }
        }
    }
    static QString code_at(StrategyGrid* shown, const char* row, int up) {
        const int column =
            static_cast<int>(std::find(strategy::kChartUps.begin(), strategy::kChartUps.end(), up) -
                             strategy::kChartUps.begin());
        for (int r = 0; r < shown->rowCount(); ++r) {
            if (shown->verticalHeaderItem(r)->text() == QLatin1String(row)) {
                return shown->item(r, column)->text();
            }
        }
        return {};
    }

    QTemporaryDir directory;
    QString save_to;
};

TEST_F(StrategyWindowTest, opens_beside_the_table_and_shows_the_models_chart_for_its_rules) {
    use_table("S17 DAS LS", 6);
    StrategyWindow* shown = open();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowModality(), Qt::NonModal);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Strategia"));
    EXPECT_TRUE(shown->computing());
    // The main window answers clicks while the strategy is worked out.
    click_card(true, QStringLiteral("10"));
    EXPECT_EQ(form->model().state().banco_count, 1);
    ASSERT_TRUE(settle(shown));

    const std::optional<Strategy> expected = run_strategy(form->model().strategy_request());
    ASSERT_TRUE(expected && shown->full_shoe_strategy());
    EXPECT_EQ(shown->full_shoe_strategy()->shoe, strategy::full_shoe(6));
    StrategyGrid* chart = grid(shown, "FullShoe");
    expect_chart(chart, *expected);
    // What a player of this game knows by heart.
    EXPECT_EQ(code_at(chart, "16", 10), QStringLiteral("Rh"));
    EXPECT_EQ(code_at(chart, "11", 6), QStringLiteral("Dh"));
    EXPECT_EQ(code_at(chart, "8,8", 1), QStringLiteral("P"));
    EXPECT_EQ(code_at(chart, "A,7", 3), QStringLiteral("Ds"));

    const auto texts = [shown] {
        QStringList all;
        for (QLabel* label : shown->findChildren<QLabel*>()) {
            all << label->text();
        }
        return all.join('\n');
    }();
    EXPECT_TRUE(texts.contains(QString::fromStdString(house_edge_line(*expected))));
    EXPECT_TRUE(texts.contains(QString::fromStdString(round_ev_line(*expected))));
    EXPECT_TRUE(texts.contains(QString::fromStdString(variance_line(*expected))));
    EXPECT_TRUE(texts.contains(QStringLiteral("6 mazzi")));
    EXPECT_EQ(shown->findChild<QWidget*>(QStringLiteral("StandAt"))->accessibleDescription(),
              QString::fromStdString(stand_at_text(*expected)));
    // A second click brings the same window forward.
    click(control("Command7"));
    EXPECT_EQ(form->findChildren<StrategyWindow*>().size(), 1);
}

// A run made stale by a change is never shown: only the last one arrives.
TEST_F(StrategyWindowTest, follows_the_decks_and_rules_cancelling_a_stale_run) {
    StrategyWindow* shown = open();
    ASSERT_NE(shown, nullptr);
    QSignalSpy arrived(shown, &StrategyWindow::strategyShown);
    pick(control<QComboBox>("Combo2"), 1);
    EXPECT_TRUE(shown->computing());
    pick(control<QComboBox>("Combo2"), 2);
    ASSERT_TRUE(settle(shown));
    QTest::qWait(50);
    EXPECT_EQ(arrived.count(), 1);
    ASSERT_TRUE(shown->full_shoe_strategy());
    EXPECT_EQ(shown->full_shoe_strategy()->shoe, strategy::full_shoe(3));
    expect_chart(grid(shown, "FullShoe"), *run_strategy(form->model().strategy_request()));

    use_table("H17 LS", 3);
    EXPECT_TRUE(shown->computing());
    ASSERT_TRUE(settle(shown));
    EXPECT_EQ(shown->full_shoe_strategy()->rules, form->model().state().rules);
    expect_chart(grid(shown, "FullShoe"), *run_strategy(form->model().strategy_request()));
}

TEST_F(StrategyWindowTest, closes_mid_run_and_with_the_main_window_mid_run) {
    StrategyWindow* shown = open();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->computing());
    shown->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window(), nullptr);
    play_worked_example();
    EXPECT_EQ(form->model().state().player_count, 2);

    ASSERT_NE(open(), nullptr);
    pick(control<QComboBox>("Combo2"), 7);
    ASSERT_TRUE(window()->computing());
    form.reset();
    QTest::qWait(100);
}

TEST_F(StrategyWindowTest, exports_the_csv_and_the_picture_whole_or_tells_why_not) {
    StrategyWindow* shown = open();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(settle(shown));
    auto* csv = shown->findChild<QPushButton*>(QStringLiteral("ExportCsv"));
    auto* png = shown->findChild<QPushButton*>(QStringLiteral("ExportPng"));

    save_to = directory.filePath(QStringLiteral("strategia.csv"));
    click(csv);
    QFile written(save_to);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), strategy_csv(*shown->full_shoe_strategy()));

    save_to = directory.filePath(QStringLiteral("strategia.png"));
    click(png);
    const QImage picture(save_to);
    EXPECT_EQ(picture.size(), shown->findChild<QWidget*>(QStringLiteral("Charts"))->size());

    save_to = directory.filePath(QStringLiteral("missing/strategia.csv"));
    click(csv);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices.front().contains(QStringLiteral("missing")))
        << notices.front().toStdString();
    EXPECT_FALSE(QFile::exists(save_to));
    // Cancelling the dialog writes nothing and says nothing.
    save_to.clear();
    click(csv);
    EXPECT_EQ(notices.size(), 1);
}

// The shoe in play beside the full shoe: worked out from the model's request,
// its frames exactly where the two charts play differently, and following
// the cards as they are dealt.
TEST_F(StrategyWindowTest, shows_the_shoe_in_play_with_the_differing_cells_framed) {
    click_card(true, QStringLiteral("5"));
    click_card(false, QStringLiteral("5"));
    click_card(false, QStringLiteral("6"));
    StrategyWindow* shown = open();
    ASSERT_NE(shown, nullptr);
    auto* beside = shown->findChild<QCheckBox*>(QStringLiteral("ShoeInPlay"));
    EXPECT_FALSE(shown->findChild<QWidget*>(QStringLiteral("ShoeInPlayChart"))->isVisible());
    click(beside, QPoint(8, beside->height() / 2));
    EXPECT_TRUE(shown->findChild<QWidget*>(QStringLiteral("ShoeInPlayChart"))->isVisible());
    ASSERT_TRUE(settle(shown));

    const auto check = [&] {
        const Strategy full = *run_strategy(form->model().strategy_request());
        const Strategy in_play = *run_strategy(form->model().next_round_request());
        ASSERT_TRUE(shown->shoe_in_play_strategy());
        EXPECT_EQ(shown->shoe_in_play_strategy()->shoe, in_play.shoe);
        StrategyGrid* chart = grid(shown, "ShoeInPlayChart");
        expect_chart(chart, in_play);
        int framed = 0;
        for (const RowKind kind : {RowKind::hard, RowKind::soft, RowKind::pair}) {
            const auto& ours = chart_rows(in_play.chart, kind);
            const auto& theirs = chart_rows(full.chart, kind);
            for (std::size_t row = 0; row < ours.size(); ++row) {
                for (std::size_t column = 0; column < ours[row].cells.size(); ++column) {
                    const bool differs =
                        ours[row].cells[column].code != theirs[row].cells[column].code;
                    EXPECT_EQ(chart->differs(chart->cell(kind, row, column)), differs);
                    EXPECT_EQ(grid(shown, "FullShoe")
                                  ->differs(grid(shown, "FullShoe")->cell(kind, row, column)),
                              differs);
                    framed += differs ? 1 : 0;
                }
            }
        }
        EXPECT_GT(framed, 0);
    };
    check();
    click_card(false, QStringLiteral("A"));
    EXPECT_TRUE(shown->computing());
    ASSERT_TRUE(settle(shown));
    check();

    // Back to a fresh shoe, the two are one strategy and no cell is framed.
    click(control("Command4"));
    ASSERT_TRUE(settle(shown));
    StrategyGrid* chart = grid(shown, "ShoeInPlayChart");
    for (int row = 0; row < chart->rowCount(); ++row) {
        for (int column = 0; column < chart->columnCount(); ++column) {
            EXPECT_FALSE(chart->differs(chart->item(row, column)));
        }
    }
}

// Every text fits its control, the grids show every cell without scrolling,
// the keyboard reaches every control and a screen reader has a name for it.
TEST_P(Form1InLanguage, fits_and_names_every_control_of_the_strategy_window) {
    click(control("Command7"));
    auto* shown = form->findChild<StrategyWindow*>();
    ASSERT_NE(shown, nullptr);
    shown->findChild<QCheckBox*>(QStringLiteral("ShoeInPlay"))->setChecked(true);
    ASSERT_TRUE(QTest::qWaitFor([shown] { return !shown->computing(); }, kWaitMs));
    QTest::qWait(0);
    for (QLabel* label : shown->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
        }
    }
    for (QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    }
    for (StrategyGrid* chart : shown->findChildren<StrategyGrid*>()) {
        EXPECT_LE(chart->horizontalHeader()->length(), chart->viewport()->width());
        EXPECT_LE(chart->verticalHeader()->length(), chart->viewport()->height());
        EXPECT_FALSE(chart->accessibleName().isEmpty());
    }
    QApplication::setActiveWindow(shown);
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    const std::vector<const char*> order{"ShoeInPlay", "FullShoe",  "ShoeInPlayChart", "StandAt",
                                         "ExportPng",  "ExportCsv", "Count",           "Simulate",
                                         "Close"};
    QWidget* at = shown->findChild<QWidget*>(QStringLiteral("ShoeInPlay"));
    at->setFocus();
    for (const char* name : order) {
        QWidget* expected = shown->findChild<QWidget*>(QLatin1String(name));
        if (auto* panel = expected->findChild<StrategyGrid*>()) {
            expected = panel;
        }
        EXPECT_EQ(QApplication::focusWidget(), expected) << name;
        const bool named = !QApplication::focusWidget()->accessibleName().isEmpty() ||
                           qobject_cast<QAbstractButton*>(QApplication::focusWidget()) != nullptr;
        EXPECT_TRUE(named) << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Escape closes the window, which then deletes itself.
    const QPointer<StrategyWindow> watched(shown);
    QTest::keyClick(shown, Qt::Key_Escape);
    QTest::qWait(0);
    EXPECT_TRUE(watched.isNull() || !watched->isVisible());
}

// Each play's cells read at a contrast of 4.5:1 at least on a light and a
// dark palette, no two plays share a colour, and the grid paints them.
TEST_F(StrategyWindowTest, paints_every_play_readably_and_apart_in_light_and_dark) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, Qt::white);
    StrategyWindow* shown = open();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(settle(shown));
    for (const QPalette& palette : {QApplication::palette(), dark}) {
        std::set<QRgb> backgrounds;
        for (const analysis::Play play : analysis::kPlays) {
            const CellColours colours = play_colours(play, palette);
            EXPECT_GE(contrast_ratio(colours.text, colours.background), 4.5);
            EXPECT_TRUE(backgrounds.insert(colours.background.rgb()).second);
        }
        shown->setPalette(palette);
        StrategyGrid* chart = grid(shown, "FullShoe");
        const QImage picture = chart->viewport()->grab().toImage();
        for (const RowKind kind : {RowKind::hard, RowKind::soft, RowKind::pair}) {
            const auto& rows = chart_rows(shown->full_shoe_strategy()->chart, kind);
            for (std::size_t row = 0; row < rows.size(); ++row) {
                for (std::size_t column = 0; column < rows[row].cells.size(); ++column) {
                    const QRect box = chart->visualItemRect(chart->cell(kind, row, column));
                    const QPoint inside(box.left() + 5, box.center().y());
                    EXPECT_EQ(picture.pixelColor(inside).rgb(),
                              play_colours(*rows[row].cells[column].play, palette).background.rgb())
                        << rows[row].label << " v " << rows[row].cells[column].up;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tavolix::ui::testing
