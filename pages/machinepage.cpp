#include "pages/machinepage.h"

#include "pages/movepanel.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// clang-format off
const ElementRow kTmWindow[] = {
    // Four columns of 12, 12, 13 and 13 entries.
    {.kind = Label, .name = kTmMachineEntries, .index = 0, .at = {420, 480, 645, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false, .role = Role::Entry},
    {.kind = Label, .name = kTmMachineEntries, .index = 12, .at = {1245, 480, 645, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false, .role = Role::Entry},
    {.kind = Label, .name = kTmMachineEntries, .index = 24, .at = {2085, 480, 645, 195}, .count = 13, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false, .role = Role::Entry},
    {.kind = Label, .name = kTmMachineEntries, .index = 37, .at = {2910, 480, 645, 195}, .count = 13, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"TM", .visible = false, .role = Role::Entry},
};

const ElementRow kHmWindow[] = {
    {.kind = Label, .name = kHmMachineEntries, .index = 0, .at = {1665, 480, 645, 195}, .count = 7, .stepTop = 330, .back = kYellow, .border = true, .align = Centre, .caption = u"HM", .visible = false, .role = Role::Entry},
};
// clang-format on

constexpr const char* kTmEntries[] = {kTmMachineEntries};
constexpr const char* kHmEntries[] = {kHmMachineEntries};

}  // namespace

PageLayout MachinePage::layout() const {
    if (kind_ == kTm) {
        static const std::vector<ElementRow> panel = PanelRows(kTmPanel);
        static const std::vector<CaptionRow> captions = PanelCaptions(kTmPanel);
        return {.tab = kTmTab,
                .frame = kTmFrame,
                .window = kTmWindow,
                .children = panel,
                .captions = captions,
                .entries = kTmEntries,
                .stepped = kTmEntries[0]};
    }
    static const std::vector<ElementRow> panel = PanelRows(kHmPanel);
    static const std::vector<CaptionRow> captions = PanelCaptions(kHmPanel);
    return {.tab = kHmTab,
            .frame = kHmFrame,
            .window = kHmWindow,
            .children = panel,
            .captions = captions,
            .entries = kHmEntries,
            .stepped = kHmEntries[0]};
}

std::span<const Text> MachinePage::labels(const SpeciesRecord& species) const {
    return kind_ == kTm ? std::span<const Text>(species.tmLabel) : species.hmLabel;
}

std::span<const Number> MachinePage::moves(const SpeciesRecord& species) const {
    return kind_ == kTm ? std::span<const Number>(species.tmMove) : species.hmMove;
}

void MachinePage::attach(const PageContext& context) {
    context_ = &context;
    const PageLayout page = layout();
    entries_.attach(context, page.frame, page.entries, kind_ == kTm ? kTmSlots : kHmSlots,
                    kind_ == kTm ? kTmPanel : kHmPanel,
                    [this](const SpeciesRecord& s) { return moves(s); });
}

void MachinePage::refresh(int number) {
    const SpeciesRecord& species = context_->db.species[number - 1];
    const std::span<const Text> label = labels(species);
    const std::span<const Number> move = moves(species);
    // The move decides whether a slot is used; its label is shown as it is stored, the same
    // in both languages. A used slot without a label leaves a gap.
    entries_.show([&](int k, int) { return move[k] < 0 ? QString() : label[k].toString(); });
}

void MachinePage::chooseEntry(int cell) {
    entries_.choose(cell);
}

}  // namespace zentaloger::pages
