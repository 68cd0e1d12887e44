#pragma once
// The move panel: one move with its type, power, accuracy and power points as numbers and
// segment bars, and its description. The moves, TM and HM pages each hold one panel of the
// same layout; only the spelling of the element names differs between them.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "browse/pagerules.h"
#include "pages/page.h"
#include "window/toolkit/toolkit.h"

namespace zentaloger::pages {

// The name of each of a panel's elements, role by role.
struct PanelNames {
    const char* blank;  // the cover that hides the panel while the page has no entry
    const char* type;
    const char* title;
    const char* power;  // (0) caption, (1) value
    const char* accuracy;
    const char* powerPoints;
    const char* powerBar;  // (0..2) the green segments, (3) the orange one of strong moves
    const char* accuracyBar;
    const char* powerPointsBar;
    const char* description;
    const char* titleBox;
    const char* descriptionBox;
    const char* background;
};

// The three sets, spelt as the design spells them.
inline constexpr PanelNames kMovesPanel{
    .blank = "shpMOVES_Null",
    .type = "lblMOVES_TYPE",
    .title = "lblMOVES_TITLE",
    .power = "lblMOVES_POWER",
    .accuracy = "lblMOVES_ACCURACY",
    .powerPoints = "lblMOVES_PP",
    .powerBar = "shpMOVES_POWER",
    .accuracyBar = "shpMOVES_ACCURACY",
    .powerPointsBar = "shpMOVES_PP",
    .description = "lblMOVES_DESCRIPTION",
    .titleBox = "shpMOVES_TITLE",
    .descriptionBox = "shpMOVES_DESCRIPTION",
    .background = "shpMOVES",
};
inline constexpr PanelNames kTmPanel{
    .blank = "shpTM_Null",
    .type = "lblTM_TYPE",
    .title = "lblTM_TITLE",
    .power = "lblTM_POWER",
    .accuracy = "lblTM_ACCURACY",
    .powerPoints = "lblTM_PP",
    .powerBar = "shpTM_POWER",
    .accuracyBar = "shpTM_ACCURACY",
    .powerPointsBar = "shpTM_PP",
    .description = "lblTM_Description",
    .titleBox = "shpTM_TITLE",
    .descriptionBox = "shpTM_Description",
    .background = "shpTM",
};
inline constexpr PanelNames kHmPanel{
    .blank = "shpHM_Null",
    .type = "lblHM_Type",
    .title = "lblHM_Title",
    .power = "lblHM_POWER",
    .accuracy = "lblHM_ACCURACY",
    .powerPoints = "lblHM_PP",
    .powerBar = "shpHM_POWER",
    .accuracyBar = "shpHM_ACCURACY",
    .powerPointsBar = "shpHM_PP",
    .description = "lblHM_Description",
    .titleBox = "shpHM_Title",
    .descriptionBox = "shpHM_Description",
    .background = "shpHM",
};

// One panel bound to its set's elements by role; shows one move at a time.
class MovePanel {
  public:
    void attach(const toolkit::Elements& elements, const PanelNames& names);
    // ShowMovePanel: move `move` (0..249) of `db` in `language`.
    void ShowMovePanel(const Database& db, Language language, int move);
    // The blank cover: over the whole panel, leaving what it showed underneath.
    void setBlank(bool blank) { blank_->setVisible(blank); }

  private:
    struct Bar {
        toolkit::Label* number = nullptr;
        std::vector<toolkit::Shape*> segments;
        std::span<const int> steps;
        void show(std::int32_t value) const;
    };
    toolkit::Shape* blank_ = nullptr;
    toolkit::Label* title_ = nullptr;
    toolkit::Label* type_ = nullptr;
    toolkit::Label* description_ = nullptr;
    std::array<Bar, 3> bars_;  // power, accuracy, power points
};

// A panel's rows, front to back, in the frame that holds it.
std::vector<toolkit::ElementRow> PanelRows(const PanelNames& names);
// Its three captions that follow the language.
std::vector<toolkit::CaptionRow> PanelCaptions(const PanelNames& names);

}  // namespace zentaloger::pages
