#include "wheel/wheelcapture.h"

#include <QAbstractScrollArea>
#include <QWheelEvent>
#include <algorithm>

namespace zentaloger::wheel {

namespace {

int Signed16(qint64 v) {
    return int(std::clamp<qint64>(v, -32768, 32767));
}

int KeyStateOf(const QWheelEvent& event) {
    const Qt::MouseButtons buttons = event.buttons();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return (buttons & Qt::LeftButton ? kLeftButtonFlag : 0) |
           (buttons & Qt::RightButton ? kRightButtonFlag : 0) |
           (modifiers & Qt::ShiftModifier ? kShiftFlag : 0) |
           (modifiers & Qt::ControlModifier ? kControlFlag : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButtonFlag : 0) |
           (buttons & Qt::BackButton ? kBackButtonFlag : 0) |
           (buttons & Qt::ForwardButton ? kForwardButtonFlag : 0);
}

}  // namespace

WheelCapture::WheelCapture(QObject* parent) : QObject(parent) {}

WheelCapture::~WheelCapture() {
    DisableWheel();
}

bool WheelCapture::setHWndCapture(QWidget* widget) {
    if (enabled_ && widget != target_) {
        return false;
    }
    target_ = widget;
    return true;
}

void WheelCapture::EnableWheel() {
    if (!target_ || enabled_) {
        return;
    }
    enabled_ = true;
    remainder_ = 0;
    target_->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target_.data())) {
        viewport_ = area->viewport();
        viewport_->installEventFilter(this);
    }
}

void WheelCapture::DisableWheel() {
    if (!enabled_) {
        return;
    }
    if (viewport_) {
        viewport_->removeEventFilter(this);
    }
    if (target_) {
        target_->removeEventFilter(this);
    }
    viewport_ = nullptr;
    enabled_ = false;
}

bool WheelCapture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !(watched == target_ || watched == viewport_)) {
        return false;
    }
    Deliver(*static_cast<QWheelEvent*>(event));
    event->accept();
    return true;  // neither the widget nor its parent sees it
}

void WheelCapture::Deliver(const QWheelEvent& event) {
    int delta = event.angleDelta().y();
    if (delta == 0 && (event.modifiers() & Qt::AltModifier)) {
        // On X11 Qt hands a vertical turn with Alt held on as a sideways one; it is still the
        // user's turn of the wheel, so it scrolls like any other.
        delta = event.angleDelta().x();
    }
    if (delta == 0) {
        return;
    }
    const int shift = KeyStateOf(event);
    const QPoint global = event.globalPosition().toPoint();
    if (std::abs(delta) >= kWheelNotch) {
        if ((delta < 0) != (remainder_ < 0)) {
            remainder_ = 0;  // the other way: what was summed one way does not count
        }
        Raise(shift, delta, global);
        return;
    }
    const int notches = NotchesOfWheel(remainder_, delta);
    for (int i = std::abs(notches); i > 0; --i) {
        Raise(shift, notches > 0 ? kWheelNotch : -kWheelNotch, global);
    }
}

void WheelCapture::Raise(int shift, int zDelta, QPoint global) {
    emit WheelScroll(Signed16(shift), Signed16(zDelta), float(Signed16(global.x())),
                     float(Signed16(global.y())));
}

}  // namespace zentaloger::wheel
