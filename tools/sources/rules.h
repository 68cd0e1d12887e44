#pragma once
// The text conventions of the database, shared by the compiler, the dumper and the checker:
// which characters may occur, how names are spelled, and how heights and weights are written
// in each language.

#include <QString>
#include <QStringList>
#include <optional>

#include "database/editions.h"

namespace zentaloger::rules {

inline const QString kTypeJoin = QStringLiteral("   /   ");
inline const QString kWordGap = QStringLiteral("   ");

// The names a species' edition entries may hold: the viewer's editions, or the unknown one
// alone.
inline const QStringList kEditionNames = [] {
    QStringList names;
    for (const Edition& edition : kEditions) {
        names << QString::fromUtf16(edition.name);
    }
    return names;
}();
inline const QString kUnknownEdition = QString::fromUtf16(zentaloger::kUnknownEdition.name);

inline constexpr int kSpeciesNameMax = 11;
inline constexpr int kListLabelMax = 17;
inline constexpr int kMoveNameMin[2] = {2, 3};  // Russian, English
inline constexpr int kMoveNameMax[2] = {23, 16};
inline constexpr int kMoveDescriptionMin[2] = {12, 10};
inline constexpr int kMoveDescriptionMax[2] = {95, 87};
inline constexpr int kSpeciesDescriptionMin[2] = {59, 81};
inline constexpr int kSpeciesDescriptionMax[2] = {283, 111};
inline constexpr int kPowerMax = 250;
inline constexpr int kLevelMax = 99;
inline constexpr int kPowerPointValues[] = {0, 1, 5, 10, 15, 20, 25, 30, 35, 40};

bool IsAllowedCharacter(QChar c);
// The first character outside the database's character set, described for a message
// ("'?' (U+003F)", "'😀' (U+1F600)"), or nothing.
std::optional<QString> FirstDisallowedCharacter(const QString& text);
// `text` in double quotes for a message, cut after kQuotedMax characters with "...", so that
// a diagnostic stays one readable line whatever the value's length.
inline constexpr int kQuotedMax = 40;
QString QuoteForMessage(const QString& text);
bool HasLowerCase(const QString& text);
// No leading, trailing or doubled spaces.
bool HasSingleSpaces(const QString& text);
bool IsPowerPointValue(int pp);

// "EMBER SPIT" <-> "EMBER   SPIT": stored move names and holds' word gaps.
QString StoredMoveName(const QString& written);
QString WrittenMoveName(const QString& stored);

QString HeightText(int centimetres, int language);
QString WeightText(int grams, int language);
std::optional<int> CentimetresOfRussianHeight(const QString& text);
std::optional<int> GramsOfRussianWeight(const QString& text);
// Tenths of a pound, rounded to the nearest; 0 means the weight cannot be written in pounds.
qint64 TenthsOfPound(int grams);

QString ListLabel(int number, const QString& name);

// Condition of an evolution step: "level N" / "friendship" / "trade" / "" as written in the
// sources, and its two stored texts.
struct Condition {
    QString ru;
    QString en;
};
std::optional<Condition> ConditionTexts(const QString& written);
std::optional<QString> WrittenCondition(const QString& storedEnglish);

}  // namespace zentaloger::rules
