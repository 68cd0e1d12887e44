#include "browse/pagerules.h"

namespace zentaloger {

BarLook LookOfBar(std::int32_t value, std::span<const int> steps) {
    int lit = 0;
    for (const int step : steps) {
        lit += value > step ? 1 : 0;
    }
    // The count of lit segments at which each segment lights: (2) first, then (1), (0), (3).
    constexpr int kLitFrom[4] = {3, 2, 1, 4};
    // The number's Left for 0 to 4 lit segments: 90 twips short of the leftmost lit one.
    constexpr int kNumberLeft[5] = {2760, 2760, 2310, 1860, 1410};
    BarLook look;
    for (int i = 0; i < 4; ++i) {
        look.segment[i] = lit >= kLitFrom[i];
    }
    look.numberShown = lit > 0;
    look.numberLeft = kNumberLeft[lit];
    return look;
}

std::array<bool, 3> StatSegments(int level) {
    return {level >= 3, level >= 2, level >= 1};
}

std::array<int, 6> EditionMarkEntries(const std::array<bool, 6>& marked, int last) {
    std::array<int, 6> entries;
    for (int mark = 0; mark < 6; ++mark) {
        const int entry = mark + last - 5;
        entries[mark] = entry >= 0 && entry < 6 && marked[entry] ? entry : -1;
    }
    return entries;
}

std::array<std::uint32_t, 3> NextBarFills(const std::array<std::uint32_t, 3>& fills,
                                          const std::array<std::uint32_t, 3>& cycle) {
    // With the first segment in fill k, segment j takes fill k + j - 1 of the cycle: bright,
    // middle, dark becomes dark, bright, middle.
    for (int k = 0; k < 3; ++k) {
        if ((fills[0] & 0xFFFFFF) == cycle[k]) {
            return {cycle[(k + 2) % 3], cycle[k], cycle[(k + 1) % 3]};
        }
    }
    return fills;
}

}  // namespace zentaloger
