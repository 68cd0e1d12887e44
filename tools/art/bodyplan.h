#pragma once
// The body plan a species is drawn in. A species whose sources declare its body (`body` in
// its species file) is drawn in that plan; one that declares none falls back on its family's
// plan, chosen by the family's first type word. Members of a family may so differ in plan
// while they keep the family's genes and colours.

#include <QPointF>
#include <QString>
#include <map>
#include <vector>

#include "tools/art/creature.h"
#include "tools/art/raster.h"
#include "tools/art/traits.h"

namespace zentaloger::art {

// Species number -> the body plan word its species file declares ("pawed", "winged", ...).
using DeclaredBodies = std::map<int, QString>;

// The declared bodies of a sources folder's species files. Returns an empty string, or what
// could not be read (the first problem the sources reader found).
QString ReadDeclaredBodies(const QString& folder, DeclaredBodies* bodies);

// Body plan of a family: chosen among the plans that suit its first type word.
BodyPlan PlanOfFamily(const SpeciesTraits& traits);
// The plan the species is drawn in: its declared body's, else its family's.
BodyPlan PlanOfSpecies(const SpeciesTraits& traits);

// The small differences within one plan: a hoofed four-legged body stands on blunt, dark
// hooves; a rooted one is a round body on spreading roots instead of feet.
bool HasHooves(const SpeciesTraits& traits);
bool HasRoots(const SpeciesTraits& traits);
// A hoof under a leg of radius `legR` whose foot is at `foot` (picture units, y down).
std::vector<Prim> Hoof(QPointF foot, double legR);
// `count` roots spreading down and out from a base `width` wide at `base`, each `length` long.
std::vector<Prim> Roots(QPointF base, double width, double length, double thickness, int count);

}  // namespace zentaloger::art
