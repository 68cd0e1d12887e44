#include "description.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// The marks' colours before the first species is shown.
constexpr Rgb kMarkColours[] = {kYellow, 0xFF0000, 0x0000FF, kOrange, kGrey, kWhite};

// clang-format off
const ElementRow kWindow[] = {
    {.kind = Label, .name = "lblVERSION", .index = 0, .at = {2400, 3000, 135, 135}, .count = 6, .stepLeft = 240, .backs = kMarkColours, .border = true, .align = Centre, .small = true},
};

const ElementRow kChildren[] = {
    {.kind = Label, .name = "lblDESCRIPTION_DESCRIPTION", .at = {90, 45, 3555, 1095}, .transparent = true},
    {.kind = Shape, .name = "shpDESCRIPTION", .at = kBackgroundPlace, .border = true},
};
// clang-format on

}  // namespace

PageLayout DescriptionLayout() {
    return {"fraDESCRIPTION", kWindow, kChildren, {}};
}

}  // namespace zentaloger::pages
