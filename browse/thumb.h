#pragma once
// The scroller thumb runs down a fixed track beside the list: row 1 at its top, the last
// first row (236) at its bottom, each row in between at its share of the track. Both ways
// work on exact twips: the label stands at the nearest pixel, and reading its place back
// would be up to 7.5 twips off, enough to move a held thumb by a row.

#include "database/viewstate.h"

namespace zentaloger {

inline constexpr int kThumbTrackTop = 525, kThumbTrackLength = 2505,
                     kThumbTrackBottom = kThumbTrackTop + kThumbTrackLength;  // 3030

// The thumb's Top in twips, exact: 525 for row 1, 3030 for row 236.
constexpr double ThumbTop(int topRow) {
    return kThumbTrackTop +
           double(kThumbTrackLength) * (topRow - kFirstTopRow) / (kLastTopRow - kFirstTopRow);
}

// The first row for a thumb whose top edge is dragged to `top` twips: 1 above the track, 236
// below it, else the nearest row, a position exactly between two rows going to the even one.
int TopRowOfThumb(double top);

// A drag of the thumb: where in the thumb it was grabbed, while a button holds it.
class ThumbDrag {
  public:
    bool dragging() const { return dragging_; }
    // The pointer went down at `y` twips within the thumb.
    void grab(double y);
    void release() { dragging_ = false; }
    // The first row for the pointer at `y` twips on the window.
    int topRowAt(double y) const { return TopRowOfThumb(y - grabY_); }

  private:
    bool dragging_ = false;
    int grabY_ = 0;
};

}  // namespace zentaloger
