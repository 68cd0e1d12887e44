#pragma once
// The level-up moves page: twelve rows of level and move, and the move panel of the chosen
// row.

#include <array>

#include "pages/movepanel.h"
#include "pages/page.h"

namespace zentaloger::pages {

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
    toolkit::Frame* frame_ = nullptr;
    std::array<toolkit::Label*, kLevelMoveSlots> levels_{};
    std::array<toolkit::Label*, kLevelMoveSlots> moves_{};
    MovePanel panel_;
};

}  // namespace zentaloger::pages
