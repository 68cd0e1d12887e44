#include "window/toolkit/toolkit.h"

#include <QMouseEvent>

#include "window/toolkit/painting.h"

namespace zentaloger::toolkit {

MouseElement::MouseElement(QWidget* parent, int index) : QWidget(parent), index_(index) {}

void MouseElement::mousePressEvent(QMouseEvent* event) {
    // Qt keeps sending this widget every move until the release, also outside it: the
    // capture the drag handlers rely on.
    const QPoint t = TwipsOf(event, zoom());
    emit mouseDown(index_, ButtonOf(event->button()), ShiftOf(event->modifiers()), t.x(), t.y());
    event->accept();
}

void MouseElement::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint t = TwipsOf(event, zoom());
    emit mouseUp(index_, ButtonOf(event->button()), ShiftOf(event->modifiers()), t.x(), t.y());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit click(index_);
    }
    event->accept();
}

void MouseElement::mouseMoveEvent(QMouseEvent* event) {
    const QPoint t = TwipsOf(event, zoom());
    emit mouseMove(index_, ButtonOf(event->buttons()), ShiftOf(event->modifiers()), t.x(), t.y());
    event->accept();
}

Frame::Frame(QWidget* parent) : MouseElement(parent, -1) {}

}  // namespace zentaloger::toolkit
