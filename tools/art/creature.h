#pragma once
// Species designs. A family shares one body plan (unless its members declare their own, see
// bodyplan.h) and one set of genes (proportions, ears, tail, markings), drawn from a
// generator seeded by the family's base species; each form then grows along the family (babies
// small and round, final forms the largest and the most ornamented) and gets small species-level
// variations. `variant` perturbs a design when it would come out too close to an earlier species.

#include <QString>
#include <cstdint>

#include "tools/art/raster.h"
#include "tools/art/traits.h"

namespace zentaloger::art {

enum class BodyPlan {
    Quadruped,
    Biped,
    Serpent,
    Avian,
    Aquatic,
    Insectoid,
    Blob,
    Floater,
    Shelled,
};
inline constexpr int kBodyPlanCount = 9;

// Share of the frame (large picture, small picture) that the species' bounds take up.
double LargeFill(const SpeciesTraits& traits);
double SmallFill(const SpeciesTraits& traits);

Design MakeDesign(const SpeciesTraits& traits, int variant);

// Eye colour of the family (index into the palette's iris colours).
int EyeHueOfFamily(const SpeciesTraits& traits);

// splitmix64: small, fast and the same everywhere.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double unit();  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;
};

// A seed for Rng from two numbers (a species or family number and a purpose).
inline std::uint64_t Seed(std::uint64_t a, std::uint64_t b) {
    return a * 0x9E3779B97F4A7C15ull ^ (b + 0x632BE59BD9B4E019ull);
}

}  // namespace zentaloger::art
