// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include "click_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace tavolix::ui {

namespace {

// Qt creates a widget's interface at its first event, while the label is
// still being built, and keeps it: the role is read from the label each time.
class AccessibleClickLabel : public QAccessibleWidget {
  public:
    explicit AccessibleClickLabel(ClickLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override { return label()->accessibleRole(); }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && label()->accessibleName().isEmpty()) {
            return label()->text();
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return pressable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (pressable() && action == pressAction()) {
            label()->click();
        }
    }

  private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
    bool pressable() const { return role() != QAccessible::StaticText; }
};

QAccessibleInterface* accessible_click_label(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(ClickLabel::staticMetaObject.className())) {
        return new AccessibleClickLabel(static_cast<ClickLabel*>(object));
    }
    return nullptr;
}

}  // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factory_installed = [] {
        QAccessible::installFactory(accessible_click_label);
        return true;
    }();
    (void)factory_installed;
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    event->accept();
    // Releasing outside the box takes the click back.
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace tavolix::ui
