#pragma once
// What the detail pages show for a species' values: the move panel's bars, the statistics'
// segments, the card's edition marks and the evolution bar's cycle.

#include <array>
#include <cstdint>
#include <span>

namespace zentaloger {

// The thresholds a value must exceed to light each further segment of a bar, lowest first.
inline constexpr int kPowerSteps[] = {0, 50, 75, 100};
inline constexpr int kAccuracySteps[] = {0, 50, 75};
inline constexpr int kPowerPointsSteps[] = {0, 15, 30};

// How a bar shows a value. The bar grows from its right end: the first segment lit is (2), the
// dark one, then (1), (0) and, for power only, the orange (3). The number stands right-aligned
// just left of the leftmost lit segment, and only while a segment is lit.
struct BarLook {
    std::array<bool, 4> segment{};
    bool numberShown = false;
    int numberLeft = 0;  // twips, in the panel's frame
};
// `value` compared, strictly greater, with each threshold of `steps`.
BarLook LookOfBar(std::int32_t value, std::span<const int> steps);

// The statistics bar of a level: segment (2), the dark right-hand one, from level 1, (1) from
// 2, (0) from 3.
std::array<bool, 3> StatSegments(int level);

// The edition marks: for each of the six marks, left to right, the edition entry it shows, or
// -1 when it hides. The used entries take the rightmost marks in order, entry `last` (the
// species' entry 6) the rightmost; an entry without an edition's colour (`marked` false) and
// a mark left of entry 0 hide.
std::array<int, 6> EditionMarkEntries(const std::array<bool, 6>& marked, int last);

// The evolution bar after one tick: the bright segment moves one place to the right. `cycle`
// holds the bright, middle and dark fills (0xRRGGBB); `fills` (alpha ignored) in any other
// state stay.
std::array<std::uint32_t, 3> NextBarFills(const std::array<std::uint32_t, 3>& fills,
                                          const std::array<std::uint32_t, 3>& cycle);

}  // namespace zentaloger
