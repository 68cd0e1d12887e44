#include "browse/windowrules.h"

#include <algorithm>

namespace zentaloger {

QPoint WindowPosition(const QRect& screen, const QSize& window) {
    // From the screen's edges, not its centre pixel: QRect's centre rounds down, which would put
    // an even-sized window as high as the screen one pixel above it.
    const QPoint centred = screen.topLeft() + QPoint((screen.width() - window.width()) / 2,
                                                     (screen.height() - window.height()) / 2);
    return {window.width() <= screen.width() ? centred.x() : screen.right() + 1 - window.width(),
            window.height() <= screen.height() ? centred.y() : screen.top()};
}

bool FitsOn(const QRect& screen, const QSize& window) {
    return window.width() <= screen.width() && window.height() <= screen.height();
}

QPoint ResizedPosition(const QRect& screen, QPoint topLeft, const QSize& window) {
    const QPoint far(screen.right() + 1 - window.width(), screen.bottom() + 1 - window.height());
    return {std::max(std::min(topLeft.x(), far.x()),
                     window.width() <= screen.width() ? screen.left() : far.x()),
            std::max(std::min(topLeft.y(), far.y()), screen.top())};
}

int NotchesOfWheel(int& sum, int delta) {
    sum = (sum < 0) == (delta < 0) ? sum + delta : delta;
    const int steps = sum / kWheelNotch;  // truncated towards zero: the rest keeps its sign
    sum -= steps * kWheelNotch;
    return steps;
}

}  // namespace zentaloger
