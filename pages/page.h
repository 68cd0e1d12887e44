#pragma once
// One detail page: what it brings to the window (its frame, its entries over the card's
// picture, its frame's children, its captions) and what it does for a species. The page
// switch, remembering entries around a language switch and the keyboard's stepping work on
// every page alike, from the entry groups a page declares.

#include <QString>
#include <functional>
#include <span>

#include "database/database.h"
#include "database/viewstate.h"
#include "window/toolkit/builder.h"
#include "window/toolkit/captions.h"
#include "window/toolkit/elements.h"

namespace zentaloger::toolkit {
class ListBox;
}  // namespace zentaloger::toolkit

namespace zentaloger::pages {

struct PageLayout {
    const char* tab;                                  // the tab label that opens the page
    const char* frame;                                // the frame that holds the page
    std::span<const toolkit::ElementRow> window{};    // rows on the window, front to back
    std::span<const toolkit::ElementRow> children{};  // the frame's rows, front to back
    std::span<const toolkit::CaptionRow> captions{};
    // The page's entry groups (on the window, shown only while the page is open). The first
    // is the one whose chosen entry a language switch remembers; `stepped` is the one the
    // keyboard steps through (nullptr: the page has no entries).
    std::span<const char* const> entries{};
    const char* stepped = nullptr;
};

// Every page frame lies in the same place, covered by the page's own background shape.
inline constexpr toolkit::Place kFramePlace{120, 3360, 3735, 1155};
inline constexpr toolkit::Place kBackgroundPlace{0, 0, 3735, 1155};

// What a page reaches of the window and the data.
struct PageContext {
    const Database& db;
    ViewState& view;
    const toolkit::Elements& elements;
    toolkit::ListBox* list;             // the window's species list
    std::function<int()> shownSpecies;  // the number of the species on the card
    std::function<void()> refillList;   // the window's RefillList without captions

    // The label of species index `s` in the numerical order in the current language.
    QString speciesLabel(int s) const;
};

class Page {
  public:
    virtual ~Page() = default;
    virtual PageLayout layout() const = 0;
    // Binds the elements the page uses and their events; the context outlives the page.
    virtual void attach(const PageContext& context) = 0;
    // A step of showing species `number` on the card, run whether the page is open or not.
    virtual void refresh(int number) = 0;
    // Chooses entry `index` of the page's first entry group, as a click on it does.
    virtual void chooseEntry(int) {}
};

}  // namespace zentaloger::pages
