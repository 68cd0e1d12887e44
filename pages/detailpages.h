#pragma once
// The six detail pages as the window sees them: each page in a unit of its own, composed here
// in the window's order, with the work every page shares (the page switch, the chosen entries
// around a language switch, the keyboard's stepping).

#include <memory>
#include <vector>

#include "pages/page.h"
#include "pages/pageswitch.h"
#include "window/toolkit/pages.h"

namespace zentaloger::pages {

// The pages in the order of their frames and of the page switch.
enum PageIndex { kStatistics, kDescription, kEvolution, kMoves, kTm, kHm, kPageCount };

class DetailPages : public toolkit::Pages {
  public:
    // `db` and `view` outlive the pages.
    DetailPages(const Database& db, ViewState& view);
    ~DetailPages() override;

    std::vector<toolkit::RowGroup> rows() const override;
    std::vector<toolkit::CaptionRow> captions() const override;
    void attach(const toolkit::Host& host) override;

    void refresh(int number) override;
    void openFirst() override;
    void rememberEntries() override;
    void restoreEntries() override;
    bool stepEntry(int step) override;
    void stepPage(int step) override;

    void ShowPage(int page) { switch_.ShowPage(page); }
    int openPage() const { return switch_.openPage(); }

  private:
    const Database& db_;
    ViewState& view_;
    std::vector<std::unique_ptr<Page>> pages_;
    std::vector<PageLayout> layouts_;
    std::vector<toolkit::ElementRow> frames_;
    std::vector<toolkit::ElementRow> tabs_;  // front to back
    std::vector<toolkit::CaptionRow> tabCaptions_;
    std::unique_ptr<PageContext> context_;
    PageSwitch switch_;
    std::vector<int> remembered_;
};

}  // namespace zentaloger::pages
