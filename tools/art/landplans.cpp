// The body plans that walk, crawl or sit on the ground.
#include <algorithm>
#include <cmath>

#include "tools/art/bodyplan.h"
#include "tools/art/palette.h"
#include "tools/art/parts.h"
#include "tools/art/plans.h"

namespace zentaloger::art::figure {

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

}  // namespace zentaloger::art::figure
