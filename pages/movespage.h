#pragma once
// The level-up moves page: twelve rows of level and move, and the move panel of the chosen
// row.

#include "pages/entrylist.h"
#include "pages/page.h"

namespace zentaloger::pages {

// The names of the page's elements that others look up: its tab, its frame, and the two cells
// of each row, the level and the move.
inline constexpr const char* kMovesTab = "lblMOVES";
inline constexpr const char* kMovesFrame = "fraMOVES";
inline constexpr const char* kMovesLevelEntries = "lblMOVES_LEVEL";
inline constexpr const char* kMovesMoveEntries = "lblMOVES_MOVE";

class MovesPage : public Page {
  public:
    PageLayout layout() const override;
    void attach(const PageContext& context) override;
    // UpdateMovesPage.
    void refresh(int number) override;
    // SelectMoveRow: the click on either cell of row `row`.
    void chooseEntry(int row) override;

  private:
    const PageContext* context_ = nullptr;
    EntryList entries_;  // (row, 0) the level, (row, 1) the move
};

}  // namespace zentaloger::pages
