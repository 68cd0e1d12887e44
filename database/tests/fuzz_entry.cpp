#include "fuzz_entry.h"

#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>

#include "database.h"
#include "testdata.h"

namespace zentaloger::fuzz {
namespace {

constexpr qsizetype kMaxResource = 1 << 20;

const QByteArray& ValidResource() {
    static const QByteArray bytes = testdata::TestDatabase();
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

// Offset and length of the text of field `field` (1-based), or {-1, 0} if it has none.
std::pair<qsizetype, qsizetype> FieldSpan(const QByteArray& bytes, int field) {
    qsizetype nul = bytes.indexOf('\0');
    for (int f = 1; f < field && nul >= 0; ++f) {
        nul = bytes.indexOf('\0', nul + 1);
    }
    if (nul < 0) {
        return {-1, 0};
    }
    const qsizetype end = bytes.indexOf('\0', nul + 1);
    return {nul + 1, (end < 0 ? bytes.size() : end) - nul - 1};
}

QByteArray ApplyEdits(Input& in) {
    QByteArray bytes = ValidResource();
    while (!in.done()) {
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

// A 64-bit FNV-1a digest of every table, to compare two loads.
class Digest {
  public:
    void Add(Text t) {
        for (QChar c : t) {
            Mix(c.unicode());
        }
        Mix(0x10000);  // end of text
    }
    void Add(Number n) { Mix(static_cast<std::uint32_t>(n) ^ 0x20000u); }
    std::uint64_t value() const { return h_; }

  private:
    void Mix(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h_ = (h_ ^ ((v >> (8 * i)) & 0xFF)) * 0x100000001B3ull;
        }
    }
    std::uint64_t h_ = 0xCBF29CE484222325ull;
};

std::uint64_t DigestOf(const Database& db) {
    Digest d;
    for (const MoveRecord& m : db.moves) {
        for (int l = 0; l < kLanguageCount; ++l) {
            d.Add(m.moveName[l]);
            d.Add(m.moveType[l]);
            d.Add(m.moveDescription[l]);
        }
        d.Add(m.movePower);
        d.Add(m.moveAccuracy);
        d.Add(m.movePowerPoints);
    }
    for (const SpeciesRecord& r : db.species) {
        for (Number n : r.statLevel)
            d.Add(n);
        for (int l = 0; l < kLanguageCount; ++l) {
            d.Add(r.typeLabel[l]);
            d.Add(r.heightLabel[l]);
            d.Add(r.weightLabel[l]);
            d.Add(r.description[l]);
        }
        for (Text t : r.editionInfo)
            d.Add(t);
        for (int k = 0; k < kEvolutionSlots; ++k) {
            d.Add(r.evolutionFrom[k]);
            d.Add(r.evolutionTo[k]);
            for (int l = 0; l < kLanguageCount; ++l) {
                d.Add(r.evolutionCondition[k][l]);
                d.Add(r.evolutionHold[k][l]);
            }
        }
        for (int k = 0; k < kLevelMoveSlots; ++k) {
            d.Add(r.levelMoveMove[k]);
            d.Add(r.levelMoveLevel[k]);
        }
        for (int k = 0; k < kTmSlots; ++k) {
            d.Add(r.tmLabel[k]);
            d.Add(r.tmMove[k]);
        }
        for (int k = 0; k < kHmSlots; ++k) {
            d.Add(r.hmLabel[k]);
            d.Add(r.hmMove[k]);
        }
    }
    for (const auto& row : db.listLabel) {
        for (const auto& language : row) {
            for (Text t : language)
                d.Add(t);
        }
    }
    return d.value();
}

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

struct Attempt {
    Outcome::Result result;
    QString detail;
    std::uint64_t digest = 0;
};

Attempt LoadOnce(const QByteArray& bytes) {
    try {
        const std::unique_ptr<Database> db = LoadDatabase(bytes);
        try {
            ReadLikeTheViewer(*db);
        } catch (const std::exception& e) {
            return {Outcome::Result::Broken,
                    QStringLiteral("loaded, but a reader would index out of range: ") + e.what()};
        }
        return {Outcome::Result::Loaded, QString(), DigestOf(*db)};
    } catch (const DatabaseError& e) {
        return {Outcome::Result::Rejected, QString::fromStdString(e.what())};
    } catch (const std::exception& e) {
        return {Outcome::Result::Broken,
                QStringLiteral("an exception other than DatabaseError: ") + e.what()};
    }
}

}  // namespace

QByteArray BuildResource(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    if (size == 0 || (in.Byte() & 1) == 0) {
        return size == 0 ? QByteArray()
                         : QByteArray(reinterpret_cast<const char*>(data) + 1,
                                      static_cast<qsizetype>(size - 1));
    }
    return ApplyEdits(in);
}

Outcome RunLoaderCase(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = BuildResource(data, size);
    const Attempt first = LoadOnce(bytes);
    const Attempt second = LoadOnce(QByteArray(bytes.constData(), bytes.size()));
    if (first.result != second.result || first.detail != second.detail ||
        first.digest != second.digest) {
        return {Outcome::Result::Broken, QStringLiteral("two loads of the same bytes differ: ") +
                                             first.detail + QStringLiteral(" / ") + second.detail};
    }
    return {first.result, first.detail};
}

}  // namespace zentaloger::fuzz
