#include "tools/art/creature.h"

#include <algorithm>
#include <cmath>

#include "tools/art/bodyplan.h"
#include "tools/art/palette.h"
#include "tools/art/plans.h"

namespace zentaloger::art {

namespace {

using figure::Builder;
using figure::Look;

double SizeScore(const SpeciesTraits& t) {
    return std::clamp((std::log10(std::max(1.0, t.heightCm)) - 1.3) / 1.3, 0.0, 1.0);
}

// The family's genes: one generator seeded by the family for every member, so the members
// share proportions and features; and what the species declares of itself.
Look FamilyLook(const SpeciesTraits& t) {
    Look l;
    l.plan = PlanOfSpecies(t);
    l.hooves = HasHooves(t);
    l.roots = HasRoots(t);
    Rng g(Seed(static_cast<std::uint64_t>(t.familyId), 1));
    l.aspect = g.range(0.8, 2.0);
    l.head = g.range(0.85, 1.2);
    l.leg = g.range(0.5, 1.6);
    l.ears = g.below(5);
    l.tail = g.below(4);
    l.pattern = g.below(4);
    l.horns = g.below(4);
    l.crest = g.below(3);
    l.limbs = g.below(2);
    l.curl = g.range(-1, 1);
    l.pose = g.range(-1, 1);
    l.markType = t.types.value(t.types.size() > 1 ? 1 : 0);
    l.legendary = t.legendary;
    l.secret = t.secret;
    return l;
}

// Growth along the family: babies small and round, final forms the most ornamented; the
// legendary and the secret species fully grown. Heavy species for their height are stouter.
void Grow(const SpeciesTraits& t, Look& l) {
    switch (t.stage) {
        case Stage::Baby:
            l.detail = 0;
            l.baby = 1;
            break;
        case Stage::Base:
            l.detail = 1;
            l.baby = t.familyLevels >= 3 ? 0.45 : 0.35;
            break;
        case Stage::Middle:
            l.detail = 2;
            l.baby = 0.15;
            break;
        case Stage::Final:
            l.detail = 3;
            l.baby = 0;
            break;
        case Stage::Single:
            l.detail = 2 + (t.heightCm >= 120 ? 1 : 0);
            l.baby = 0.1;
            break;
    }
    if (t.legendary || t.secret) {
        l.detail = 3;
        l.baby = 0;
    }
    const double density = t.weightKg / std::pow(std::max(0.05, t.heightCm / 100.0), 3.0);
    l.girth = std::clamp(1.0 + 0.08 * std::log(std::max(1e-3, density) / 40.0), 0.85, 1.2) *
              (1 + 0.05 * l.detail);
}

// The species' own variations: small for the first attempt, growing with each retry; the
// branches of one family split their features.
void Vary(const SpeciesTraits& t, int variant, Look& l) {
    Rng s(Seed(static_cast<std::uint64_t>(t.number), 1000 + static_cast<std::uint64_t>(variant)));
    const double amount = 0.06 + 0.05 * std::min(variant, 8);
    l.aspect = std::clamp(l.aspect * (1 + s.range(-amount, amount)), 0.6, 2.3);
    l.head = std::clamp(l.head * (1 + s.range(-amount, amount)), 0.7, 1.4);
    l.leg = std::clamp(l.leg * (1 + s.range(-amount, amount) * 2), 0.3, 2.0);
    l.pose = std::clamp(l.pose + s.range(-amount, amount) * 3, -1.5, 1.5);
    l.curl = std::clamp(l.curl + s.range(-amount, amount) * 3, -1.5, 1.5);
    l.flourish = s.below(6);
    if (t.branch > 0) {
        l.horns = (l.horns + t.branch) % 4;
        l.crest = (l.crest + t.branch) % 3;
        l.pattern = (l.pattern + t.branch) % 4;
    }
}

// Later retries change features outright.
void ChangeFeatures(int variant, Look& l) {
    if (variant % 3 == 0) {
        l.ears = (l.ears + 1 + variant / 3) % 5;
    }
    if (variant % 4 == 1) {
        l.tail = (l.tail + 1) % 4;
    }
    if (variant % 5 == 2) {
        l.crest = (l.crest + 1) % 3;
    }
    if (variant % 2 == 1) {
        l.horns = (l.horns + 1) % 4;
    }
}

Design Draw(const Look& l) {
    Builder b;
    switch (l.plan) {
        case BodyPlan::Quadruped:
            figure::Quadruped(b, l);
            break;
        case BodyPlan::Biped:
            figure::Biped(b, l);
            break;
        case BodyPlan::Serpent:
            figure::Serpent(b, l);
            break;
        case BodyPlan::Avian:
            figure::Avian(b, l);
            break;
        case BodyPlan::Aquatic:
            figure::Aquatic(b, l);
            break;
        case BodyPlan::Insectoid:
            figure::Insectoid(b, l);
            break;
        case BodyPlan::Blob:
            figure::Blob(b, l);
            break;
        case BodyPlan::Floater:
            figure::Floater(b, l);
            break;
        case BodyPlan::Shelled:
            figure::Shelled(b, l);
            break;
    }
    return b.design;
}

// A retry also stretches the whole figure a little wider or taller, which moves every edge of
// the silhouette once the picture is fitted into its frame.
void Stretch(int variant, Design& design) {
    const int step = (variant + 1) / 2;
    const double sx = std::clamp(1 + (variant % 2 ? 0.06 : -0.06) * step, 0.7, 1.35);
    for (Group& g : design.groups) {
        for (Prim& p : g.prims) {
            p.a.setX(p.a.x() * sx);
            p.b.setX(p.b.x() * sx);
            p.c.setX(p.c.x() * sx);
            if (p.kind == Prim::Ellipse || p.kind == Prim::Ring) {
                p.rx *= sx;
            }
        }
    }
}

}  // namespace

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::unit() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

int EyeHueOfFamily(const SpeciesTraits& t) {
    return Rng(Seed(static_cast<std::uint64_t>(t.familyId), 11)).below(5);
}

double LargeFill(const SpeciesTraits& t) {
    if (t.legendary || t.secret) {
        return 0.94;
    }
    const double s = SizeScore(t);
    switch (t.stage) {
        case Stage::Baby:
            return 0.5 + 0.04 * s;
        case Stage::Base:
            return 0.58 + 0.06 * s;
        case Stage::Middle:
            return 0.74 + 0.06 * s;
        case Stage::Final:
            return 0.88 + 0.06 * s;
        case Stage::Single:
            break;
    }
    return 0.64 + 0.28 * s;
}

double SmallFill(const SpeciesTraits& t) {
    if (t.legendary || t.secret) {
        return 0.98;
    }
    switch (t.stage) {
        case Stage::Baby:
            return 0.7;
        case Stage::Base:
            return 0.8;
        case Stage::Middle:
            return 0.88;
        case Stage::Final:
            return 0.96;
        case Stage::Single:
            break;
    }
    return 0.84 + 0.1 * SizeScore(t);
}

Design MakeDesign(const SpeciesTraits& t, int variant) {
    Look l = FamilyLook(t);
    Grow(t, l);
    Vary(t, variant, l);
    if (variant > 0) {
        ChangeFeatures(variant, l);
    }
    Design design = Draw(l);
    if (variant > 0) {
        Stretch(variant, design);
    }
    return design;
}

}  // namespace zentaloger::art
