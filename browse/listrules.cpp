#include "browse/listrules.h"

namespace zentaloger {

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

}  // namespace zentaloger
