#pragma once
// The window's look in one place: the colours every owner of elements uses, and the two text
// sizes. Colours are 0xRRGGBB, so layout rows can hold them as constants.

#include <QColor>

namespace zentaloger::toolkit {

using Rgb = unsigned;

inline constexpr Rgb kBlack = 0x000000, kWhite = 0xFFFFFF, kYellow = 0xFFFF00, kOrange = 0xFF8000,
                     kLightYellow = 0xFFFF80, kGrey = 0x808080, kMaroon = 0x800000,
                     kDarkRed = 0xC00000, kNavy = 0x000080, kGreen = 0x00FF00, kMidGreen = 0x00C000,
                     kDarkGreen = 0x008000;

// A text colour on a background colour.
struct Colours {
    Rgb fore, back;
};

// The open tab, the chosen language and a page's chosen entry.
inline constexpr Colours kSelection{kBlack, kYellow};
// A closed tab and the language not shown.
inline constexpr Colours kIdle{kGrey, kMaroon};
// A page entry that is not chosen.
inline constexpr Colours kEntry{kWhite, kMaroon};
// The window's own background, behind every element.
inline constexpr Rgb kWindowBack = kDarkRed;

// The three segments of every bar, light to dark.
inline constexpr Rgb kBarColours[] = {kGreen, kMidGreen, kDarkGreen};

inline QColor Color(Rgb rgb) {
    return QColor::fromRgb(rgb);
}

// Text sizes in pixels: 6.75 pt and 5.25 pt at 96 dots per inch.
inline constexpr int kFontPx = 9, kSmallFontPx = 7;
// A list box row, 11 px: the list's 2670 twips hold exactly 16 rows.
inline constexpr int kListRowTwips = 165;

}  // namespace zentaloger::toolkit
