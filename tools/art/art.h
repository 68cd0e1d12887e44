#pragma once
// The whole picture set of a database: for species N the large picture (bitmap 100 + N,
// 245 x 196) and the small one (bitmap 500 + N, 56 x 56), the two logos (bitmap 1000 Russian,
// 1001 English, 105 x 38) and the program icon. Everything is a pure function of the
// database bytes and the body plans the species declare in the sources.

#include <QImage>
#include <QString>
#include <map>
#include <vector>

#include "database/database.h"
#include "tools/art/bodyplan.h"
#include "tools/art/creature.h"
#include "tools/art/traits.h"

namespace zentaloger::art {

inline constexpr int kLargeWidth = 245;
inline constexpr int kLargeHeight = 196;
inline constexpr int kSmallSize = 56;
inline constexpr int kLogoWidth = 105;
inline constexpr int kLogoHeight = 38;
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Two large pictures differ at least this much in silhouette: pixels inside exactly one of
// the two, as a share of the pixels inside either.
inline constexpr double kMinSilhouetteDifference = 0.12;
inline constexpr int kMaxVariants = 40;

struct SpeciesArt {
    SpeciesTraits traits;
    BodyPlan plan = BodyPlan::Quadruped;
    int variant = 0;  // how many times the design was perturbed to stay distinct
    QImage large;
    QImage small;
};

struct ArtSet {
    std::vector<SpeciesArt> species;  // by species index
    QImage logo[2];                   // 0 Russian, 1 English
    std::map<int, QImage> icon;       // by size
};

double SilhouetteDifference(const Mask& a, const Mask& b);

// `bodies` are the species' declared body plans (ReadDeclaredBodies), which the resource
// does not hold; a species without one is drawn in its family's plan.
ArtSet GenerateArt(const Database& db, const DeclaredBodies& bodies = {});

QImage Logo(int language);
QImage Icon(int size);

// Grid of all large (or small) pictures with their species numbers, for review.
QImage ContactSheet(const ArtSet& art, bool small);

// The bytes of `image` in `format` ("BMP", "PNG"), as WriteArt stores them.
QByteArray EncodeImage(const QImage& image, const char* format);

// Writes every bitmap as DIR/<number>.bmp and the icon as DIR/icon-<size>.png.
// Returns an empty string or what could not be written.
QString WriteArt(const ArtSet& art, const QString& dir);

}  // namespace zentaloger::art
