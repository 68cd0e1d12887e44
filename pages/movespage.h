#pragma once
// The level-up moves page: twelve rows of level and move, and the move panel of the chosen
// row.

#include "page.h"

namespace zentaloger::pages {

class MovesPage : public Page {
  public:
    PageLayout layout() const override;
    void attach(const PageContext& context) override;
    void refresh(int number) override;
    void chooseEntry(int row) override;

  private:
    const PageContext* context_ = nullptr;
};

}  // namespace zentaloger::pages
