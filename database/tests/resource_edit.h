#pragma once
// Helpers for tests that build database resources by editing the synthetic test database one
// field at a time. Field positions are computed here from the record sizes alone, not with
// the loader's own layout helpers, so that a mistake there cannot hide behind the same mistake
// in the expectations.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

#include "database/testdata/testdata.h"
#include "database/writer.h"

namespace zentaloger::testing {

inline constexpr int kFields = 51195;

// 1-based field number of field `k` (1-based) of move record m or species record s.
constexpr int MoveFieldNo(int m, int k) {
    return 9 * m + k;
}
constexpr int SpeciesFieldNo(int s, int k) {
    return 2250 + 195 * s + k;
}

// Field numbers of species s: a list label, an edition entry, and part `part` of an evolution
// slot (from, to, condition ru/en, hold ru/en), of a level slot (move, level) or of a TM or HM
// slot (label, move).
constexpr int ListLabelNo(int s, int language, int order) {
    return SpeciesFieldNo(s, 7 + 2 * order + language);
}
constexpr int EditionNo(int s, int entry) {
    return SpeciesFieldNo(s, 21 + entry);
}
constexpr int EvolutionNo(int s, int slot, int part) {
    return SpeciesFieldNo(s, 28 + 6 * slot + part);
}
constexpr int LevelNo(int s, int slot, int part) {
    return SpeciesFieldNo(s, 58 + 2 * slot + part);
}
constexpr int TmNo(int s, int slot, int part) {
    return SpeciesFieldNo(s, 82 + 2 * slot + part);
}
constexpr int HmNo(int s, int slot, int part) {
    return SpeciesFieldNo(s, 182 + 2 * slot + part);
}

// The fields of the synthetic database, generated once per test process.
inline const std::vector<QString>& ValidFields() {
    static const std::vector<QString> fields = testdata::TestDatabaseFields();
    return fields;
}

inline QString ValidField(int fieldNo) {
    return ValidFields()[fieldNo - 1];
}

using FieldEdits = std::vector<std::pair<int, QString>>;  // field number -> new text

inline QByteArray WithFields(const FieldEdits& edits) {
    std::vector<QString> fields = ValidFields();
    for (const auto& [fieldNo, text] : edits) {
        fields[fieldNo - 1] = text;
    }
    return EncodeResource(fields);
}

// 0-based offset of the first byte of field `fieldNo`: one past its fieldNo-th NUL.
inline qsizetype FieldStart(const QByteArray& bytes, int fieldNo) {
    int nuls = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0' && ++nuls == fieldNo) {
            return i + 1;
        }
    }
    return -1;
}

}  // namespace zentaloger::testing
