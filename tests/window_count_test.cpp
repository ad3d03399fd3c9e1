// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <vector>

#include "model/count_window_text.h"
#include "table_fixtures.h"
#include "ui/count_window.h"
#include "ui/strategy_window.h"
#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

constexpr int kWaitMs = 120000;

template <typename Widget = QWidget>
Widget* part(const CountWindow& window, const char* name) {
    return window.findChild<Widget*>(QLatin1String(name));
}

// A count window on its own, its choices kept.
struct Picked {
    std::vector<counting::Count> counts;
    std::unique_ptr<CountWindow> window;

    Picked() {
        CountLink link;
        link.count_chosen = [this](const counting::Count& count) { counts.push_back(count); };
        window = std::make_unique<CountWindow>(ModelWords{}, link);
        window->show();
    }
    void pick_custom() const {
        auto* picker = part<QComboBox>(*window, "CountPicker");
        const int custom = picker->count() - 1;
        picker->setCurrentIndex(custom);
        emit picker->activated(custom);
    }
};

struct TagsCase {
    const char* text;
    bool good;
};

// What is typed is checked at once: a good text is the count in use, a bad
// one is told in a line and leaves the last good count.
TEST(CountWindowPicker, checks_the_tags_as_they_are_typed) {
    const std::vector<TagsCase> cases{
        {"-1,1,1,1,1,1,0,0,0,-1", true},
        {"0,1,1,2,2,1,1,0,0,-2", true},
        {"-1,0.5,1,1,1.5,1,0.5,0,-0.5,-1", true},
        {" 0, 1,1,1,1,1,0,0,0,-1 ", true},
        {"-1,1,1,1,1,1,0,0,0", false},
        {"-1,1,1,1,1,1,0,0,0,-1,1", false},
        {"-1,1,1,x,1,1,0,0,0,-1", false},
        {"-1,1,1,1,1,1,0,0,0,0.3", false},
        {"-1,1,1,1,1,1,0,0,0,12", false},
        {"", false},
    };
    for (const TagsCase& tried : cases) {
        Picked picked;
        picked.pick_custom();
        auto* tags = part<QLineEdit>(*picked.window, "CountTags");
        ASSERT_TRUE(tags->isEnabled());
        // Emptied as a user would: the field then holds no count.
        tags->selectAll();
        QTest::keyClick(tags, Qt::Key_Backspace);
        const std::string text = tried.text;
        // The oracle: the longest typed prefix that is a count is the one in use.
        counting::Count expected = picked.window->count();
        for (std::size_t length = 1; length <= text.size(); ++length) {
            const auto prefix = counting::parse_count(text.substr(0, length));
            if (const auto* count = std::get_if<counting::Count>(&prefix)) {
                expected = *count;
            }
        }
        QTest::keyClicks(tags, QString::fromStdString(text));
        const QString error = part<QLabel>(*picked.window, "CountTagsError")->text();
        const bool good = std::holds_alternative<counting::Count>(counting::parse_count(text));
        ASSERT_EQ(good, tried.good) << text;
        EXPECT_EQ(error.isEmpty(), good) << text << ": " << error.toStdString();
        EXPECT_FALSE(error.contains('\n')) << error.toStdString();
        EXPECT_EQ(picked.window->count(), expected) << text;
        if (!picked.counts.empty()) {
            EXPECT_EQ(picked.counts.back(), picked.window->count()) << tried.text;
        }
    }
}

// A built-in count picked shows its tags, read-only, and is told to the
// model.
TEST(CountWindowPicker, picks_every_built_in_count) {
    Picked picked;
    auto* picker = part<QComboBox>(*picked.window, "CountPicker");
    auto* tags = part<QLineEdit>(*picked.window, "CountTags");
    const std::vector<counting::Count>& built_in = counting::built_in_counts();
    ASSERT_EQ(picker->count(), static_cast<int>(built_in.size()) + 1);
    for (int choice = static_cast<int>(built_in.size()) - 1; choice >= 0; --choice) {
        const counting::Count& count = built_in[static_cast<std::size_t>(choice)];
        picker->setCurrentIndex(choice);
        emit picker->activated(choice);
        EXPECT_EQ(picked.window->count(), count);
        EXPECT_EQ(tags->text().toStdString(), counting::tags_text(count));
        EXPECT_FALSE(tags->isEnabled());
    }
    EXPECT_EQ(picked.counts.back(), built_in.front());
}

// The work shows its progress, stops on Cancel, and is taken up again.
TEST(CountWindowWork, shows_its_progress_and_stops_on_cancel) {
    Picked picked;
    CountWindow& window = *picked.window;
    window.follow(TableRules{}, 8);
    ASSERT_TRUE(window.computing());
    auto* button = part<QPushButton>(window, "CancelOrCompute");
    EXPECT_TRUE(part<QProgressBar>(window, "Progress")->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(window.computing());
    EXPECT_FALSE(part<QProgressBar>(window, "Progress")->isVisible());
    EXPECT_FALSE(part<QLabel>(window, "Status")->text().isEmpty());
    QTest::qWait(50);
    EXPECT_FALSE(window.effects());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(window.computing());
    // Closing the window stops the work too.
    window.close();
    EXPECT_FALSE(window.computing());
}

// From the strategy window, for the table's own rules at one deck: the
// effects, every count's correlations and the index chart as the model
// words them.
TEST_F(Form1Test, count_window_shows_the_results_for_one_deck) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "whole rounds at every true count are too slow under the sanitizer";
    }
    click(control("Command7"));
    auto* strategy = form->findChild<StrategyWindow*>();
    ASSERT_NE(strategy, nullptr);
    click(strategy->findChild<QPushButton*>(QStringLiteral("Count")));
    CountWindow* window = strategy->countWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([window] { return !window->computing(); }, kWaitMs));
    ASSERT_TRUE(window->effects());
    ASSERT_TRUE(window->indices());
    EXPECT_EQ(window->effects()->rules, form->model().state().rules);
    EXPECT_EQ(window->effects()->shoe, strategy::full_shoe(1));

    EXPECT_EQ(part(*window, "RoundEffects")->accessibleDescription().toStdString(),
              effects_description(window->effects()->round));
    const auto* table = part<QTableWidget>(*window, "Correlations");
    const std::vector<CorrelationRow> rows =
        correlation_rows(*window->effects(), window->count(), CountWindowWords{});
    ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(table->item(static_cast<int>(i), 1)->text().toStdString(), rows[i].betting);
        EXPECT_EQ(table->item(static_cast<int>(i), 0)->font().bold(), rows[i].chosen);
    }

    EXPECT_EQ(part<QLabel>(*window, "InsuranceIndex")->text().toStdString(),
              insurance_line(*window->indices()));
    const auto* grid = part<StrategyGrid>(*window, "IndexGrid");
    int with_index = 0;
    for (const IndexChartCell& cell : index_chart_cells(*window->indices())) {
        const QTableWidgetItem* item = grid->cell(cell.at.kind, cell.at.row, cell.at.column);
        // Two indices read whole; more may take the short form.
        const std::string shown = item->text().toStdString();
        EXPECT_TRUE(
            shown == cell.text ||
            (std::count(cell.text.begin(), cell.text.end(), '/') >= 2 && shown == cell.short_text))
            << shown << " for " << cell.text;
        EXPECT_EQ(grid->differs(item), cell.has_index);
        with_index += cell.has_index ? 1 : 0;
    }
    EXPECT_GT(with_index, 0);
}

// At its first size, for a table whose chart has cells of two and three
// indices (one deck, H17 DAS LS): every row of the index chart is in sight
// and clear of the note under it, every cell's text fits its column, two
// indices read whole, and a cell too narrow for more shows the first of them
// with a mark while its tooltip names every one.
TEST(CountWindowChart, shows_every_row_and_every_index_at_its_first_size) {
    if (tavolix::testing::kSanitized) {
        GTEST_SKIP() << "whole rounds at every true count are too slow under the sanitizer";
    }
    Picked picked;
    CountWindow& window = *picked.window;
    window.follow(tavolix::testing::rules_of("H17 DAS LS"), 1);
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.computing(); }, kWaitMs));
    ASSERT_TRUE(window.indices());
    // The layout follows the texts put in it.
    QTest::qWait(100);

    const auto* grid = part<StrategyGrid>(window, "IndexGrid");
    const auto* note = part<QLabel>(window, "IndexNote");
    const QTableWidgetItem* last = grid->item(grid->rowCount() - 1, 0);
    EXPECT_LE(grid->visualItemRect(last).bottom(), grid->viewport()->height());
    const int grid_bottom = grid->mapTo(&window, QPoint(0, grid->height())).y();
    EXPECT_LE(grid_bottom, note->mapTo(&window, QPoint(0, 0)).y());
    EXPECT_LE(note->mapTo(&window, QPoint(0, note->height())).y(), window.height());
    EXPECT_FALSE(note->text().isEmpty());

    QFont bold = grid->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int three = 0;
    for (const IndexChartCell& cell : index_chart_cells(*window.indices())) {
        const QTableWidgetItem* item = grid->cell(cell.at.kind, cell.at.row, cell.at.column);
        const QString shown = item->text();
        const QString full = QString::fromStdString(cell.text);
        // Inside the thick frame drawn two pixels in from the cell's edges.
        EXPECT_LE(metrics.horizontalAdvance(shown),
                  grid->columnWidth(static_cast<int>(cell.at.column)) - 10)
            << full.toStdString() << " shown as " << shown.toStdString();
        const QStringList indices = full.split(QLatin1Char('/'));
        three += indices.size() >= 3 ? 1 : 0;
        if (indices.size() <= 2) {
            EXPECT_EQ(shown, full);
        }
        if (shown != full) {
            EXPECT_TRUE(shown.startsWith(indices.front() + QLatin1Char('/')))
                << shown.toStdString();
            EXPECT_LT(shown.size(), full.size());
        }
        for (const QString& index : cell.has_index ? indices : QStringList()) {
            EXPECT_TRUE(item->toolTip().contains(index + QLatin1Char(' ')))
                << full.toStdString() << ": " << item->toolTip().toStdString();
        }
    }
    EXPECT_GT(three, 0);
}

}  // namespace
}  // namespace tavolix::ui::testing
