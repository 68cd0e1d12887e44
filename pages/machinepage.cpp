#include "machinepage.h"

#include "movepanel.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// clang-format off
const ElementRow kTmWindow[] = {
    // Four columns of 12, 12, 13 and 13 entries.
    {.kind = Label, .name = "lblTM_TM", .index = 0, .at = {420, 480, 645, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false},
    {.kind = Label, .name = "lblTM_TM", .index = 12, .at = {1245, 480, 645, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false},
    {.kind = Label, .name = "lblTM_TM", .index = 24, .at = {2085, 480, 645, 195}, .count = 13, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false},
    {.kind = Label, .name = "lblTM_TM", .index = 37, .at = {2910, 480, 645, 195}, .count = 13, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false},
};

const ElementRow kHmWindow[] = {
    {.kind = Label, .name = "lblHM_HM", .index = 0, .at = {1665, 480, 645, 195}, .count = 7, .stepTop = 330, .back = kYellow, .border = true, .align = Centre, .caption = u"HM", .visible = false},
};
// clang-format on

constexpr const char* kTmEntries[] = {"lblTM_TM"};
constexpr const char* kHmEntries[] = {"lblHM_HM"};

}  // namespace

PageLayout MachinePage::layout() const {
    if (kind_ == kTm) {
        static const std::vector<ElementRow> panel = PanelRows(kTmPanel);
        static const std::vector<CaptionRow> captions = PanelCaptions(kTmPanel);
        return {.tab = "lblTM",
                .frame = "fraTM",
                .window = kTmWindow,
                .children = panel,
                .captions = captions,
                .entries = kTmEntries,
                .stepped = kTmEntries[0]};
    }
    static const std::vector<ElementRow> panel = PanelRows(kHmPanel);
    static const std::vector<CaptionRow> captions = PanelCaptions(kHmPanel);
    return {.tab = "lblHM",
            .frame = "fraHM",
            .window = kHmWindow,
            .children = panel,
            .captions = captions,
            .entries = kHmEntries,
            .stepped = kHmEntries[0]};
}

void MachinePage::attach(const PageContext& context) {
    context_ = &context;
}

void MachinePage::refresh(int) {}

void MachinePage::chooseEntry(int) {}

}  // namespace zentaloger::pages
