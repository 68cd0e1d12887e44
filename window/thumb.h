#pragma once
// The scroller thumb runs down a fixed track beside the list: row 1 at its top, the last
// first row (236) at its bottom, each row in between at its share of the track.

#include "viewstate.h"

namespace zentaloger {

inline constexpr int kThumbTrackTop = 525, kThumbTrackLength = 2505,
                     kThumbTrackBottom = kThumbTrackTop + kThumbTrackLength;  // 3030

// The thumb's Top in twips, exact: 525 for row 1, 3030 for row 236.
constexpr double ThumbTop(int topRow) {
    return kThumbTrackTop +
           double(kThumbTrackLength) * (topRow - kFirstTopRow) / (kLastTopRow - kFirstTopRow);
}

}  // namespace zentaloger
