// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <utility>

#include "i18n/translation.h"
#include "model/optimal_ramp.h"
#include "model/request_run.h"
#include "model/rule_line.h"
#include "model/simulation_report.h"
#include "simulation/run.h"
#include "table_fixtures.h"
#include "ui/compare_window.h"
#include "ui/score_chart.h"
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

// "Ottimale" fills the ramp from a pilot of a quarter of the rounds, to the
// step the model's own choice for the same game and spread gives (the same
// seed, the same digits); the bar follows the pilot, and the table stays
// the user's to edit.
TEST_F(SimulationWindowTest, optimal_fills_the_ramp_from_a_pilot_run) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "a pilot of 100,000 rounds: checked outside the sanitizers";
    }
    QSignalSpy chosen(window.get(), &SimulationWindow::rampChosen);
    window->set_table(tavolix::testing::rules_of("S17 DAS LS"), 6);
    control<QDoubleSpinBox>("Rounds")->setValue(0.4);
    control<QSpinBox>("Spread")->setValue(8);
    QTableWidget* ramp = control<QTableWidget>("Ramp");
    // A bad cell does not stop the pilot, which fills the table anew.
    ramp->item(1, 1)->setText(QStringLiteral("x"));
    click(control("OptimalRamp"));
    EXPECT_TRUE(window->running());
    EXPECT_FALSE(control("Run")->isEnabled());
    EXPECT_FALSE(control("Ramp")->isEnabled());
    ASSERT_TRUE(chosen.wait(kWaitMs));
    EXPECT_FALSE(window->running());
    EXPECT_FALSE(control<QLabel>("Fault")->isVisible());
    const QProgressBar* bar = control<QProgressBar>("Progress");
    EXPECT_EQ(bar->value(), bar->maximum());

    auto wanted = window->request();
    ASSERT_TRUE(std::holds_alternative<SimulationRequest>(wanted));
    SimulationRequest request = std::get<SimulationRequest>(wanted);
    request.optimal_ramp = OptimalRampWanted{.spread = 8};
    const auto oracle = choose_optimal_ramp(request, 8, pilot_rounds_of(request));
    ASSERT_TRUE(std::holds_alternative<OptimalRamp>(oracle));
    const OptimalRamp& expected = std::get<OptimalRamp>(oracle);
    EXPECT_EQ(pilot_rounds_of(request), 100'000u);
    EXPECT_EQ(request.options.ramp, expected.ramp);
    ASSERT_TRUE(window->optimal_ramp().has_value());
    EXPECT_EQ(window->optimal_ramp()->scale, expected.scale);
    EXPECT_EQ(ramp->rowCount(), static_cast<int>(expected.ramp.size()));
    int most = 0;
    for (const simulation::RampStep& step : expected.ramp) {
        most = std::max(most, step.units);
    }
    EXPECT_GT(most, 1);
    EXPECT_LE(most, 8);
    const QString rate = control<QLabel>("Rate")->text();
    EXPECT_TRUE(rate.contains(QStringLiteral("1-8"))) << rate.toStdString();

    // The user's to edit, and what is edited is what runs.
    QTableWidgetItem* last = ramp->item(ramp->rowCount() - 1, 1);
    EXPECT_TRUE((last->flags() & Qt::ItemIsEditable) != 0);
    last->setText(QStringLiteral("7"));
    const auto edited = window->request();
    ASSERT_TRUE(std::holds_alternative<SimulationRequest>(edited));
    EXPECT_EQ(std::get<SimulationRequest>(edited).options.ramp.back().units, 7);
}

// Stopped during its pilot, the table stays as it was and nothing is chosen.
TEST_F(SimulationWindowTest, a_stopped_pilot_leaves_the_ramp_as_it_was) {
    QSignalSpy chosen(window.get(), &SimulationWindow::rampChosen);
    control<QDoubleSpinBox>("Rounds")->setValue(1000);
    const auto before = window->request();
    click(control("OptimalRamp"));
    ASSERT_TRUE(under_way());
    click(control("Stop"));
    EXPECT_FALSE(window->running());
    EXPECT_TRUE(control("Run")->isEnabled());
    QTest::qWait(300);
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_FALSE(window->optimal_ramp().has_value());
    const auto after = window->request();
    ASSERT_TRUE(std::holds_alternative<SimulationRequest>(after));
    EXPECT_EQ(std::get<SimulationRequest>(after).options.ramp,
              std::get<SimulationRequest>(before).options.ramp);
}

// "Confronta..." opens a list where the window's game, as it stands, is
// added once; the games are played in turn, each to the figures of its run
// alone, and shown best SCORE first in the table, the chart and the CSV.
TEST_F(SimulationWindowTest, compare_plays_the_games_added_to_their_single_runs) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "three games of 300,000 rounds: checked outside the sanitizers";
    }
    window->set_table(tavolix::testing::rules_of("S17 DAS LS"), 6);
    control<QDoubleSpinBox>("Rounds")->setValue(0.3);
    click(control("Compare"));
    auto* compare = qobject_cast<CompareWindow*>(window->compare_window());
    ASSERT_NE(compare, nullptr);
    EXPECT_TRUE(compare->isVisible());
    const auto part = [compare](const char* name) {
        return compare->findChild<QWidget*>(QLatin1String(name));
    };
    click(part("AddGame"));
    click(part("AddGame"));
    EXPECT_EQ(compare->games().size(), 1u);
    EXPECT_TRUE(part("Fault")->isVisible());
    control<QSpinBox>("Penetration")->setValue(50);
    click(part("AddGame"));
    EXPECT_FALSE(part("Fault")->isVisible());
    control<QTableWidget>("Ramp")->setRowCount(0);
    click(part("AddGame"));
    ASSERT_EQ(compare->games().size(), 3u);
    EXPECT_FALSE(part("ExportCsv")->isEnabled());

    QSignalSpy ended(compare, &CompareWindow::runEnded);
    click(part("RunGames"));
    EXPECT_TRUE(compare->running());
    EXPECT_FALSE(part("AddGame")->isEnabled());
    EXPECT_FALSE(part("RunGames")->isEnabled());
    ASSERT_TRUE(ended.wait(kWaitMs));
    EXPECT_FALSE(compare->running());
    EXPECT_FALSE(part("RunGames")->isEnabled());
    for (const ComparedResult& game : compare->games()) {
        ASSERT_TRUE(game.report.has_value()) << game.error;
        EXPECT_TRUE(game.report->finished);
        EXPECT_EQ(game.report->figures.rounds_dealt, 300'000u);
    }
    const ComparedResult& second = compare->games()[1];
    const auto alone = run_request(second.game.request);
    ASSERT_TRUE(std::holds_alternative<SimulationReport>(alone));
    EXPECT_EQ(std::get<SimulationReport>(alone).figures.advantage,
              second.report->figures.advantage);
    EXPECT_EQ(std::get<SimulationReport>(alone).figures.sd_per_round,
              second.report->figures.sd_per_round);

    // Best first: the games that win by their SCORE, then the rest by DI.
    const auto* table = compare->findChild<QTableWidget*>(QStringLiteral("Games"));
    const auto* chart = compare->findChild<ScoreChart*>(QStringLiteral("Scores"));
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_EQ(chart->bars().size(), 3u);
    std::pair<int, double> last_key{-1, 0};
    for (int row = 0; row < 3; ++row) {
        const QString label = table->item(row, 10)->text();
        const auto game = std::find_if(compare->games().begin(), compare->games().end(),
                                       [&label](const ComparedResult& r) {
                                           return QString::fromStdString(r.game.label) == label;
                                       });
        ASSERT_NE(game, compare->games().end()) << label.toStdString();
        const simulation::Figures& f = game->report->figures;
        EXPECT_EQ(table->item(row, 0)->text(), QString::number(row + 1));
        EXPECT_EQ(table->item(row, 3)->text(), QString::number(100 * f.advantage, 'f', 3));
        const bool wins = f.ev_per_round > 0;
        EXPECT_EQ(table->item(row, 1)->text(),
                  wins ? QString::number(f.score, 'f', 3) : QStringLiteral("-"));
        const std::pair<int, double> key{wins ? 0 : 1, wins ? -f.score : -f.di};
        EXPECT_LE(last_key, key) << label.toStdString();
        last_key = key;
        const ScoreChart::Bar& bar = chart->bars()[static_cast<std::size_t>(row)];
        EXPECT_EQ(bar.place, table->item(row, 0)->text());
        EXPECT_EQ(bar.figure, table->item(row, 1)->text());
        EXPECT_EQ(bar.score.has_value(), wins);
        EXPECT_EQ(bar.game, label);
    }
    EXPECT_FALSE(chart->accessibleDescription().isEmpty());

    // Saved whole: a heading line, then the table's rows in its order.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("confronto.csv"));
    compare->setSavePathChooser(
        [&path](const QString&, const QString&, const QString&) { return path; });
    QStringList notices;
    compare->setNotifier([&notices](const QString& notice) { notices << notice; });
    ASSERT_TRUE(part("ExportCsv")->isEnabled());
    click(part("ExportCsv"));
    EXPECT_TRUE(notices.isEmpty());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(saved.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("SCORE")));
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(lines[row + 1].startsWith(QString::number(row + 1) + QLatin1Char(',')));
        EXPECT_TRUE(lines[row + 1].contains(table->item(row, 10)->text()))
            << lines[row + 1].toStdString();
    }

    // A game taken off the list goes from the table and the chart.
    const QString gone = table->item(0, 10)->text();
    compare->findChild<QTableWidget*>(QStringLiteral("Games"))->selectRow(0);
    click(part("RemoveGame"));
    ASSERT_EQ(compare->games().size(), 2u);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(chart->bars().size(), 2u);
    for (int row = 0; row < 2; ++row) {
        EXPECT_NE(table->item(row, 10)->text(), gone);
    }
    // The list goes with the simulation window.
    window->close();
    EXPECT_FALSE(compare->isVisible());
}

// Stopped in its second game, the list keeps the first game's figures, the
// second's blocks done, and the third to play.
TEST_F(SimulationWindowTest, a_stopped_comparison_keeps_the_games_done) {
    window->set_table(tavolix::testing::rules_of("S17 DAS LS"), 6);
    control<QDoubleSpinBox>("Rounds")->setValue(0.1);
    click(control("Compare"));
    auto* compare = qobject_cast<CompareWindow*>(window->compare_window());
    ASSERT_NE(compare, nullptr);
    const auto part = [compare](const char* name) {
        return compare->findChild<QWidget*>(QLatin1String(name));
    };
    click(part("AddGame"));
    control<QDoubleSpinBox>("Rounds")->setValue(1000);
    click(part("AddGame"));
    control<QSpinBox>("Penetration")->setValue(50);
    click(part("AddGame"));
    ASSERT_EQ(compare->games().size(), 3u);
    QSignalSpy ended(compare, &CompareWindow::runEnded);
    click(part("RunGames"));
    const auto* bar = compare->findChild<QProgressBar*>(QStringLiteral("Progress"));
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->value() > bar->maximum() / 3; }, kWaitMs));
    click(part("StopGames"));
    ASSERT_TRUE(ended.wait(kWaitMs));
    const std::vector<ComparedResult>& games = compare->games();
    ASSERT_TRUE(games[0].report.has_value());
    EXPECT_TRUE(games[0].report->finished);
    EXPECT_FALSE(games[1].report && games[1].report->finished);
    EXPECT_FALSE(games[2].report.has_value());
    EXPECT_TRUE(part("RunGames")->isEnabled());
    EXPECT_TRUE(part("ExportCsv")->isEnabled());
    const auto* table = compare->findChild<QTableWidget*>(QStringLiteral("Games"));
    EXPECT_TRUE(table->item(2, 10)->text().contains(QStringLiteral("non giocato")))
        << table->item(2, 10)->text().toStdString();
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
