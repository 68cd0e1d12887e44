#pragma once
// Where the list stands after each way of moving through it: a jump to a species, a change of
// language or order, the list's keys, the bars' clicks and held ticks, and the wheel. Each rule
// takes the state and the event as plain values and returns what the window must do.

#include <optional>

#include "database/viewstate.h"

namespace zentaloger {

// Where the list stands after a jump to the species on row `selectedRow`: with a selected
// line the species keeps that line, without one it becomes the first line when its row lies
// above the page and the last line otherwise; then clamped to the list's first rows.
int TopRowAfterJump(int topRow, int selectedRow, int selectedLine);
// The view after a jump to row `row` (a picture's species, a typed search): that row selected
// and the first row placed by TopRowAfterJump.
ViewState JumpedTo(const ViewState& view, int row, int selectedLine);

// The list relisted in `language` and `order`, keeping the shown species: it stays on the
// chosen line `selectedLine` (the first line without one), the first row clamped to 1..236.
ViewState Relisted(const Database& db, const ViewState& view, Language language, Order order,
                   int selectedLine);

// The keys the list's rules know; every other key is left to the list.
enum class ListKey {
    kOther,
    kBackspace,
    kPageUp,
    kPageDown,
    kEnd,
    kHome,
    kLeft,
    kUp,
    kRight,
    kDown,
    kF4,
    kTab
};

// What one key does before the list's own handling of it.
struct KeyStep {
    int topRow = kFirstTopRow;  // the first row after the key
    bool refill = false;        // the list is rebuilt from `topRow`, then `selectLine` chosen
    int selectLine = -1;
    std::optional<Language> language = std::nullopt;  // the language to switch to
    bool keep = false;                                // the key is kept from the list
    // The open page steps its entries by this (a page with entries keeps the key).
    int entryStep = 0;
    int pageStep = 0;   // the open page moves to the next (1) or previous (-1) tab's page
    bool exit = false;  // the program ends
};
// The bits of a key's `shift`: which modifiers were held.
enum ShiftMask : int { kShiftHeld = 1, kCtrlHeld = 2, kAltHeld = 4 };

// `key` pressed with the list on line `line` (-1: none) and `shift` (a ShiftMask).
KeyStep StepOfKey(const ViewState& view, ListKey key, int line, int shift);

// A click on a bar: one row up or down, within 1..236 (the list refills only on a change).
int ScrolledUp(int topRow);
int ScrolledDown(int topRow);
// A tick of a held bar's timer: index 0 (left button) one row, index 1 (right button) a page of
// 16 rows, within 1..236 (the list refills on every tick).
int UpTick(int topRow, int index);
int DownTick(int topRow, int index);
// The rows one wheel event moves: 1 for one notch, 2 from 150, 3 from 300, ...
int WheelRows(int zDelta);
// One of those rows: down for a negative zDelta, up otherwise, as a bar's click.
int WheelStep(int topRow, int zDelta);

}  // namespace zentaloger
