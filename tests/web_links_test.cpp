// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QComboBox>
#include <QTest>
#include <string>

#include "ui/web_link_rule.h"
#include "window_fixture.h"

namespace tavolix::ui::testing {
namespace {

struct LinkRow {
    const char* label;
    const char* text_before;  // the label on its left
    const char* text;         // its caption
};

void PrintTo(const LinkRow& row, std::ostream* out) {
    *out << row.label;
}

class WebLink : public Form1Test, public ::testing::WithParamInterface<LinkRow> {
  protected:
    QLabel* link() const { return control<QLabel>(GetParam().label); }
};

TEST_P(WebLink, stands_after_its_text_and_looks_like_a_link) {
    QLabel* label = link();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(control<QLabel>(GetParam().text_before)->text(), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(label->font().underline());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

// Pressed anywhere in its box, a link opens exactly the address it shows, once
// per click.
TEST_P(WebLink, opens_the_address_it_shows_on_every_click_anywhere_in_its_box) {
    QLabel* label = link();
    ASSERT_NE(label, nullptr);
    click(label, QPoint(1, 1));
    click(label, label->rect().bottomRight());
    click(label);
    ASSERT_EQ(opened.size(), 3u);
    for (const QUrl& url : opened) {
        EXPECT_TRUE(url.isValid());
        EXPECT_EQ(url.toString(), label->text());
    }
    EXPECT_TRUE(notices.isEmpty());
}

// A click that cannot start a browser is not silently lost.
TEST_P(WebLink, tells_the_user_when_no_browser_can_be_started) {
    browser_starts = false;
    click(link());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(link()->text())) << notices[0].toStdString();
}

TEST_P(WebLink, leaves_hands_threshold_and_results_alone) {
    play_worked_example();
    QTest::keyClick(control<QComboBox>("Combo1"), Qt::Key_Down);
    QStringList before;
    for (const char* name :
         {"Label4", "Label5", "Label7", "Label8", "Label9", "Label10", "Label12", "Label13"}) {
        before << control<QLabel>(name)->text();
    }
    const TableState state = form->model().state();

    click(link());

    QStringList after;
    for (const char* name :
         {"Label4", "Label5", "Label7", "Label8", "Label9", "Label10", "Label12", "Label13"}) {
        after << control<QLabel>(name)->text();
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(form->model().calculations(), 2);
    EXPECT_EQ(form->model().state().stand_at, 18);
    EXPECT_EQ(form->model().state().banco_count, state.banco_count);
    EXPECT_EQ(form->model().state().player_faces, state.player_faces);
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), QStringLiteral("18"));
}

INSTANTIATE_TEST_SUITE_P(Form1, WebLink,
                         ::testing::Values(LinkRow{"Label17", "Label16", "Scaricato gratis da"},
                                           LinkRow{"Label19", "Label18",
                                                   "Il manuale si trova qui"}),
                         [](const auto& row_info) { return std::string(row_info.param.label); });

TEST_F(Form1Test, links_the_home_page_and_a_manual_page_of_the_same_site) {
    const QUrl home(control<QLabel>("Label17")->text(), QUrl::StrictMode);
    const QUrl manual(control<QLabel>("Label19")->text(), QUrl::StrictMode);
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(manual.isValid());
    EXPECT_TRUE(home.scheme() == "https" || home.scheme() == "http");
    EXPECT_EQ(home.path(), QStringLiteral("/"));
    EXPECT_EQ(manual.scheme(), home.scheme());
    EXPECT_EQ(manual.host(), home.host());
    EXPECT_NE(manual.path(), QStringLiteral("/"));
}

struct AddressPair {
    const char* home;
    const char* manual;
    const char* problem;  // a piece of the message, or "" when the pair is good
};

class WebLinkRule : public ::testing::TestWithParam<AddressPair> {};

// The rule the configuration checks the addresses by: what Qt opens, shown
// exactly as it opens.
TEST_P(WebLinkRule, accepts_what_qt_opens_as_shown_and_nothing_else) {
    const QString problem =
        web_links_problem(QString::fromUtf8(GetParam().home), QString::fromUtf8(GetParam().manual));
    if (*GetParam().problem == '\0') {
        EXPECT_EQ(problem, QString());
    } else {
        EXPECT_TRUE(problem.contains(QString::fromUtf8(GetParam().problem)))
            << problem.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, WebLinkRule,
    ::testing::Values(
        AddressPair{"https://tavolix.example/", "https://tavolix.example/manuale.html", ""},
        AddressPair{"http://giochi.example.org/",
                    "http://giochi.example.org/doc/tavolix/manuale.html", ""},
        AddressPair{"https://example.org/tavolix/", "https://example.org/tavolix/manuale.html", ""},
        AddressPair{"https://tavolix.example/", "https://tavolix.example/manuale.html#uso", ""},
        AddressPair{"https://tavolix.example/", "https://tavolix.example/manuale-\u00e8.html", ""},
        AddressPair{"https://tavolix.example", "https://tavolix.example/manuale.html",
                    "must end in"},
        AddressPair{"https://example.org/tavolix", "https://example.org/tavolix/manuale.html",
                    "must end in"},
        AddressPair{"https://tavolix.example/#", "https://tavolix.example/#manuale", "must end in"},
        AddressPair{"https://tavolix.example/", "https://altro.example/manuale.html",
                    "must be a page under"},
        AddressPair{"https://tavolix.example/", "https://tavolix.example/", "must be a page under"},
        AddressPair{"https://example.org/tavolix/", "https://example.org/manuale.html",
                    "must be a page under"},
        AddressPair{"https://tavolix.example/", "manuale.html", "is not an http"},
        AddressPair{"tavolix.example/", "tavolix.example/manuale.html", "is not an http"},
        AddressPair{"/", "/manuale.html", "is not an http"},
        AddressPair{"ftp://tavolix.example/", "ftp://tavolix.example/manuale.html",
                    "is not an http"},
        AddressPair{"https:///", "https:///manuale.html", "names no site"},
        AddressPair{"https://tavolix.example/", "https://tavolix.example/il manuale.html",
                    "not a valid address"},
        AddressPair{"https://tavolix.example:99999/", "https://tavolix.example:99999/manuale.html",
                    "not a valid address"},
        AddressPair{"https://tavolix.example/", "https://tavolix.example/manuale^.html",
                    "not a valid address"},
        AddressPair{"https://Tavolix.example/", "https://Tavolix.example/manuale.html",
                    "would open as"}));

}  // namespace
}  // namespace tavolix::ui::testing
