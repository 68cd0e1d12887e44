#pragma once
// What the window hosts besides its own elements: the six detail pages, behind one narrow
// interface. The window builds their rows together with its own, applies their captions with
// its own, and calls them where their work belongs; it knows nothing of any one page.

#include <functional>
#include <vector>

#include "window/toolkit/builder.h"
#include "window/toolkit/captions.h"

namespace zentaloger::toolkit {

class ListBox;

// What the window hands the pages once it is built.
struct Host {
    const Elements& elements;
    ListBox* list;                      // the species list
    std::function<int()> shownSpecies;  // the number of the species on the card
    // The window's RefillList without captions: a page that moves the list (a picture click
    // jumps to a species) sets the view state and calls it.
    std::function<void()> refillList;
};

class Pages {
  public:
    virtual ~Pages() = default;

    // The pages' rows, front to back. Their window-level rows (the frames, the entry lists and
    // marks that lie over the card's picture, and the tabs) stack between the window's
    // controls and its card.
    virtual std::vector<RowGroup> rows() const = 0;
    // The pages' captions that follow the language, in the order they are applied.
    virtual std::vector<CaptionRow> captions() const = 0;
    // Once the window is built: bind the elements the pages use and their events; `host`
    // outlives the pages' use of it.
    virtual void attach(const Host& host) = 0;

    // After the card is filled: refresh every page for species `number`, open or not.
    virtual void refresh(int number) = 0;
    // At load, after the card: open the first page.
    virtual void openFirst() = 0;
    // Around a language switch: remember each page's chosen entry, then choose it again.
    virtual void rememberEntries() = 0;
    virtual void restoreEntries() = 0;
    // The keyboard's entry stepping: move the open page's chosen entry by `step` (-1 or +1).
    // True when the key is spent on it (an entry page is open and has a chosen entry, even at
    // an end); false when it goes on to the list.
    virtual bool stepEntry(int step) = 0;
    // The keyboard's tab switching: open the page of the next (1) or previous (-1) tab,
    // round from the last to the first.
    virtual void stepPage(int step) = 0;
};

}  // namespace zentaloger::toolkit
