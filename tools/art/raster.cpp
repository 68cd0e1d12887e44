#include "tools/art/raster.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "tools/art/palette.h"

namespace zentaloger::art {
namespace {

struct Hit {
    double k;  // 0 at the spine or centre of the shape, 1 at its edge
    double nx, ny;
};

QPointF Rotate(QPointF p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x() * c - p.y() * s, p.x() * s + p.y() * c};
}

double Cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

bool Evaluate(const Prim& p, QPointF q, double minRadius, Hit& hit) {
    switch (p.kind) {
        case Prim::Ellipse:
        case Prim::Ring: {
            const QPointF l = Rotate(q - p.a, -p.angle);
            const double rx = std::max(p.rx, minRadius), ry = std::max(p.ry, minRadius);
            const double ux = l.x() / rx, uy = l.y() / ry;
            const double k = std::sqrt(ux * ux + uy * uy);
            if (k >= 1.0) {
                return false;
            }
            QPointF n = Rotate(QPointF(ux / rx, uy / ry), p.angle);
            const double len = std::hypot(n.x(), n.y());
            n = len > 0 ? n / len : QPointF(0, 0);
            if (p.kind == Prim::Ellipse) {
                hit = {k, n.x(), n.y()};
                return true;
            }
            if (k <= p.inner) {
                return false;
            }
            const double mid = (p.inner + 1) / 2, half = (1 - p.inner) / 2;
            const double t = (k - mid) / half;
            hit = {std::abs(t), t < 0 ? -n.x() : n.x(), t < 0 ? -n.y() : n.y()};
            return true;
        }
        case Prim::Capsule: {
            const QPointF ab = p.b - p.a;
            const double len2 = QPointF::dotProduct(ab, ab);
            const double t =
                len2 > 0 ? std::clamp(QPointF::dotProduct(q - p.a, ab) / len2, 0.0, 1.0) : 0.0;
            const QPointF on = p.a + ab * t;
            const double r = std::max(p.r0 + (p.r1 - p.r0) * t, minRadius);
            const QPointF d = q - on;
            const double dist = std::hypot(d.x(), d.y());
            if (dist >= r) {
                return false;
            }
            hit = {dist / r, dist > 0 ? d.x() / dist : 0.0, dist > 0 ? d.y() / dist : 0.0};
            return true;
        }
        case Prim::Triangle: {
            const QPointF v[3] = {p.a, p.b, p.c};
            const double area = Cross(v[1] - v[0], v[2] - v[0]);
            if (area == 0) {
                return false;
            }
            const double sign = area > 0 ? 1 : -1;
            double nearest = std::numeric_limits<double>::max();
            double perimeter = 0;
            for (int i = 0; i < 3; ++i) {
                const QPointF e = v[(i + 1) % 3] - v[i];
                const double el = std::hypot(e.x(), e.y());
                perimeter += el;
                const double d = sign * Cross(e, q - v[i]) / el;
                if (d < 0) {
                    return false;
                }
                nearest = std::min(nearest, d);
            }
            const double inradius = std::abs(area) / perimeter;
            const QPointF centre = (v[0] + v[1] + v[2]) / 3;
            QPointF n = q - centre;
            const double nl = std::hypot(n.x(), n.y());
            hit = {std::clamp(1 - nearest / inradius, 0.0, 0.999), nl > 0 ? n.x() / nl : 0.0,
                   nl > 0 ? n.y() / nl : 0.0};
            return true;
        }
    }
    return false;
}

// 4x4 ordered dither, centred on zero.
double Bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5) / 16.0 - 0.5;
}

}  // namespace

Prim Prim::MakeEllipse(QPointF c, double rx, double ry, double angle, double minPx) {
    Prim p;
    p.kind = Ellipse;
    p.a = c;
    p.rx = rx;
    p.ry = ry;
    p.angle = angle;
    p.minPx = minPx;
    return p;
}

Prim Prim::MakeRing(QPointF c, double rx, double ry, double inner, double angle) {
    Prim p = MakeEllipse(c, rx, ry, angle);
    p.kind = Ring;
    p.inner = inner;
    return p;
}

Prim Prim::MakeCapsule(QPointF a, QPointF b, double r0, double r1, double minPx) {
    Prim p;
    p.kind = Capsule;
    p.a = a;
    p.b = b;
    p.r0 = r0;
    p.r1 = r1;
    p.minPx = minPx;
    return p;
}

Prim Prim::MakeTriangle(QPointF a, QPointF b, QPointF c) {
    Prim p;
    p.kind = Triangle;
    p.a = a;
    p.b = b;
    p.c = c;
    return p;
}

QRectF Prim::bounds() const {
    switch (kind) {
        case Ellipse:
        case Ring: {
            const double c = std::abs(std::cos(angle)), s = std::abs(std::sin(angle));
            const double hw = std::hypot(rx * c, ry * s), hh = std::hypot(rx * s, ry * c);
            return {a.x() - hw, a.y() - hh, 2 * hw, 2 * hh};
        }
        case Capsule: {
            const double r = std::max(r0, r1);
            return QRectF(QPointF(std::min(a.x(), b.x()) - r, std::min(a.y(), b.y()) - r),
                          QPointF(std::max(a.x(), b.x()) + r, std::max(a.y(), b.y()) + r));
        }
        case Triangle:
            return QRectF(
                QPointF(std::min({a.x(), b.x(), c.x()}), std::min({a.y(), b.y(), c.y()})),
                QPointF(std::max({a.x(), b.x(), c.x()}), std::max({a.y(), b.y(), c.y()})));
    }
    return {};
}

static bool Skipped(const Group& g, bool small) {
    return (small && g.largeOnly) || (!small && g.smallOnly) || g.prims.empty();
}

QRectF DesignBounds(const Design& design, bool small) {
    QRectF r;
    for (const Group& g : design.groups) {
        if (Skipped(g, small) || !g.keepsBounds || g.clipTo >= 0) {
            continue;
        }
        for (const Prim& p : g.prims) {
            r = r.isNull() ? p.bounds() : r.united(p.bounds());
        }
    }
    return r.isNull() ? QRectF(-1, -1, 2, 2) : r;
}

// Draws on a canvas with a margin round the frame, then cuts the frame out around the
// pixels actually drawn, so the creature is centred exactly whatever its bounds estimate.
IndexedPicture Render(const Design& design, const RenderOptions& frame) {
    constexpr int kMargin = 8;
    RenderOptions o = frame;
    o.width += 2 * kMargin;
    o.height += 2 * kMargin;
    IndexedPicture pic;
    pic.width = o.width;
    pic.height = o.height;
    const std::size_t n = static_cast<std::size_t>(o.width) * o.height;
    pic.pixels.assign(n, kBackgroundIndex);

    const QRectF bounds = DesignBounds(design, o.small);
    const double scale =
        std::min(frame.width * o.fill / bounds.width(), frame.height * o.fill / bounds.height());
    // Whole-pixel offsets keep the same design on the same pixel grid in every run.
    const double offX = std::round(o.width / 2.0 - bounds.center().x() * scale);
    const double offY = std::round(o.height / 2.0 - bounds.center().y() * scale);

    std::vector<int> owner(n, -1);
    std::vector<std::uint8_t> edge(n, 0);
    std::vector<float> light(n, 0.0f);
    std::vector<std::uint8_t> mask(n);
    std::vector<float> groupLight(n);
    // Light from the upper left, in front.
    const double lx = -0.5, ly = -0.62, lz = 0.6;
    const double ll = std::sqrt(lx * lx + ly * ly + lz * lz);

    for (int gi = 0; gi < static_cast<int>(design.groups.size()); ++gi) {
        const Group& g = design.groups[gi];
        if (Skipped(g, o.small)) {
            continue;
        }
        QRectF gb;
        for (const Prim& p : g.prims) {
            const double grow = p.minPx / scale;
            const QRectF pb = p.bounds().adjusted(-grow, -grow, grow, grow);
            gb = gb.isNull() ? pb : gb.united(pb);
        }
        const int x0 = std::max(0, static_cast<int>(std::floor(gb.left() * scale + offX)) - 1);
        const int x1 =
            std::min(o.width - 1, static_cast<int>(std::ceil(gb.right() * scale + offX)) + 1);
        const int y0 = std::max(0, static_cast<int>(std::floor(gb.top() * scale + offY)) - 1);
        const int y1 =
            std::min(o.height - 1, static_cast<int>(std::ceil(gb.bottom() * scale + offY)) + 1);
        if (x0 > x1 || y0 > y1) {
            continue;
        }
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * o.width + x;
                mask[i] = 0;
                if (g.clipTo >= 0 && (owner[i] != g.clipTo || edge[i])) {
                    continue;
                }
                const QPointF q((x + 0.5 - offX) / scale, (y + 0.5 - offY) / scale);
                Hit best{2, 0, 0};
                for (const Prim& p : g.prims) {
                    Hit h;
                    if (Evaluate(p, q, p.minPx / scale, h) && h.k < best.k) {
                        best = h;
                    }
                }
                if (best.k > 1) {
                    continue;
                }
                mask[i] = 1;
                const double k = best.k;
                const double nz = std::sqrt(std::max(0.0, 1 - k * k));
                groupLight[i] =
                    static_cast<float>((best.nx * k * lx + best.ny * k * ly + nz * lz) / ll);
            }
        }
        const int w = o.outlineWidth;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * o.width + x;
                if (!mask[i]) {
                    continue;
                }
                bool border = false;
                if (g.outline) {
                    for (int dy = -w; dy <= w && !border; ++dy) {
                        for (int dx = -w; dx <= w && !border; ++dx) {
                            if (std::abs(dx) + std::abs(dy) > w) {
                                continue;
                            }
                            const int xx = x + dx, yy = y + dy;
                            border = xx < x0 || yy < y0 || xx > x1 || yy > y1 ||
                                     !mask[static_cast<std::size_t>(yy) * o.width + xx];
                        }
                    }
                }
                const float lit = g.clipTo >= 0 ? light[i] : groupLight[i];
                int index;
                if (border) {
                    index = kOutlineIndex;
                } else if (g.fixedIndex >= 0) {
                    index = g.fixedIndex;
                } else {
                    double v = lit + (o.dither ? Bayer(x, y) * 0.14 : 0.0);
                    // Thresholds: deep shadow, shadow, base, light, highlight.
                    int shade = v < 0.0 ? 0 : v < 0.42 ? 1 : v < 0.78 ? 2 : v < 0.95 ? 3 : 4;
                    shade = std::clamp(shade + g.shadeShift, 0, kShades - 1);
                    index = RampIndex(g.material, shade);
                }
                pic.pixels[i] = static_cast<std::uint8_t>(index);
                if (g.clipTo < 0) {
                    owner[i] = gi;
                    edge[i] = border ? 1 : 0;
                    light[i] = lit;
                }
            }
        }
    }

    // The silhouette always ends in the outline colour, whatever lies at its edge.
    std::vector<std::uint8_t> final = pic.pixels;
    for (int y = 0; y < o.height; ++y) {
        for (int x = 0; x < o.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * o.width + x;
            if (pic.pixels[i] == kBackgroundIndex) {
                continue;
            }
            bool outside = false;
            for (int dy = -o.outlineWidth; dy <= o.outlineWidth && !outside; ++dy) {
                for (int dx = -o.outlineWidth; dx <= o.outlineWidth && !outside; ++dx) {
                    if (std::abs(dx) + std::abs(dy) > o.outlineWidth) {
                        continue;
                    }
                    const int xx = x + dx, yy = y + dy;
                    outside =
                        xx < 0 || yy < 0 || xx >= o.width || yy >= o.height ||
                        pic.pixels[static_cast<std::size_t>(yy) * o.width + xx] == kBackgroundIndex;
                }
            }
            if (outside) {
                final[i] = kOutlineIndex;
            }
        }
    }
    int left = o.width, right = -1, top = o.height, bottom = -1;
    for (int y = 0; y < o.height; ++y) {
        for (int x = 0; x < o.width; ++x) {
            if (final[static_cast<std::size_t>(y) * o.width + x] != kBackgroundIndex) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const int x0 = right < 0 ? kMargin : (left + right + 1 - frame.width) / 2;
    const int y0 = bottom < 0 ? kMargin : (top + bottom + 1 - frame.height) / 2;
    IndexedPicture out;
    out.width = frame.width;
    out.height = frame.height;
    out.pixels.assign(static_cast<std::size_t>(frame.width) * frame.height, kBackgroundIndex);
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const int sx = x + x0, sy = y + y0;
            if (sx >= 0 && sy >= 0 && sx < o.width && sy < o.height) {
                out.pixels[static_cast<std::size_t>(y) * frame.width + x] =
                    final[static_cast<std::size_t>(sy) * o.width + sx];
            }
        }
    }
    return out;
}

QImage ToImage(const IndexedPicture& picture, const QVector<QRgb>& palette) {
    QImage image(picture.width, picture.height, QImage::Format_Indexed8);
    // The BMP writer copies whole scan lines, padding included: clear it so the bytes depend on
    // the picture alone.
    std::fill_n(image.bits(), image.sizeInBytes(), 0);
    image.setColorTable(palette);
    for (int y = 0; y < picture.height; ++y) {
        std::copy_n(picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width,
                    picture.width, image.scanLine(y));
    }
    return image;
}

static Mask EmptyMask(int w, int h) {
    Mask m;
    m.width = w;
    m.height = h;
    m.bits.assign((static_cast<std::size_t>(w) * h + 63) / 64, 0);
    return m;
}

Mask MaskOf(const IndexedPicture& picture) {
    Mask m = EmptyMask(picture.width, picture.height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        if (picture.pixels[i] != kBackgroundIndex) {
            m.bits[i / 64] |= std::uint64_t{1} << (i % 64);
        }
    }
    return m;
}

Mask MaskOf(const QImage& image) {
    Mask m = EmptyMask(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                const std::size_t i = static_cast<std::size_t>(y) * image.width() + x;
                m.bits[i / 64] |= std::uint64_t{1} << (i % 64);
            }
        }
    }
    return m;
}

int Mask::count() const {
    int c = 0;
    for (std::uint64_t w : bits) {
        c += std::popcount(w);
    }
    return c;
}

int XorCount(const Mask& a, const Mask& b) {
    int c = 0;
    for (std::size_t i = 0; i < a.bits.size() && i < b.bits.size(); ++i) {
        c += std::popcount(a.bits[i] ^ b.bits[i]);
    }
    return c;
}

int UnionCount(const Mask& a, const Mask& b) {
    int c = 0;
    for (std::size_t i = 0; i < a.bits.size() && i < b.bits.size(); ++i) {
        c += std::popcount(a.bits[i] | b.bits[i]);
    }
    return c;
}

}  // namespace zentaloger::art
