// The body plans that fly, float or swim.
#include <algorithm>
#include <cmath>

#include "tools/art/bodyplan.h"
#include "tools/art/palette.h"
#include "tools/art/parts.h"
#include "tools/art/plans.h"

namespace zentaloger::art::figure {

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

}  // namespace zentaloger::art::figure
