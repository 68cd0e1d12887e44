#pragma once
// Where the window opens on a screen: centred where it fits; on a screen too small for it,
// with its top edge and its right-hand end (the close box and the language labels) on the
// screen, so it can always be closed and moved.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

namespace zentaloger {

inline QPoint WindowPosition(const QRect& screen, const QSize& window) {
    // From the screen's edges, not its centre pixel: QRect's centre rounds down, which would put
    // an even-sized window as high as the screen one pixel above it.
    const QPoint centred = screen.topLeft() + QPoint((screen.width() - window.width()) / 2,
                                                     (screen.height() - window.height()) / 2);
    return {window.width() <= screen.width() ? centred.x() : screen.right() + 1 - window.width(),
            window.height() <= screen.height() ? centred.y() : screen.top()};
}

// Whether a window of size `window` fits on the screen at all: a zoom step that would make it
// larger than the screen is not taken.
inline bool FitsOn(const QRect& screen, const QSize& window) {
    return window.width() <= screen.width() && window.height() <= screen.height();
}

// Where a window that changed its size to `window` goes: its top-left corner stays at
// `topLeft` as far as the window then lies on the screen, and moves left and up just enough
// otherwise; a window larger than the screen keeps its top edge and right-hand end on it, as
// WindowPosition places it.
inline QPoint ResizedPosition(const QRect& screen, QPoint topLeft, const QSize& window) {
    const QPoint far(screen.right() + 1 - window.width(), screen.bottom() + 1 - window.height());
    return {std::max(std::min(topLeft.x(), far.x()),
                     window.width() <= screen.width() ? screen.left() : far.x()),
            std::max(std::min(topLeft.y(), far.y()), screen.top())};
}

}  // namespace zentaloger
