#pragma once

#include <QLabel>

namespace tavolix::ui {

// A label that reports a left click anywhere in its box: pressed and released
// inside it, as a button would.
class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace tavolix::ui
