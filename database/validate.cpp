#include <array>
#include <cstring>

#include "database/layout.h"

namespace zentaloger {

qsizetype FieldByteOffset(const QByteArray& bytes, int field) {
    qsizetype position = 0;  // the NUL in front of field 1
    for (int f = 1; f < field; ++f) {
        const void* nul =
            std::memchr(bytes.constData() + position + 1, 0, bytes.size() - position - 1);
        if (!nul) {
            return -1;
        }
        position = static_cast<const char*>(nul) - bytes.constData();
    }
    return position + 1 < bytes.size() ? position + 1 : -1;
}

namespace {

const char* const kLanguageName[kLanguageCount] = {"Russian", "English"};
const char* const kOrderName[kOrderCount] = {"numerical", "evolutionary", "alphabetical"};

class Validator {
  public:
    Validator(const Database& db, const QByteArray& bytes) : db_(db), bytes_(bytes) {}

    void Run() {
        for (int s = 0; s < kSpeciesCount; ++s) {
            CheckSlots(s);
            CheckEditions(s);
        }
        for (int language = 0; language < kLanguageCount; ++language) {
            for (int order = 0; order < kOrderCount; ++order) {
                CheckOrder(language, order);
            }
        }
    }

  private:
    [[noreturn]] void Fail(int field, const QString& rule) const {
        throw DatabaseError(DatabaseError::Kind::InvalidReference, field,
                            FieldByteOffset(bytes_, field), rule);
    }

    static QString SpeciesName(int s) {
        return QStringLiteral("species %1").arg(s + 1, 3, 10, QLatin1Char('0'));
    }

    // Any slot's move, free or used: -1 marks a free one, anything else indexes the moves. A
    // free slot is checked too, as stepping through the entries with the keys lands on it.
    void CheckMoveIndex(int s, const char* slotKind, int slot, Number move, int field) const {
        if (move < -1 || move > kMoveCount - 1) {
            Fail(field, QStringLiteral("%1, %2 slot %3: move index %4 is %5")
                            .arg(SpeciesName(s), QLatin1String(slotKind))
                            .arg(slot)
                            .arg(move)
                            .arg(move < -1 ? QStringLiteral("below -1, the mark of a free slot")
                                           : QStringLiteral("above 249")));
        }
    }

    void CheckSlots(int s) const {
        const SpeciesRecord& r = db_.species[s];
        for (int k = 0; k < kEvolutionSlots; ++k) {
            if (r.evolutionFrom[k] < 0) {
                continue;
            }
            if (r.evolutionFrom[k] > kSpeciesCount - 1) {
                Fail(EvolutionFromField(s, k),
                     QStringLiteral("%1, evolution slot %2: species index %3 is above 250")
                         .arg(SpeciesName(s))
                         .arg(k)
                         .arg(r.evolutionFrom[k]));
            }
            if (r.evolutionTo[k] < 0 || r.evolutionTo[k] > kSpeciesCount - 1) {
                Fail(EvolutionToField(s, k),
                     QStringLiteral("%1, evolution slot %2 is in use, so its target must be a "
                                    "species index 0 to 250, not %3")
                         .arg(SpeciesName(s))
                         .arg(k)
                         .arg(r.evolutionTo[k]));
            }
        }
        for (int k = 0; k < kLevelMoveSlots; ++k) {
            CheckMoveIndex(s, "level", k, r.levelMoveMove[k], LevelMoveField(s, k));
            if (r.levelMoveLevel[k] >= 0 && r.levelMoveMove[k] < 0) {
                Fail(LevelMoveField(s, k),
                     QStringLiteral("%1, level slot %2 has level %3, so its move must be a "
                                    "move index 0 to 249, not %4")
                         .arg(SpeciesName(s))
                         .arg(k)
                         .arg(r.levelMoveLevel[k])
                         .arg(r.levelMoveMove[k]));
            }
        }
        for (int k = 0; k < kTmSlots; ++k) {
            CheckMoveIndex(s, "TM", k, r.tmMove[k], TmMoveField(s, k));
        }
        for (int k = 0; k < kHmSlots; ++k) {
            CheckMoveIndex(s, "HM", k, r.hmMove[k], HmMoveField(s, k));
        }
    }

    // The edition marks are placed relative to entry 6, so it must name the last used entry,
    // and the used entries come first: the card places each mark counting back from entry 6,
    // so after a gap one mark would keep the colour of the species shown before.
    void CheckEditions(int s) const {
        const SpeciesRecord& r = db_.species[s];
        int last = -1;
        for (int i = 0; i < kEditionEntries - 1; ++i) {
            if (r.editionInfo[i].isEmpty()) {
                continue;
            }
            if (last != i - 1) {
                Fail(EditionField(s, i),
                     QStringLiteral("%1: edition entry %2 is used after the empty entry %3; the "
                                    "used entries must come first")
                         .arg(SpeciesName(s))
                         .arg(i)
                         .arg(last + 1));
            }
            last = i;
        }
        const Text entry6 = r.editionInfo[kEditionEntries - 1];
        if (last < 0) {
            Fail(EditionField(s, 0),
                 QStringLiteral("%1 lists no edition; entry 0 must be used").arg(SpeciesName(s)));
        }
        if (entry6.size() != 1 || entry6[0] != QChar(u'0' + last)) {
            Fail(EditionField(s, kEditionEntries - 1),
                 QStringLiteral("%1: edition entry 6 is \"%2\" but the last used entry is %3")
                     .arg(SpeciesName(s), entry6.toString(), QString::number(last)));
        }
    }

    void CheckOrder(int language, int order) const {
        std::array<int, kSpeciesCount + 1> rowOf;
        rowOf.fill(-1);
        for (int row = 0; row < kSpeciesCount; ++row) {
            const Text label = db_.listLabel[row][language][order];
            const int number = SpeciesNumberOfLabel(label);
            const int field = ListLabelField(row, language, order);
            if (number < 1 || number > kSpeciesCount) {
                Fail(field, QStringLiteral("the %1 %2 label of row %3, \"%4\", does not begin "
                                           "with a species number 001 to 251")
                                .arg(QLatin1String(kOrderName[order]),
                                     QLatin1String(kLanguageName[language]))
                                .arg(row + 1)
                                .arg(label.toString()));
            }
            if (rowOf[number] >= 0) {
                Fail(field, QStringLiteral("species %1 stands on rows %2 and %3 of the %4 "
                                           "%5 order; each must stand on exactly one")
                                .arg(number, 3, 10, QLatin1Char('0'))
                                .arg(rowOf[number] + 1)
                                .arg(row + 1)
                                .arg(QLatin1String(kOrderName[order]),
                                     QLatin1String(kLanguageName[language])));
            }
            rowOf[number] = row;
        }
        // 251 labels with numbers in 1..251 and no number twice: every species is present.
    }

    const Database& db_;
    const QByteArray& bytes_;
};

}  // namespace

void ValidateReferences(const Database& db, const QByteArray& bytes) {
    Validator(db, bytes).Run();
}

}  // namespace zentaloger
