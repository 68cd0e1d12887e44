#pragma once
// What the window hosts besides its own elements: the six detail pages, behind one narrow
// interface. The window builds their rows together with its own, applies their captions with
// its own, and calls them where their work belongs; it knows nothing of any one page.

#include <vector>

#include "builder.h"
#include "captions.h"

namespace zentaloger::toolkit {

class Pages {
  public:
    virtual ~Pages() = default;

    // The pages' rows, front to back. Their window-level rows (the frames, and the entry
    // lists and marks that lie over the card's picture) stack between the window's controls
    // and its card.
    virtual std::vector<RowGroup> rows() const = 0;
    // The pages' captions that follow the language, in the order they are applied.
    virtual std::vector<CaptionRow> captions() const = 0;
    // Once the window is built: bind the elements the pages use and their events.
    virtual void attach(const Elements& elements) = 0;

    // After the card is filled: refresh every page for species `number`, open or not.
    virtual void refresh(int number) = 0;
    // At load, after the card: open the first page.
    virtual void openFirst() = 0;
    // Around a language switch: remember each page's chosen entry, then choose it again.
    virtual void rememberEntries() = 0;
    virtual void restoreEntries() = 0;
    // The keyboard's entry stepping: move the open page's chosen entry by `step`; false if
    // the open page has no entries to step through.
    virtual bool stepEntry(int step) = 0;
};

}  // namespace zentaloger::toolkit
