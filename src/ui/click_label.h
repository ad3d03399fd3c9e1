#pragma once

#include <QAccessible>
#include <QLabel>

namespace tavolix::ui {

// A label that reports a left click anywhere in its box: pressed and released
// inside it, as a button would. Assistive technology sees it as a pressable
// item of its role (a button unless told otherwise) whose press action is the
// same click.
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
    QAccessible::Role role_ = QAccessible::Button;
};

}  // namespace tavolix::ui
