#pragma once
// What one page brings to the window: its frame, its rows on the window (the entry lists or
// marks that lie over the card's picture), its frame's children and its captions.

#include <span>

#include "toolkit/builder.h"
#include "toolkit/captions.h"

namespace zentaloger::pages {

struct PageLayout {
    const char* frame;
    std::span<const toolkit::ElementRow> window;    // front to back
    std::span<const toolkit::ElementRow> children;  // front to back
    std::span<const toolkit::CaptionRow> captions;
};

// Every page frame lies in the same place, covered by the page's own background shape.
inline constexpr toolkit::Place kFramePlace{120, 3360, 3735, 1155};
inline constexpr toolkit::Place kBackgroundPlace{0, 0, 3735, 1155};

}  // namespace zentaloger::pages
