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
// The rest of the card: the type, height and weight labels, the large picture and the logo.
inline constexpr const char* kSpeciesType = "lblTYPE";
inline constexpr const char* kSpeciesHeight = "lblHEIGHT";
inline constexpr const char* kSpeciesWeight = "lblWEIGHT";
inline constexpr const char* kSpeciesPicture = "imgZENTARI";
inline constexpr const char* kLogo = "imgLOGO";
// The list's scrolling: the up and down boxes, the thumb between them, and the two timers of
// each box (one for the left button, one for the right) that keep it scrolling while held.
inline constexpr const char* kScrollUp = "lblUP";
inline constexpr const char* kScrollDown = "lblDOWN";
inline constexpr const char* kScrollThumb = "lblSCROLLER";
inline constexpr const char* kScrollUpTimers = "tUP";
inline constexpr const char* kScrollDownTimers = "tDOWN";
// The close box, the two language labels (indexed by Language) and the three order buttons
// (indexed by Order).
inline constexpr const char* kCloseBox = "lblEXIT";
inline constexpr const char* kLanguages = "lblLANG";
inline constexpr const char* kOrders = "optMODE";

// The window's controls (list, scrolling, orders), which lie in front of everything else.
std::span<const toolkit::ElementRow> WindowControlRows();
// The card and the rest of the window, behind the pages' entries that lie over the card's
// picture and the pages' tabs.
std::span<const toolkit::ElementRow> WindowCardRows();
// The window's captions that follow the language, in the order they are applied.
std::span<const toolkit::CaptionRow> WindowCaptions();

}  // namespace zentaloger
