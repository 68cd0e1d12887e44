#include "pages/evolution.h"

#include "browse/listrules.h"
#include "browse/pagerules.h"
#include "database/pictures.h"

namespace zentaloger::pages {

namespace {

using namespace toolkit;
using enum Kind;
using enum Align;

// clang-format off
const ElementRow kWindow[] = {
    {.kind = Label, .name = kEvolutionEntries, .index = 0, .at = {420, 480, 3135, 195}, .count = 5, .stepTop = 360, .back = kYellow, .border = true, .align = Centre, .caption = u"EVOLUTION   --->   EVOLUTION", .visible = false, .role = Role::Entry},
};

const ElementRow kChildren[] = {
    {.kind = Timer, .name = kEvolutionTimer, .interval = 120, .enabled = true},
    {.kind = Shape, .name = "shpEVOLUTION_BAR", .index = 0, .at = {1200, 443, 435, 135}, .count = 3, .stepLeft = 450, .backs = kBarColours},
    {.kind = Label, .name = "lblEVOLUTION_NAME", .index = 0, .at = {105, 930, 1875, 195}, .transparent = true},
    {.kind = Label, .name = "lblEVOLUTION_NAME", .index = 1, .at = {1740, 930, 1875, 195}, .transparent = true, .align = Right},
    {.kind = Image, .name = kEvolutionPictures, .index = 0, .at = {120, 75, 840, 840}},
    {.kind = Image, .name = kEvolutionPictures, .index = 1, .at = {2730, 75, 840, 840}},
    {.kind = Label, .name = "lblEVOLUTION_CONDITION", .at = {0, 240, 3735, 195}, .transparent = true, .align = Centre},
    {.kind = Label, .name = "lblEVOLUTION_HOLD", .at = {0, 630, 3735, 195}, .transparent = true, .align = Centre},
    {.kind = Shape, .name = "shpEVOLUTION", .at = kBackgroundPlace, .border = true},
};
// clang-format on

constexpr const char* kEntries[] = {kEvolutionEntries};

const QString kArrow = QStringLiteral("   --->   ");

}  // namespace

PageLayout EvolutionPage::layout() const {
    return {.tab = kEvolutionTab,
            .frame = kEvolutionFrame,
            .window = kWindow,
            .children = kChildren,
            .entries = kEntries,
            .stepped = kEntries[0]};
}

void EvolutionPage::attach(const PageContext& context) {
    context_ = &context;
    const toolkit::Elements& e = context.elements;
    frame_ = e.require<toolkit::Frame>(kEvolutionFrame);
    for (int i = 0; i < kEvolutionSlots; ++i) {
        entries_[i] = e.require<toolkit::Label>(kEvolutionEntries, i);
        QObject::connect(entries_[i], &toolkit::Label::click, entries_[i],
                         [this](int index) { chooseEntry(index); });
    }
    for (int k = 0; k < 2; ++k) {
        pictures_[k] = e.require<toolkit::Image>(kEvolutionPictures, k);
        names_[k] = e.require<toolkit::Label>("lblEVOLUTION_NAME", k);
        pictures_[k]->setSpokenValue([this, k] { return names_[k]->caption(); });
        QObject::connect(pictures_[k], &toolkit::Image::click, pictures_[k],
                         [this](int index) { JumpToEvolutionSpecies(index); });
    }
    for (int i = 0; i < 3; ++i) {
        bar_[i] = e.require<toolkit::Shape>("shpEVOLUTION_BAR", i);
    }
    condition_ = e.require<toolkit::Label>("lblEVOLUTION_CONDITION");
    hold_ = e.require<toolkit::Label>("lblEVOLUTION_HOLD");
    auto* timer = e.require<toolkit::Timer>(kEvolutionTimer);
    QObject::connect(timer, &toolkit::Timer::timer, timer, [this] { AnimateEvolutionBar(); });
}

void EvolutionPage::refresh(int number) {
    const SpeciesRecord& species = context_->db.species[number - 1];
    const auto name = [this](int s) { return context_->speciesLabel(s).mid(6); };
    for (int j = 0; j < kEvolutionSlots; ++j) {
        const int from = species.evolutionFrom[j];
        const int to = species.evolutionTo[j];
        entries_[j]->setCaption(from >= 0 ? name(from) + kArrow + name(to) : QString());
        entries_[j]->setVisible(!entries_[j]->caption().isEmpty() && !frame_->isHidden());
    }
    for (int j = 0; j < kEvolutionSlots; ++j) {
        if (species.evolutionFrom[j] + 1 == number) {
            chooseEntry(j);
            return;
        }
    }
    ShowFinalForm(number);
}

void EvolutionPage::chooseEntry(int k) {
    if (k < 0 || k >= kEvolutionSlots) {
        return;
    }
    for (int i = 0; i < kEvolutionSlots; ++i) {
        entries_[i]->setChosen(i == k);
    }
    const SpeciesRecord& species = context_->db.species[context_->shownSpecies() - 1];
    const int from = species.evolutionFrom[k];
    const int to = species.evolutionTo[k];
    if (from < 0) {
        return;  // an empty step (reached only through the keyboard): nothing to detail
    }
    pictures_[0]->setPicture(SmallPicture(from + 1));
    pictures_[1]->setPicture(SmallPicture(to + 1));
    names_[0]->setCaption(context_->speciesLabel(from));
    names_[1]->setCaption(context_->speciesLabel(to));
    const Language language = context_->view.language;
    condition_->setCaption(species.evolutionCondition[k][language].toString());
    hold_->setCaption(species.evolutionHold[k][language].toString());
}

void EvolutionPage::ShowFinalForm(int number) {
    for (toolkit::Label* entry : entries_) {
        entry->setChosen(false);
    }
    pictures_[0]->setPicture(SmallPicture(number));
    pictures_[1]->clearPicture();
    names_[0]->setCaption(context_->speciesLabel(number - 1));
    names_[1]->setCaption(QString());
    condition_->setCaption(context_->view.language == Language::Russian
                               ? QStringLiteral("КОНЕЧНАЯ ФОРМА")
                               : QStringLiteral("FINAL FORM"));
    hold_->setCaption(QString());
}

void EvolutionPage::AnimateEvolutionBar() {
    const std::array<std::uint32_t, 3> fills = NextBarFills(
        {bar_[0]->backColor().rgb(), bar_[1]->backColor().rgb(), bar_[2]->backColor().rgb()},
        {kBarColours[0], kBarColours[1], kBarColours[2]});
    for (int i = 0; i < 3; ++i) {
        bar_[i]->setBackColor(QColor::fromRgb(fills[i]));
    }
}

void EvolutionPage::JumpToEvolutionSpecies(int k) {
    const QString caption = names_[k]->caption();
    if (caption.isEmpty()) {
        return;
    }
    ViewState& view = context_->view;
    const int row = FindRowOfSpecies(context_->db, view.language, view.listOrder,
                                     SpeciesNumberOfLabel(caption));
    if (row < 0) {
        return;
    }
    view = JumpedTo(view, row + 1, context_->list->listIndex());
    context_->refillList();
}

}  // namespace zentaloger::pages
