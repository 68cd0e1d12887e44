#include "pages/pageswitch.h"

namespace zentaloger::pages {

std::vector<toolkit::Label*> EntryGroup(const toolkit::Elements& elements, const char* name) {
    std::vector<toolkit::Label*> group;
    while (auto* label = elements.find<toolkit::Label>(name, static_cast<int>(group.size()))) {
        group.push_back(label);
    }
    if (group.empty()) {
        elements.require<toolkit::Label>(name, 0);  // throws, naming the group
    }
    return group;
}

void PageSwitch::attach(const toolkit::Elements& elements, const std::vector<PageLayout>& pages) {
    for (const PageLayout& layout : pages) {
        Bound bound;
        bound.tab = elements.require<toolkit::Label>(layout.tab);
        bound.frame = elements.require<toolkit::Frame>(layout.frame);
        for (const char* group : layout.entries) {
            const std::vector<toolkit::Label*> labels = EntryGroup(elements, group);
            bound.entries.insert(bound.entries.end(), labels.begin(), labels.end());
        }
        const int page = static_cast<int>(pages_.size());
        QObject::connect(bound.tab, &toolkit::Label::click, bound.tab,
                         [this, page] { ShowPage(page); });
        pages_.push_back(std::move(bound));
    }
}

void PageSwitch::ShowPage(int page) {
    for (int p = 0; p < static_cast<int>(pages_.size()); ++p) {
        const Bound& bound = pages_[p];
        const bool chosen = p == page;
        bound.frame->setVisible(chosen);
        bound.tab->setChosen(chosen, toolkit::kIdle);
        for (toolkit::Label* entry : bound.entries) {
            entry->setVisible(chosen && !entry->caption().isEmpty());
        }
    }
}

int PageSwitch::openPage() const {
    for (int p = 0; p < static_cast<int>(pages_.size()); ++p) {
        if (!pages_[p].frame->isHidden()) {
            return p;
        }
    }
    return -1;
}

}  // namespace zentaloger::pages
