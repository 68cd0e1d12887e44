#pragma once
// The evolution page: the family's steps as entries over the card's picture; the chosen step
// below, with the two species' small pictures and labels, its condition and hold lines and an
// animated bar between them; or the species alone as a final form. A click on either picture
// brings that species to the list and the card.

#include <array>

#include "pages/page.h"
#include "window/toolkit/toolkit.h"

namespace zentaloger::pages {

// The names of the page's elements that others look up: its tab, its frame, the entries of
// the family's steps, the two small pictures of the chosen step and the bar's timer.
inline constexpr const char* kEvolutionTab = "lblEVOLUTION";
inline constexpr const char* kEvolutionFrame = "fraEVOLUTION";
inline constexpr const char* kEvolutionEntries = "lblEVOLUTION_EVOLUTION";
inline constexpr const char* kEvolutionPictures = "imgEVOLUTION_ZENTARI";
inline constexpr const char* kEvolutionTimer = "tEVOLUTION";

class EvolutionPage : public Page {
  public:
    PageLayout layout() const override;
    void attach(const PageContext& context) override;
    // UpdateEvolutionPage.
    void refresh(int number) override;
    // SelectEvolutionEntry.
    void chooseEntry(int k) override;

    void ShowFinalForm(int number);
    void AnimateEvolutionBar();
    void JumpToEvolutionSpecies(int k);

  private:
    const PageContext* context_ = nullptr;
    toolkit::Frame* frame_ = nullptr;
    std::array<toolkit::Label*, kEvolutionSlots> entries_{};
    std::array<toolkit::Image*, 2> pictures_{};
    std::array<toolkit::Label*, 2> names_{};
    std::array<toolkit::Shape*, 3> bar_{};
    toolkit::Label* condition_ = nullptr;
    toolkit::Label* hold_ = nullptr;
};

}  // namespace zentaloger::pages
