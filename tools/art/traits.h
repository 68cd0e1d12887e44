#pragma once
// What the picture generator reads from a species record: its type words, its place in its
// evolution family, its size, and whether it is the legendary or a secret species.

#include <QString>
#include <QStringList>
#include <vector>

#include "database/database.h"

namespace zentaloger::art {

enum class Stage {
    Single,  // no evolution family
    Baby,    // evolves into a species with a lower number
    Base,    // first regular form of a family
    Middle,  // evolves from and into another form
    Final,   // does not evolve further
};

struct SpeciesTraits {
    int number = 0;     // 1..251
    QStringList types;  // English type words, one or two
    Stage stage = Stage::Single;
    int level = 0;            // steps from the family's base (babies 0)
    int familyId = 0;         // number of the family's base species (its own number when single)
    QStringList familyTypes;  // type words of the family's base species
    int familySize = 1;
    int familyLevels = 1;  // number of regular (non-baby) levels in the family
    int branch = 0;        // index among the forms that evolve from the same species
    double heightCm = 100;
    double weightKg = 10;
    bool legendary = false;  // every stat at the top level
    bool secret = false;     // known only as UNKNOWN
    QString body;            // the body plan its sources declare ("winged"); empty: none
};

// The English type words of a stored type label ("TYPE:   EMBER   /   GALE").
QStringList TypeWords(QStringView typeLabel);

// Derives the traits of all 251 species. Evolution slots that point outside the species
// table are ignored rather than trusted.
std::vector<SpeciesTraits> DeriveTraits(const Database& db);

}  // namespace zentaloger::art
