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

std::span<const Text> MachinePage::labels(const SpeciesRecord& species) const {
    return kind_ == kTm ? std::span<const Text>(species.tmLabel) : species.hmLabel;
}

std::span<const Number> MachinePage::moves(const SpeciesRecord& species) const {
    return kind_ == kTm ? std::span<const Number>(species.tmMove) : species.hmMove;
}

void MachinePage::attach(const PageContext& context) {
    context_ = &context;
    const PageLayout page = layout();
    frame_ = context.elements.require<toolkit::Frame>(page.frame);
    const int count = kind_ == kTm ? kTmSlots : kHmSlots;
    cells_.clear();
    for (int k = 0; k < count; ++k) {
        toolkit::Label* cell = context.elements.require<toolkit::Label>(page.entries.front(), k);
        QObject::connect(cell, &toolkit::Label::click, cell, [this](int i) { chooseEntry(i); });
        cells_.push_back(cell);
    }
    panel_.attach(context.elements, kind_ == kTm ? kTmPanel : kHmPanel);
}

void MachinePage::refresh(int number) {
    const SpeciesRecord& species = context_->db.species[number - 1];
    const std::span<const Text> label = labels(species);
    const std::span<const Number> move = moves(species);
    const bool open = !frame_->isHidden();
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        toolkit::Label* cell = cells_[k];
        cell->setChosen(false);
        // The move decides whether a slot is used; its label is shown as it is stored, the
        // same in both languages. A used slot without a label leaves a gap.
        cell->setCaption(move[k] < 0 ? QString() : label[k].toString());
        cell->setVisible(open && !cell->caption().isEmpty());
    }
    if (!cells_[0]->caption().isEmpty()) {
        panel_.setBlank(false);
        chooseEntry(0);
    } else {
        panel_.setBlank(true);
    }
}

void MachinePage::chooseEntry(int cell) {
    if (cell < 0 || cell >= static_cast<int>(cells_.size())) {
        return;
    }
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i]->setChosen(static_cast<int>(i) == cell);
    }
    const int move = moves(context_->db.species[context_->shownSpecies() - 1])[cell];
    if (move < 0) {
        return;  // a free slot teaches nothing: the panel keeps what it shows
    }
    panel_.ShowMovePanel(context_->db, context_->view.language, move);
}

}  // namespace zentaloger::pages
