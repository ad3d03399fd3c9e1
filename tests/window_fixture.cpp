// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "window_fixture.h"

#include <QTest>

#include "i18n/translation.h"

namespace tavolix::ui::testing {

void Form1Test::SetUp() {
    form = std::make_unique<Form1>();
    form->setUrlOpener([this](const QUrl& url) {
        opened.push_back(url);
        return browser_starts;
    });
    form->setOpenFailureNotifier([this](const QString& message) { notices << message; });
    form->setSettingsNotifier([this](const QString& message) { notices << message; });
    form->show();
}

QLabel* Form1Test::pad_label(bool dealer, const QString& caption) const {
    QWidget* pad = control(dealer ? "Frame1" : "Frame2");
    for (QLabel* label : pad->findChildren<QLabel*>(QStringLiteral("Label3"))) {
        if (label->text() == caption) {
            return label;
        }
    }
    return nullptr;
}

void Form1Test::click(QWidget* widget, QPoint pos) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      pos == QPoint(-1, -1) ? widget->rect().center() : pos);
}

void Form1Test::click_card(bool dealer, const QString& caption) const {
    click(pad_label(dealer, caption));
}

void Form1Test::play_worked_example() const {
    click_card(true, QStringLiteral("10"));
    click_card(false, QStringLiteral("10"));
    click_card(false, QStringLiteral("8"));
}

QStringList Form1Test::shown_lines(const char* name) const {
    return control<QLabel>(name)->text().split(QLatin1Char('\n'));
}

void Form1InLanguage::SetUp() {
    ASSERT_EQ(i18n::load_translation(translator_, {QLatin1String(GetParam())}),
              QLatin1String(GetParam()));
    QCoreApplication::installTranslator(&translator_);
    Form1Test::SetUp();
}

void Form1InLanguage::TearDown() {
    QCoreApplication::removeTranslator(&translator_);
}

}  // namespace tavolix::ui::testing
