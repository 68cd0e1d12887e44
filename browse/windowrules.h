#pragma once
// Where the window stands on its screen and how the wheel zooms it: plain values in, the place
// or the zoom steps out, so the form only applies them.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zentaloger {

// Where the window opens on a screen: centred where it fits; on a screen too small for it,
// with its top edge and its right-hand end (the close box and the language labels) on the
// screen, so it can always be closed and moved.
QPoint WindowPosition(const QRect& screen, const QSize& window);

// Whether a window of size `window` fits on the screen at all: a zoom step that would make it
// larger than the screen is not taken.
bool FitsOn(const QRect& screen, const QSize& window);

// Where a window that changed its size to `window` goes: its top-left corner stays at
// `topLeft` as far as the window then lies on the screen, and moves left and up just enough
// otherwise; a window larger than the screen keeps its top edge and right-hand end on it, as
// WindowPosition places it.
QPoint ResizedPosition(const QRect& screen, QPoint topLeft, const QSize& window);

// 120ths of a wheel notch: a classic wheel turns one notch a step.
inline constexpr int kWheelNotch = 120;

// The whole notches (positive: away from the user) that a turn of `delta` completes. High-
// resolution wheels and touchpads send a notch in many small steps: they add up in `sum`
// until they make a notch, the rest kept; a turn the other way starts the sum afresh. The
// zoom wheel steps once a notch; the wheel capture sends one classic notch each.
int NotchesOfWheel(int& sum, int delta);

}  // namespace zentaloger
