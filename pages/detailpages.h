#pragma once
// The six detail pages as the window sees them. Each page keeps its rows and captions in its
// own unit; this composes them in the window's order.

#include <vector>

#include "page.h"
#include "toolkit/pages.h"

namespace zentaloger::pages {

class DetailPages : public toolkit::Pages {
  public:
    DetailPages();

    std::vector<toolkit::RowGroup> rows() const override;
    std::vector<toolkit::CaptionRow> captions() const override;
    void attach(const toolkit::Elements& elements) override;

    // The pages show nothing of their own yet: the window's design state stands until each
    // page's behaviour is built.
    void refresh(int) override {}
    void openFirst() override {}
    void rememberEntries() override {}
    void restoreEntries() override {}
    bool stepEntry(int) override { return false; }

  private:
    std::vector<PageLayout> layouts_;
    std::vector<toolkit::ElementRow> frames_;
};

}  // namespace zentaloger::pages
