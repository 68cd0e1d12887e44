#include "detailpages.h"

#include "description.h"
#include "evolution.h"
#include "machinepage.h"
#include "movespage.h"
#include "statistics.h"

namespace zentaloger::pages {

DetailPages::DetailPages()
    : layouts_{StatisticsLayout(), DescriptionLayout(), EvolutionLayout(),
               MovesLayout(),      TmLayout(),          HmLayout()} {
    // The frames lie in one place; only the first page shows before the first page switch.
    for (const PageLayout& page : layouts_) {
        frames_.push_back({.kind = toolkit::Kind::Frame,
                           .name = page.frame,
                           .at = kFramePlace,
                           .back = toolkit::kYellow,
                           .visible = frames_.empty()});
    }
}

std::vector<toolkit::RowGroup> DetailPages::rows() const {
    // The frames first; then the entries, a later page's in front of an earlier page's.
    // Only the open page's entries ever show, so this order is the design's, not a need.
    std::vector<toolkit::RowGroup> groups{{nullptr, frames_}};
    for (auto page = layouts_.rbegin(); page != layouts_.rend(); ++page) {
        groups.push_back({nullptr, page->window});
    }
    for (const PageLayout& page : layouts_) {
        groups.push_back({page.frame, page.children});
    }
    return groups;
}

std::vector<toolkit::CaptionRow> DetailPages::captions() const {
    std::vector<toolkit::CaptionRow> rows;
    for (const PageLayout& page : layouts_) {
        rows.insert(rows.end(), page.captions.begin(), page.captions.end());
    }
    return rows;
}

void DetailPages::attach(const toolkit::Elements&) {}

}  // namespace zentaloger::pages
