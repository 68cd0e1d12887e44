#pragma once
// The description page, and the six edition marks on the card: the editions a species is
// found in, right-aligned, each in its edition's colour with the edition's name as tooltip.

#include <QColor>
#include <array>
#include <optional>

#include "pages/page.h"
#include "window/toolkit/toolkit.h"

namespace zentaloger::pages {

// The names of the page's elements that others look up: its tab, its frame, and the six
// edition marks on the card.
inline constexpr const char* kDescriptionTab = "lblDESCRIPTION";
inline constexpr const char* kDescriptionFrame = "fraDESCRIPTION";
inline constexpr const char* kEditionMarks = "lblVERSION";

// The mark colour of an edition text; none for any other text (an empty entry).
std::optional<QColor> EditionColour(QStringView edition);

class DescriptionPage : public Page {
  public:
    PageLayout layout() const override;
    void attach(const PageContext& context) override;
    // The description in the current language, then UpdateEditionMarks.
    void refresh(int number) override;

  private:
    void UpdateEditionMarks(int number);

    const PageContext* context_ = nullptr;
    toolkit::Label* text_ = nullptr;
    std::array<toolkit::Label*, 6> marks_{};
};

}  // namespace zentaloger::pages
