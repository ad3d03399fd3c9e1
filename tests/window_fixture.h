// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QStringList>
#include <QTranslator>
#include <QUrl>
#include <memory>
#include <ostream>
#include <vector>

#include "ui/form1.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tavolix::ui::testing {

// A fresh window for every test, shown, with the web links handing their
// addresses to `opened` instead of a browser (which opens them while
// `browser_starts`), and the window's notices going to `notices`.
class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override;

    template <typename Widget = QWidget>
    Widget* control(const char* name) const {
        return form->findChild<Widget*>(QString::fromLatin1(name));
    }

    // The card label captioned `caption` in the dealer's or the player's pad.
    QLabel* pad_label(bool dealer, const QString& caption) const;
    // A real left click at `pos` in the widget, its centre when not given.
    static void click(QWidget* widget, QPoint pos = {-1, -1});
    void click_card(bool dealer, const QString& caption) const;
    // Dealer 10; player 10 and 8.
    void play_worked_example() const;

    // The lines a label shows.
    QStringList shown_lines(const char* name) const;

    std::unique_ptr<Form1> form;
    std::vector<QUrl> opened;
    bool browser_starts = true;
    QStringList notices;
};

// The window in the language a test names: Italian, the source, or the
// English translation that ships with the program.
class Form1InLanguage : public Form1Test, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override;
    void TearDown() override;

  private:
    QTranslator translator_;
};

}  // namespace tavolix::ui::testing
