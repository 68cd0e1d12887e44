// The wordmark (bitmaps 1000 and 1001) and the program icon.
#include <algorithm>
#include <cmath>

#include "tools/art/art.h"
#include "tools/art/palette.h"

namespace zentaloger::art {
namespace {

// Glyphs of the wordmark, 15 rows: 0..3 ascenders, 4..11 lower case, 12..14 descenders.
struct Glyph {
    char16_t letter;
    const char* rows[15];
};

const Glyph kGlyphs[] = {
    {u'Z',
     {"########", "########", ".....###", "....###.", "....##..", "...###..", "..###...",
      "..##....", ".###....", "###.....", "########", "########", "", "", ""}},
    {u'З',
     {".######.", "########", "##....##", "......##", "......##", "...####.", "...####.",
      "......##", "......##", "##....##", "########", ".######.", "", "", ""}},
    {u'e',
     {"", "", "", "", ".#####.", "##...##", "##...##", "#######", "##.....", "##.....", "##...##",
      ".#####.", "", "", ""}},
    {u'n',
     {"", "", "", "", "##.###.", "###..##", "##...##", "##...##", "##...##", "##...##", "##...##",
      "##...##", "", "", ""}},
    {u'н',
     {"", "", "", "", "##...##", "##...##", "##...##", "#######", "#######", "##...##", "##...##",
      "##...##", "", "", ""}},
    {u't',
     {"", ".##...", ".##...", ".##...", "#####.", ".##...", ".##...", ".##...", ".##...", ".##...",
      ".##.##", "..###.", "", "", ""}},
    {u'т',
     {"", "", "", "", "######", "######", "..##..", "..##..", "..##..", "..##..", "..##..",
      "..##..", "", "", ""}},
    {u'a',
     {"", "", "", "", ".#####.", ".....##", ".....##", ".######", "##...##", "##...##", "##..###",
      ".###.##", "", "", ""}},
    {u'l',
     {"##.", "##.", "##.", "##.", "##.", "##.", "##.", "##.", "##.", "##.", "##.", ".##", "", "",
      ""}},
    {u'л',
     {"", "", "", "", "..#####", "..##.##", "..##.##", "..##.##", "..##.##", ".##..##", "###..##",
      "##...##", "", "", ""}},
    {u'o',
     {"", "", "", "", ".#####.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
      ".#####.", "", "", ""}},
    {u'g',
     {"", "", "", "", ".###.##", "##..###", "##...##", "##...##", "##...##", "##...##", "##..###",
      ".###.##", ".....##", "##...##", ".#####."}},
    {u'г',
     {"", "", "", "", "######", "######", "##....", "##....", "##....", "##....", "##....",
      "##....", "", "", ""}},
    {u'r',
     {"", "", "", "", "##.###", "####..", "###...", "##....", "##....", "##....", "##....",
      "##....", "", "", ""}},
    {u'р',
     {"", "", "", "", "##.###.", "###..##", "##...##", "##...##", "##...##", "##...##", "###..##",
      "##.###.", "##.....", "##.....", "##....."}},
};

const Glyph* GlyphOf(QChar c) {
    char16_t u = c.unicode();
    // Cyrillic е and а share the Latin shapes.
    if (u == u'е') {
        u = u'e';
    } else if (u == u'а') {
        u = u'a';
    } else if (u == u'о') {
        u = u'o';
    }
    for (const Glyph& g : kGlyphs) {
        if (g.letter == u) {
            return &g;
        }
    }
    return nullptr;
}

int GlyphWidth(const Glyph& g) {
    int w = 0;
    for (const char* r : g.rows) {
        w = std::max(w, static_cast<int>(std::strlen(r)));
    }
    return w;
}

enum LogoColour : int {
    kLogoBack = 0,
    kLogoShadow = 1,
    kLogoEdge = 2,
    kLogoFill = 3,  // 3..17: the fill gradient, one entry per glyph row
    kLogoLine = 18,
    kLogoLineDark = 19,
};

}  // namespace

QImage Logo(int language) {
    const QString word =
        language == 0 ? QStringLiteral("Зенталогер") : QStringLiteral("Zentaloger");
    constexpr int kGap = 2;
    int width = 0;
    for (QChar c : word) {
        width += GlyphWidth(*GlyphOf(c)) + kGap;
    }
    width -= kGap;

    QVector<QRgb> palette(kPaletteSize, qRgb(0, 0, 0));
    palette[kLogoBack] = qRgb(0xC0, 0, 0);
    palette[kLogoShadow] = qRgb(0x6A, 0x00, 0x08);
    palette[kLogoEdge] = qRgb(0x2A, 0x04, 0x0A);
    for (int r = 0; r < 15; ++r) {
        // Pale gold at the top to deep orange at the foot.
        const double t = r / 14.0;
        palette[kLogoFill + r] = qRgb(255, static_cast<int>(std::lround(246 - 120 * t)),
                                      static_cast<int>(std::lround(150 - 140 * t)));
    }
    palette[kLogoLine] = qRgb(255, 184, 40);
    palette[kLogoLineDark] = qRgb(0x6A, 0x00, 0x08);

    QImage image(kLogoWidth, kLogoHeight, QImage::Format_Indexed8);
    image.setColorTable(palette);
    std::fill_n(image.bits(), image.sizeInBytes(), 0);  // padding too, for stable bytes
    image.fill(kLogoBack);

    const int left = (kLogoWidth - width) / 2;
    const int top = 6;
    std::vector<std::uint8_t> ink(kLogoWidth * kLogoHeight, 0);
    std::vector<std::uint8_t> shade(kLogoWidth * kLogoHeight, 0);
    int x = left;
    for (QChar c : word) {
        const Glyph& g = *GlyphOf(c);
        for (int r = 0; r < 15; ++r) {
            const int len = static_cast<int>(std::strlen(g.rows[r]));
            for (int k = 0; k < len; ++k) {
                if (g.rows[r][k] == '#') {
                    ink[(top + r) * kLogoWidth + x + k] = 1;
                    shade[(top + r) * kLogoWidth + x + k] = static_cast<std::uint8_t>(r);
                }
            }
        }
        x += GlyphWidth(g) + kGap;
    }
    auto inkAt = [&](int px, int py) {
        return px >= 0 && py >= 0 && px < kLogoWidth && py < kLogoHeight &&
               ink[py * kLogoWidth + px];
    };
    auto edgeAt = [&](int px, int py) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (inkAt(px + dx, py + dy)) {
                    return true;
                }
            }
        }
        return false;
    };
    for (int py = 0; py < kLogoHeight; ++py) {
        for (int px = 0; px < kLogoWidth; ++px) {
            if (inkAt(px, py)) {
                image.setPixel(px, py, kLogoFill + shade[py * kLogoWidth + px]);
            } else if (edgeAt(px, py)) {
                image.setPixel(px, py, kLogoEdge);
            } else if (edgeAt(px - 1, py - 2) || edgeAt(px, py - 2)) {
                image.setPixel(px, py, kLogoShadow);
            }
        }
    }
    // A rule under the word with a diamond at each end.
    const int ruleY = top + 19;
    const int x0 = left + 2, x1 = left + width - 3;
    for (int px = x0; px <= x1; ++px) {
        image.setPixel(px, ruleY, kLogoLine);
        image.setPixel(px, ruleY + 1, kLogoLineDark);
    }
    for (int end : {x0 - 2, x1 + 2}) {
        image.setPixel(end, ruleY - 1, kLogoLine);
        image.setPixel(end - 1, ruleY, kLogoLine);
        image.setPixel(end, ruleY, kLogoLine);
        image.setPixel(end + 1, ruleY, kLogoLine);
        image.setPixel(end, ruleY + 1, kLogoLine);
        image.setPixel(end, ruleY + 2, kLogoLineDark);
    }
    return image;
}

QImage Icon(int size) {
    // A red tile, an open book and a small round creature sitting on it.
    Design d;
    auto add = [&d](int fixed, int material, std::vector<Prim> prims, bool outline = true) {
        Group g;
        g.fixedIndex = fixed;
        g.material = material;
        g.prims = std::move(prims);
        g.outline = outline;
        d.groups.push_back(std::move(g));
        return static_cast<int>(d.groups.size()) - 1;
    };
    const double r = 0.26, e = 0.74;
    add(RampIndex(kPrimary, 2), 0,
        {Prim::MakeTriangle({-e, -e}, {e, -e}, {e, e}),
         Prim::MakeTriangle({-e, -e}, {e, e}, {-e, e}), Prim::MakeCapsule({-e, -e}, {e, -e}, r, r),
         Prim::MakeCapsule({e, -e}, {e, e}, r, r), Prim::MakeCapsule({e, e}, {-e, e}, r, r),
         Prim::MakeCapsule({-e, e}, {-e, -e}, r, r)});
    add(RampIndex(kPrimary, 1), 0, {Prim::MakeEllipse({0, 0.62}, 0.8, 0.16)}, false);
    // Book: two pages meeting at the spine.
    add(RampIndex(kSecondary, 2), 0,
        {Prim::MakeTriangle({-0.78, 0.15}, {0, 0.28}, {0, 0.7}),
         Prim::MakeTriangle({-0.78, 0.15}, {0, 0.7}, {-0.78, 0.58})});
    add(RampIndex(kSecondary, 3), 0,
        {Prim::MakeTriangle({0.78, 0.15}, {0, 0.28}, {0, 0.7}),
         Prim::MakeTriangle({0.78, 0.15}, {0, 0.7}, {0.78, 0.58})});
    // The creature: a round body, two leaf-like ears, big eyes.
    Group ears;
    ears.material = kBelly;
    ears.prims = {Prim::MakeEllipse({-0.3, -0.52}, 0.22, 0.1, -0.9),
                  Prim::MakeEllipse({0.3, -0.52}, 0.22, 0.1, 0.9)};
    d.groups.push_back(ears);
    Group body;
    body.material = kBelly;
    body.prims = {Prim::MakeEllipse({0, -0.12}, 0.46, 0.4)};
    d.groups.push_back(body);
    const int bodyIndex = static_cast<int>(d.groups.size()) - 1;
    for (double s : {-1.0, 1.0}) {
        const int sclera =
            add(kScleraIndex, 0, {Prim::MakeEllipse({s * 0.17, -0.16}, 0.12, 0.14, 0, 1.2)});
        const int pupil =
            add(kPupilIndex, 0, {Prim::MakeEllipse({s * 0.15, -0.13}, 0.07, 0.09, 0, 0.7)}, false);
        d.groups[pupil].clipTo = sclera;
        const int glint = add(
            kGlintIndex, 0, {Prim::MakeEllipse({s * 0.2 - 0.02, -0.2}, 0.03, 0.03, 0, 0.4)}, false);
        d.groups[glint].clipTo = sclera;
    }
    const int cheek = add(-1, kAccent, {Prim::MakeEllipse({0, 0.12}, 0.2, 0.1)}, false);
    d.groups[cheek].clipTo = bodyIndex;

    QVector<QRgb> palette = SpeciesPalette({QStringLiteral("TIDE")}, PaletteStyle{});
    const auto red = MakeRamp(qRgb(0xC0, 0, 0));
    const auto paper = MakeRamp(qRgb(0xF2, 0xEA, 0xD6));
    const auto teal = MakeRamp(qRgb(0x3C, 0xB8, 0x9C));
    const auto mint = MakeRamp(qRgb(0xB8, 0xEC, 0xD8));
    for (int k = 0; k < kShades; ++k) {
        palette[RampIndex(kPrimary, k)] = red[k];
        palette[RampIndex(kSecondary, k)] = paper[k];
        palette[RampIndex(kBelly, k)] = teal[k];
        palette[RampIndex(kAccent, k)] = mint[k];
    }
    palette[kOutlineIndex] = qRgb(0x30, 0x06, 0x10);

    RenderOptions o;
    o.width = size;
    o.height = size;
    o.fill = 1.0;
    o.small = size <= 48;
    o.outlineWidth = std::max(1, size / 48);
    const IndexedPicture pic = Render(d, o);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int i = pic.at(x, y);
            image.setPixel(x, y, i == kBackgroundIndex ? 0u : palette[i]);
        }
    }
    return image;
}

}  // namespace zentaloger::art
