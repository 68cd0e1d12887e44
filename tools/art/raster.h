#pragma once
// A small shape rasterizer for pixel pictures. A picture is a list of groups drawn back to
// front; a group is a union of primitives (ellipses, rings, tapered capsules, triangles) in
// one material, shaded as a rounded solid lit from the upper left and outlined where it
// borders anything else. Pixels are sampled at their centres, so edges are hard and every
// pixel is meant to be seen.

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <vector>

namespace zentaloger::art {

struct Prim {
    enum Kind { Ellipse, Ring, Capsule, Triangle } kind = Ellipse;
    QPointF a, b, c;                   // ellipse/ring: centre a; capsule: a to b; triangle: a, b, c
    double rx = 0, ry = 0, angle = 0;  // ellipse/ring radii and rotation (radians)
    double inner = 0;                  // ring: inner radius as a fraction of the outer
    double r0 = 0, r1 = 0;             // capsule radii at a and b
    double minPx = 0;                  // smallest radius in pixels, so small features survive

    static Prim MakeEllipse(QPointF c, double rx, double ry, double angle = 0, double minPx = 0);
    static Prim MakeRing(QPointF c, double rx, double ry, double inner, double angle = 0);
    static Prim MakeCapsule(QPointF a, QPointF b, double r0, double r1, double minPx = 0);
    static Prim MakeTriangle(QPointF a, QPointF b, QPointF c);

    QRectF bounds() const;
};

struct Group {
    std::vector<Prim> prims;
    int material = 0;
    int shadeShift = 0;   // darker (-) or lighter (+) than lit
    int fixedIndex = -1;  // a palette index instead of a shaded material
    int clipTo = -1;      // draw only inside this earlier group's interior, with its light
    bool outline = true;
    bool largeOnly = false;  // a detail left out of the small picture
    bool smallOnly = false;
    bool keepsBounds = true;  // counts when the picture is fitted into its frame
};

struct Design {
    std::vector<Group> groups;
};

struct RenderOptions {
    int width = 0;
    int height = 0;
    double fill = 0.9;    // share of the frame that the design's bounds take up
    bool small = false;   // skip largeOnly groups, draw smallOnly ones
    bool dither = false;  // ordered dithering between shades
    int outlineWidth = 1;
};

// Palette indices, row by row.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

QRectF DesignBounds(const Design& design, bool small);
IndexedPicture Render(const Design& design, const RenderOptions& options);

// Indexed8 image with the given colour table.
QImage ToImage(const IndexedPicture& picture, const QVector<QRgb>& palette);

// One bit per pixel: set where the picture is not background (index 0).
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<std::uint64_t> bits;
    int count() const;
};
Mask MaskOf(const IndexedPicture& picture);
Mask MaskOf(const QImage& image);  // non-white pixels of any image
int XorCount(const Mask& a, const Mask& b);
int UnionCount(const Mask& a, const Mask& b);

}  // namespace zentaloger::art
