#include "pages/movespage.h"

#include "pages/movepanel.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// clang-format off
const ElementRow kWindow[] = {
    {.kind = Label, .name = "lblMOVES_LEVEL", .index = 0, .at = {870, 480, 330, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"LVL", .visible = false},
    {.kind = Label, .name = "lblMOVES_MOVE", .index = 0, .at = {1245, 480, 1875, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"MOVE", .visible = false},
};
// clang-format on

constexpr const char* kEntries[] = {"lblMOVES_LEVEL", "lblMOVES_MOVE"};

}  // namespace

PageLayout MovesPage::layout() const {
    static const std::vector<ElementRow> panel = PanelRows(kMovesPanel);
    static const std::vector<CaptionRow> captions = PanelCaptions(kMovesPanel);
    return {.tab = "lblMOVES",
            .frame = "fraMOVES",
            .window = kWindow,
            .children = panel,
            .captions = captions,
            .entries = kEntries,
            .stepped = kEntries[1]};
}

void MovesPage::attach(const PageContext& context) {
    context_ = &context;
    const toolkit::Elements& e = context.elements;
    frame_ = e.require<toolkit::Frame>("fraMOVES");
    for (int k = 0; k < kLevelMoveSlots; ++k) {
        levels_[k] = e.require<toolkit::Label>("lblMOVES_LEVEL", k);
        moves_[k] = e.require<toolkit::Label>("lblMOVES_MOVE", k);
        for (toolkit::Label* cell : {levels_[k], moves_[k]}) {
            QObject::connect(cell, &toolkit::Label::click, cell,
                             [this](int row) { chooseEntry(row); });
        }
    }
    panel_.attach(e, kMovesPanel);
}

void MovesPage::refresh(int number) {
    const SpeciesRecord& species = context_->db.species[number - 1];
    const int language = context_->view.language;
    const bool open = !frame_->isHidden();
    for (int k = 0; k < kLevelMoveSlots; ++k) {
        levels_[k]->setChosen(false);
        moves_[k]->setChosen(false);
        const int level = species.levelMoveLevel[k];
        if (level < 0) {
            levels_[k]->setCaption(QString());
            moves_[k]->setCaption(QString());
        } else {
            levels_[k]->setCaption(QString::number(level));
            moves_[k]->setCaption(
                context_->db.moves[species.levelMoveMove[k]].moveName[language].toString());
        }
        levels_[k]->setVisible(open && !levels_[k]->caption().isEmpty());
        moves_[k]->setVisible(open && !moves_[k]->caption().isEmpty());
    }
    if (!levels_[0]->caption().isEmpty()) {
        panel_.setBlank(false);
        chooseEntry(0);
    } else {
        panel_.setBlank(true);
    }
}

void MovesPage::chooseEntry(int row) {
    if (row < 0 || row >= kLevelMoveSlots) {
        return;
    }
    for (int i = 0; i < kLevelMoveSlots; ++i) {
        levels_[i]->setChosen(i == row);
        moves_[i]->setChosen(i == row);
    }
    const int move = context_->db.species[context_->shownSpecies() - 1].levelMoveMove[row];
    if (move < 0) {
        return;  // a free row teaches nothing: the panel keeps what it shows
    }
    panel_.ShowMovePanel(context_->db, context_->view.language, move);
}

}  // namespace zentaloger::pages
