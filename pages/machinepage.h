#pragma once
// The TM and HM pages: the machines a species can use as a grid of entries, and the move
// panel of the chosen one. One unit serves both; they differ in their elements' names and in
// the number of entries.

#include "page.h"

namespace zentaloger::pages {

class MachinePage : public Page {
  public:
    enum Kind { kTm, kHm };
    explicit MachinePage(Kind kind) : kind_(kind) {}

    PageLayout layout() const override;
    void attach(const PageContext& context) override;
    void refresh(int number) override;
    void chooseEntry(int cell) override;

  private:
    Kind kind_;
    const PageContext* context_ = nullptr;
};

}  // namespace zentaloger::pages
