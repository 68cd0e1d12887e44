#include "pages/detailpages.h"

#include <algorithm>

#include "pages/description.h"
#include "pages/evolution.h"
#include "pages/machinepage.h"
#include "pages/movespage.h"
#include "pages/statistics.h"

namespace zentaloger::pages {

namespace {

// Each page's tab, in page order; its name is the one the page's layout gives.
struct Tab {
    toolkit::Place at;
    const char16_t* english;
    const char16_t* russian;
};
constexpr Tab kTabs[kPageCount] = {
    {{120, 4500, 1875, 195}, u"STATISTICS", u"СТАТИСТИКА"},
    {{1980, 4500, 1875, 195}, u"DESCRIPTION", u"ОПИСАНИЕ"},
    {{120, 4680, 1875, 195}, u"EVOLUTION", u"ЭВОЛЮЦИЯ"},
    {{1980, 4680, 1875, 195}, u"MOVES", u"ДЕЙСТВИЯ"},
    {{120, 4860, 1875, 195}, u"TM", u"TM"},
    {{1980, 4860, 1875, 195}, u"HM", u"HM"},
};
// Neighbouring tabs share a pixel of border; the design stacks them in this order, front to
// back.
constexpr PageIndex kTabStacking[] = {kHm, kEvolution, kTm, kMoves, kStatistics, kDescription};

}  // namespace

DetailPages::DetailPages(const Database& db, ViewState& view) : db_(db), view_(view) {
    pages_.push_back(std::make_unique<StatisticsPage>());
    pages_.push_back(std::make_unique<DescriptionPage>());
    pages_.push_back(std::make_unique<EvolutionPage>());
    pages_.push_back(std::make_unique<MovesPage>());
    pages_.push_back(std::make_unique<MachinePage>(MachinePage::kTm));
    pages_.push_back(std::make_unique<MachinePage>(MachinePage::kHm));
    for (const auto& page : pages_) {
        layouts_.push_back(page->layout());
    }
    // The frames lie in one place; only the first page shows before the first page switch.
    for (const PageLayout& page : layouts_) {
        frames_.push_back({.kind = toolkit::Kind::Frame,
                           .name = page.frame,
                           .at = kFramePlace,
                           .back = toolkit::kYellow,
                           .visible = frames_.empty()});
    }
    // The first page's tab starts chosen, as its frame starts shown.
    for (PageIndex page : kTabStacking) {
        const toolkit::Colours look = page == kStatistics ? toolkit::kSelection : toolkit::kIdle;
        tabs_.push_back({.kind = toolkit::Kind::Label,
                         .name = layouts_[page].tab,
                         .at = kTabs[page].at,
                         .fore = look.fore,
                         .back = look.back,
                         .border = true,
                         .align = toolkit::Align::Centre,
                         .bold = true,
                         .caption = kTabs[page].english,
                         .role = toolkit::Role::PageTab});
    }
    for (int page = 0; page < kPageCount; ++page) {
        tabCaptions_.push_back({layouts_[page].tab, -1, kTabs[page].english, kTabs[page].russian});
    }
}

DetailPages::~DetailPages() = default;

std::vector<toolkit::RowGroup> DetailPages::rows() const {
    // The frames first; then the entries, a later page's in front of an earlier page's; then
    // the tabs, below the frames' bottom edge. Only the open page's entries ever show, so
    // their order is the design's, not a need.
    std::vector<toolkit::RowGroup> groups{{nullptr, frames_}};
    for (auto page = layouts_.rbegin(); page != layouts_.rend(); ++page) {
        groups.push_back({nullptr, page->window});
    }
    groups.push_back({nullptr, tabs_});
    for (const PageLayout& page : layouts_) {
        groups.push_back({page.frame, page.children});
    }
    return groups;
}

std::vector<toolkit::CaptionRow> DetailPages::captions() const {
    std::vector<toolkit::CaptionRow> rows = tabCaptions_;
    for (const PageLayout& page : layouts_) {
        rows.insert(rows.end(), page.captions.begin(), page.captions.end());
    }
    return rows;
}

void DetailPages::attach(const toolkit::Host& host) {
    context_.reset(
        new PageContext{db_, view_, host.elements, host.list, host.shownSpecies, host.refillList});
    for (const auto& page : pages_) {
        page->attach(*context_);
    }
    switch_.attach(host.elements, layouts_);
}

void DetailPages::refresh(int number) {
    // The description and the card's edition marks first, then the pages in tab order.
    for (int page : {kDescription, kStatistics, kEvolution, kMoves, kTm, kHm}) {
        pages_[page]->refresh(number);
    }
}

void DetailPages::openFirst() {
    switch_.ShowPage(kStatistics);
}

void DetailPages::rememberEntries() {
    remembered_.assign(pages_.size(), -1);
    for (int page = 0; page < kPageCount; ++page) {
        if (layouts_[page].entries.empty()) {
            continue;
        }
        const std::vector<toolkit::Label*> group =
            EntryGroup(context_->elements, layouts_[page].entries.front());
        for (int i = 0; i < static_cast<int>(group.size()); ++i) {
            if (group[i]->chosen()) {
                remembered_[page] = i;  // the highest, should several show as chosen
            }
        }
    }
}

void DetailPages::restoreEntries() {
    for (int page = 0; page < static_cast<int>(remembered_.size()); ++page) {
        if (remembered_[page] >= 0) {
            pages_[page]->chooseEntry(remembered_[page]);
        }
    }
    remembered_.clear();
}

bool DetailPages::stepEntry(int step) {
    const int page = switch_.openPage();
    if (page < 0 || !layouts_[page].stepped) {
        return false;
    }
    const std::vector<toolkit::Label*> group =
        EntryGroup(context_->elements, layouts_[page].stepped);
    const auto chosen = std::find_if(group.begin(), group.end(), [](const toolkit::Label* e) {
        return !e->isHidden() && e->chosen();
    });
    if (chosen == group.end()) {
        return false;
    }
    // Back to any earlier entry; on only to a shown one.
    const int next = static_cast<int>(chosen - group.begin()) + step;
    if (step < 0 ? next >= 0 : next < static_cast<int>(group.size()) && !group[next]->isHidden()) {
        pages_[page]->chooseEntry(next);
    }
    return true;
}

void DetailPages::stepPage(int step) {
    switch_.ShowPage((std::max(switch_.openPage(), 0) + step + kPageCount) % kPageCount);
}

}  // namespace zentaloger::pages
