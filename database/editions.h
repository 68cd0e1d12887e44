#pragma once
// The editions a species can be found in: the names the database holds in a species' edition
// entries, each with the colour of its mark on the card. One table for the viewer and the
// tools that check the sources.

namespace zentaloger {

struct Edition {
    const char16_t* name;
    unsigned rgb;  // 0xRRGGBB
};

inline constexpr Edition kEditions[] = {
    {u"ZENTARI KALO", 0xFFFF00}, {u"ZENTARI MIRU", 0xFF0000}, {u"ZENTARI TAVI", 0x0000FF},
    {u"ZENTARI SONE", 0xFF8000}, {u"ZENTARI PELA", 0x808080}, {u"ZENTARI DURO", 0xFFFFFF},
};
// A species not yet found in any edition: the one entry, alone.
inline constexpr Edition kUnknownEdition = {u"UNKNOWN", 0x000000};

}  // namespace zentaloger
