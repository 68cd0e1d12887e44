#pragma once
// The window's own elements and captions. The pages bring theirs; the form builds both.

#include <span>

#include "window/toolkit/builder.h"
#include "window/toolkit/captions.h"

namespace zentaloger {

inline constexpr int kWindowWidthTwips = 5655, kWindowHeightTwips = 5235;

// The names of the window's elements that others look up: the species list and the card's
// name label.
inline constexpr const char* kSpeciesList = "lstZENTARI";
inline constexpr const char* kSpeciesName = "lblNAME";

// The window's controls (list, scrolling, orders), which lie in front of everything else.
std::span<const toolkit::ElementRow> WindowControlRows();
// The card and the rest of the window, behind the pages' entries that lie over the card's
// picture and the pages' tabs.
std::span<const toolkit::ElementRow> WindowCardRows();
// The window's captions that follow the language, in the order they are applied.
std::span<const toolkit::CaptionRow> WindowCaptions();

}  // namespace zentaloger
