#pragma once
// The statistics page: six rows of a caption and a three-segment bar that grows from its dark
// right-hand end with the species' level in that statistic.

#include <array>

#include "pages/page.h"
#include "window/toolkit/toolkit.h"

namespace zentaloger::pages {

// The names of the page's elements that others look up: its tab and its frame.
inline constexpr const char* kStatisticsTab = "lblSTATISTICS";
inline constexpr const char* kStatisticsFrame = "fraSTATISTICS";

class StatisticsPage : public Page {
  public:
    PageLayout layout() const override;
    void attach(const PageContext& context) override;
    // UpdateStatBars: each row's segments as StatSegments gives them for its level.
    void refresh(int number) override;

  private:
    const PageContext* context_ = nullptr;
    std::array<std::array<toolkit::Shape*, 3>, kStatCount> bars_{};
};

}  // namespace zentaloger::pages
