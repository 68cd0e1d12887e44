#include "pages/description.h"

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
    {.kind = Label, .name = "lblVERSION", .index = 0, .at = {2400, 3000, 135, 135}, .count = 6, .stepLeft = 240, .backs = kMarkColours, .border = true, .align = Centre, .small = true},
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
    return {.tab = "lblDESCRIPTION",
            .frame = "fraDESCRIPTION",
            .window = kWindow,
            .children = kChildren};
}

void DescriptionPage::attach(const PageContext& context) {
    context_ = &context;
    text_ = context.elements.require<toolkit::Label>("lblDESCRIPTION_DESCRIPTION");
    for (int i = 0; i < 6; ++i) {
        marks_[i] = context.elements.require<toolkit::Label>("lblVERSION", i);
    }
}

void DescriptionPage::refresh(int number) {
    text_->setCaption(
        context_->db.species[number - 1].description[context_->view.language].toString());
    UpdateEditionMarks(number);
}

// The loader accepts only entries filled from the first without gaps, with entry 6 naming the
// last filled one, so every mark index here lies in 0..5 and each mark is set once.
void DescriptionPage::UpdateEditionMarks(int number) {
    const auto& info = context_->db.species[number - 1].editionInfo;
    const int last = info[6].toString().toInt();
    for (int i = 0; i < 6; ++i) {
        const QString edition = info[i].toString();
        if (const std::optional<QColor> colour = EditionColour(edition)) {
            toolkit::Label* mark = marks_[i - last + 5];
            mark->setBackColor(*colour);
            mark->setToolTip(edition);
            mark->show();
        } else {
            marks_[5 - i]->hide();
        }
    }
}

}  // namespace zentaloger::pages
