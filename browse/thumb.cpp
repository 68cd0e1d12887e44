#include "browse/thumb.h"

#include <cmath>

namespace zentaloger {

int TopRowOfThumb(double top) {
    if (top < kThumbTrackTop) {
        return kFirstTopRow;
    }
    if (top > kThumbTrackBottom) {
        return kLastTopRow;
    }
    const double row =
        (top - kThumbTrackTop) * (kLastTopRow - kFirstTopRow) / kThumbTrackLength + kFirstTopRow;
    // nearbyint rounds in the current mode, to nearest with halves to even: never changed here.
    return static_cast<int>(std::nearbyint(row));
}

void ThumbDrag::grab(double y) {
    dragging_ = true;
    grabY_ = static_cast<int>(std::lround(y));
}

}  // namespace zentaloger
