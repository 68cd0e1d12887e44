#include "movepanel.h"

namespace zentaloger::pages {

using namespace toolkit;
using enum Kind;
using enum Align;

std::vector<ElementRow> PanelRows(const PanelNames& n) {
    // clang-format off
    return {
        {.kind = Shape, .name = n.blank, .at = kBackgroundPlace, .border = true},
        {.kind = Label, .name = n.type, .at = {1950, 30, 1875, 195}, .transparent = true, .caption = u"TYPE:"},
        {.kind = Label, .name = n.title, .at = {0, 15, 1875, 195}, .transparent = true, .align = Centre, .caption = u"MOVE"},
        {.kind = Label, .name = n.power, .index = 0, .at = {90, 210, 2145, 195}, .transparent = true, .caption = u"POWER"},
        {.kind = Label, .name = n.power, .index = 1, .at = {1410, 210, 360, 195}, .transparent = true, .align = Right, .caption = u"0"},
        {.kind = Label, .name = n.accuracy, .index = 0, .at = {90, 390, 2145, 195}, .transparent = true, .caption = u"ACCURACY"},
        {.kind = Label, .name = n.accuracy, .index = 1, .at = {1860, 390, 360, 195}, .transparent = true, .align = Right, .caption = u"0"},
        {.kind = Label, .name = n.powerPoints, .index = 0, .at = {90, 570, 2145, 195}, .transparent = true, .caption = u"POWER   POINTS   (PP)"},
        {.kind = Label, .name = n.powerPoints, .index = 1, .at = {1860, 570, 360, 195}, .transparent = true, .align = Right, .caption = u"0"},
        {.kind = Shape, .name = n.powerBar, .index = 0, .at = {2310, 240, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
        {.kind = Shape, .name = n.powerBar, .index = 3, .at = {1860, 240, 435, 135}, .back = kOrange},
        {.kind = Shape, .name = n.accuracyBar, .index = 0, .at = {2310, 420, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
        {.kind = Shape, .name = n.powerPointsBar, .index = 0, .at = {2310, 600, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
        {.kind = Label, .name = n.description, .at = {90, 780, 3555, 345}},
        {.kind = Shape, .name = n.titleBox, .at = {0, 0, 1875, 195}, .back = kLightYellow, .border = true},
        {.kind = Shape, .name = n.descriptionBox, .at = {0, 750, 3735, 405}, .border = true},
        {.kind = Shape, .name = n.background, .at = kBackgroundPlace, .border = true},
    };
    // clang-format on
}

std::vector<CaptionRow> PanelCaptions(const PanelNames& n) {
    return {
        {n.power, 0, u"POWER", u"СИЛА   АТАКИ"},
        {n.accuracy, 0, u"ACCURACY", u"ТОЧНОСТЬ"},
        {n.powerPoints, 0, u"POWER   POINTS   (PP)", u"КОЛИЧЕСТВО   (PP)"},
    };
}

}  // namespace zentaloger::pages
