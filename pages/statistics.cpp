#include "pages/statistics.h"

#include <algorithm>

#include "browse/pagerules.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;

// clang-format off
const ElementRow kChildren[] = {
    {.kind = Label, .name = "lblSTATISTICS_HITPOINTS", .at = {90, 30, 2145, 195}, .transparent = true, .caption = u"HIT   POINTS   (HP)"},
    {.kind = Shape, .name = "shpSTATISTICS_HITPOINTS", .index = 0, .at = {2310, 60, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Label, .name = "lblSTATISTICS_ATTACK", .at = {90, 210, 2145, 195}, .transparent = true, .caption = u"ATTACK"},
    {.kind = Shape, .name = "shpSTATISTICS_ATTACK", .index = 0, .at = {2310, 240, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Label, .name = "lblSTATISTICS_DEFENCE", .at = {90, 390, 2145, 195}, .transparent = true, .caption = u"DEFENCE"},
    {.kind = Shape, .name = "shpSTATISTICS_DEFENCE", .index = 0, .at = {2310, 420, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Label, .name = "lblSTATISTICS_SPECIALATTACK", .at = {90, 570, 2145, 195}, .transparent = true, .caption = u"SPECIAL   ATTACK"},
    {.kind = Shape, .name = "shpSTATISTICS_SPECIALATTACK", .index = 0, .at = {2310, 600, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Label, .name = "lblSTATISTICS_SPECIALDEFENCE", .at = {90, 750, 2145, 195}, .transparent = true, .caption = u"SPECIAL   DEFENCE"},
    {.kind = Shape, .name = "shpSTATISTICS_SPECIALDEFENCE", .index = 0, .at = {2310, 780, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Label, .name = "lblSTATISTICS_SPEED", .at = {90, 930, 2145, 195}, .transparent = true, .caption = u"SPEED"},
    {.kind = Shape, .name = "shpSTATISTICS_SPEED", .index = 0, .at = {2310, 960, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Shape, .name = "shpSTATISTICS", .at = kBackgroundPlace, .border = true},
};

const CaptionRow kCaptions[] = {
    {"lblSTATISTICS_HITPOINTS", -1, u"HIT   POINTS   (HP)", u"ЗДОРОВЬЕ   (HP)"},
    {"lblSTATISTICS_ATTACK", -1, u"ATTACK", u"АТАКА"},
    {"lblSTATISTICS_DEFENCE", -1, u"DEFENCE", u"ЗАЩИТА"},
    {"lblSTATISTICS_SPECIALATTACK", -1, u"SPECIAL   ATTACK", u"СПЕЦИАЛЬНАЯ   АТАКА"},
    {"lblSTATISTICS_SPECIALDEFENCE", -1, u"SPECIAL   DEFENCE", u"СПЕЦИАЛЬНАЯ   ЗАЩИТА"},
    {"lblSTATISTICS_SPEED", -1, u"SPEED", u"СКОРОСТЬ"},
};
// clang-format on

// The bars, in the order of the species' statistics.
constexpr const char* kBars[kStatCount] = {
    "shpSTATISTICS_HITPOINTS",     "shpSTATISTICS_ATTACK",         "shpSTATISTICS_DEFENCE",
    "shpSTATISTICS_SPECIALATTACK", "shpSTATISTICS_SPECIALDEFENCE", "shpSTATISTICS_SPEED"};

}  // namespace

PageLayout StatisticsPage::layout() const {
    return {.tab = kStatisticsTab,
            .frame = kStatisticsFrame,
            .children = kChildren,
            .captions = kCaptions};
}

void StatisticsPage::attach(const PageContext& context) {
    context_ = &context;
    for (int row = 0; row < kStatCount; ++row) {
        // The bar is three painted segments; a screen reader hears how many are shown (a level
        // of 4 draws as 3, and "4 of 3" would make no sense).
        auto* caption = context.elements.require<toolkit::Label>(kCaptions[row].name);
        caption->setSpokenValue([this, row] {
            const std::array<bool, 3> shown =
                StatSegments(context_->db.species[context_->shownSpecies() - 1].statLevel[row]);
            const auto level = std::count(shown.begin(), shown.end(), true);
            return (context_->view.language == Language::Russian ? QStringLiteral("%1 из 3")
                                                                 : QStringLiteral("%1 of 3"))
                .arg(level);
        });
        for (int i = 0; i < 3; ++i) {
            bars_[row][i] = context.elements.require<toolkit::Shape>(kBars[row], i);
        }
    }
}

void StatisticsPage::refresh(int number) {
    const SpeciesRecord& species = context_->db.species[number - 1];
    for (int row = 0; row < kStatCount; ++row) {
        const std::array<bool, 3> shown = StatSegments(species.statLevel[row]);
        for (int i = 0; i < 3; ++i) {
            bars_[row][i]->setVisible(shown[i]);
        }
    }
}

}  // namespace zentaloger::pages
