#include "database/tests/fuzz_entry.h"

#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <stdexcept>

#include "database/database.h"
#include "database/testdata/testdata.h"
#include "database/writer.h"

namespace zentaloger::fuzz {
namespace {

constexpr qsizetype kMaxResource = 1 << 20;
// Each edit may move the whole resource; beyond this many, an input would only be slow.
constexpr int kMaxEdits = 32;

// The valid database the edits start from. Its free texts (the descriptions) are cut to one
// letter (species fields 19 and 20, move fields 5 and 6): every load decodes the whole resource
// twice, and long texts only made each execution slower without reaching any other code.
const QByteArray& ValidResource() {
    static const QByteArray bytes = [] {
        std::vector<QString> fields = testdata::TestDatabaseFields();
        for (int s = 0; s < kSpeciesCount; ++s) {
            fields[testdata::SpeciesFieldIndex(s, 19)] = QStringLiteral("Т");
            fields[testdata::SpeciesFieldIndex(s, 20)] = QStringLiteral("T");
        }
        for (int m = 0; m < kMoveCount; ++m) {
            fields[testdata::MoveFieldIndex(m, 5)] = QStringLiteral("Д");
            fields[testdata::MoveFieldIndex(m, 6)] = QStringLiteral("D");
        }
        return EncodeResource(fields);
    }();
    return bytes;
}

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t Position() {
        std::uint32_t p = Byte();
        p = (p << 8) | Byte();
        return (p << 8) | Byte();
    }
    QByteArray Bytes(std::size_t n) {
        QByteArray b;
        while (n-- > 0) {
            b.append(static_cast<char>(Byte()));
        }
        return b;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Offset and length of the text of field `field` (1-based), or {-1, 0} if it has none. One
// plain pass over the bytes: a library search per field paid the sanitizer's range check on
// every call, tens of thousands of times an edit.
std::pair<qsizetype, qsizetype> FieldSpan(const QByteArray& bytes, int field) {
    const char* const data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype nul = 0;
    for (int nuls = 0; nul < size; ++nul) {
        if (data[nul] == '\0' && ++nuls == field) {
            break;
        }
    }
    if (nul >= size) {
        return {-1, 0};
    }
    qsizetype end = nul + 1;
    while (end < size && data[end] != '\0') {
        ++end;
    }
    return {nul + 1, end - nul - 1};
}

// The edits work in one buffer kept from input to input, large enough for any edited resource,
// so that an execution neither allocates nor copies more than the valid resource's bytes.
const QByteArray& ApplyEdits(Input& in) {
    static QByteArray bytes = [] {
        QByteArray b;
        b.reserve(kMaxResource + 256);  // the cap, plus the one insert that may pass it
        return b;
    }();
    bytes.resize(0);
    bytes.append(QByteArrayView(ValidResource()));
    for (int edit = 0; edit < kMaxEdits && !in.done(); ++edit) {
        const int op = in.Byte() % 5;
        const std::uint32_t position = in.Position();
        const std::size_t n = in.Byte();
        const qsizetype at = position % (bytes.size() + 1);
        switch (op) {
            case 0: {
                const QByteArray payload = in.Bytes(n);
                bytes.replace(at, std::min(payload.size(), bytes.size() - at), payload);
                break;
            }
            case 1:
                bytes.insert(at, in.Bytes(n));
                break;
            case 2:
                bytes.remove(at, static_cast<qsizetype>(n));
                break;
            case 3: {
                const auto [begin, length] =
                    FieldSpan(bytes, static_cast<int>(position % kFieldCount) + 1);
                const QByteArray text = in.Bytes(n);
                if (begin >= 0) {
                    bytes.replace(begin, length, text);
                }
                break;
            }
            case 4:
                bytes.truncate(at);
                break;
        }
        if (bytes.size() > kMaxResource) {
            bytes.truncate(kMaxResource);
        }
    }
    return bytes;
}

// Whether two loads filled every table alike. The entries are compared in place rather than
// through a digest: hashing the 250,000 characters of a load cost more than loading them.
class SameTables {
  public:
    bool operator()(const Database& a, const Database& b) {
        for (int m = 0; m < kMoveCount; ++m) {
            const MoveRecord& x = a.moves[m];
            const MoveRecord& y = b.moves[m];
            Same(x.moveName, y.moveName);
            Same(x.moveType, y.moveType);
            Same(x.moveDescription, y.moveDescription);
            Same(x.movePower, y.movePower);
            Same(x.moveAccuracy, y.moveAccuracy);
            Same(x.movePowerPoints, y.movePowerPoints);
        }
        for (int s = 0; s < kSpeciesCount; ++s) {
            const SpeciesRecord& x = a.species[s];
            const SpeciesRecord& y = b.species[s];
            Same(x.statLevel, y.statLevel);
            Same(x.typeLabel, y.typeLabel);
            Same(x.heightLabel, y.heightLabel);
            Same(x.weightLabel, y.weightLabel);
            Same(x.description, y.description);
            Same(x.editionInfo, y.editionInfo);
            Same(x.evolutionFrom, y.evolutionFrom);
            Same(x.evolutionTo, y.evolutionTo);
            for (int k = 0; k < kEvolutionSlots; ++k) {
                Same(x.evolutionCondition[k], y.evolutionCondition[k]);
                Same(x.evolutionHold[k], y.evolutionHold[k]);
            }
            Same(x.levelMoveMove, y.levelMoveMove);
            Same(x.levelMoveLevel, y.levelMoveLevel);
            Same(x.tmLabel, y.tmLabel);
            Same(x.tmMove, y.tmMove);
            Same(x.hmLabel, y.hmLabel);
            Same(x.hmMove, y.hmMove);
            for (int l = 0; l < kLanguageCount; ++l) {
                Same(a.listLabel[s][l], b.listLabel[s][l]);
            }
        }
        return same_;
    }

  private:
    void Same(Number x, Number y) { same_ = same_ && x == y; }
    void Same(Text x, Text y) { same_ = same_ && x == y; }
    template <typename T, std::size_t N>
    void Same(const std::array<T, N>& x, const std::array<T, N>& y) {
        for (std::size_t i = 0; i < N; ++i) {
            Same(x[i], y[i]);
        }
    }

    bool same_ = true;
};

// Follows every reference the way the window and the pages do, with checked indexing, so a
// value that passed the loader but points outside a table throws std::out_of_range.
void ReadLikeTheViewer(const Database& db) {
    for (const SpeciesRecord& r : db.species) {
        for (int k = 0; k < kEvolutionSlots && r.evolutionFrom[k] >= 0; ++k) {
            (void)db.listLabel.at(r.evolutionFrom[k]).at(0).at(0);
            (void)db.listLabel.at(r.evolutionTo.at(k)).at(1).at(0);
        }
        for (int k = 0; k < kLevelMoveSlots; ++k) {
            if (r.levelMoveLevel[k] >= 0) {
                (void)db.moves.at(r.levelMoveMove[k]).moveName;
            }
        }
        for (Number move : r.tmMove) {
            if (move >= 0)
                (void)db.moves.at(move).moveType;
        }
        for (Number move : r.hmMove) {
            if (move >= 0)
                (void)db.moves.at(move).moveType;
        }
        const int last = r.editionInfo.at(6).toInt();
        for (int i = 0; i <= last; ++i) {
            (void)r.editionInfo.at(i);
        }
        if (last < 0 || last > 5) {
            throw std::out_of_range("edition entry 6 outside 0 to 5");
        }
    }
    for (int language = 0; language < kLanguageCount; ++language) {
        for (int order = 0; order < kOrderCount; ++order) {
            std::array<bool, kSpeciesCount> seen{};
            for (int row = 0; row < kSpeciesCount; ++row) {
                const int number = SpeciesNumberOfLabel(db.listLabel[row][language][order]);
                if (seen.at(number - 1)) {
                    throw std::out_of_range("a species number on two rows");
                }
                seen[number - 1] = true;
            }
        }
    }
}

// Loads into `db`, which is kept between executions: a fresh Database and text block for
// every load cost more than the load itself, the allocator mapping and the kernel zeroing
// each of them anew.
Outcome LoadOnce(const QByteArray& bytes, Database& db) {
    try {
        LoadDatabase(bytes, db);
        try {
            ReadLikeTheViewer(db);
        } catch (const std::exception& e) {
            return {Outcome::Result::Broken,
                    QStringLiteral("loaded, but a reader would index out of range: ") + e.what()};
        }
        return {Outcome::Result::Passed, QString()};
    } catch (const DatabaseError& e) {
        return {Outcome::Result::Refused, QString::fromStdString(e.what())};
    } catch (const std::exception& e) {
        return {Outcome::Result::Broken,
                QStringLiteral("an exception other than DatabaseError: ") + e.what()};
    }
}

}  // namespace

Outcome RunLoaderCase(const std::uint8_t* data, std::size_t size) {
    static Database tables[2];
    Input in(data, size);
    const bool edited = size > 0 && (in.Byte() & 1) == 1;
    // A raw resource is read in place, so that a read past its last byte is one past the
    // fuzzer's own exact-sized buffer, which the address sanitizer reports.
    const QByteArray raw = size == 0
                               ? QByteArray()
                               : QByteArray::fromRawData(reinterpret_cast<const char*>(data) + 1,
                                                         static_cast<qsizetype>(size - 1));
    const QByteArray& bytes = edited ? ApplyEdits(in) : raw;
    const Outcome first = LoadOnce(bytes, tables[0]);
    const Outcome second = LoadOnce(bytes, tables[1]);
    if (first.result != second.result || first.detail != second.detail ||
        (first.result == Outcome::Result::Passed && !SameTables()(tables[0], tables[1]))) {
        return {Outcome::Result::Broken, QStringLiteral("two loads of the same bytes differ: ") +
                                             first.detail + QStringLiteral(" / ") + second.detail};
    }
    return {first.result, first.detail};
}

}  // namespace zentaloger::fuzz
