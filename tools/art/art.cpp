#include "tools/art/art.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>

#include "database/pictures.h"
#include "tools/art/palette.h"

namespace zentaloger::art {
namespace {

IndexedPicture RenderLarge(const Design& d, const SpeciesTraits& t) {
    RenderOptions o;
    o.width = kLargeWidth;
    o.height = kLargeHeight;
    o.fill = LargeFill(t);
    o.dither = true;
    return Render(d, o);
}

IndexedPicture RenderSmall(const Design& d, const SpeciesTraits& t) {
    RenderOptions o;
    o.width = kSmallSize;
    o.height = kSmallSize;
    o.fill = SmallFill(t);
    o.small = true;
    return Render(d, o);
}

// Digits 3 x 5 for the contact sheets (no font needed).
const char* const kDigits[10][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", "..#", "..#", "..#"},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
};

void DrawNumber(QImage& img, int x, int y, int number, int scale) {
    const QString text = QString::number(number).rightJustified(3, QLatin1Char('0'));
    for (int c = 0; c < text.size(); ++c) {
        const int d = text[c].digitValue();
        for (int r = 0; r < 5; ++r) {
            for (int k = 0; k < 3; ++k) {
                if (kDigits[d][r][k] == '#') {
                    for (int sy = 0; sy < scale; ++sy) {
                        for (int sx = 0; sx < scale; ++sx) {
                            img.setPixel(x + (c * 4 + k) * scale + sx, y + r * scale + sy,
                                         0xFF000000);
                        }
                    }
                }
            }
        }
    }
}

}  // namespace

double SilhouetteDifference(const Mask& a, const Mask& b) {
    const int u = UnionCount(a, b);
    return u == 0 ? 0.0 : static_cast<double>(XorCount(a, b)) / u;
}

ArtSet GenerateArt(const Database& db, const DeclaredBodies& bodies) {
    ArtSet art;
    std::vector<SpeciesTraits> traits = DeriveTraits(db);
    for (SpeciesTraits& t : traits) {
        if (const auto body = bodies.find(t.number); body != bodies.end()) {
            t.body = body->second;
        }
    }
    std::vector<Mask> masks;
    for (const SpeciesTraits& t : traits) {
        SpeciesArt s;
        s.traits = t;
        s.plan = PlanOfSpecies(t);
        // Perturb until the silhouette is clear of every earlier species; if no attempt is,
        // keep the one with the largest margin (the test reports it).
        Design best;
        IndexedPicture bestLarge;
        double bestMargin = -1;
        for (int v = 0; v < kMaxVariants; ++v) {
            Design d = MakeDesign(t, v);
            IndexedPicture large = RenderLarge(d, t);
            const Mask m = MaskOf(large);
            double margin = 1.0;
            for (const Mask& other : masks) {
                margin = std::min(margin, SilhouetteDifference(m, other));
                if (margin < kMinSilhouetteDifference) {
                    break;
                }
            }
            if (margin > bestMargin) {
                bestMargin = margin;
                best = std::move(d);
                bestLarge = std::move(large);
                s.variant = v;
            }
            if (margin >= kMinSilhouetteDifference) {
                break;
            }
        }
        masks.push_back(MaskOf(bestLarge));
        PaletteStyle style;
        style.legendary = t.legendary;
        style.secret = t.secret;
        style.eyeHue = EyeHueOfFamily(t);
        const QVector<QRgb> palette = SpeciesPalette(t.types, style);
        s.large = ToImage(bestLarge, palette);
        s.small = ToImage(RenderSmall(best, t), palette);
        art.species.push_back(std::move(s));
    }
    art.logo[0] = Logo(0);
    art.logo[1] = Logo(1);
    for (int size : kIconSizes) {
        art.icon[size] = Icon(size);
    }
    return art;
}

QImage ContactSheet(const ArtSet& art, bool small) {
    const int cellW = small ? kSmallSize + 8 : kLargeWidth + 6;
    const int cellH = (small ? kSmallSize : kLargeHeight) + 18;
    const int columns = small ? 16 : 12;
    const int rows = (static_cast<int>(art.species.size()) + columns - 1) / columns;
    QImage sheet(columns * cellW + 4, rows * cellH + 4, QImage::Format_RGB32);
    sheet.fill(qRgb(200, 200, 200));
    for (int i = 0; i < static_cast<int>(art.species.size()); ++i) {
        const QImage& pic = small ? art.species[i].small : art.species[i].large;
        const int x = 4 + (i % columns) * cellW, y = 4 + (i / columns) * cellH;
        for (int py = 0; py < pic.height(); ++py) {
            for (int px = 0; px < pic.width(); ++px) {
                sheet.setPixel(x + px, y + 14 + py, pic.pixel(px, py));
            }
        }
        DrawNumber(sheet, x, y + 1, i + 1, 2);
    }
    return sheet;
}

QByteArray EncodeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) {
        return {};
    }
    return bytes;
}

QString WriteArt(const ArtSet& art, const QString& dir) {
    if (!QDir().mkpath(dir)) {
        return QStringLiteral("cannot create the folder %1").arg(dir);
    }
    auto save = [&dir](const QImage& image, const QString& name, const char* format) -> QString {
        const QString path = dir + QLatin1Char('/') + name;
        const QByteArray bytes = EncodeImage(image, format);
        if (bytes.isEmpty()) {
            return QStringLiteral("cannot encode %1").arg(path);
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return QStringLiteral("cannot write %1").arg(path);
        }
        return {};
    };
    for (int i = 0; i < static_cast<int>(art.species.size()); ++i) {
        for (const auto& [number, image] :
             {std::pair{LargePicture(i + 1), &art.species[i].large},
              std::pair{SmallPicture(i + 1), &art.species[i].small}}) {
            if (QString e = save(*image, QString::number(number) + QStringLiteral(".bmp"), "BMP");
                !e.isEmpty()) {
                return e;
            }
        }
    }
    for (int language = 0; language < 2; ++language) {
        if (QString e = save(art.logo[language],
                             QString::number(LogoPicture(static_cast<Language>(language))) +
                                 QStringLiteral(".bmp"),
                             "BMP");
            !e.isEmpty()) {
            return e;
        }
    }
    for (const auto& [size, image] : art.icon) {
        if (QString e = save(image, QStringLiteral("icon-%1.png").arg(size), "PNG"); !e.isEmpty()) {
            return e;
        }
    }
    return {};
}

}  // namespace zentaloger::art
