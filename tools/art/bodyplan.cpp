#include "tools/art/bodyplan.h"

#include <QStringList>
#include <cmath>
#include <numbers>

#include "tools/art/palette.h"
#include "tools/sources/sources.h"

namespace zentaloger::art {

QString ReadDeclaredBodies(const QString& folder, DeclaredBodies* bodies) {
    std::vector<sources::Diagnostic> errors;
    sources::ReadResult read;
    for (const sources::SourceFile& file : sources::ListSourceFiles(folder, errors)) {
        if (file.path.startsWith(QLatin1String("species/"))) {
            sources::ReadSourceFile(file, read);
        }
    }
    errors.insert(errors.end(), read.errors.begin(), read.errors.end());
    if (!errors.empty()) {
        return errors.front().InFolder(folder);
    }
    bodies->clear();
    for (const sources::SpeciesSource& s : read.set.species) {
        if (!s.body.isEmpty()) {
            (*bodies)[s.number] = s.body;
        }
    }
    return {};
}

BodyPlan PlanOfFamily(const SpeciesTraits& t) {
    using B = BodyPlan;
    struct Choice {
        const char* type;
        B plans[3];
    };
    static const Choice kChoices[] = {
        {"WILD", {B::Quadruped, B::Biped, B::Blob}},
        {"EMBER", {B::Quadruped, B::Biped, B::Serpent}},
        {"TIDE", {B::Aquatic, B::Serpent, B::Shelled}},
        {"SPROUT", {B::Blob, B::Quadruped, B::Biped}},
        {"STORM", {B::Quadruped, B::Avian, B::Floater}},
        {"FROST", {B::Quadruped, B::Floater, B::Biped}},
        {"STONE", {B::Shelled, B::Biped, B::Quadruped}},
        {"GALE", {B::Avian, B::Avian, B::Floater}},
        {"MIRE", {B::Blob, B::Serpent, B::Aquatic}},
        {"ORE", {B::Shelled, B::Insectoid, B::Biped}},
        {"DUSK", {B::Quadruped, B::Avian, B::Floater}},
        {"GLEAM", {B::Floater, B::Biped, B::Avian}},
        {"DREAM", {B::Floater, B::Blob, B::Biped}},
        {"CHITIN", {B::Insectoid, B::Insectoid, B::Shelled}},
        {"MIGHT", {B::Biped, B::Biped, B::Quadruped}},
        {"ECHO", {B::Avian, B::Floater, B::Blob}},
        {"RELIC", {B::Floater, B::Shelled, B::Biped}},
    };
    const QString first = t.familyTypes.value(0);
    Rng rng(Seed(static_cast<std::uint64_t>(t.familyId), 7));
    const int pick = rng.below(3);
    for (const Choice& c : kChoices) {
        if (first == QLatin1String(c.type)) {
            return c.plans[pick];
        }
    }
    return static_cast<BodyPlan>((StableHash(first) + static_cast<std::uint32_t>(t.familyId)) %
                                 kBodyPlanCount);
}

BodyPlan PlanOfSpecies(const SpeciesTraits& t) {
    using B = BodyPlan;
    // In the order of sources::kBodyPlans; hoofed and rooted are variants drawn by their plan.
    static const B kPlans[] = {B::Quadruped, B::Quadruped, B::Biped, B::Avian,   B::Aquatic,
                               B::Serpent,   B::Insectoid, B::Blob,  B::Floater, B::Shelled};
    static_assert(std::size(kPlans) == 10);
    const qsizetype index = sources::kBodyPlans.indexOf(t.body);
    return index < 0 ? PlanOfFamily(t) : kPlans[index];
}

bool HasHooves(const SpeciesTraits& t) {
    return t.body == QLatin1String("hoofed");
}

bool HasRoots(const SpeciesTraits& t) {
    return t.body == QLatin1String("rooted");
}

std::vector<Prim> Hoof(QPointF foot, double legR) {
    // A blunt block with a flat sole, a little wider than the leg.
    const QPointF topLeft = foot + QPointF(-legR * 1.25, -legR * 0.45);
    const QPointF topRight = foot + QPointF(legR * 1.0, -legR * 0.45);
    const QPointF soleLeft = foot + QPointF(-legR * 1.75, legR * 1.0);
    const QPointF soleRight = foot + QPointF(legR * 1.15, legR * 1.0);
    return {Prim::MakeTriangle(topLeft, topRight, soleRight),
            Prim::MakeTriangle(topLeft, soleRight, soleLeft)};
}

std::vector<Prim> Roots(QPointF base, double width, double length, double thickness, int count) {
    std::vector<Prim> prims;
    constexpr int kSegments = 3;
    for (int i = 0; i < count; ++i) {
        const double t = count > 1 ? static_cast<double>(i) / (count - 1) - 0.5 : 0;  // -0.5..0.5
        double angle = std::numbers::pi / 2 - t * 2.4;  // straight down in the middle
        QPointF p = base + QPointF(t * width * 0.7, 0);
        const double step = length * (0.75 + 0.6 * std::abs(t)) / kSegments;
        for (int k = 0; k < kSegments; ++k) {
            // Each root leaves the body sideways and bends down into the ground, tapering.
            angle += t * 0.6;
            const QPointF q = p + QPointF(std::cos(angle), std::sin(angle)) * step;
            const double r0 = thickness * (1 - 0.3 * k), r1 = thickness * (0.7 - 0.3 * k);
            prims.push_back(Prim::MakeCapsule(p, q, r0, std::max(r1, thickness * 0.15), 0.8));
            p = q;
        }
    }
    return prims;
}

}  // namespace zentaloger::art
