#pragma once
// The TM and HM pages: the machines a species can use as a grid of entries, and the move
// panel of the chosen one. One unit serves both; they differ in their elements' names and in
// the number of entries.

#include <span>

#include "pages/entrylist.h"
#include "pages/page.h"

namespace zentaloger::pages {

// The names of the two pages' elements that others look up: each page's tab, its frame and
// its machine entries.
inline constexpr const char* kTmTab = "lblTM";
inline constexpr const char* kTmFrame = "fraTM";
inline constexpr const char* kTmMachineEntries = "lblTM_TM";
inline constexpr const char* kHmTab = "lblHM";
inline constexpr const char* kHmFrame = "fraHM";
inline constexpr const char* kHmMachineEntries = "lblHM_HM";

class MachinePage : public Page {
  public:
    enum Kind { kTm, kHm };
    explicit MachinePage(Kind kind) : kind_(kind) {}

    PageLayout layout() const override;
    void attach(const PageContext& context) override;
    // UpdateTmPage, UpdateHmPage.
    void refresh(int number) override;
    // SelectTmEntry, SelectHmEntry: the click on cell `cell`.
    void chooseEntry(int cell) override;

  private:
    // The shown species' machines of this page's kind, slot by slot.
    std::span<const Text> labels(const SpeciesRecord& species) const;
    std::span<const Number> moves(const SpeciesRecord& species) const;

    Kind kind_;
    const PageContext* context_ = nullptr;
    EntryList entries_;
};

}  // namespace zentaloger::pages
