#include "database/viewstate.h"

#include <algorithm>

namespace zentaloger {

Number ClampTopRow(Number topRow) {
    return std::min(std::max(topRow, kFirstTopRow), kLastTopRow);
}

int FindRowOfSpecies(const Database& db, Language language, Order order, int speciesNumber) {
    for (int row = 0; row < kSpeciesCount; ++row) {
        if (SpeciesNumberOfLabel(db.listLabel[row][language][order]) == speciesNumber) {
            return row;
        }
    }
    return -1;
}

int SpeciesNumberAtRow(const Database& db, const ViewState& state, Number row) {
    return SpeciesNumberOfLabel(db.listLabel[row - 1][state.language][state.listOrder]);
}

}  // namespace zentaloger
