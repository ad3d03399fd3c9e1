// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "i18n/translation.h"
#include "model/rule_line.h"
#include "model/simulation_report.h"
#include "simulation/run.h"
#include "table_fixtures.h"
#include "ui/simulation_window.h"
#include "ui/strategy_window.h"

namespace tavolix::ui::testing {
namespace {

constexpr int kWaitMs = 60000;

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

// A window of one deck under S17 DAS, its inputs and buttons at hand.
class SimulationWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<SimulationWindow>(ModelWords{},
                                                    tavolix::testing::rules_of("S17 DAS"), 1);
        window->show();
    }
    template <typename Widget = QWidget>
    Widget* control(const char* name) const {
        return window->findChild<Widget*>(QLatin1String(name));
    }
    void start(double millions) const {
        control<QDoubleSpinBox>("Rounds")->setValue(millions);
        click(control("Run"));
    }
    // Until some rounds are done, not all of them.
    bool under_way() const {
        return QTest::qWaitFor([this] { return control<QProgressBar>("Progress")->value() > 0; },
                               kWaitMs);
    }
    std::unique_ptr<SimulationWindow> window;
};

// The figures the window reports are those of its options run here on one
// thread; the bar is full and the report is tavolix-sim's text.
TEST_F(SimulationWindowTest, runs_a_small_game_to_the_report_of_its_options) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "200,000 rounds: checked outside the sanitizers";
    }
    QSignalSpy ended(window.get(), &SimulationWindow::runEnded);
    start(0.2);
    EXPECT_TRUE(window->running());
    EXPECT_FALSE(control("Run")->isEnabled());
    ASSERT_TRUE(ended.wait(kWaitMs));
    ASSERT_TRUE(window->report().has_value());
    const SimulationReport& report = *window->report();
    EXPECT_TRUE(report.finished);
    EXPECT_EQ(report.figures.rounds_dealt, 200'000u);
    const QProgressBar* bar = control<QProgressBar>("Progress");
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(control<QLabel>("Rate")->text().contains(QStringLiteral("200")));
    EXPECT_EQ(control<QPlainTextEdit>("Report")->toPlainText().toStdString(),
              simulation_text(report, i18n::translated_simulation_report_words()));
    // In the window's language, not tavolix-sim's English.
    EXPECT_NE(control<QPlainTextEdit>("Report")->toPlainText().toStdString(),
              simulation_text(report));
    // Every line is read without scrolling sideways.
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QPlainTextEdit>("Report")->horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(control("TrueCounts")->accessibleDescription().isEmpty());
    EXPECT_FALSE(control("Ruin")->accessibleDescription().isEmpty());

    const simulation::SimulationOptions& options = report.options;
    EXPECT_EQ(options.ramp.size(), 5u);
    const auto game = simulation::prepare_game(options);
    ASSERT_TRUE(std::holds_alternative<simulation::Game>(game));
    simulation::RunState state = simulation::fresh_state(options);
    ASSERT_TRUE(simulation::run(std::get<simulation::Game>(game), 1, state));
    EXPECT_EQ(simulation::figures_of(state.sums, report.bankroll, report.trip).advantage,
              report.figures.advantage);
    EXPECT_EQ(state.sums.hands, report.figures.hands);
}

// Stopped, the window keeps the figures of the blocks it finished.
TEST_F(SimulationWindowTest, stop_keeps_the_report_of_the_blocks_done) {
    QSignalSpy ended(window.get(), &SimulationWindow::runEnded);
    start(1000);
    ASSERT_TRUE(under_way());
    click(control("Stop"));
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_FALSE(window->running());
    ASSERT_TRUE(window->report().has_value());
    EXPECT_FALSE(window->report()->finished);
    EXPECT_GT(window->report()->figures.rounds_dealt, 0u);
    EXPECT_LT(window->report()->figures.rounds_dealt, 1'000'000'000u);
    EXPECT_TRUE(control<QPlainTextEdit>("Report")->toPlainText().contains(
        QString::fromStdString(i18n::translated_simulation_report_words().stopped).trimmed()));
    EXPECT_TRUE(control("Run")->isEnabled());
}

// While it runs, the report and the charts follow it every second with the
// figures of the blocks done so far, marked as partial, the report scrolled
// where the user left it; the end's report takes their place.
TEST_F(SimulationWindowTest, the_report_follows_the_run_with_the_figures_so_far) {
    QSignalSpy ended(window.get(), &SimulationWindow::runEnded);
    start(1000);
    auto* text = control<QPlainTextEdit>("Report");
    const auto* note = control<QLabel>("Partial");
    const SimulationReportWords words = i18n::translated_simulation_report_words();
    const QString stopped = QString::fromStdString(words.stopped).trimmed();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->partial().has_value(); }, kWaitMs));
    EXPECT_TRUE(window->running());
    SimulationReport so_far = *window->partial();
    const std::uint64_t first = so_far.figures.rounds_dealt;
    EXPECT_GT(first, 0u);
    EXPECT_LT(first, 1'000'000'000u);
    EXPECT_FALSE(window->report().has_value());
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QLocale().toString(static_cast<qulonglong>(first))))
        << note->text().toStdString();
    EXPECT_FALSE(control("TrueCounts")->accessibleDescription().isEmpty());
    // The text the run will end with, but for the mark on the run's line.
    so_far.finished = false;
    const QStringList shown = text->toPlainText().split(QLatin1Char('\n'));
    const QStringList at_stop =
        QString::fromStdString(simulation_text(so_far, words)).split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), at_stop.size());
    int marked = 0;
    for (int line = 0; line < shown.size(); ++line) {
        if (shown[line] != at_stop[line]) {
            ++marked;
            EXPECT_TRUE(at_stop[line].contains(stopped));
            EXPECT_FALSE(shown[line].contains(stopped));
            EXPECT_TRUE(shown[line].startsWith(at_stop[line].left(at_stop[line].indexOf(stopped))));
        }
    }
    EXPECT_EQ(marked, 1);

    QScrollBar* scroll = text->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 1);
    scroll->setValue(scroll->maximum() - 1);
    const int scrolled = scroll->value();
    ASSERT_TRUE(QTest::qWaitFor(
        [this, first] { return window->partial()->figures.rounds_dealt > first; }, kWaitMs));
    EXPECT_EQ(scroll->value(), scrolled);
    EXPECT_TRUE(text->toPlainText().contains(
        QString::fromStdString(simulation_text(*window->partial(), words).substr(0, 40))));

    click(control("Stop"));
    ASSERT_TRUE(ended.wait(kWaitMs));
    ASSERT_TRUE(window->report().has_value());
    EXPECT_FALSE(window->partial().has_value());
    EXPECT_FALSE(note->isVisible());
    EXPECT_GE(window->report()->figures.rounds_dealt, first);
    EXPECT_EQ(text->toPlainText().toStdString(), simulation_text(*window->report(), words));
}

// Closed mid-run, by its button or with the window that opened it, the run
// ends there and then; nothing comes after.
TEST_F(SimulationWindowTest, closing_mid_run_ends_the_run) {
    QSignalSpy ended(window.get(), &SimulationWindow::runEnded);
    start(1000);
    ASSERT_TRUE(under_way());
    click(control("Close"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->running());
    QTest::qWait(300);
    EXPECT_EQ(ended.count(), 0);

    // Started again and destroyed at once, while the game is still prepared.
    window->show();
    start(1000);
    window.reset();
}

// A ramp that tavolix-sim's --ramp would refuse is refused here too, with the
// fault named, and nothing runs.
TEST_F(SimulationWindowTest, a_bad_ramp_cell_is_refused_with_its_fault) {
    struct Case {
        int row;
        int column;
        const char* text;
        const char* fault;
    };
    for (const Case& bad : {Case{1, 1, "x", "numeri interi"}, Case{2, 1, "0", "da 1 a 1000"},
                            Case{3, 0, "1", "devono crescere"}, Case{0, 0, "11", "da -10 a 10"}}) {
        QTableWidget* ramp = control<QTableWidget>("Ramp");
        const QString kept = ramp->item(bad.row, bad.column)->text();
        ramp->item(bad.row, bad.column)->setText(QLatin1String(bad.text));
        click(control("Run"));
        const QLabel* fault = control<QLabel>("Fault");
        EXPECT_TRUE(fault->isVisible()) << bad.text;
        EXPECT_TRUE(fault->text().contains(QLatin1String(bad.fault)))
            << fault->text().toStdString();
        EXPECT_FALSE(window->running());
        ramp->item(bad.row, bad.column)->setText(kept);
    }
    EXPECT_FALSE(window->report().has_value());
}

// What the table cannot play is said before a click, not refused after it:
// the window's own dealer deals no casino round, one deck has room for four
// seats, and KO, unbalanced, has no index plays.
TEST_F(SimulationWindowTest, offers_only_what_the_table_can_play) {
    QSpinBox* seats = control<QSpinBox>("Seats");
    EXPECT_EQ(seats->maximum(), 4);
    seats->setValue(4);
    EXPECT_TRUE(std::holds_alternative<SimulationRequest>(window->request()));
    window->set_table(tavolix::testing::rules_of("H17"), 2);
    EXPECT_EQ(seats->maximum(), simulation::kMostPlayers);

    QComboBox* indices = control<QComboBox>("Indices");
    indices->setCurrentIndex(1);
    control<QComboBox>("Count")->setCurrentIndex(1);  // KO
    EXPECT_FALSE(indices->isEnabled());
    EXPECT_EQ(indices->currentData().toInt(), static_cast<int>(simulation::IndexSet::none));
    EXPECT_TRUE(std::holds_alternative<SimulationRequest>(window->request()));
    control<QComboBox>("Count")->setCurrentIndex(0);  // Hi-Lo
    EXPECT_TRUE(indices->isEnabled());

    const QLabel* fault = control<QLabel>("Fault");
    EXPECT_FALSE(fault->isVisible());
    window->set_table(TableRules{}, 1);
    EXPECT_TRUE(fault->isVisible());
    EXPECT_TRUE(fault->text().contains(QStringLiteral("S17 o H17")));
    EXPECT_FALSE(control("Run")->isEnabled());
    window->set_table(tavolix::testing::rules_of("S17"), 1);
    EXPECT_FALSE(fault->isVisible());
    EXPECT_TRUE(control("Run")->isEnabled());
}

// The strategy window's button opens the simulation of the table it shows.
TEST(SimulationWindowOpen, from_the_strategy_window_with_its_table) {
    const TableRules rules = tavolix::testing::rules_of("H17 DAS LS");
    auto strategy = std::make_unique<StrategyWindow>(ModelWords{});
    strategy->follow(full_shoe_request(rules, 2), full_shoe_request(rules, 2));
    strategy->show();
    click(strategy->findChild<QWidget*>(QStringLiteral("Simulate")));
    auto* simulation = strategy->findChild<SimulationWindow*>();
    ASSERT_NE(simulation, nullptr);
    EXPECT_TRUE(simulation->isVisible());
    EXPECT_TRUE(simulation->findChild<QLabel*>(QStringLiteral("Table"))
                    ->text()
                    .contains(QString::fromStdString(rule_line(rules, 2))));
    simulation->findChild<QDoubleSpinBox*>(QStringLiteral("Rounds"))->setValue(1000);
    click(simulation->findChild<QWidget*>(QStringLiteral("Run")));
    EXPECT_TRUE(simulation->running());
    strategy.reset();  // the simulation window goes with it, its run ended
}

}  // namespace
}  // namespace tavolix::ui::testing
