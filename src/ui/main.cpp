// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <QApplication>
#include <QIcon>

#include "form1.h"
#include "i18n/translation.h"
#include "shoe_store.h"
#include "table_settings.h"

namespace {

// The icon theme's tavolix icon where one is installed, else the same
// pictures built into the program.
QIcon window_icon() {
    QIcon built_in;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        built_in.addFile(QStringLiteral(":/icons/%1x%1/tavolix.png").arg(size));
    }
    return QIcon::fromTheme(QStringLiteral("tavolix"), built_in);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The window takes no arguments of its own; Qt reads its platform options.
    QApplication app(argc, argv);
    tavolix::i18n::install_qt_translation(app, tavolix::i18n::install_system_translation(app));
    QApplication::setWindowIcon(window_icon());
    // Wayland compositors pair the window with its launcher, and so its icon,
    // by the launcher's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVOLIX_APP_ID));
    tavolix::ui::Form1 window;
    window.show();
    // After showing, so that a notice about the settings stands over the window.
    window.use_settings(tavolix::ui::user_settings());
    window.use_shoe_file(tavolix::ui::user_shoe_file());
    return QApplication::exec();
}
