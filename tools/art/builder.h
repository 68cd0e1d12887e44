#pragma once
// What the body-plan builders share: the look of one species (its family's genes after growth
// and its own variations) and the Builder that collects the drawing groups of its design.

#include <QPointF>
#include <QString>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/art/creature.h"
#include "tools/art/raster.h"

namespace zentaloger::art::figure {

inline constexpr double kPi = std::numbers::pi;

using P = QPointF;

inline QPointF Polar(double angle, double length) {
    return {std::cos(angle) * length, std::sin(angle) * length};
}

inline double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

// Everything a plan builder needs: the family's genes after growth, the species' own
// variations and the type words that pick ornaments.
struct Look {
    BodyPlan plan = BodyPlan::Quadruped;
    int detail = 1;       // 0 baby .. 3 final form
    double baby = 0;      // 1 for babies: rounder, bigger head, shorter limbs
    double aspect = 1.5;  // body length to height
    double head = 1;      // head size factor
    double leg = 1;       // limb length factor
    double girth = 1;     // bulk from weight for height
    int ears = 0;
    int tail = 0;
    int pattern = 0;
    int horns = 0;
    int crest = 0;
    int limbs = 0;     // plan-specific count choice
    double curl = 0;   // tail and tendril curl
    double pose = 0;   // -1..1, limbs' swing
    QString markType;  // second type word, or the first
    bool legendary = false;
    bool secret = false;
    int flourish = 0;  // species-level extra feature choice
    bool hooves = false;
    bool roots = false;
};

class Builder {
  public:
    Design design;

    int add(int material, std::vector<Prim> prims, int shade = 0) {
        Group g;
        g.material = material;
        g.shadeShift = shade;
        g.prims = std::move(prims);
        design.groups.push_back(std::move(g));
        return static_cast<int>(design.groups.size()) - 1;
    }
    int clip(int parent, int material, std::vector<Prim> prims, int shade = 0) {
        const int i = add(material, std::move(prims), shade);
        design.groups[i].clipTo = parent;
        design.groups[i].outline = false;
        return i;
    }
    int fixed(int index, std::vector<Prim> prims, bool outline) {
        const int i = add(0, std::move(prims));
        design.groups[i].fixedIndex = index;
        design.groups[i].outline = outline;
        return i;
    }
    Group& at(int i) { return design.groups[i]; }

    // A tube that bends by `curl` radians per segment (plus `wave` swinging it to and fro),
    // tapering from r0 to r1.
    std::vector<Prim> chain(P start, double angle, double length, double curl, double r0, double r1,
                            int segments, P* end = nullptr, double* endAngle = nullptr,
                            double wave = 0, double minPx = 0);

    // An eye looking towards `look` (-1 left .. 1 right); `size` is the sclera radius.
    void eye(P c, double size, double look, bool tall = true);
};

}  // namespace zentaloger::art::figure
