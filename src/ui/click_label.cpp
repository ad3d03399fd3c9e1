#include "click_label.h"

#include <QMouseEvent>

namespace tavolix::ui {

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
