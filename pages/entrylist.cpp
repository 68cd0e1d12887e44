#include "pages/entrylist.h"

#include <utility>

namespace zentaloger::pages {

void EntryList::attach(const PageContext& context, const char* frame,
                       std::span<const char* const> groups, int rows, const PanelNames& panel,
                       Moves moves) {
    context_ = &context;
    moves_ = std::move(moves);
    frame_ = context.elements.require<toolkit::Frame>(frame);
    rows_.assign(rows, {});
    for (int row = 0; row < rows; ++row) {
        for (const char* group : groups) {
            toolkit::Label* cell = context.elements.require<toolkit::Label>(group, row);
            QObject::connect(cell, &toolkit::Label::click, cell, [this](int i) { choose(i); });
            rows_[row].push_back(cell);
        }
    }
    panel_.attach(context.elements, panel);
}

void EntryList::show(const std::function<QString(int row, int cell)>& caption) {
    const bool open = !frame_->isHidden();
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        for (int c = 0; c < static_cast<int>(rows_[row].size()); ++c) {
            toolkit::Label* cell = rows_[row][c];
            cell->setChosen(false);
            cell->setCaption(caption(row, c));
            cell->setVisible(open && !cell->caption().isEmpty());
        }
    }
    if (!rows_.front().front()->caption().isEmpty()) {
        panel_.setBlank(false);
        choose(0);
    } else {
        panel_.setBlank(true);
    }
}

void EntryList::choose(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        for (toolkit::Label* cell : rows_[i]) {
            cell->setChosen(i == row);
        }
    }
    const int move = moves_(context_->db.species[context_->shownSpecies() - 1])[row];
    if (move < 0) {
        return;  // a free row teaches nothing: the panel keeps what it shows
    }
    panel_.ShowMovePanel(context_->db, context_->view.language, move);
}

}  // namespace zentaloger::pages
