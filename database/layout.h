#pragma once
// Where each value sits in the resource: 250 move records of 9 fields, then 251 species
// records of 195 fields, every field followed by a NUL. Field numbers are 1-based.
//
// Species record (fields within the record):
//   1..6 stat levels | 7..12 list labels of row r (numerical ru/en, evolutionary ru/en,
//   alphabetical ru/en) | 13..20 type, height, weight, description (ru, en each) |
//   21..27 edition entries 0..6 | 28..57 five evolution slots of 6 | 58..81 twelve level
//   slots of 2 | 82..181 fifty TM slots of 2 | 182..195 seven HM slots of 2

#include <QByteArray>
#include <QStringView>

#include "database/database.h"

namespace zentaloger {

inline constexpr PerLanguage<QStringView> kTypePrefix = {u"ТИП:   ", u"TYPE:   "};
inline constexpr PerLanguage<QStringView> kHeightPrefix = {u"РОСТ:   ", u"HEIGHT:   "};
inline constexpr PerLanguage<QStringView> kWeightPrefix = {u"ВЕС:   ", u"WEIGHT:   "};
inline constexpr int kLongestPrefix = 10;
inline constexpr int kPrefixedEntriesMax = kMoveCount * 2 + kSpeciesCount * 6;

// The four NULs that the shipped resource carries after the one that ends the last field.
inline constexpr int kTrailingNuls = 4;

constexpr int MoveField(int move, int fieldInRecord) {
    return move * kMoveFields + fieldInRecord;
}
constexpr int SpeciesField(int species, int fieldInRecord) {
    return kMoveFieldsTotal + species * kSpeciesFields + fieldInRecord;
}
constexpr int ListLabelField(int row, int language, int order) {
    return SpeciesField(row, 7 + 2 * order + language);
}
constexpr int EditionField(int species, int entry) {
    return SpeciesField(species, 21 + entry);
}
constexpr int EvolutionFromField(int species, int slot) {
    return SpeciesField(species, 28 + 6 * slot);
}
constexpr int EvolutionToField(int species, int slot) {
    return SpeciesField(species, 29 + 6 * slot);
}
constexpr int LevelMoveField(int species, int slot) {
    return SpeciesField(species, 58 + 2 * slot);
}
constexpr int TmMoveField(int species, int slot) {
    return SpeciesField(species, 83 + 2 * slot);
}
constexpr int HmMoveField(int species, int slot) {
    return SpeciesField(species, 183 + 2 * slot);
}

// The 0-based byte offset at which field `field` begins, found by counting NULs; -1 if the
// resource has fewer fields. Only error reports use it.
qsizetype FieldByteOffset(const QByteArray& bytes, int field);

// "51,195": the digits of n in groups of three.
QString GroupThousands(qint64 n);

// Rejects well-formed values that a reader would use to index past a table: move and species
// indices of used slots, list labels and their species numbers, and edition entry 6.
// Throws DatabaseError::Kind::InvalidReference.
void ValidateReferences(const Database& db, const QByteArray& bytes);

}  // namespace zentaloger
