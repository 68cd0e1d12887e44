#include "browse/listrules.h"

#include <algorithm>
#include <cstdlib>

namespace zentaloger {

namespace {

constexpr int kFirstLine = 0, kLastLine = kListLines - 1;
constexpr int kPageRows = kListLines;

// The list scrolled to `topRow`, then line `line` chosen.
KeyStep Scroll(int topRow, int line) {
    return {.topRow = topRow, .refill = true, .selectLine = line};
}

}  // namespace

int TopRowAfterJump(int topRow, int selectedRow, int selectedLine) {
    if (selectedLine >= 0) {
        topRow = selectedRow - selectedLine;
    } else if (topRow > selectedRow) {
        topRow = selectedRow;
    } else {
        topRow = selectedRow - (kListLines - 1);
    }
    return ClampTopRow(topRow);
}

ViewState JumpedTo(const ViewState& view, int row, int selectedLine) {
    ViewState next = view;
    next.selectedRow = row;
    next.topRow = TopRowAfterJump(view.topRow, row, selectedLine);
    return next;
}

ViewState Relisted(const Database& db, const ViewState& view, Language language, Order order,
                   int selectedLine) {
    const int number = SpeciesNumberAtRow(db, view, view.selectedRow);
    ViewState next = view;
    next.language = language;
    next.listOrder = order;
    next.selectedRow = FindRowOfSpecies(db, language, order, number) + 1;
    next.topRow =
        ClampTopRow(selectedLine >= 0 ? next.selectedRow - selectedLine : next.selectedRow);
    return next;
}

KeyStep StepOfKey(const ViewState& view, ListKey key, int line, int shift) {
    const int top = view.topRow;
    const KeyStep none{.topRow = top};
    switch (key) {
        case ListKey::kBackspace:
            return {.topRow = top,
                    .language =
                        view.language == Language::Russian ? Language::English : Language::Russian,
                    .keep = true};
        case ListKey::kPageUp:
            return top > kFirstTopRow && line == kFirstLine
                       ? Scroll(std::max(top - kPageRows, kFirstTopRow), kFirstLine)
                       : none;
        case ListKey::kPageDown:
            return top < kLastTopRow && line == kLastLine
                       ? Scroll(std::min(top + kPageRows, kLastTopRow), kLastLine)
                       : none;
        case ListKey::kEnd:
            return top < kLastTopRow ? Scroll(kLastTopRow, kLastLine) : none;
        case ListKey::kHome:
            return top > kFirstTopRow ? Scroll(kFirstTopRow, kFirstLine) : none;
        case ListKey::kF4:
            return {.topRow = top, .exit = true};
        case ListKey::kTab:
            // Ctrl+Tab and Ctrl+Shift+Tab switch tabs, as in tabbed windows; Ctrl+Page Up and
            // Down, the other usual pair, already page the list whatever modifier is held.
            return (shift & kCtrlHeld) != 0
                       ? KeyStep{.topRow = top,
                                 .keep = true,
                                 .pageStep = (shift & kShiftHeld) != 0 ? -1 : 1}
                       : none;
        case ListKey::kOther:
            return none;
        case ListKey::kLeft:
        case ListKey::kUp:
        case ListKey::kRight:
        case ListKey::kDown:
            break;
    }
    const bool up = key == ListKey::kLeft || key == ListKey::kUp;
    if (shift != 0) {
        // Shift, Ctrl or Alt step through the open page's entries; a page with entries keeps
        // the key, also at its first or last entry.
        return {.topRow = top, .entryStep = up ? -1 : 1};
    }
    // At the page's edge the list scrolls a row, refilling also when the row stays at its
    // clamp; within the page the list's own handling moves the line.
    if (up && view.selectedRow > 1 && line == kFirstLine) {
        return Scroll(top > kFirstTopRow ? top - 1 : top, kFirstLine);
    }
    if (!up && view.selectedRow < kSpeciesCount && line == kLastLine) {
        return Scroll(top < kLastTopRow ? top + 1 : top, kLastLine);
    }
    return none;
}

int ScrolledUp(int topRow) {
    return topRow >= kFirstTopRow + 1 ? topRow - 1 : topRow;
}

int ScrolledDown(int topRow) {
    return topRow <= kLastTopRow - 1 ? topRow + 1 : topRow;
}

int UpTick(int topRow, int index) {
    if (index == 0) {
        return std::max(topRow - 1, kFirstTopRow);
    }
    return topRow <= kPageRows ? kFirstTopRow : topRow - kPageRows;
}

int DownTick(int topRow, int index) {
    return std::min(topRow + (index == 0 ? 1 : kPageRows), kLastTopRow);
}

int WheelRows(int zDelta) {
    return std::abs(zDelta / 150) + 1;  // C++ division truncates towards zero, as meant
}

int WheelStep(int topRow, int zDelta) {
    return zDelta < 0 ? ScrolledDown(topRow) : ScrolledUp(topRow);
}

}  // namespace zentaloger
