#pragma once
// Where the list stands after a change that is not a step: the rows a jump to a species leaves
// on the page.

#include "database/viewstate.h"

namespace zentaloger {

// Where the list stands after a jump to the species on row `selectedRow`: with a selected
// line the species keeps that line, without one it becomes the first line when its row lies
// above the page and the last line otherwise; then clamped to the list's first rows.
int TopRowAfterJump(int topRow, int selectedRow, int selectedLine);

}  // namespace zentaloger
