#pragma once
// The one page switch behind the six tabs: the chosen page's frame shows, its tab takes the
// selection colours and its non-empty entries show; every other page's frame, tab and entries
// go idle. Which page is open is which frame is visible; nothing else records it.

#include <vector>

#include "pages/page.h"
#include "window/toolkit/toolkit.h"

namespace zentaloger::pages {

class PageSwitch {
  public:
    // Binds each page's tab, frame and entries; a click on a tab opens its page.
    void attach(const toolkit::Elements& elements, const std::vector<PageLayout>& pages);
    void ShowPage(int page);
    // The open page, -1 if no frame is visible.
    int openPage() const;

  private:
    struct Bound {
        toolkit::Label* tab = nullptr;
        toolkit::Frame* frame = nullptr;
        std::vector<toolkit::Label*> entries;
    };
    std::vector<Bound> pages_;
};

// The labels of one entry group: name(0), name(1), ... as long as they exist.
std::vector<toolkit::Label*> EntryGroup(const toolkit::Elements& elements, const char* name);

}  // namespace zentaloger::pages
