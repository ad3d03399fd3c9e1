// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QTextDocument>
#include <vector>

#include "model/analysis_panel.h"
#include "ui/analysis_controls.h"

#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

// The rows as the panel shows them, without the marking in bold.
QStringList shown_rows(const QLabel* rows) {
    QTextDocument document;
    document.setHtml(rows->text());
    QStringList lines = document.toPlainText().split(QChar(0x2028));
    lines = lines.join(QLatin1Char('\n')).split(QLatin1Char('\n'));
    return lines;
}

TEST_F(Form1Test, widens_for_the_analysis_and_narrows_back) {
    auto* button = control<QPushButton>("Command5");
    EXPECT_EQ(button->text(), QStringLiteral("Analisi >>"));
    EXPECT_FALSE(control("Frame5")->isVisible());
    click(button);
    EXPECT_EQ(form->width(), 14520 / 15);
    EXPECT_TRUE(control("Frame5")->isVisible());
    EXPECT_EQ(control<QGroupBox>("Frame5")->title(), QStringLiteral("Analisi esatta"));
    EXPECT_EQ(button->text(), QStringLiteral("<< Analisi"));
    click(button);
    EXPECT_EQ(form->size(), QSize(8685 / 15, 5430 / 15));
    EXPECT_FALSE(control("Frame5")->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("Analisi >>"));
}

// Dealer 10, player 10 and 8 at 17: standing on 18 is best, and every
// threshold up to 18 stands, so the lowest of them, 12, is marked best.
TEST_F(Form1Test, fills_the_analysis_with_the_other_panels_and_clears_it_with_them) {
    click(control("Command5"));
    play_worked_example();
    const QStringList rows = shown_rows(control<QLabel>("Label22"));
    ASSERT_EQ(rows.size(), 10);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("* 12"))) << rows[0].toStdString();
    EXPECT_TRUE(rows[5].startsWith(QStringLiteral(" >17"))) << rows[5].toStdString();
    EXPECT_EQ(control<QLabel>("Label24")->text(), QStringLiteral("Consiglio: STAI"));
    EXPECT_TRUE(control<QLabel>("Label22")->text().contains(QStringLiteral("<b>")));
    click(control("Command4"));
    for (const char* name : {"Label21", "Label22", "Label23", "Label24", "Label25"}) {
        EXPECT_EQ(control<QLabel>(name)->text(), QString()) << name;
    }
}

// The columns' names stand over their columns: the panel's font has one
// width for every character, so the heading is as wide as every row.
TEST_P(Form1InLanguage, fits_every_text_of_the_analysis_into_its_box_in_line_with_its_heading) {
    click(control("Command5"));
    // A two-card hand, so the double's line is there too.
    click_card(true, QStringLiteral("2"));
    click_card(false, QStringLiteral("A"));
    click_card(false, QStringLiteral("A"));
    const auto* button = control<QPushButton>("Command5");
    EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width());
    for (const char* name : {"Label21", "Label22", "Label23", "Label24", "Label25"}) {
        const auto* label = control<QLabel>(name);
        QFont font = label->font();
        font.setBold(true);  // the best row is bold
        const QFontMetrics metrics(font);
        const QStringList lines = label->textFormat() == Qt::RichText
                                      ? shown_rows(label)
                                      : label->text().split(QLatin1Char('\n'));
        ASSERT_FALSE(lines.first().isEmpty()) << name;
        for (const QString& line : lines) {
            EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << name;
        }
        EXPECT_LE((lines.size() - 1) * metrics.lineSpacing() + metrics.height(), label->height())
            << name;
        EXPECT_LE(label->geometry().bottom(), control("Frame5")->height()) << name;
    }
    EXPECT_LE(control("Frame5")->geometry().right(), form->width());
    const QFontMetrics metrics(control("Label22")->font());
    const int heading = metrics.horizontalAdvance(control<QLabel>("Label21")->text());
    for (const QString& row : shown_rows(control<QLabel>("Label22"))) {
        EXPECT_EQ(metrics.horizontalAdvance(row), heading) << row.toStdString();
    }
}

// The panel at its fullest under a casino's rules, written into the window's
// own panel: every play with insurance beside the advice and the qualified
// title, and the naturals' plain words. Each text fits its box in both
// languages, the title its frame.
TEST_P(Form1InLanguage, fits_the_longest_plays_and_advice_of_a_casinos_rules) {
    click(control("Command5"));
    const AnalysisControls controls{.Command5 = control<QPushButton>("Command5"),
                                    .Frame5 = control<QGroupBox>("Frame5"),
                                    .Label21 = control<QLabel>("Label21"),
                                    .Label22 = control<QLabel>("Label22"),
                                    .Label23 = control<QLabel>("Label23"),
                                    .Label24 = control<QLabel>("Label24"),
                                    .Label25 = control<QLabel>("Label25")};
    using analysis::Play;
    std::vector<analysis::HandAnalysis> analyses;
    for (const Play advice :
         {Play::stand, Play::hit, Play::double_down, Play::split, Play::surrender}) {
        analysis::HandAnalysis full;
        full.advice = advice;
        full.stand_ev = -0.123;
        full.hit_ev = -0.456;
        full.double_ev = -1.234;
        full.split_ev = -0.789;
        full.surrender_ev = -0.5;
        full.insurance_ev = 0.111;
        full.no_dealer_blackjack = true;
        analyses.push_back(full);
    }
    analyses.push_back(analyses.back());
    analyses.back().natural = true;
    analyses.push_back(analyses.back());
    analyses.back().dealer_natural = true;
    const AnalysisWords& words = form->model().words().analysis;
    // The longest strategy's token beside the split.
    const TableRules casino{.dealer = DealerRule::h17, .post_split = PostSplit::per_hand};
    for (const analysis::HandAnalysis& analysis : analyses) {
        show_analysis(controls, analysis_panel(analysis, 17, words, casino), words.title);
        for (QLabel* label : {controls.Label24, controls.Label25}) {
            const QFontMetrics metrics(label->font());
            const QStringList lines = label->text().split(QLatin1Char('\n'));
            for (const QString& line : lines) {
                EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << line.toStdString();
            }
            EXPECT_LE((lines.size() - 1) * metrics.lineSpacing() + metrics.height(),
                      label->height())
                << label->objectName().toStdString();
        }
        EXPECT_LE(
            QFontMetrics(controls.Frame5->font()).horizontalAdvance(controls.Frame5->title()) + 16,
            controls.Frame5->width())
            << controls.Frame5->title().toStdString();
    }
    // Three lines of plays when every play is allowed, insurance's the last.
    show_analysis(controls, analysis_panel(analyses.front(), 17, words), words.title);
    EXPECT_EQ(controls.Label25->text().count(QLatin1Char('\n')), 2);
    EXPECT_NE(controls.Frame5->title(), QString::fromStdString(words.title));
    show_analysis(controls, AnalysisPanel{}, words.title);
    EXPECT_EQ(controls.Frame5->title(), QString::fromStdString(words.title));
}

}  // namespace
}  // namespace tavolix::ui::testing
