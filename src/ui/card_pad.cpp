// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "card_pad.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tavolix::ui {

int face_of_key(const QString& typed, const std::array<std::string, 14>& face_names) {
    const QString key = typed.toUpper();
    if (key == QLatin1String("0") || key == QLatin1String("T")) {
        return 10;
    }
    if (key.size() != 1) {
        return 0;
    }
    for (int face = 1; face < static_cast<int>(face_names.size()); ++face) {
        if (QString::fromStdString(face_names[static_cast<std::size_t>(face)]) == key) {
            return face;
        }
    }
    return 0;
}

CardPad::CardPad(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setFocusPolicy(Qt::StrongFocus);
    // A right click on a pad is no card and opens no menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void CardPad::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && event->key() == Qt::Key_Backspace) {
        emit removeLastRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_Delete) {
        emit cancelRequested();
        return;
    }
    if (const int face = plain ? face_of_key(event->text(), face_names_) : 0; face != 0) {
        emit faceTyped(face);
        return;
    }
    QGroupBox::keyPressEvent(event);
}

void CardPad::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    // Shown however the focus came, not only after a key moved it.
    option.state |= QStyle::State_KeyboardFocusChange;
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

}  // namespace tavolix::ui
