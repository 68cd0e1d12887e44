#pragma once
// Where the window opens on a screen: centred where it fits; on a screen too small for it,
// with its top edge and its right-hand end (the close box and the language labels) on the
// screen, so it can always be closed and moved.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zentaloger {

inline QPoint WindowPosition(const QRect& screen, const QSize& window) {
    // From the screen's edges, not its centre pixel: QRect's centre rounds down, which would put
    // an even-sized window as high as the screen one pixel above it.
    const QPoint centred = screen.topLeft() + QPoint((screen.width() - window.width()) / 2,
                                                     (screen.height() - window.height()) / 2);
    return {window.width() <= screen.width() ? centred.x() : screen.right() + 1 - window.width(),
            window.height() <= screen.height() ? centred.y() : screen.top()};
}

}  // namespace zentaloger
