#include "window/toolkit/toolkit.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "window/toolkit/painting.h"

namespace zentaloger::toolkit {

OptionButton::OptionButton(QWidget* parent, int index) : MouseElement(parent, index) {}

void OptionButton::setValue(bool value) {
    if (value != value_) {
        value_ = value;
        TellReader(this, QAccessible::StateChanged);
    }
    update();
    if (!value) {
        return;
    }
    for (OptionButton* other :
         parentWidget()->findChildren<OptionButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other != this && other->value_) {
            other->value_ = false;
            TellReader(other, QAccessible::StateChanged);
            other->update();
        }
    }
    emit click(index());
}

void OptionButton::setCaption(const QString& caption) {
    if (caption != caption_) {
        caption_ = caption;
        TellReader(this, QAccessible::NameChanged);
        update();
    }
}

void OptionButton::setColors(QColor fore, QColor back) {
    fore_ = fore;
    back_ = back;
    update();
}

void OptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    // The round mark: a 9-px circle, filled in the middle when chosen; laid out at 1x and
    // drawn at the zoom.
    const int z = zoom();
    const int d = qMin(kTextIndent - 4, height() / z - 2);
    const QRect mark(1, (height() / z - d) / 2, d, d);
    if (z > 1) {
        painter.scale(z, z);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5));
    if (value_) {
        painter.setBrush(Qt::black);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(mark).adjusted(2.5, 2.5, -2.5, -2.5));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.resetTransform();
    painter.setFont(font());
    painter.setPen(fore_);
    painter.drawText(rect().adjusted(kTextIndent * z, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     caption_);
}

void OptionButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint t = TwipsOf(event, zoom());
    emit mouseUp(index(), ButtonOf(event->button()), ShiftOf(event->modifiers()), t.x(), t.y());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        // Choosing an option, even the one already chosen, raises its Click once.
        setValue(true);
    }
    event->accept();
}

Timer::Timer(QObject* parent, int index, int intervalMs) : QObject(parent), index_(index) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool enabled) {
    if (enabled && !timer_.isActive()) {
        timer_.start();
    } else if (!enabled) {
        timer_.stop();
    }
}

}  // namespace zentaloger::toolkit
