#include "pages/description.h"

#include "browse/pagerules.h"
#include "database/editions.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// The marks' colours before the first species is shown: the editions' own.
constexpr Rgb kMarkColours[] = {kEditions[0].rgb, kEditions[1].rgb, kEditions[2].rgb,
                                kEditions[3].rgb, kEditions[4].rgb, kEditions[5].rgb};

// clang-format off
const ElementRow kWindow[] = {
    {.kind = Label, .name = kEditionMarks, .index = 0, .at = {2400, 3000, 135, 135}, .count = 6, .stepLeft = 240, .backs = kMarkColours, .border = true, .align = Centre, .small = true},
};

const ElementRow kChildren[] = {
    {.kind = Label, .name = "lblDESCRIPTION_DESCRIPTION", .at = {90, 45, 3555, 1095}, .transparent = true},
    {.kind = Shape, .name = "shpDESCRIPTION", .at = kBackgroundPlace, .border = true},
};
// clang-format on

}  // namespace

std::optional<QColor> EditionColour(QStringView edition) {
    for (const Edition& e : kEditions) {
        if (edition == QStringView(e.name)) {
            return Color(e.rgb);
        }
    }
    if (edition == QStringView(kUnknownEdition.name)) {
        return Color(kUnknownEdition.rgb);
    }
    return std::nullopt;
}

PageLayout DescriptionPage::layout() const {
    return {.tab = kDescriptionTab,
            .frame = kDescriptionFrame,
            .window = kWindow,
            .children = kChildren};
}

void DescriptionPage::attach(const PageContext& context) {
    context_ = &context;
    text_ = context.elements.require<toolkit::Label>("lblDESCRIPTION_DESCRIPTION");
    for (int i = 0; i < 6; ++i) {
        marks_[i] = context.elements.require<toolkit::Label>(kEditionMarks, i);
    }
}

void DescriptionPage::refresh(int number) {
    text_->setCaption(
        context_->db.species[number - 1].description[context_->view.language].toString());
    UpdateEditionMarks(number);
}

// The loader accepts only entries filled from the first without gaps, with entry 6 naming the
// last filled one: the filled entries take the rightmost marks in order, one each, and the
// marks left of them hide. The rule hides a mark whose entry names no edition, so a gap could
// only hide its own mark.
void DescriptionPage::UpdateEditionMarks(int number) {
    const auto& info = context_->db.species[number - 1].editionInfo;
    std::array<std::optional<QColor>, 6> colours;
    std::array<bool, 6> marked{};
    for (int i = 0; i < 6; ++i) {
        colours[i] = EditionColour(info[i].toString());
        marked[i] = colours[i].has_value();
    }
    const std::array<int, 6> entries = EditionMarkEntries(marked, info[6].toString().toInt());
    for (int m = 0; m < 6; ++m) {
        const int entry = entries[m];
        if (entry < 0) {
            marks_[m]->hide();
            continue;
        }
        marks_[m]->setBackColor(*colours[entry]);
        marks_[m]->setToolTip(info[entry].toString());
        marks_[m]->show();
    }
}

}  // namespace zentaloger::pages
