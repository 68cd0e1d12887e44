#pragma once
// The numbers of the embedded pictures (:/BITMAP/<number>): the viewer shows them by these
// numbers and the picture generator writes them under the same ones.

#include "database/database.h"

namespace zentaloger {

// Species `number` (1..251): the card's large picture, 245 x 196.
constexpr int LargePicture(int number) {
    return 100 + number;
}
// Species `number` (1..251): the small picture of the evolution page, 56 x 56.
constexpr int SmallPicture(int number) {
    return 500 + number;
}
// The logo in `language`, 105 x 38.
constexpr int LogoPicture(Language language) {
    return 1000 + Index(language);
}

}  // namespace zentaloger
