#pragma once
// What the window shows: the language, the list order, the first row of the visible list page
// and the selected row. Rows are 1-based rows of the current order and language.

#include "database/database.h"

namespace zentaloger {

inline constexpr int kListLines = 16;
inline constexpr int kFirstTopRow = 1;
inline constexpr int kLastTopRow = kSpeciesCount - kListLines + 1;  // 236

struct ViewState {
    Language language = Language::English;
    Order listOrder = Order::Numerical;
    Number topRow = 1;       // 1..236, the row on the first list line
    Number selectedRow = 1;  // 1..251
};

// topRow kept within 1..236 (raised to 1 first, then lowered to 236).
Number ClampTopRow(Number topRow);

// The 0-based row (0..250) of `language` and `order` whose label carries `speciesNumber`,
// scanning upwards from row 0; -1 if no row does (a loaded database always has one).
int FindRowOfSpecies(const Database& db, Language language, Order order, int speciesNumber);

// The species number shown at `row` (1-based) of the state's language and order.
int SpeciesNumberAtRow(const Database& db, const ViewState& state, Number row);

}  // namespace zentaloger
