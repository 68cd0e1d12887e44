#pragma once
// The entries of the moves, TM and HM pages: rows of cells over the card's picture, each row
// teaching one move (or none, in a free slot), and the move panel that details the chosen
// row. A row is one cell (a machine) or two (a level and its move), chosen together.

#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "pages/movepanel.h"
#include "pages/page.h"

namespace zentaloger::pages {

class EntryList {
  public:
    // The move each row teaches for a species, -1 for a free row.
    using Moves = std::function<std::span<const Number>(const SpeciesRecord&)>;

    // Binds `rows` rows of the entry groups `groups` (the cells of a row share an index), the
    // page's frame and its move panel. A click on any cell chooses the cell's row.
    void attach(const PageContext& context, const char* frame, std::span<const char* const> groups,
                int rows, const PanelNames& panel, Moves moves);
    // Fills every cell with `caption(row, cell)`, none chosen, each shown while the page is
    // open and its caption is not empty; then chooses the first row, or covers the panel when
    // the first row is empty.
    void show(const std::function<QString(int row, int cell)>& caption);
    // Chooses `row`: its cells take the selection colours, the others the entry colours, and
    // the panel shows the row's move. A free row leaves the panel showing what it shows.
    void choose(int row);

  private:
    const PageContext* context_ = nullptr;
    toolkit::Frame* frame_ = nullptr;
    std::vector<std::vector<toolkit::Label*>> rows_;
    MovePanel panel_;
    Moves moves_;
};

}  // namespace zentaloger::pages
