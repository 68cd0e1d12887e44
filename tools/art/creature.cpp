#include "tools/art/creature.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/art/bodyplan.h"
#include "tools/art/palette.h"

namespace zentaloger::art {
namespace {

constexpr double kPi = std::numbers::pi;

using P = QPointF;

QPointF Polar(double angle, double length) {
    return {std::cos(angle) * length, std::sin(angle) * length};
}

double Lerp(double a, double b, double t) {
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
    QString bodyType;  // first type word
    QString markType;  // second type word, or the first
    bool legendary = false;
    bool secret = false;
    int branch = 0;
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
                            double wave = 0, double minPx = 0) {
        std::vector<Prim> prims;
        P p = start;
        const double step = length / segments;
        for (int i = 0; i < segments; ++i) {
            const double t0 = static_cast<double>(i) / segments;
            const double t1 = static_cast<double>(i + 1) / segments;
            angle += curl + wave * std::cos(i * 1.3);
            const P q = p + Polar(angle, step);
            prims.push_back(Prim::MakeCapsule(p, q, Lerp(r0, r1, t0), Lerp(r0, r1, t1), minPx));
            p = q;
        }
        if (end) {
            *end = p;
        }
        if (endAngle) {
            *endAngle = angle;
        }
        return prims;
    }

    // An eye looking towards `look` (-1 left .. 1 right); `size` is the sclera radius.
    void eye(P c, double size, double look, bool tall = true) {
        const double ry = tall ? size * 1.15 : size;
        const int sclera = fixed(kScleraIndex, {Prim::MakeEllipse(c, size, ry, 0, 2.4)}, true);
        const P irisAt = c + P(look * size * 0.28, size * 0.1);
        const int iris =
            fixed(kIrisIndex, {Prim::MakeEllipse(irisAt, size * 0.66, ry * 0.74, 0, 1.5)}, false);
        at(iris).clipTo = sclera;
        const int pupil = fixed(kPupilIndex,
                                {Prim::MakeEllipse(irisAt + P(look * size * 0.08, size * 0.06),
                                                   size * 0.38, ry * 0.46, 0, 1.0)},
                                false);
        at(pupil).clipTo = sclera;
        const int glint = fixed(
            kGlintIndex,
            {Prim::MakeEllipse(c + P(-size * 0.3, -ry * 0.4), size * 0.2, size * 0.2, 0, 0.5)},
            false);
        at(glint).clipTo = sclera;
    }
};

// A small feature that shows the type: drawn at `at`, pointing along `angle`.
void Ornament(Builder& b, const QString& type, P at, double size, double angle, int material) {
    const P dir = Polar(angle, 1), side = Polar(angle + kPi / 2, 1);
    auto tip = [&](double along, double across) {
        return at + dir * (along * size) + side * (across * size);
    };
    QString t = type;
    if (!IsKnownType(t)) {
        static const char* kAny[] = {"EMBER", "SPROUT", "FROST", "GLEAM", "DREAM", "ECHO"};
        t = QLatin1String(kAny[StableHash(type) % 6]);
    }
    if (t == u"EMBER") {
        b.add(material,
              {Prim::MakeCapsule(at, tip(1.3, 0.15), size * 0.42, size * 0.04),
               Prim::MakeCapsule(tip(0.2, 0.2), tip(0.95, 0.55), size * 0.22, size * 0.03),
               Prim::MakeCapsule(tip(0.2, -0.2), tip(0.9, -0.5), size * 0.22, size * 0.03)});
        b.add(kBelly, {Prim::MakeCapsule(tip(0.05, 0), tip(0.7, 0.05), size * 0.2, size * 0.03)},
              1);
        b.at(static_cast<int>(b.design.groups.size()) - 1).outline = false;
    } else if (t == u"TIDE") {
        b.add(material, {Prim::MakeTriangle(at, tip(1.2, 0.6), tip(0.9, -0.5)),
                         Prim::MakeCapsule(at, tip(1.1, 0.55), size * 0.12, size * 0.05)});
    } else if (t == u"SPROUT") {
        b.add(kSecondary, {Prim::MakeCapsule(at, tip(0.5, 0), size * 0.06, size * 0.05, 0.6)});
        b.add(material, {Prim::MakeEllipse(tip(0.85, 0.3), size * 0.45, size * 0.2, angle + 0.6)});
        b.add(material, {Prim::MakeEllipse(tip(0.8, -0.3), size * 0.4, size * 0.18, angle - 0.7)},
              -1);
    } else if (t == u"STORM") {
        b.add(material,
              {Prim::MakeCapsule(at, tip(0.45, 0.35), size * 0.12, size * 0.1),
               Prim::MakeCapsule(tip(0.45, 0.35), tip(0.7, -0.25), size * 0.1, size * 0.09),
               Prim::MakeCapsule(tip(0.7, -0.25), tip(1.3, 0.15), size * 0.09, size * 0.02)});
    } else if (t == u"FROST") {
        b.add(material, {Prim::MakeTriangle(tip(0, 0.18), tip(0, -0.18), tip(1.3, 0)),
                         Prim::MakeTriangle(tip(0, 0.1), tip(0.2, -0.1), tip(0.8, 0.6)),
                         Prim::MakeTriangle(tip(0.2, 0.1), tip(0, -0.1), tip(0.8, -0.6))});
    } else if (t == u"STONE") {
        b.add(material, {Prim::MakeEllipse(tip(0.45, 0), size * 0.5, size * 0.4, angle),
                         Prim::MakeEllipse(tip(0.75, 0.25), size * 0.3, size * 0.28, angle)});
    } else if (t == u"GALE") {
        std::vector<Prim> f;
        for (int i = -1; i <= 1; ++i) {
            f.push_back(Prim::MakeCapsule(at, tip(1.2 - std::abs(i) * 0.2, i * 0.5), size * 0.16,
                                          size * 0.03));
        }
        b.add(material, f);
    } else if (t == u"MIRE") {
        b.add(material, {Prim::MakeCapsule(at, tip(0.7, 0), size * 0.12, size * 0.22),
                         Prim::MakeEllipse(tip(0.9, 0), size * 0.32, size * 0.32)});
    } else if (t == u"ORE") {
        b.add(material,
              {Prim::MakeTriangle(tip(0, 0.3), tip(0, -0.3), tip(1.2, 0)),
               Prim::MakeTriangle(tip(0.2, 0.3), tip(0.1, 0.1), tip(0.7, 0.7)),
               Prim::MakeTriangle(tip(0.1, -0.1), tip(0.2, -0.3), tip(0.7, -0.7))},
              1);
    } else if (t == u"DUSK") {
        b.add(material, b.chain(at, angle - 1.0, size * 1.5, 0.5, size * 0.2, size * 0.03, 5));
    } else if (t == u"GLEAM") {
        const P c = tip(0.7, 0);
        std::vector<Prim> star;
        for (int i = 0; i < 4; ++i) {
            const double a = angle + i * kPi / 2;
            star.push_back(Prim::MakeTriangle(c + Polar(a + kPi / 2, size * 0.14),
                                              c + Polar(a - kPi / 2, size * 0.14),
                                              c + Polar(a, size * 0.6)));
        }
        b.add(kSecondary, {Prim::MakeCapsule(at, c, size * 0.05, size * 0.05, 0.5)});
        b.add(material, star, 1);
    } else if (t == u"DREAM") {
        b.add(kSecondary, b.chain(at, angle, size * 0.6, 0.3, size * 0.06, size * 0.05, 3, nullptr,
                                  nullptr, 0, 0.5));
        b.add(material, {Prim::MakeEllipse(tip(0.75, 0.25), size * 0.3, size * 0.3)}, 1);
    } else if (t == u"CHITIN") {
        b.add(material, b.chain(at, angle, size * 1.3, -0.35, size * 0.18, size * 0.02, 4));
    } else if (t == u"MIGHT") {
        b.add(material, {Prim::MakeCapsule(at, tip(0.5, 0), size * 0.15, size * 0.25),
                         Prim::MakeEllipse(tip(0.8, 0), size * 0.4, size * 0.32, angle)});
    } else if (t == u"ECHO") {
        b.add(material, {Prim::MakeRing(tip(0.6, 0), size * 0.55, size * 0.55, 0.62)});
        b.add(material, {Prim::MakeEllipse(tip(0.6, 0), size * 0.2, size * 0.2)}, 1);
    } else if (t == u"RELIC") {
        b.add(material, {Prim::MakeEllipse(tip(0.6, 0), size * 0.5, size * 0.5)});
        b.add(kSecondary, {Prim::MakeRing(tip(0.6, 0), size * 0.34, size * 0.34, 0.5)});
        b.at(static_cast<int>(b.design.groups.size()) - 1).outline = false;
    } else {  // WILD: a tuft of fur
        std::vector<Prim> f;
        for (int i = -1; i <= 1; ++i) {
            f.push_back(Prim::MakeTriangle(tip(0, i * 0.3 - 0.2), tip(0, i * 0.3 + 0.2),
                                           tip(1.0 - std::abs(i) * 0.25, i * 0.55)));
        }
        b.add(material, f);
    }
}

void Markings(Builder& b, int body, const Look& l, P c, double rx, double ry, double angle = 0) {
    const int m = l.markType == l.bodyType ? kSecondary : kSecondary;
    if (l.detail == 0 && l.pattern != 3) {
        return;
    }
    switch (l.pattern) {
        case 1: {  // spots
            const int n = 2 + l.detail;
            for (int i = 0; i < n; ++i) {
                const double a =
                    -kPi * 0.85 + i * (kPi * 0.7 / std::max(1, n - 1)) + l.flourish * 0.2;
                const P at = c + Polar(angle, 1) * (std::cos(a) * rx * 0.55) +
                             Polar(angle + kPi / 2, 1) * (std::sin(a) * ry * 0.55);
                b.clip(body, m, {Prim::MakeEllipse(at, rx * 0.14, ry * 0.16, angle, 0.8)});
            }
            break;
        }
        case 2: {  // stripes across the back
            const int n = 2 + l.detail;
            std::vector<Prim> s;
            for (int i = 0; i < n; ++i) {
                const double x = -0.5 + (i + 0.5) / n;
                const P at =
                    c + Polar(angle, 1) * (x * rx * 1.6) + Polar(angle + kPi / 2, 1) * (-ry * 0.9);
                s.push_back(Prim::MakeEllipse(at, rx * 0.07, ry * 0.75, angle + 0.25, 0.6));
            }
            b.clip(body, m, s);
            break;
        }
        case 3: {  // saddle
            b.clip(body, m,
                   {Prim::MakeEllipse(c + Polar(angle + kPi / 2, 1) * (-ry * 0.85), rx * 0.65,
                                      ry * 0.55, angle)});
            break;
        }
        default:
            break;
    }
}

void Belly(Builder& b, int body, P c, double rx, double ry, double angle = 0) {
    b.clip(body, kBelly,
           {Prim::MakeEllipse(c + Polar(angle + kPi / 2, 1) * (ry * 0.6), rx * 0.72, ry * 0.55,
                              angle)});
}

void Ears(Builder& b, const Look& l, P c, double hr, double baseAngle, bool near,
          double sweep = 0.5) {
    if (l.ears == 0 || (l.detail == 0 && l.ears == 3)) {
        return;
    }
    const double grow = 0.8 + 0.15 * l.detail;
    const int shade = near ? 0 : -1;
    const double a = baseAngle;
    const P root = c + Polar(a, hr * 0.75);
    switch (l.ears) {
        case 1: {  // pointed
            const P tip = c + Polar(a, hr * (1.55 + 0.2 * l.detail) * grow);
            const int e = b.add(kPrimary,
                                {Prim::MakeTriangle(root + Polar(a - kPi / 2, hr * 0.42),
                                                    root + Polar(a + kPi / 2, hr * 0.42), tip)},
                                shade);
            b.clip(e, kBelly,
                   {Prim::MakeTriangle(root + Polar(a - kPi / 2, hr * 0.2),
                                       root + Polar(a + kPi / 2, hr * 0.2),
                                       c + Polar(a, hr * 1.3 * grow))});
            break;
        }
        case 2:  // round
            b.add(
                kPrimary,
                {Prim::MakeEllipse(c + Polar(a, hr * 0.95), hr * 0.42 * grow, hr * 0.38 * grow, a)},
                shade);
            break;
        case 3:  // long and swept back
            b.add(kPrimary,
                  {Prim::MakeCapsule(root, c + Polar(a + sweep, hr * 2.0 * grow), hr * 0.28,
                                     hr * 0.12)},
                  shade);
            break;
        default:  // fin-like, in the marking colour
            b.add(kSecondary,
                  {Prim::MakeTriangle(root + Polar(a - kPi / 2, hr * 0.3),
                                      root + Polar(a + kPi / 2, hr * 0.5),
                                      c + Polar(a + sweep * 0.7, hr * 1.35 * grow))},
                  shade);
            break;
    }
}

void Horns(Builder& b, const Look& l, P c, double hr, double baseAngle) {
    const int level = std::min(l.horns, l.detail - 1);
    if (l.horns == 0 || level <= 0) {
        return;
    }
    const double len = hr * (0.5 + 0.35 * level);
    if (l.horns == 1) {  // one horn on the brow
        const P root = c + Polar(baseAngle, hr * 0.8);
        b.add(kAccent, b.chain(root, baseAngle, len * 1.2, 0.12, hr * 0.2, hr * 0.03, 3));
    } else {
        for (int s = 0; s < 2; ++s) {
            const double a = baseAngle + (s ? 0.45 : -0.45);
            const P root = c + Polar(a, hr * 0.85);
            b.add(kAccent,
                  b.chain(root, a, len, l.horns == 2 ? 0.3 : -0.2, hr * 0.17, hr * 0.03, 3),
                  s ? 0 : -1);
            if (l.horns == 3 && level >= 2) {
                b.add(kAccent, b.chain(root + Polar(a, len * 0.5), a - 0.8, len * 0.5, 0, hr * 0.08,
                                       hr * 0.02, 2));
            }
        }
    }
}

void Crown(Builder& b, P c, double hr, double up) {
    std::vector<Prim> t;
    for (int i = -2; i <= 2; ++i) {
        const double a = up + i * 0.32;
        t.push_back(Prim::MakeTriangle(c + Polar(a - 0.16, hr * 0.9), c + Polar(a + 0.16, hr * 0.9),
                                       c + Polar(a, hr * (1.45 + (i == 0 ? 0.25 : 0)))));
    }
    b.add(kSpecial, t, 1);
}

// The legendary and the secret species: drawn before the body, behind it.
void Aura(Builder& b, const Look& l, P c, double r) {
    if (l.legendary) {
        b.add(kSpecial, {Prim::MakeRing(c, r * 1.05, r * 0.95, 0.86)}, 0);
        std::vector<Prim> rays;
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6 + kPi / 12;
            rays.push_back(Prim::MakeTriangle(c + Polar(a - 0.09, r * 0.95),
                                              c + Polar(a + 0.09, r * 0.95),
                                              c + Polar(a, r * 1.2)));
        }
        b.add(kSpecial, rays, 1);
    }
    if (l.secret) {
        for (int i = 0; i < 6 + l.flourish % 3; ++i) {
            const double a = i * 2 * kPi / (6 + l.flourish % 3) + l.flourish;
            const P at = c + Polar(a, r * (1.0 + 0.08 * (i % 2)));
            const double s = r * 0.09;
            b.add(kSpecial,
                  {Prim::MakeTriangle(at + P(-s, 0), at + P(s, 0), at + P(0, -s * 2)),
                   Prim::MakeTriangle(at + P(-s, 0), at + P(s, 0), at + P(0, s * 2))},
                  i % 2);
        }
    }
}

// Glowing marks of the secret species, over a body group.
void Runes(Builder& b, int body, P c, double rx, double ry) {
    std::vector<Prim> r;
    r.push_back(Prim::MakeCapsule(c + P(-rx * 0.5, -ry * 0.2), c + P(rx * 0.5, -ry * 0.2),
                                  ry * 0.06, ry * 0.06, 0.5));
    r.push_back(Prim::MakeRing(c + P(0, ry * 0.2), rx * 0.25, rx * 0.25, 0.6));
    b.clip(body, kSpecial, r, 1);
}

void Quadruped(Builder& b, const Look& l) {
    const double ry = 0.28 * l.girth;
    const double rx = Lerp(0.22 + 0.2 * l.aspect, ry * 1.15, l.baby);
    const double hr = 0.2 * l.head * (1 + 0.55 * l.baby);
    const double legLen = (0.16 + 0.16 * l.leg) * (1 - 0.55 * l.baby);
    const double legR = 0.07 * l.girth * (1 + 0.25 * l.baby) * (l.detail == 3 ? 1.1 : 1);
    const P head(-rx * 0.9 - hr * 0.25, -ry * 0.75 - hr * 0.55 + 0.1 * l.baby);
    Aura(b, l, P(0, -0.1), std::max(rx, ry) * 1.7);

    // Tail behind everything.
    P tipAt;
    double tipAngle = 0;
    const double tailLen = (0.25 + 0.18 * l.tail) * (1 - 0.4 * l.baby) * (l.detail >= 3 ? 1.25 : 1);
    const double tailR = l.tail == 2 ? 0.09 : 0.05;
    b.add(kPrimary,
          b.chain(P(rx * 0.85, -ry * 0.2), -0.5 + 0.2 * l.pose, tailLen, -0.22 - l.curl * 0.25,
                  tailR * l.girth, l.tail == 2 ? 0.07 : 0.025, 6, &tipAt, &tipAngle, 0, 0.8));
    if (l.detail >= 2) {
        Ornament(b, l.markType, tipAt, 0.1 + 0.04 * l.detail, tipAngle, kSpecial);
    }
    // Spikes or a fin along the back.
    if (l.detail >= 2 && l.crest != 2) {
        std::vector<Prim> spikes;
        const int n = l.detail + 1;
        for (int i = 0; i < n; ++i) {
            const double a = -kPi * 0.75 + i * (kPi * 0.5 / (n - 1));
            const P at(std::cos(a) * rx * 0.9, std::sin(a) * ry * 0.9);
            const double len = ry * (l.crest == 1 ? 0.55 : 0.45) * (l.detail == 3 ? 1.3 : 1);
            spikes.push_back(Prim::MakeTriangle(
                at + Polar(a - kPi / 2, ry * 0.16), at + Polar(a + kPi / 2, ry * 0.16),
                at + Polar(a + (l.crest == 1 ? 0.5 : 0.2), len + ry * 0.1)));
        }
        b.add(kSecondary, spikes);
    }
    const double legX[4] = {-rx * 0.62, rx * 0.52, -rx * 0.38, rx * 0.74};
    for (int i = 0; i < 4; ++i) {
        const bool far = i >= 2;
        const double swing = (i % 2 ? -1 : 1) * 0.06 * l.pose;
        const P top(legX[i], ry * 0.2), foot(legX[i] + swing, ry + legLen);
        b.add(kPrimary,
              {Prim::MakeCapsule(top, foot, legR * 1.3, legR, 1.2),
               Prim::MakeEllipse(foot + P(-legR * 0.3, legR * 0.15), legR * 1.35, legR * 0.75, 0,
                                 1.0)},
              far ? -1 : 0);
        if (l.hooves) {
            b.add(kDeep, Hoof(foot, legR), far ? -3 : -2);
        } else if (l.detail >= 3 && !far) {
            b.add(kAccent, {Prim::MakeTriangle(foot + P(-legR * 1.6, legR * 0.5),
                                               foot + P(-legR * 0.8, legR * 0.0),
                                               foot + P(-legR * 0.7, legR * 0.8))});
        }
    }
    Ears(b, l, head, hr, -kPi / 2 + 0.55, false);
    if (l.crest == 2 && l.detail >= 2) {  // mane
        std::vector<Prim> mane;
        for (int i = 0; i < 3 + l.detail; ++i) {
            const double a = -kPi * 0.2 + i * 0.45;
            mane.push_back(Prim::MakeEllipse(head + P(hr * 0.35, hr * 0.2) + Polar(a, hr * 0.85),
                                             hr * 0.5, hr * 0.32, a));
        }
        b.add(kSecondary, mane);
    }
    const int body =
        b.add(kPrimary, {Prim::MakeEllipse(P(0, 0), rx, ry),
                         Prim::MakeCapsule(P(-rx * 0.6, -ry * 0.2), head + P(hr * 0.2, hr * 0.3),
                                           ry * 0.6, hr * 0.55)});
    Markings(b, body, l, P(0, 0), rx, ry);
    Belly(b, body, P(0, 0), rx, ry);
    if (l.secret) {
        Runes(b, body, P(0, 0), rx, ry);
    }
    const double snout = hr * (0.45 + 0.15 * l.aspect) * (1 - 0.5 * l.baby);
    const int h =
        b.add(kPrimary, {Prim::MakeEllipse(head, hr, hr * 0.92),
                         Prim::MakeEllipse(head + P(-hr * 0.75, hr * 0.35), snout, hr * 0.48)});
    b.clip(h, kBelly, {Prim::MakeEllipse(head + P(-hr * 0.85, hr * 0.6), snout * 1.1, hr * 0.4)});
    b.fixed(kOutlineIndex,
            {Prim::MakeEllipse(head + P(-hr * 0.75 - snout * 0.9, hr * 0.2), hr * 0.1, hr * 0.08, 0,
                               0.6)},
            false);
    Ears(b, l, head, hr, -kPi / 2 + 0.2, true);
    Horns(b, l, head, hr, -kPi / 2 - 0.2);
    if (l.legendary) {
        Crown(b, head, hr, -kPi / 2);
    }
    b.eye(head + P(-hr * 0.3, -hr * 0.15), hr * (0.24 + 0.1 * l.baby), -1);
    if (l.secret) {
        b.eye(head + P(hr * 0.1, -hr * 0.6), hr * 0.15, 0, false);
    }
}

void Biped(Builder& b, const Look& l) {
    const double rx = 0.26 * l.girth;
    const double ry = Lerp(0.22 + 0.1 * l.aspect, rx * 1.05, l.baby);
    const double hr = 0.24 * l.head * (1 + 0.5 * l.baby);
    const double legLen = (0.12 + 0.12 * l.leg) * (1 - 0.5 * l.baby);
    const double limbR = 0.075 * l.girth;
    const P head(0, -ry - hr * 0.55);
    Aura(b, l, P(0, -ry * 0.5), (ry + hr) * 1.35);

    P tipAt;
    double tipAngle = 0;
    if (l.tail > 0) {
        b.add(kPrimary,
              b.chain(P(rx * 0.4, ry * 0.5), 0.1, (0.25 + 0.1 * l.tail) * (1 - 0.4 * l.baby),
                      -0.3 - 0.2 * l.curl, 0.07, 0.03, 5, &tipAt, &tipAngle, 0, 0.8),
              -1);
        if (l.detail >= 2) {
            Ornament(b, l.markType, tipAt, 0.09 + 0.04 * l.detail, tipAngle, kSpecial);
        }
    }
    for (int s = -1; s <= 1; s += 2) {
        const P top(s * rx * 0.5, ry * 0.5), foot(s * rx * 0.62, ry + legLen);
        b.add(kPrimary,
              {Prim::MakeCapsule(top, foot, limbR * 1.5, limbR * 1.1, 1.2),
               Prim::MakeEllipse(foot + P(s * limbR * 0.3, limbR * 0.3), limbR * 1.5, limbR * 0.85,
                                 0, 1.0)},
              -1 * (s > 0));
    }
    // Back spikes show over the shoulders.
    if (l.detail >= 2 && l.crest != 2) {
        std::vector<Prim> spikes;
        for (int s = -1; s <= 1; s += 2) {
            for (int i = 0; i < l.detail - 1; ++i) {
                const P at(s * rx * (0.55 + 0.2 * i), -ry * (0.55 - 0.3 * i));
                spikes.push_back(
                    Prim::MakeTriangle(at + P(-rx * 0.15, 0), at + P(rx * 0.15, 0),
                                       at + P(s * rx * (0.6 + 0.1 * l.crest), -ry * 0.5)));
            }
        }
        b.add(kSecondary, spikes, -1);
    }
    const int body = b.add(kPrimary, {Prim::MakeEllipse(P(0, 0), rx, ry)});
    Markings(b, body, l, P(0, 0), rx, ry);
    b.clip(body, kBelly, {Prim::MakeEllipse(P(0, ry * 0.25), rx * 0.62, ry * 0.68)});
    if (l.secret) {
        Runes(b, body, P(0, 0), rx, ry);
    }
    const double armLift = l.detail >= 3 ? -0.15 : 0.15 * l.pose;
    for (int s = -1; s <= 1; s += 2) {
        const P shoulder(s * rx * 0.82, -ry * 0.45);
        const double len = (0.2 + 0.08 * l.leg) * (1 - 0.45 * l.baby) * (l.detail >= 3 ? 1.25 : 1);
        const P hand = shoulder + Polar(kPi / 2 - s * (0.75 - armLift), len);
        b.add(kPrimary,
              {Prim::MakeCapsule(shoulder, hand, limbR * (l.limbs ? 1.4 : 1.1), limbR * 0.9, 1.1),
               Prim::MakeEllipse(hand, limbR * 1.2, limbR * 1.1, 0, 1.0)});
        if (l.detail >= 3) {
            std::vector<Prim> claws;
            for (int c = -1; c <= 1; ++c) {
                const double a = kPi / 2 - s * (0.75 - armLift) + c * 0.5;
                claws.push_back(Prim::MakeTriangle(hand + Polar(a - 0.3, limbR),
                                                   hand + Polar(a + 0.3, limbR),
                                                   hand + Polar(a, limbR * 2.0)));
            }
            b.add(kAccent, claws);
        }
    }
    Ears(b, l, head, hr, -kPi / 2 - 0.75, false, 0.35);
    Ears(b, l, head, hr, -kPi / 2 + 0.75, true, -0.35);
    if (l.crest == 2 && l.detail >= 2) {
        std::vector<Prim> mane;
        for (int i = 0; i < 5 + l.detail; ++i) {
            const double a = kPi * 0.1 + i * (kPi * 0.8 / (4 + l.detail));
            mane.push_back(Prim::MakeEllipse(head + Polar(a, hr * 0.95), hr * 0.35, hr * 0.25, a));
        }
        b.add(kSecondary, mane);
    }
    const int h = b.add(kPrimary, {Prim::MakeEllipse(head, hr * 1.08, hr * 0.95)});
    b.clip(h, kBelly, {Prim::MakeEllipse(head + P(0, hr * 0.55), hr * 0.55, hr * 0.35)});
    Horns(b, l, head, hr, -kPi / 2);
    if (l.legendary) {
        Crown(b, head, hr, -kPi / 2);
    }
    const double er = hr * (0.22 + 0.1 * l.baby);
    b.eye(head + P(-hr * 0.38, -hr * 0.05), er, 0.4);
    b.eye(head + P(hr * 0.38, -hr * 0.05), er, -0.4);
    if (l.secret) {
        b.eye(head + P(0, -hr * 0.55), er * 0.7, 0, false);
    }
    b.fixed(kMouthIndex,
            {Prim::MakeCapsule(head + P(-hr * 0.14, hr * 0.45), head + P(hr * 0.14, hr * 0.45),
                               hr * 0.05, hr * 0.05, 0.5)},
            false);
}

void Serpent(Builder& b, const Look& l) {
    const double r = 0.12 * l.girth * (1 + 0.35 * l.baby);
    // The neck rises from a body that lies in waves on the ground, tail tip lifted.
    const double stretch = (0.75 + 0.2 * l.aspect) * (l.detail >= 3 ? 1.15 : 1);
    std::vector<P> path = {P(-0.36, -0.32),
                           P(-0.3, 0.04),
                           P(-0.08, 0.27 + 0.04 * l.pose),
                           P(0.2, 0.12 - 0.04 * l.pose),
                           P(0.42, 0.3),
                           P(0.62, 0.14 - 0.12 * l.curl)};
    const int spans = l.baby > 0.9 ? 3 : l.detail <= 1 ? 4 : 5;
    path.resize(spans + 1);
    for (std::size_t i = 1; i < path.size(); ++i) {
        path[i].setX(path[0].x() + (path[i].x() - path[0].x()) * stretch);
    }
    const P start = path[0];
    Aura(b, l, P(0.05, 0), 0.75);
    std::vector<Prim> tube;
    const int perSpan = 4;
    const int total = spans * perSpan;
    auto at = [&path](int span, double t) {
        const P p0 = path[std::max(0, span - 1)], p1 = path[span], p2 = path[span + 1];
        const P p3 = path[std::min<int>(static_cast<int>(path.size()) - 1, span + 2)];
        const double t2 = t * t, t3 = t2 * t;
        return 0.5 * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                      (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
    };
    P prev = start;
    for (int i = 1; i <= total; ++i) {
        const P q = at((i - 1) / perSpan, static_cast<double>((i - 1) % perSpan + 1) / perSpan);
        const double t0 = static_cast<double>(i - 1) / total, t1 = static_cast<double>(i) / total;
        auto radius = [&](double t) {
            return r * (t < 0.3 ? 0.9 + 0.8 * t : 1.14 - 0.85 * (t - 0.3));
        };
        tube.push_back(Prim::MakeCapsule(prev, q, radius(t0), radius(t1), 1.0));
        prev = q;
    }
    const P tipAt = prev;
    const double tipAngle = std::atan2(prev.y() - tube.back().a.y(), prev.x() - tube.back().a.x());
    if (l.detail >= 2) {
        Ornament(b, l.markType, tipAt, 0.1 + 0.04 * l.detail, tipAngle, kSpecial);
    }
    if (l.detail >= 2 && l.crest != 2) {  // fins along the back
        std::vector<Prim> fins;
        for (std::size_t i = 3; i + 2 < tube.size(); i += 3) {
            const Prim& seg = tube[i];
            const P mid = (seg.a + seg.b) / 2;
            fins.push_back(Prim::MakeTriangle(mid + P(-r * 0.5, 0), mid + P(r * 0.5, 0),
                                              mid + P(r * 0.3, -r * (1.6 + 0.3 * l.detail))));
        }
        b.add(kSecondary, fins, -1);
    }
    const int body = b.add(kPrimary, tube);
    if (l.detail >= 1) {
        std::vector<Prim> bands;
        for (std::size_t i = 2; i < tube.size(); i += 2) {
            const Prim& seg = tube[i];
            bands.push_back(
                Prim::MakeEllipse((seg.a + seg.b) / 2, r * 0.35, r * 1.6,
                                  std::atan2(seg.b.y() - seg.a.y(), seg.b.x() - seg.a.x())));
        }
        b.clip(body, l.pattern == 0 ? kBelly : kSecondary, bands);
    }
    if (l.secret) {
        Runes(b, body, (tube[3].a + tube[3].b) / 2, r * 2, r * 2);
    }
    const double hr = 0.17 * l.head * (1 + 0.5 * l.baby);
    const P head = start + P(-hr * 0.2, -hr * 0.4);
    if (l.detail >= 2 || l.crest == 1) {
        std::vector<Prim> frill;
        const int n = 2 + l.detail;
        for (int i = 0; i < n; ++i) {
            const double a = -kPi * 0.15 - i * (kPi * 0.6 / n);
            frill.push_back(Prim::MakeTriangle(head + Polar(a - 0.3, hr * 0.6),
                                               head + Polar(a + 0.3, hr * 0.6),
                                               head + Polar(a + 0.1, hr * (1.4 + 0.2 * l.detail))));
        }
        b.add(kSecondary, frill, -1);
    }
    Ears(b, l, head, hr, -kPi / 2 + 0.6, true);
    const int h = b.add(
        kPrimary, {Prim::MakeEllipse(head, hr * 1.1, hr * 0.85, -0.15),
                   Prim::MakeEllipse(head + P(-hr * 0.75, hr * 0.2), hr * 0.6, hr * 0.45, -0.1)});
    b.clip(h, kBelly, {Prim::MakeEllipse(head + P(-hr * 0.5, hr * 0.7), hr * 0.9, hr * 0.35)});
    Horns(b, l, head, hr, -kPi / 2 - 0.1);
    if (l.legendary) {
        Crown(b, head, hr, -kPi / 2);
    }
    b.eye(head + P(-hr * 0.3, -hr * 0.2), hr * (0.26 + 0.1 * l.baby), -1);
    if (l.secret) {
        b.eye(head + P(hr * 0.3, -hr * 0.5), hr * 0.16, 0, false);
    }
}

void Avian(Builder& b, const Look& l) {
    const double ry = 0.22 * l.girth;
    const double rx = Lerp(0.22 + 0.1 * l.aspect, ry * 1.1, l.baby);
    const double hr = 0.16 * l.head * (1 + 0.55 * l.baby);
    const double legLen = (0.12 + 0.1 * l.leg) * (1 - 0.5 * l.baby);
    const double tilt = -0.3 + 0.2 * l.baby;
    const P head = P(-rx * 0.75, -ry * 0.95 - hr * 0.4);
    Aura(b, l, P(0, -0.1), (rx + hr) * 1.4);
    const bool spread = l.detail >= 3 || l.legendary;
    // Far wing, raised behind the body when spread.
    if (spread) {
        std::vector<Prim> w;
        for (int i = 0; i < 5; ++i) {
            w.push_back(Prim::MakeCapsule(
                P(rx * 0.05, -ry * 0.5),
                P(rx * 0.05, -ry * 0.5) + Polar(-kPi / 2 + 0.25 + i * 0.2, rx * (1.5 - i * 0.12)),
                ry * 0.3, ry * 0.07));
        }
        b.add(kSecondary, w, -1);
    }
    // Tail feathers.
    {
        std::vector<Prim> t;
        const int n = 2 + l.detail;
        for (int i = 0; i < n; ++i) {
            const double a = 0.05 + i * (0.55 / std::max(1, n - 1)) - 0.3 * l.curl;
            t.push_back(Prim::MakeCapsule(
                P(rx * 0.7, ry * 0.1),
                P(rx * 0.7, ry * 0.1) + Polar(a, rx * (0.7 + 0.15 * l.tail) * (1 - 0.5 * l.baby)),
                ry * 0.22, ry * 0.08, 1.0));
        }
        b.add(kSecondary, t);
    }
    for (int s = 0; s < 2; ++s) {
        const P hip(-rx * 0.1 + s * rx * 0.3, ry * 0.6),
            foot(-rx * 0.15 + s * rx * 0.3, ry + legLen);
        b.add(kAccent,
              {Prim::MakeCapsule(hip, foot, ry * 0.09, ry * 0.07, 0.7),
               Prim::MakeTriangle(foot + P(-ry * 0.35, ry * 0.1), foot + P(ry * 0.1, -ry * 0.05),
                                  foot + P(ry * 0.12, ry * 0.12))},
              s ? -1 : 0);
    }
    const int body =
        b.add(kPrimary, {Prim::MakeEllipse(P(0, 0), rx, ry, tilt),
                         Prim::MakeCapsule(P(-rx * 0.5, -ry * 0.3), head, ry * 0.55, hr * 0.6)});
    Markings(b, body, l, P(0, 0), rx, ry, tilt);
    b.clip(body, kBelly, {Prim::MakeEllipse(P(-rx * 0.3, ry * 0.45), rx * 0.65, ry * 0.6, tilt)});
    if (l.secret) {
        Runes(b, body, P(0, 0), rx, ry);
    }
    // Near wing.
    if (spread) {
        std::vector<Prim> w;
        for (int i = 0; i < 6; ++i) {
            w.push_back(Prim::MakeCapsule(
                P(0, -ry * 0.3),
                P(0, -ry * 0.3) + Polar(-kPi / 2 + 0.55 + i * 0.2, rx * (1.65 - i * 0.14)),
                ry * 0.32, ry * 0.08));
        }
        b.add(kSecondary, w);
    } else {
        std::vector<Prim> w = {
            Prim::MakeEllipse(P(rx * 0.15, -ry * 0.05), rx * 0.62, ry * 0.55, tilt + 0.25)};
        for (int i = 0; i < l.detail; ++i) {
            w.push_back(Prim::MakeCapsule(P(rx * 0.3, 0),
                                          P(rx * (0.85 + 0.05 * i), ry * (0.1 + 0.2 * i)),
                                          ry * 0.22, ry * 0.06));
        }
        b.add(kSecondary, w);
    }
    if (l.crest != 0 || l.detail >= 2) {
        std::vector<Prim> c;
        for (int i = 0; i < 1 + l.detail; ++i) {
            c.push_back(Prim::MakeCapsule(
                head + P(0, -hr * 0.6),
                head + Polar(-kPi / 2 + 0.5 + i * 0.35, hr * (1.3 + 0.2 * l.detail)), hr * 0.2,
                hr * 0.05, 0.6));
        }
        b.add(kSecondary, c);
    }
    b.add(kPrimary, {Prim::MakeEllipse(head, hr, hr)});
    const double beak = hr * (0.7 + 0.3 * l.aspect - 0.3 * l.baby) * (l.horns == 1 ? 1.3 : 1);
    b.add(kAccent,
          {Prim::MakeTriangle(head + P(-hr * 0.7, -hr * 0.3), head + P(-hr * 0.7, hr * 0.35),
                              head + P(-hr * 0.7 - beak, hr * (l.horns == 1 ? 0.35 : 0.05)))});
    if (l.legendary) {
        Crown(b, head, hr, -kPi / 2);
    }
    b.eye(head + P(-hr * 0.25, -hr * 0.15), hr * (0.28 + 0.1 * l.baby), -1);
    if (l.secret) {
        b.eye(head + P(hr * 0.3, -hr * 0.5), hr * 0.18, 0, false);
    }
}

void Aquatic(Builder& b, const Look& l) {
    const double ry = 0.26 * l.girth;
    const double rx = Lerp(0.3 + 0.13 * l.aspect, ry * 1.15, l.baby);
    const double tilt = -0.08 + 0.05 * l.pose;
    Aura(b, l, P(0, 0), rx * 1.5);
    const double finScale = (0.6 + 0.2 * l.detail) * (1 - 0.3 * l.baby);
    // Tail fin.
    {
        const P root(rx * 0.85, 0);
        const double len = rx * 0.7 * finScale;
        std::vector<Prim> t = {
            Prim::MakeTriangle(root + P(-rx * 0.1, -ry * 0.15),
                               root + P(len, -ry * (0.9 + 0.2 * l.tail)), root + P(len * 0.7, 0)),
            Prim::MakeTriangle(root + P(-rx * 0.1, ry * 0.15),
                               root + P(len, ry * (0.8 + 0.2 * l.tail)), root + P(len * 0.7, 0))};
        if (l.detail >= 3) {
            t.push_back(
                Prim::MakeCapsule(root, root + P(len * 1.15, -ry * 1.1), ry * 0.12, ry * 0.03));
            t.push_back(
                Prim::MakeCapsule(root, root + P(len * 1.15, ry * 1.0), ry * 0.12, ry * 0.03));
        }
        b.add(kSecondary, t);
    }
    // Dorsal and belly fins.
    {
        std::vector<Prim> f = {
            Prim::MakeTriangle(P(-rx * 0.35, -ry * 0.75), P(rx * 0.35, -ry * 0.7),
                               P(rx * (0.2 + 0.2 * l.crest), -ry * (1.1 + 0.5 * finScale)))};
        if (l.crest == 0 && l.detail >= 2) {
            f.push_back(Prim::MakeTriangle(P(-rx * 0.6, -ry * 0.6), P(-rx * 0.25, -ry * 0.8),
                                           P(-rx * 0.35, -ry * (1.3 + 0.3 * finScale))));
        }
        f.push_back(Prim::MakeTriangle(P(-rx * 0.1, ry * 0.7), P(rx * 0.3, ry * 0.7),
                                       P(rx * 0.25, ry * (1.0 + 0.35 * finScale))));
        b.add(kSecondary, f, -1);
    }
    if (l.limbs && l.detail >= 2) {  // amphibious legs
        for (int s = 0; s < 2; ++s) {
            const P top(-rx * 0.3 + s * rx * 0.6, ry * 0.5);
            b.add(kPrimary,
                  {Prim::MakeCapsule(top, top + P(-rx * 0.1, ry * 0.7), ry * 0.2, ry * 0.15, 1.0),
                   Prim::MakeEllipse(top + P(-rx * 0.15, ry * 0.75), ry * 0.25, ry * 0.12)},
                  -1);
        }
    }
    const int body = b.add(kPrimary, {Prim::MakeEllipse(P(0, 0), rx, ry, tilt)});
    Markings(b, body, l, P(0, 0), rx, ry, tilt);
    b.clip(body, kBelly, {Prim::MakeEllipse(P(-rx * 0.1, ry * 0.65), rx * 0.8, ry * 0.5, tilt)});
    if (l.secret) {
        Runes(b, body, P(0, 0), rx, ry);
    }
    // Gill line and pectoral fin.
    b.clip(body, kDeep,
           {Prim::MakeCapsule(P(-rx * 0.42, -ry * 0.35), P(-rx * 0.48, ry * 0.3), ry * 0.04,
                              ry * 0.04, 0.5)});
    b.add(kSecondary,
          {Prim::MakeTriangle(P(-rx * 0.25, ry * 0.1), P(-rx * 0.1, ry * 0.3),
                              P(rx * (0.15 + 0.1 * finScale), ry * (0.5 + 0.3 * finScale)))});
    if (l.detail >= 2 && l.horns > 0) {  // whiskers or a lure
        if (l.horns == 1) {
            P end;
            b.add(kSecondary, b.chain(P(-rx * 0.6, -ry * 0.7), -kPi / 2 - 0.3, ry * 1.1, -0.4,
                                      ry * 0.05, ry * 0.04, 4, &end, nullptr, 0, 0.5));
            b.add(kSpecial, {Prim::MakeEllipse(end, ry * 0.2, ry * 0.2, 0, 1.0)}, 1);
        } else {
            b.add(kAccent, b.chain(P(-rx * 0.9, ry * 0.1), kPi * 0.75, rx * 0.5, -0.25, ry * 0.06,
                                   ry * 0.02, 4, nullptr, nullptr, 0, 0.5));
        }
    }
    if (l.legendary) {
        Crown(b, P(-rx * 0.5, -ry * 0.3), ry * 0.8, -kPi / 2);
    }
    b.fixed(kMouthIndex,
            {Prim::MakeCapsule(P(-rx * 0.95, ry * 0.15), P(-rx * 0.78, ry * 0.22), ry * 0.05,
                               ry * 0.05, 0.5)},
            false);
    b.eye(P(-rx * 0.62, -ry * 0.22), ry * (0.24 + 0.08 * l.baby), -1, false);
    if (l.secret) {
        b.eye(P(-rx * 0.3, -ry * 0.55), ry * 0.14, 0, false);
    }
}

void Insectoid(Builder& b, const Look& l) {
    const double s = 1 + 0.3 * l.baby;
    const double ar = 0.26 * l.girth * s;
    const P abdomen(0.26 * (1 - 0.4 * l.baby), 0.0), thorax(-0.06, -0.04),
        head(-0.28 + 0.06 * l.baby, -0.1);
    const double hr = 0.13 * l.head * (1 + 0.5 * l.baby);
    Aura(b, l, P(0, -0.05), 0.6);
    auto wings = [&](int shade, double lift) {
        std::vector<Prim> w;
        const int n = l.limbs ? 2 : 1;
        for (int i = 0; i < n; ++i) {
            w.push_back(Prim::MakeEllipse(thorax + Polar(-kPi / 2 + 0.6 + i * 0.35 + lift, 0.25),
                                          0.28 - i * 0.05, 0.09,
                                          -kPi / 2 + 0.6 + i * 0.35 + lift + kPi / 2 - kPi / 2));
        }
        b.add(kBelly, w, shade + 1);
    };
    if (l.detail >= 2) {
        wings(-1, -0.3);
    }
    const int legPairs = 3;
    const double legLen = (0.16 + 0.06 * l.leg) * (1 - 0.4 * l.baby);
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < legPairs; ++i) {
            const P hip = thorax + P(-0.06 + i * 0.07 + side * 0.03, 0.06);
            const double dir = i == 0 ? -1 : (i == 1 ? 0.2 : 1);
            const P knee = hip + P(dir * legLen * 0.5, -legLen * 0.1);
            const P foot = knee + P(dir * legLen * 0.3, legLen * 1.1);
            b.add(side ? kPrimary : kDeep,
                  {Prim::MakeCapsule(hip, knee, 0.028, 0.024, 0.8),
                   Prim::MakeCapsule(knee, foot, 0.024, 0.014, 0.8)},
                  side ? 0 : -1);
        }
    }
    const int abd = b.add(
        kPrimary, {Prim::MakeEllipse(abdomen, ar * (1.15 + 0.1 * l.aspect) * (1 - 0.25 * l.baby),
                                     ar * 0.8, 0.25)});
    if (l.detail >= 1) {
        std::vector<Prim> bands;
        for (int i = 0; i < 2 + l.detail; ++i) {
            bands.push_back(Prim::MakeEllipse(abdomen + P(-ar * 0.4 + i * ar * 0.35, 0), ar * 0.08,
                                              ar * 1.2, 0.25, 0.6));
        }
        b.clip(abd, l.pattern == 0 ? kDeep : kSecondary, bands);
    }
    if (l.secret) {
        Runes(b, abd, abdomen, ar, ar * 0.8);
    }
    if (l.tail > 1 && l.detail >= 2) {
        Ornament(b, l.markType, abdomen + P(ar * 1.1, ar * 0.2), 0.08 + 0.03 * l.detail, 0.4,
                 kSpecial);
    }
    b.add(kPrimary, {Prim::MakeEllipse(thorax, 0.12 * s, 0.1 * s)});
    if (l.detail >= 2) {
        wings(0, 0);
    }
    // Antennae.
    for (int side = 0; side < 2; ++side) {
        P end;
        b.add(kDeep,
              b.chain(head + P(-hr * 0.2 + side * hr * 0.3, -hr * 0.8), -kPi / 2 - 0.5 + side * 0.3,
                      hr * (1.2 + 0.3 * l.detail), -0.25 - 0.2 * l.curl, hr * 0.07, hr * 0.05, 4,
                      &end, nullptr, 0, 0.5),
              side ? 0 : -1);
        if (l.ears != 0) {
            b.add(kSecondary, {Prim::MakeEllipse(end, hr * 0.18, hr * 0.18, 0, 0.8)});
        }
    }
    if (l.detail >= 3) {  // mandibles
        for (int side = 0; side < 2; ++side) {
            b.add(kAccent,
                  b.chain(head + P(-hr * 0.8, hr * (0.3 + 0.2 * side)), kPi * 0.9 - side * 0.3,
                          hr * 0.8, -0.5 + side, hr * 0.14, hr * 0.04, 3));
        }
    }
    b.add(kPrimary, {Prim::MakeEllipse(head, hr, hr * 0.9)});
    Horns(b, l, head, hr, -kPi / 2 - 0.3);
    if (l.legendary) {
        Crown(b, head, hr, -kPi / 2);
    }
    b.eye(head + P(-hr * 0.35, -hr * 0.1), hr * (0.38 + 0.1 * l.baby), -1, false);
}

void Blob(Builder& b, const Look& l) {
    const double rx = 0.4 * l.girth * (0.95 + 0.05 * l.aspect);
    const double ry = Lerp(0.26 + 0.1 * l.aspect, rx * 0.95, l.baby);
    Aura(b, l, P(0, -0.05), rx * 1.5);
    const double top = -ry * 0.95;
    if (l.detail >= 1 || l.tail > 0) {
        Ornament(b, l.markType, P(0, top + ry * 0.1), 0.12 + 0.06 * l.detail,
                 -kPi / 2 + 0.2 * l.pose, kSpecial);
    }
    if (l.detail >= 3) {
        Ornament(b, l.markType, P(-rx * 0.6, top * 0.55), 0.14, -kPi / 2 - 0.8, kSpecial);
        Ornament(b, l.markType, P(rx * 0.6, top * 0.55), 0.14, -kPi / 2 + 0.8, kSpecial);
    }
    for (int s = -1; s <= 1 && !l.roots; s += 2) {
        b.add(kPrimary, {Prim::MakeEllipse(P(s * rx * 0.5, ry * 0.95), rx * 0.26, ry * 0.16)}, -1);
    }
    if (l.roots) {
        b.add(
            kSecondary,
            Roots(P(0, ry * 0.75), rx * 1.5, ry * (0.85 - 0.25 * l.baby), ry * 0.22, 3 + l.detail),
            -1);
    }
    const int body = b.add(kPrimary, {Prim::MakeEllipse(P(0, 0), rx, ry),
                                      Prim::MakeEllipse(P(0, ry * 0.45), rx * 1.08, ry * 0.52)});
    Markings(b, body, l, P(0, 0), rx, ry);
    b.clip(body, kBelly, {Prim::MakeEllipse(P(0, ry * 0.6), rx * 0.6, ry * 0.42)});
    if (l.secret) {
        Runes(b, body, P(0, 0), rx, ry);
    }
    if (l.detail >= 2) {
        for (int s = -1; s <= 1; s += 2) {
            // Short arms hanging at the sides, with round hands.
            const P root(s * rx * 0.9, ry * 0.2);
            const P hand = root + P(s * rx * 0.24, ry * (0.1 - 0.25 * l.pose));
            b.add(kPrimary, {Prim::MakeCapsule(root, hand, ry * 0.15, ry * 0.13, 1.0),
                             Prim::MakeEllipse(hand, ry * 0.17, ry * 0.15, 0, 1.0)});
        }
    }
    Ears(b, l, P(0, -ry * 0.2), ry * 0.7, -kPi / 2 - 0.9, true, 0.4);
    Ears(b, l, P(0, -ry * 0.2), ry * 0.7, -kPi / 2 + 0.9, true, -0.4);
    Horns(b, l, P(0, -ry * 0.2), ry * 0.8, -kPi / 2);
    if (l.legendary) {
        Crown(b, P(0, -ry * 0.1), ry * 0.9, -kPi / 2);
    }
    const double er = ry * (0.2 + 0.06 * l.baby);
    b.eye(P(-rx * 0.35, -ry * 0.15), er, 0.3);
    b.eye(P(rx * 0.35, -ry * 0.15), er, -0.3);
    if (l.secret) {
        b.eye(P(0, -ry * 0.55), er * 0.8, 0, false);
    }
    b.fixed(kMouthIndex, {Prim::MakeEllipse(P(0, ry * 0.25), rx * 0.12, ry * 0.07, 0, 0.8)}, false);
}

void Floater(Builder& b, const Look& l) {
    const double r = 0.3 * l.girth * (1 + 0.1 * l.baby);
    const P c(0, -0.1);
    Aura(b, l, c, r * 1.6);
    const int tendrils = 2 + l.detail + (l.limbs ? 1 : 0);
    const double tlen = (0.3 + 0.12 * l.leg) * (1 - 0.5 * l.baby) * (l.detail >= 3 ? 1.3 : 1);
    for (int i = 0; i < tendrils; ++i) {
        const double x = -r * 0.6 + i * (r * 1.2 / std::max(1, tendrils - 1));
        P end;
        double endAngle = 0;
        b.add(i % 2 ? kSecondary : kPrimary,
              b.chain(c + P(x, r * 0.5), kPi / 2 + 0.2 * (x / r), tlen * (1 - 0.15 * (i % 2)), 0,
                      r * 0.14, r * 0.04, 5, &end, &endAngle, 0.2 + 0.15 * l.curl, 0.8),
              -1);
        if (l.detail >= 3 && i % 2 == 0) {
            Ornament(b, l.markType, end, 0.08, endAngle, kSpecial);
        }
    }
    if (l.detail >= 2) {
        b.add(kSpecial,
              {Prim::MakeRing(c + P(0, r * 0.1), r * 1.45, r * 0.45, 0.82, -0.2 + 0.1 * l.pose)},
              0);
    }
    for (int s = -1; s <= 1; s += 2) {
        b.add(kSecondary,
              {Prim::MakeTriangle(
                  c + P(s * r * 0.7, -r * 0.3), c + P(s * r * 0.8, r * 0.3),
                  c + P(s * r * (1.45 + 0.15 * l.detail), -r * (0.2 + 0.3 * l.crest)))},
              -1);
    }
    const int body = b.add(kPrimary, {Prim::MakeEllipse(c, r, r * (0.95 + 0.05 * l.aspect))});
    Markings(b, body, l, c, r, r);
    b.clip(body, kBelly, {Prim::MakeEllipse(c + P(0, r * 0.45), r * 0.6, r * 0.45)});
    if (l.secret) {
        Runes(b, body, c, r, r);
    }
    Ears(b, l, c, r, -kPi / 2 - 0.7, true, 0.35);
    Ears(b, l, c, r, -kPi / 2 + 0.7, true, -0.35);
    Horns(b, l, c, r, -kPi / 2);
    if (l.detail >= 3 && !l.legendary) {
        b.add(kSpecial, {Prim::MakeRing(c + P(0, -r * 1.25), r * 0.55, r * 0.16, 0.6)}, 1);
    }
    if (l.legendary) {
        Crown(b, c, r, -kPi / 2);
    }
    const double er = r * (0.2 + 0.06 * l.baby);
    b.eye(c + P(-r * 0.35, -r * 0.1), er, 0.3);
    b.eye(c + P(r * 0.35, -r * 0.1), er, -0.3);
    if (l.secret) {
        b.eye(c + P(0, -r * 0.55), er * 0.8, 0, false);
    }
}

void Shelled(Builder& b, const Look& l) {
    const double rx = Lerp(0.3 + 0.1 * l.aspect, 0.32, l.baby) * l.girth;
    const double ry = 0.28 * l.girth;
    const double hr = 0.15 * l.head * (1 + 0.5 * l.baby);
    const double legLen = (0.1 + 0.06 * l.leg) * (1 - 0.4 * l.baby);
    Aura(b, l, P(0, -0.05), rx * 1.5);
    b.add(
        kPrimary,
        {Prim::MakeTriangle(P(rx * 0.8, ry * 0.1), P(rx * 0.8, ry * 0.35), P(rx * 1.2, ry * 0.3))},
        -1);
    const double legX[4] = {-rx * 0.55, rx * 0.45, -rx * 0.3, rx * 0.7};
    for (int i = 0; i < 4; ++i) {
        const P top(legX[i], ry * 0.2), foot(legX[i], ry * 0.35 + legLen);
        b.add(kPrimary,
              {Prim::MakeCapsule(top, foot, ry * 0.22, ry * 0.2, 1.2),
               Prim::MakeEllipse(foot, ry * 0.26, ry * 0.13)},
              i >= 2 ? -1 : 0);
    }
    const P head(-rx * 1.0 - hr * 0.3, -ry * 0.1 - 0.06 * l.leg);
    b.add(kPrimary, {Prim::MakeEllipse(head, hr * 1.05, hr * 0.9),
                     Prim::MakeCapsule(head + P(hr * 0.3, hr * 0.3), P(-rx * 0.6, ry * 0.1),
                                       hr * 0.55, hr * 0.6)});
    Ears(b, l, head, hr, -kPi / 2 + 0.3, true);
    if (l.detail >= 2) {
        std::vector<Prim> spikes;
        const int n = l.detail + 1 + l.crest;
        for (int i = 0; i < n; ++i) {
            const double a = -kPi + 0.35 + i * ((kPi - 0.7) / std::max(1, n - 1));
            const P at(std::cos(a) * rx * 0.85, -ry * 0.05 + std::sin(a) * ry * 1.05);
            spikes.push_back(Prim::MakeTriangle(at + Polar(a - kPi / 2, ry * 0.14),
                                                at + Polar(a + kPi / 2, ry * 0.14),
                                                at + Polar(a, ry * (0.4 + 0.1 * l.detail))));
        }
        b.add(kAccent, spikes);
    }
    const int shell = b.add(kSecondary, {Prim::MakeEllipse(P(0, -ry * 0.05), rx, ry * 1.05)});
    {
        std::vector<Prim> plates;
        const int n = 2 + l.detail;
        for (int i = 0; i < n; ++i) {
            const double x = -rx * 0.6 + i * (rx * 1.2 / std::max(1, n - 1));
            plates.push_back(Prim::MakeEllipse(P(x, -ry * 0.35 + std::abs(x) * 0.3),
                                               rx * 0.5 / n + rx * 0.06, ry * 0.3));
        }
        b.clip(shell, l.pattern == 1 ? kBelly : kPrimary, plates, l.pattern == 1 ? 0 : -1);
    }
    if (l.secret) {
        Runes(b, shell, P(0, -ry * 0.1), rx, ry);
    }
    b.clip(shell, kBelly, {Prim::MakeEllipse(P(0, ry * 0.75), rx * 1.1, ry * 0.32)}, -1);
    Horns(b, l, head, hr, -kPi / 2 - 0.4);
    if (l.legendary) {
        Crown(b, P(0, -ry * 0.1), ry * 1.1, -kPi / 2);
    }
    b.eye(head + P(-hr * 0.3, -hr * 0.15), hr * (0.28 + 0.1 * l.baby), -1);
    b.fixed(kOutlineIndex,
            {Prim::MakeCapsule(head + P(-hr * 0.95, hr * 0.35), head + P(-hr * 0.5, hr * 0.45),
                               hr * 0.05, hr * 0.05, 0.5)},
            false);
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

const char* BodyPlanName(BodyPlan plan) {
    static const char* kNames[] = {"quadruped", "biped", "serpent", "avian",  "aquatic",
                                   "insectoid", "blob",  "floater", "shelled"};
    return kNames[static_cast<int>(plan)];
}

int EyeHueOfFamily(const SpeciesTraits& t) {
    return Rng(Seed(static_cast<std::uint64_t>(t.familyId), 11)).below(5);
}

static double SizeScore(const SpeciesTraits& t) {
    return std::clamp((std::log10(std::max(1.0, t.heightCm)) - 1.3) / 1.3, 0.0, 1.0);
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
    Look l;
    l.plan = PlanOfSpecies(t);
    l.hooves = HasHooves(t);
    l.roots = HasRoots(t);
    // Family genes: one generator for every member.
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

    l.bodyType = t.types.value(0);
    l.markType = t.types.value(t.types.size() > 1 ? 1 : 0);
    l.legendary = t.legendary;
    l.secret = t.secret;
    l.branch = t.branch;

    // Species variations: small for the first attempt, growing with each retry.
    Rng s(Seed(static_cast<std::uint64_t>(t.number), 1000 + static_cast<std::uint64_t>(variant)));
    const double amount = 0.06 + 0.05 * std::min(variant, 8);
    l.aspect = std::clamp(l.aspect * (1 + s.range(-amount, amount)), 0.6, 2.3);
    l.head = std::clamp(l.head * (1 + s.range(-amount, amount)), 0.7, 1.4);
    l.leg = std::clamp(l.leg * (1 + s.range(-amount, amount) * 2), 0.3, 2.0);
    l.pose = std::clamp(l.pose + s.range(-amount, amount) * 3, -1.5, 1.5);
    l.curl = std::clamp(l.curl + s.range(-amount, amount) * 3, -1.5, 1.5);
    l.flourish = s.below(6);
    // Branches of one family split their features.
    if (t.branch > 0) {
        l.horns = (l.horns + t.branch) % 4;
        l.crest = (l.crest + t.branch) % 3;
        l.pattern = (l.pattern + t.branch) % 4;
    }
    if (variant > 0) {
        // Later retries change features outright.
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

    Builder b;
    switch (l.plan) {
        case BodyPlan::Quadruped:
            Quadruped(b, l);
            break;
        case BodyPlan::Biped:
            Biped(b, l);
            break;
        case BodyPlan::Serpent:
            Serpent(b, l);
            break;
        case BodyPlan::Avian:
            Avian(b, l);
            break;
        case BodyPlan::Aquatic:
            Aquatic(b, l);
            break;
        case BodyPlan::Insectoid:
            Insectoid(b, l);
            break;
        case BodyPlan::Blob:
            Blob(b, l);
            break;
        case BodyPlan::Floater:
            Floater(b, l);
            break;
        case BodyPlan::Shelled:
            Shelled(b, l);
            break;
    }
    if (variant > 0) {
        // A retry also stretches the whole figure a little wider or taller, which moves every
        // edge of the silhouette once the picture is fitted into its frame.
        const int step = (variant + 1) / 2;
        const double sx = std::clamp(1 + (variant % 2 ? 0.06 : -0.06) * step, 0.7, 1.35);
        for (Group& g : b.design.groups) {
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
    return b.design;
}

}  // namespace zentaloger::art
