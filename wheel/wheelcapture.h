#pragma once
// Turns the wheel turns over one widget into WheelScroll events of our own, in the terms of a
// classic wheel message: the key-state flags, the distance in 120ths of a notch and the
// pointer's screen position, each a signed 16-bit value.
//
// While capturing, the widget does no wheel handling of its own and no wheel event travels on
// to its parent: a filter on the widget and on its viewport (a scroll area's wheel arrives
// there; one over its frame arrives at the widget itself) takes every wheel event.
//
// High-resolution wheels and touchpads send a notch in many small steps. A step of a notch or
// more is delivered unchanged, as a classic wheel sends it; smaller steps add up, and each time
// the sum reaches a notch one WheelScroll of +-120 goes out and the rest is kept, so a touchpad
// scrolls at a mouse wheel's pace instead of a row per step. Turning the other way starts the
// sum afresh. A sideways turn is not a vertical wheel turn and raises nothing.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "browse/windowrules.h"

namespace zentaloger::wheel {

// Key-state flags of WheelScroll's `shift`.
inline constexpr int kLeftButtonFlag = 1, kRightButtonFlag = 2, kShiftFlag = 4, kControlFlag = 8,
                     kMiddleButtonFlag = 16, kBackButtonFlag = 32, kForwardButtonFlag = 64;

class WheelCapture : public QObject {
    Q_OBJECT
  public:
    explicit WheelCapture(QObject* parent = nullptr);
    ~WheelCapture() override;

    // The widget whose wheel turns are captured; nullptr for none. Set it while idle: a
    // change while capturing is refused (false).
    QWidget* hWndCapture() const { return target_; }
    bool setHWndCapture(QWidget* widget);

    // Starts capturing; twice is once, and without a widget it does nothing.
    void EnableWheel();
    // Stops capturing; the widget handles its wheel turns as before. Idle, it does nothing.
    void DisableWheel();
    bool enabled() const { return enabled_; }

  signals:
    // One wheel turn: `shift` the key-state flags above, `zDelta` 120 per notch (positive
    // away from the user), `x`, `y` the pointer's screen position.
    void WheelScroll(int shift, int zDelta, float x, float y);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Deliver(const class QWheelEvent& event);
    void Raise(int shift, int zDelta, QPoint global);

    QPointer<QWidget> target_;
    QPointer<QWidget> viewport_;
    bool enabled_ = false;
    int remainder_ = 0;  // 120ths of a notch not yet delivered
};

}  // namespace zentaloger::wheel
