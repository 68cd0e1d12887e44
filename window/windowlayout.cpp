#include "window/windowlayout.h"

namespace zentaloger {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// The credits line: ours, one line.
constexpr const char16_t* kCredits = u"ZENTALOGER  -  A FIELD GUIDE TO ALL 251 ZENTARI  -  2026";

// clang-format off
const ElementRow kControls[] = {
    {.kind = ListBox, .name = kSpeciesList, .at = {3960, 525, 1575, 2670}},
    {.kind = Timer, .name = kScrollDownTimers, .index = 0, .count = 2, .interval = 100},
    {.kind = Option, .name = kOrders, .index = 0, .at = {4050, 3465, 1455, 195}, .count = 3, .stepTop = 180, .back = kOrange, .small = true, .caption = u"ORDER"},
    {.kind = Timer, .name = kScrollUpTimers, .index = 0, .count = 2, .interval = 100},
    {.kind = Label, .name = kScrollThumb, .at = {5520, 3030, 90, 165}, .back = kYellow, .border = true},
    {.kind = Label, .name = kScrollDown, .at = {3960, 3180, 1575, 195}, .back = kYellow, .border = true, .align = Centre, .bold = true, .caption = u"DOWN", .role = Role::PushButton},
    {.kind = Label, .name = kScrollUp, .at = {3960, 345, 1575, 195}, .back = kYellow, .border = true, .align = Centre, .bold = true, .caption = u"UP", .role = Role::PushButton},
};

const ElementRow kCard[] = {
    {.kind = Label, .name = kSpeciesName, .at = {210, 135, 1875, 195}, .transparent = true, .bold = true, .caption = u"LVL - ZENTARI"},
    {.kind = Shape, .name = "shpNAME", .at = {120, 120, 1875, 195}, .back = kOrange, .border = true},
    {.kind = Label, .name = kSpeciesHeight, .at = {210, 2835, 1875, 195}, .transparent = true, .caption = u"HEIGHT:"},
    {.kind = Shape, .name = "shpHEIGHT", .at = {120, 2820, 1875, 195}, .back = kLightYellow, .border = true},
    {.kind = Label, .name = "lblCOPYRIGHT", .at = {30, 5055, 5565, 195}, .fore = kMaroon, .transparent = true, .align = Centre, .caption = kCredits},
    {.kind = Label, .name = kSpeciesType, .at = {120, 3180, 3735, 195}, .back = kOrange, .border = true, .align = Centre, .bold = true, .caption = u"TYPE:"},
    {.kind = Line, .name = "lEXIT", .index = 0, .at = {5400, 240, 5520, 120}},
    {.kind = Line, .name = "lEXIT", .index = 1, .at = {5400, 120, 5520, 240}},
    {.kind = Label, .name = kCloseBox, .at = {5400, 120, 135, 135}, .border = true, .toolTip = u"Close", .role = Role::PushButton},
    {.kind = Label, .name = "lblMODE", .at = {3960, 4080, 1575, 195}, .back = kOrange, .border = true, .align = Centre, .bold = true, .caption = u"ORDER"},
    {.kind = Label, .name = kLanguages, .index = 1, .at = {3960, 120, 615, 135}, .fore = kSelection.fore, .back = kSelection.back, .align = Centre, .small = true, .caption = u"ENGLISH", .role = Role::RadioButton},
    {.kind = Label, .name = kLanguages, .index = 0, .at = {4680, 120, 615, 135}, .fore = kIdle.fore, .back = kIdle.back, .align = Centre, .small = true, .caption = u"РУССКИЙ", .role = Role::RadioButton},
    {.kind = Shape, .name = "shpORDER", .at = {3960, 3360, 1575, 735}, .back = kOrange, .border = true},
    {.kind = Image, .name = kLogo, .at = {3960, 4372, 1575, 570}},
    {.kind = Label, .name = kSpeciesWeight, .at = {210, 3015, 1875, 195}, .transparent = true, .caption = u"WEIGHT:"},
    {.kind = Shape, .name = "shpWEIGHT", .at = {120, 3000, 1875, 195}, .back = kLightYellow, .border = true},
    {.kind = Image, .name = kSpeciesPicture, .at = {150, 187, 3675, 2940}},
    {.kind = Shape, .name = "shpZENTARI", .at = {120, 120, 3735, 3075}, .border = true},
};

const CaptionRow kCaptions[] = {
    {kScrollUp, -1, u"UP", u"ВВЕРХ"},
    {kScrollDown, -1, u"DOWN", u"ВНИЗ"},
    {kOrders, 0, u"NUMERICAL", u"НУМЕРОВАННЫЙ"},
    {kOrders, 1, u"EVOLUTIONARY", u"ЭВОЛЮЦИОННЫЙ"},
    {kOrders, 2, u"ALPHABETICAL", u"АЛФАВИТНЫЙ"},
    {"lblMODE", -1, u"ORDER", u"ПОРЯДОК"},
};
// clang-format on

}  // namespace

std::span<const ElementRow> WindowControlRows() {
    return kControls;
}

std::span<const ElementRow> WindowCardRows() {
    return kCard;
}

std::span<const CaptionRow> WindowCaptions() {
    return kCaptions;
}

}  // namespace zentaloger
