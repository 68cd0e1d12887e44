#include "database/tests/fuzz_entry.h"

#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>
#include <tuple>

#include "database/database.h"
#include "database/tests/resource_edit.h"

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
        testing::FieldEdits edits;
        for (int s = 0; s < kSpeciesCount; ++s) {
            edits.push_back({testing::SpeciesFieldNo(s, 19), QStringLiteral("Т")});
            edits.push_back({testing::SpeciesFieldNo(s, 20), QStringLiteral("T")});
        }
        for (int m = 0; m < kMoveCount; ++m) {
            edits.push_back({testing::MoveFieldNo(m, 5), QStringLiteral("Д")});
            edits.push_back({testing::MoveFieldNo(m, 6), QStringLiteral("D")});
        }
        return testing::WithFields(edits);
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

// Works on a copy of the valid resource; a loaded copy costs less than the load itself.
QByteArray ApplyEdits(Input& in) {
    QByteArray bytes = ValidResource();
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
                const qsizetype begin =
                    testing::FieldStart(bytes, static_cast<int>(position % kFieldCount) + 1);
                const qsizetype end = bytes.indexOf('\0', begin);
                const QByteArray text = in.Bytes(n);
                if (begin >= 0) {
                    bytes.replace(begin, (end < 0 ? bytes.size() : end) - begin, text);
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

// Whether two loads filled every table alike, entry by entry.
bool SameTables(const Database& a, const Database& b) {
    const auto move = [](const MoveRecord& r) {
        return std::tie(r.moveName, r.moveType, r.moveDescription, r.movePower, r.moveAccuracy,
                        r.movePowerPoints);
    };
    const auto species = [](const SpeciesRecord& r) {
        return std::tie(r.statLevel, r.typeLabel, r.heightLabel, r.weightLabel, r.description,
                        r.editionInfo, r.evolutionFrom, r.evolutionTo, r.evolutionCondition,
                        r.evolutionHold, r.levelMoveMove, r.levelMoveLevel, r.tmLabel, r.tmMove,
                        r.hmLabel, r.hmMove);
    };
    return a.listLabel == b.listLabel &&
           std::equal(a.moves.begin(), a.moves.end(), b.moves.begin(),
                      [&](const auto& x, const auto& y) { return move(x) == move(y); }) &&
           std::equal(a.species.begin(), a.species.end(), b.species.begin(),
                      [&](const auto& x, const auto& y) { return species(x) == species(y); });
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
        const auto taught = [&db](const auto& machines) {
            for (Number move : machines) {
                if (move >= 0)
                    (void)db.moves.at(move).moveType;
            }
        };
        taught(r.tmMove);
        taught(r.hmMove);
        const int last = r.editionInfo.at(6).toInt();
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
// every load cost more than the load itself.
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
    const QByteArray bytes = edited ? ApplyEdits(in) : raw;
    const Outcome first = LoadOnce(bytes, tables[0]);
    const Outcome second = LoadOnce(bytes, tables[1]);
    if (first.result != second.result || first.detail != second.detail ||
        (first.result == Outcome::Result::Passed && !SameTables(tables[0], tables[1]))) {
        return {Outcome::Result::Broken, QStringLiteral("two loads of the same bytes differ: ") +
                                             first.detail + QStringLiteral(" / ") + second.detail};
    }
    return {first.result, first.detail};
}

}  // namespace zentaloger::fuzz
