#include "window/typefind.h"

#include <QApplication>
#include <algorithm>

#include "browse/listrules.h"

namespace zentaloger {

TypeFind::TypeFind(QObject* parent, const Database& db, ViewState& view, toolkit::ListBox* list,
                   std::function<void()> refillList)
    : QObject(parent), db_(db), view_(view), list_(list), refillList_(std::move(refillList)) {
    elapsed_.start();
    clock_ = [this] { return elapsed_.elapsed(); };
    connect(list_, &toolkit::ListBox::keyDown, this, &TypeFind::lstZENTARI_KeyDown);
}

void TypeFind::lstZENTARI_KeyDown(int& keyCode, int shift, const QString& text) {
    // A key the table kept, a shortcut with Ctrl or Alt, or a key that types nothing to find
    // (Backspace's "\b", Tab, Return) leaves the search text alone.
    if (keyCode == -1 || (shift & (kCtrlHeld | kAltHeld)) || text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), IsSearchCharacter)) {
        return;
    }
    search_.type(text, clock_(), QApplication::keyboardInputInterval());
    const std::optional<int> row = FindTypedRow(db_, view_.language, view_.listOrder,
                                                view_.selectedRow, search_.text(), search_.fresh());
    if (!row) {
        return;
    }
    view_ = JumpedTo(view_, *row, list_->listIndex());
    refillList_();  // its selection of the line shows the species on the card and the pages
}

}  // namespace zentaloger
