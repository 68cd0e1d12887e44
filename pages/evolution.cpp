#include "evolution.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// clang-format off
const ElementRow kWindow[] = {
    {.kind = Label, .name = "lblEVOLUTION_EVOLUTION", .index = 0, .at = {420, 480, 3135, 195}, .count = 5, .stepTop = 360, .back = kYellow, .border = true, .align = Centre, .caption = u"EVOLUTION   --->   EVOLUTION", .visible = false},
};

const ElementRow kChildren[] = {
    {.kind = Timer, .name = "tEVOLUTION", .interval = 120, .enabled = true},
    {.kind = Shape, .name = "shpEVOLUTION_BAR", .index = 0, .at = {1200, 443, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Label, .name = "lblEVOLUTION_NAME", .index = 0, .at = {105, 930, 1875, 195}, .transparent = true},
    {.kind = Label, .name = "lblEVOLUTION_NAME", .index = 1, .at = {1740, 930, 1875, 195}, .transparent = true, .align = Right},
    {.kind = Image, .name = "imgEVOLUTION_ZENTARI", .index = 0, .at = {120, 75, 840, 840}},
    {.kind = Image, .name = "imgEVOLUTION_ZENTARI", .index = 1, .at = {2730, 75, 840, 840}},
    {.kind = Label, .name = "lblEVOLUTION_CONDITION", .at = {0, 240, 3735, 195}, .transparent = true, .align = Centre},
    {.kind = Label, .name = "lblEVOLUTION_HOLD", .at = {0, 630, 3735, 195}, .transparent = true, .align = Centre},
    {.kind = Shape, .name = "shpEVOLUTION", .at = kBackgroundPlace, .border = true},
};
// clang-format on

}  // namespace

PageLayout EvolutionLayout() {
    return {"fraEVOLUTION", kWindow, kChildren, {}};
}

}  // namespace zentaloger::pages
