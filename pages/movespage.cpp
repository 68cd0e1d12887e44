#include "pages/movespage.h"

#include "pages/movepanel.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// clang-format off
const ElementRow kWindow[] = {
    {.kind = Label, .name = kMovesLevelEntries, .index = 0, .at = {870, 480, 330, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"LVL", .visible = false, .role = Role::Entry},
    {.kind = Label, .name = kMovesMoveEntries, .index = 0, .at = {1245, 480, 1875, 195}, .count = 12, .stepTop = 180, .back = kYellow, .border = true, .align = Centre, .caption = u"MOVE", .visible = false, .role = Role::Entry},
};
// clang-format on

constexpr const char* kEntries[] = {kMovesLevelEntries, kMovesMoveEntries};

}  // namespace

PageLayout MovesPage::layout() const {
    static const std::vector<ElementRow> panel = PanelRows(kMovesPanel);
    static const std::vector<CaptionRow> captions = PanelCaptions(kMovesPanel);
    return {.tab = kMovesTab,
            .frame = kMovesFrame,
            .window = kWindow,
            .children = panel,
            .captions = captions,
            .entries = kEntries,
            .stepped = kEntries[1]};
}

void MovesPage::attach(const PageContext& context) {
    context_ = &context;
    entries_.attach(
        context, kMovesFrame, kEntries, kLevelMoveSlots, kMovesPanel,
        [](const SpeciesRecord& s) { return std::span<const Number>(s.levelMoveMove); });
}

void MovesPage::refresh(int number) {
    const SpeciesRecord& species = context_->db.species[number - 1];
    const Language language = context_->view.language;
    entries_.show([&](int row, int cell) {
        const int level = species.levelMoveLevel[row];
        if (level < 0) {
            return QString();
        }
        return cell == 0
                   ? QString::number(level)
                   : context_->db.moves[species.levelMoveMove[row]].moveName[language].toString();
    });
}

void MovesPage::chooseEntry(int row) {
    entries_.choose(row);
}

}  // namespace zentaloger::pages
