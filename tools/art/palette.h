#pragma once
// Colours of the pictures. Every species picture (large and small alike) uses one 256-entry
// colour table built from the species' type words:
//
//   0 white background | 1 outline | 2..31 six shading ramps of five shades (material * 5 + shade)
//   | 32.. eyes and fixed colours | the rest a neutral grey ramp, unused by the creatures.

#include <QRgb>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <cstdint>

namespace zentaloger::art {

enum Material {
    kPrimary = 0,  // body: first type
    kSecondary,    // markings, fins, limbs' accents: second type (or the type's own marking)
    kBelly,        // belly and muzzle: light tint of the first type
    kAccent,       // horns, claws, beaks: ivory or a type-specific hard colour
    kSpecial,      // ornaments: flames, crystals, halos (gold for the legendary, glow for secrets)
    kDeep,         // inner parts and far-side shadows
    kMaterialCount
};

inline constexpr int kShades = 5;
inline constexpr int kBackgroundIndex = 0;
inline constexpr int kOutlineIndex = 1;
inline constexpr int kRampBase = 2;
inline constexpr int kScleraIndex = kRampBase + kMaterialCount * kShades;  // 32
inline constexpr int kIrisIndex = kScleraIndex + 1;
inline constexpr int kPupilIndex = kScleraIndex + 2;
inline constexpr int kGlintIndex = kScleraIndex + 3;
inline constexpr int kMouthIndex = kScleraIndex + 4;
inline constexpr int kFixedEnd = kScleraIndex + 5;
inline constexpr int kPaletteSize = 256;

constexpr int RampIndex(int material, int shade) {
    return kRampBase + material * kShades + shade;
}

struct TypeColours {
    QRgb main;
    QRgb marking;
    QRgb light;
};

// The colours of a type word; words outside the seventeen known ones get colours derived
// from a hash of the word, so new types still draw.
TypeColours ColoursOfType(const QString& word);
bool IsKnownType(const QString& word);

// Five shades from dark to light around `base`, with shadows shifted towards blue and lights
// towards yellow.
std::array<QRgb, kShades> MakeRamp(QRgb base);

struct PaletteStyle {
    bool legendary = false;
    bool secret = false;
    int eyeHue = 0;  // 0..4, chosen per family
};

QVector<QRgb> SpeciesPalette(const QStringList& types, const PaletteStyle& style);

// 32-bit FNV-1a over the UTF-16 code units: stable across runs and platforms.
std::uint32_t StableHash(const QString& text);

}  // namespace zentaloger::art
