// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#pragma once

#include <QAccessible>
#include <QLabel>

namespace tavolix::ui {

// A label that reports a left click anywhere in its box: pressed and released
// inside it, as a button would. Given a role other than static text (a button,
// a link), assistive technology sees it as a pressable item of that role
// whose press action is the same click.
class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    QAccessible::Role accessibleRole() const { return role_; }
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }

    // What a click does, without the mouse.
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
    QAccessible::Role role_ = QAccessible::StaticText;
};

}  // namespace tavolix::ui
