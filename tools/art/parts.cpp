// The parts every body plan draws from: eyes, tubes for tails and limbs, ears, horns, the
// type's ornaments, markings and the marks of the legendary and the secret species.
#include "tools/art/parts.h"

#include <algorithm>
#include <cmath>

#include "tools/art/palette.h"

namespace zentaloger::art::figure {

std::vector<Prim> Builder::chain(P start, double angle, double length, double curl, double r0,
                                 double r1, int segments, P* end, double* endAngle, double wave,
                                 double minPx) {
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

void Builder::eye(P c, double size, double look, bool tall) {
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
        {Prim::MakeEllipse(c + P(-size * 0.3, -ry * 0.4), size * 0.2, size * 0.2, 0, 0.5)}, false);
    at(glint).clipTo = sclera;
}

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

void Markings(Builder& b, int body, const Look& l, P c, double rx, double ry, double angle) {
    const int m = kSecondary;
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

void Belly(Builder& b, int body, P c, double rx, double ry, double angle) {
    b.clip(body, kBelly,
           {Prim::MakeEllipse(c + Polar(angle + kPi / 2, 1) * (ry * 0.6), rx * 0.72, ry * 0.55,
                              angle)});
}

void Ears(Builder& b, const Look& l, P c, double hr, double baseAngle, bool near, double sweep) {
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

void Runes(Builder& b, int body, P c, double rx, double ry) {
    std::vector<Prim> r;
    r.push_back(Prim::MakeCapsule(c + P(-rx * 0.5, -ry * 0.2), c + P(rx * 0.5, -ry * 0.2),
                                  ry * 0.06, ry * 0.06, 0.5));
    r.push_back(Prim::MakeRing(c + P(0, ry * 0.2), rx * 0.25, rx * 0.25, 0.6));
    b.clip(body, kSpecial, r, 1);
}

}  // namespace zentaloger::art::figure
