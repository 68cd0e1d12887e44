#include "tools/art/palette.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace zentaloger::art {
namespace {

struct NamedType {
    const char* word;
    TypeColours colours;
};

const NamedType kTypes[] = {
    {"WILD", {0xFFC89C68, 0xFF7A5434, 0xFFF2E2C4}},
    {"EMBER", {0xFFE8541E, 0xFFFFC43A, 0xFFFFE0A8}},
    {"TIDE", {0xFF3A78D6, 0xFF9ED4F6, 0xFFD6EEFC}},
    {"SPROUT", {0xFF4CAE3E, 0xFF1E6E3A, 0xFFDAF0A2}},
    {"STORM", {0xFFF2C81E, 0xFF4A5070, 0xFFFFF3B0}},
    {"FROST", {0xFF8ED6EE, 0xFF3C86C0, 0xFFF0FAFF}},
    {"STONE", {0xFF9C8A74, 0xFF5E5044, 0xFFD4C8B2}},
    {"GALE", {0xFFA4BEF0, 0xFF5A70B8, 0xFFF4F6FF}},
    {"MIRE", {0xFF7C8440, 0xFF5A3A5E, 0xFFC8CA92}},
    {"ORE", {0xFF8A9AAA, 0xFF46505E, 0xFFE0E8F0}},
    {"DUSK", {0xFF4C4074, 0xFFD6C060, 0xFF9A8EC0}},
    {"GLEAM", {0xFFF6E49A, 0xFFF29ABE, 0xFFFFFCEA}},
    {"DREAM", {0xFFE07CC6, 0xFF7C6CE0, 0xFFF8D2F0}},
    {"CHITIN", {0xFF98B030, 0xFF5A3C1E, 0xFFE2EA92}},
    {"MIGHT", {0xFFB44E3C, 0xFF3C3440, 0xFFEEC4A2}},
    {"ECHO", {0xFF9060CA, 0xFF4CCCCC, 0xFFDCC4F2}},
    {"RELIC", {0xFFB88E4E, 0xFF3C9080, 0xFFEAD8A8}},
};

QRgb FromHsv(double h, double s, double v) {
    h = std::fmod(h + 360.0, 360.0);
    return QColor::fromHsvF(static_cast<float>(h / 360.0),
                            static_cast<float>(std::clamp(s, 0.0, 1.0)),
                            static_cast<float>(std::clamp(v, 0.0, 1.0)))
        .rgb();
}

// Moves hue h by `amount` degrees towards `target` along the shorter way round.
double TowardsHue(double h, double target, double amount) {
    double d = std::fmod(target - h + 540.0, 360.0) - 180.0;
    return h + std::clamp(d, -amount, amount);
}

QRgb Mix(QRgb a, QRgb b, double t) {
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

}  // namespace

std::uint32_t StableHash(const QString& text) {
    std::uint32_t h = 2166136261u;
    for (QChar c : text) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

bool IsKnownType(const QString& word) {
    return std::any_of(std::begin(kTypes), std::end(kTypes),
                       [&word](const NamedType& t) { return word == QLatin1String(t.word); });
}

TypeColours ColoursOfType(const QString& word) {
    for (const NamedType& t : kTypes) {
        if (word == QLatin1String(t.word)) {
            return t.colours;
        }
    }
    const std::uint32_t h = StableHash(word);
    const double hue = h % 360;
    return {FromHsv(hue, 0.55 + (h >> 9) % 30 / 100.0, 0.75),
            FromHsv(hue + 150 + (h >> 17) % 60, 0.6, 0.5), FromHsv(hue, 0.15, 0.97)};
}

std::array<QRgb, kShades> MakeRamp(QRgb base) {
    const QColor c = QColor::fromRgb(base);
    float hf = 0, sf = 0, vf = 0;
    c.getHsvF(&hf, &sf, &vf);
    const double h = hf < 0 ? 0.0 : hf * 360.0;
    const double s = sf;
    const double v = vf;
    return {
        FromHsv(TowardsHue(h, 250, 22), std::min(1.0, s * 1.1 + 0.1), v * 0.48),
        FromHsv(TowardsHue(h, 250, 10), std::min(1.0, s * 1.05 + 0.04), v * 0.72),
        base,
        FromHsv(TowardsHue(h, 55, 8), s * 0.8, std::min(1.0, v * 1.12 + 0.06)),
        FromHsv(TowardsHue(h, 55, 14), s * 0.45, std::min(1.0, v * 1.2 + 0.16)),
    };
}

QVector<QRgb> SpeciesPalette(const QStringList& types, const PaletteStyle& style) {
    const TypeColours first = ColoursOfType(types.value(0));
    const bool dual = types.size() > 1;
    const TypeColours second = dual ? ColoursOfType(types.value(1)) : first;

    std::array<QRgb, kMaterialCount> bases{};
    bases[kPrimary] = first.main;
    bases[kSecondary] = dual ? second.main : first.marking;
    bases[kBelly] = dual ? Mix(first.light, second.light, 0.35) : first.light;
    bases[kAccent] = dual ? Mix(0xFFEDE2C8, second.marking, 0.25) : 0xFFEDE2C8;
    bases[kSpecial] = style.legendary ? 0xFFF4C430
                      : style.secret  ? 0xFF5CF2E0
                                      : Mix(second.marking, second.light, dual ? 0.3 : 0.1);
    bases[kDeep] = Mix(first.main, first.marking, 0.5);

    QVector<QRgb> palette(kPaletteSize, 0xFF000000);
    palette[kBackgroundIndex] = qRgb(255, 255, 255);
    {
        QColor main = QColor::fromRgb(first.main);
        float h = 0, s = 0, v = 0;
        main.getHsvF(&h, &s, &v);
        palette[kOutlineIndex] =
            FromHsv(h < 0 ? 0.0 : TowardsHue(h * 360.0, 260, 20), 0.35 + s * 0.4, 0.17);
    }
    for (int m = 0; m < kMaterialCount; ++m) {
        const auto ramp = MakeRamp(bases[m]);
        for (int k = 0; k < kShades; ++k) {
            // No shade may coincide with the background, or the silhouette would have holes.
            palette[RampIndex(m, k)] =
                ramp[k] == qRgb(255, 255, 255) ? qRgb(250, 250, 246) : ramp[k];
        }
    }
    static const QRgb kIris[] = {0xFF6A3A1E, 0xFF2A5CA8, 0xFF2E8A3E, 0xFFB02828, 0xFFC89018};
    palette[kScleraIndex] = qRgb(244, 244, 250);
    palette[kIrisIndex] = style.secret ? 0xFF20C8B8 : kIris[std::clamp(style.eyeHue, 0, 4)];
    palette[kPupilIndex] = qRgb(22, 16, 30);
    palette[kGlintIndex] = qRgb(250, 252, 255);
    palette[kMouthIndex] = qRgb(120, 30, 40);
    for (int i = kFixedEnd; i < kPaletteSize; ++i) {
        const int g = (i - kFixedEnd) * 255 / (kPaletteSize - kFixedEnd);
        palette[i] = qRgb(g, g, g == 255 ? 254 : g);
    }
    return palette;
}

}  // namespace zentaloger::art
