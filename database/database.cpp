#include "database/database.h"

#include <cstring>

#include "database/codec.h"
#include "database/layout.h"

namespace zentaloger {

QString GroupThousands(qint64 n) {
    QString digits = QString::number(n < 0 ? -n : n);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) {
        digits.insert(i, QLatin1Char(','));
    }
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

namespace {

QString DescribeLocation(int field, qsizetype byteOffset) {
    QString where = QStringLiteral("field ") + GroupThousands(field);
    if (byteOffset >= 0) {
        where += QStringLiteral(" (byte ") + GroupThousands(byteOffset) + QLatin1Char(')');
    }
    return where;
}

// Cuts the resource into fields: each field is the text between the NUL at the running
// position and the next NUL, and the search always starts at the running position, so the
// whole load is one pass over the bytes.
class FieldCutter {
  public:
    explicit FieldCutter(const QByteArray& bytes) : data_(bytes.constData()), size_(bytes.size()) {
        if (size_ == 0 || data_[0] != '\0') {
            throw DatabaseError(DatabaseError::Kind::InvalidArgument, 1, 0,
                                QStringLiteral("the resource does not begin with a NUL byte"));
        }
    }

    // Starts the next field and returns the offset of its first byte.
    qsizetype Begin() {
        ++field_;
        return position_ + 1;
    }

    // Ends the current field at the NUL at offset `nul`, the new running position.
    void End(qsizetype nul) { position_ = nul; }

    [[noreturn]] void ThrowNoNul(qsizetype begin) const {
        throw DatabaseError(DatabaseError::Kind::InvalidArgument, field_, begin,
                            QStringLiteral("no NUL byte ends this field; the resource "
                                           "ends after %1 complete fields")
                                .arg(GroupThousands(field_ - 1)));
    }

    // The next field as [begin, end) byte offsets. Fields are short, so a plain scan beats a
    // library search that pays its set-up cost on every field.
    std::pair<qsizetype, qsizetype> Next() {
        const qsizetype begin = Begin();
        qsizetype p = begin;
        while (p < size_ && data_[p] != '\0') {
            ++p;
        }
        if (p >= size_) {
            ThrowNoNul(begin);
        }
        End(p);
        return {begin, p};
    }

    qsizetype size() const { return size_; }
    int field() const { return field_; }
    const char* data() const { return data_; }

  private:
    const char* data_;
    qsizetype size_;
    qsizetype position_ = 0;
    int field_ = 0;
};

QString QuoteForMessage(const char* data, qsizetype length) {
    constexpr qsizetype kShown = 40;
    QString text = cp1251::DecodeBytes(QByteArray(data, std::min(length, kShown)));
    if (length > kShown) {
        text += QStringLiteral("...");
    }
    return QLatin1Char('"') + text + QLatin1Char('"');
}

class Reader {
  public:
    Reader(const QByteArray& bytes, Database& db) : cutter_(bytes), db_(db) {
        // Every field decodes to as many characters as it has bytes; the prefixes are added
        // once per prefixed entry. Neither can exceed this bound.
        const qsizetype capacity = bytes.size() + kPrefixedEntriesMax * kLongestPrefix;
        if (db_.textCapacity < capacity) {
            db_.textStorage.reset();  // the old block goes before the new one is taken
            db_.textStorage = std::make_unique_for_overwrite<char16_t[]>(capacity);
            db_.textCapacity = capacity;
        }
        out_ = db_.textStorage.get();
    }

    Text TextField() { return PrefixedField(QStringView()); }

    Text PrefixedField(QStringView prefix) {
        const qsizetype begin = cutter_.Begin();
        char16_t* const start = out_;
        // An empty prefix has no storage to copy from, and memcpy must not see a null source.
        if (!prefix.isEmpty()) {
            std::memcpy(out_, prefix.utf16(), prefix.size() * sizeof(char16_t));
            out_ += prefix.size();
        }
        // Find the field's NUL and decode on the way, in one pass over its bytes.
        const auto* const bytes = reinterpret_cast<const unsigned char*>(cutter_.data());
        const unsigned char* b = bytes + begin;
        const unsigned char* const limit = bytes + cutter_.size();
        while (b < limit && *b != 0) {
            *out_++ = cp1251::Decode(*b++);
        }
        if (b >= limit) {
            cutter_.ThrowNoNul(begin);
        }
        cutter_.End(b - bytes);
        return Text(start, out_ - start);
    }

    Number NumberField() {
        const auto [begin, end] = cutter_.Next();
        const char* b = cutter_.data() + begin;
        const char* const e = cutter_.data() + end;
        const int field = cutter_.field();
        if (b == e) {
            throw DatabaseError(DatabaseError::Kind::TypeMismatch, field, begin,
                                QStringLiteral("an empty field is not a number"));
        }
        const bool negative = *b == '-';
        const char* digits = negative ? b + 1 : b;
        if (digits == e) {
            throw DatabaseError(DatabaseError::Kind::TypeMismatch, field, begin,
                                QuoteForMessage(b, e - b) + QStringLiteral(" is not a number"));
        }
        qint64 value = 0;
        bool overflow = false;
        for (const char* d = digits; d != e; ++d) {
            if (*d < '0' || *d > '9') {
                throw DatabaseError(DatabaseError::Kind::TypeMismatch, field, begin,
                                    QuoteForMessage(b, e - b) + QStringLiteral(" is not a number"));
            }
            if (!overflow) {
                value = value * 10 + (*d - '0');
                overflow = value > qint64{1} << 31;
            }
        }
        if (negative) {
            value = -value;
        }
        if (overflow || value > INT32_MAX || value < INT32_MIN) {
            throw DatabaseError(
                DatabaseError::Kind::Overflow, field, begin,
                QuoteForMessage(b, e - b) +
                    QStringLiteral(" lies outside -2,147,483,648 to 2,147,483,647"));
        }
        return static_cast<Number>(value);
    }

  private:
    FieldCutter cutter_;
    Database& db_;
    char16_t* out_ = nullptr;
};

}  // namespace

DatabaseError::DatabaseError(Kind kind, int field, qsizetype byteOffset, const QString& detail)
    : std::runtime_error(QString(QStringLiteral("database: ") +
                                 DescribeLocation(field, byteOffset) + QStringLiteral(": ") +
                                 QLatin1String(kindName(kind)) + QStringLiteral(": ") + detail)
                             .toStdString()),
      kind_(kind),
      field_(field),
      byteOffset_(byteOffset),
      detail_(detail) {}

const char* DatabaseError::kindName(Kind kind) {
    switch (kind) {
        case Kind::InvalidArgument:
            return "invalid argument";
        case Kind::TypeMismatch:
            return "type mismatch";
        case Kind::Overflow:
            return "overflow";
        case Kind::InvalidReference:
            return "invalid reference";
    }
    return "error";
}

int SpeciesNumberOfLabel(QStringView label) {
    if (label.size() < 3) {
        return 0;
    }
    int number = 0;
    for (int i = 0; i < 3; ++i) {
        const char16_t c = label[i].unicode();
        if (c < u'0' || c > u'9') {
            return 0;
        }
        number = number * 10 + (c - u'0');
    }
    return number;
}

std::unique_ptr<Database> LoadDatabase(const QByteArray& bytes) {
    auto db = std::make_unique<Database>();
    LoadDatabase(bytes, *db);
    return db;
}

void LoadDatabase(const QByteArray& bytes, Database& db) {
    Reader in(bytes, db);

    for (MoveRecord& m : db.moves) {
        m.moveName[0] = in.TextField();
        m.moveName[1] = in.TextField();
        m.moveType[0] = in.PrefixedField(kTypePrefix[0]);
        m.moveType[1] = in.PrefixedField(kTypePrefix[1]);
        m.moveDescription[0] = in.TextField();
        m.moveDescription[1] = in.TextField();
        m.movePower = in.NumberField();
        m.moveAccuracy = in.NumberField();
        m.movePowerPoints = in.NumberField();
    }

    for (int s = 0; s < kSpeciesCount; ++s) {
        SpeciesRecord& r = db.species[s];
        for (Number& level : r.statLevel) {
            level = in.NumberField();
        }
        for (int order = 0; order < kOrderCount; ++order) {
            for (int language = 0; language < kLanguageCount; ++language) {
                db.listLabel[s][language][order] = in.TextField();
            }
        }
        for (int language = 0; language < kLanguageCount; ++language) {
            r.typeLabel[language] = in.PrefixedField(kTypePrefix[language]);
        }
        for (int language = 0; language < kLanguageCount; ++language) {
            r.heightLabel[language] = in.PrefixedField(kHeightPrefix[language]);
        }
        for (int language = 0; language < kLanguageCount; ++language) {
            r.weightLabel[language] = in.PrefixedField(kWeightPrefix[language]);
        }
        r.description[0] = in.TextField();
        r.description[1] = in.TextField();
        for (Text& entry : r.editionInfo) {
            entry = in.TextField();
        }
        for (int k = 0; k < kEvolutionSlots; ++k) {
            r.evolutionFrom[k] = in.NumberField();
            r.evolutionTo[k] = in.NumberField();
            r.evolutionCondition[k][0] = in.TextField();
            r.evolutionCondition[k][1] = in.TextField();
            r.evolutionHold[k][0] = in.TextField();
            r.evolutionHold[k][1] = in.TextField();
        }
        for (int k = 0; k < kLevelMoveSlots; ++k) {
            r.levelMoveMove[k] = in.NumberField();
            r.levelMoveLevel[k] = in.NumberField();
        }
        for (int k = 0; k < kTmSlots; ++k) {
            r.tmLabel[k] = in.TextField();
            r.tmMove[k] = in.NumberField();
        }
        for (int k = 0; k < kHmSlots; ++k) {
            r.hmLabel[k] = in.TextField();
            r.hmMove[k] = in.NumberField();
        }
    }

    ValidateReferences(db, bytes);
}

}  // namespace zentaloger
