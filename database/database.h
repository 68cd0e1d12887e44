#pragma once
// The Database: the read-only tables that the loader fills once from the database resource.
//
//   resource bytes (Windows-1251, NUL-separated, 51,195 fields)
//       -> LoadDatabase -> Database { moves[250], species[251], listLabel[251][2][3] }
//       -> ViewState (language, listOrder, topRow, selectedRow) -> the window
//
// Text entries are views into one block of UTF-16 text owned by the Database, so a load makes
// a single allocation for all text. Entries of the prefixed tables (moveType, typeLabel,
// heightLabel, weightLabel) hold the caption in front of the stored field, exactly as shown.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace zentaloger {

inline constexpr int kMoveCount = 250;
inline constexpr int kSpeciesCount = 251;
// The languages and the list's orders, numbered as the resource stores their columns.
enum class Language { Russian, English };
enum class Order { Numerical, Evolutionary, Alphabetical };
inline constexpr int kLanguageCount = 2;
inline constexpr int kOrderCount = 3;
constexpr int Index(Language language) {
    return static_cast<int>(language);
}
constexpr int Index(Order order) {
    return static_cast<int>(order);
}
inline constexpr int kStatCount = 6;
inline constexpr int kEditionEntries = 7;  // entries 0..5 names, entry 6 last used index
inline constexpr int kEvolutionSlots = 5;
inline constexpr int kLevelMoveSlots = 12;
inline constexpr int kTmSlots = 50;
inline constexpr int kHmSlots = 7;

inline constexpr int kMoveFields = 9;
inline constexpr int kSpeciesFields = 195;
inline constexpr int kMoveFieldsTotal = kMoveCount * kMoveFields;                      // 2,250
inline constexpr int kFieldCount = kMoveFieldsTotal + kSpeciesCount * kSpeciesFields;  // 51,195

using Text = QStringView;
using Number = std::int32_t;
// A table by language or by order: indexed by the enum, or by the column number in loops
// over all of them.
template <typename T, typename Key, int kCount>
struct Per : std::array<T, kCount> {
    using std::array<T, kCount>::operator[];
    T& operator[](Key key) { return (*this)[static_cast<std::size_t>(key)]; }
    const T& operator[](Key key) const { return (*this)[static_cast<std::size_t>(key)]; }
};
template <typename T>
using PerLanguage = Per<T, Language, kLanguageCount>;
template <typename T>
using PerOrder = Per<T, Order, kOrderCount>;

struct MoveRecord {
    PerLanguage<Text> moveName;
    PerLanguage<Text> moveType;  // "ТИП:   " / "TYPE:   " + type word
    PerLanguage<Text> moveDescription;
    Number movePower = 0;
    Number moveAccuracy = 0;
    Number movePowerPoints = 0;
};

struct SpeciesRecord {
    std::array<Number, kStatCount> statLevel{};  // hit points, attack, defence, sp. attack,
                                                 // sp. defence, speed
    PerLanguage<Text> typeLabel;                 // "ТИП:   " / "TYPE:   " + type
    PerLanguage<Text> heightLabel;               // "РОСТ:   " / "HEIGHT:   " + height
    PerLanguage<Text> weightLabel;               // "ВЕС:   " / "WEIGHT:   " + weight
    PerLanguage<Text> description;
    std::array<Text, kEditionEntries> editionInfo;
    // A slot is in use when evolutionFrom >= 0, levelMoveLevel >= 0, tmMove >= 0, hmMove >= 0.
    std::array<Number, kEvolutionSlots> evolutionFrom{};
    std::array<Number, kEvolutionSlots> evolutionTo{};
    std::array<PerLanguage<Text>, kEvolutionSlots> evolutionCondition;
    std::array<PerLanguage<Text>, kEvolutionSlots> evolutionHold;
    std::array<Number, kLevelMoveSlots> levelMoveMove{};
    std::array<Number, kLevelMoveSlots> levelMoveLevel{};
    std::array<Text, kTmSlots> tmLabel;
    std::array<Number, kTmSlots> tmMove{};
    std::array<Text, kHmSlots> hmLabel;
    std::array<Number, kHmSlots> hmMove{};
};

struct Database {
    std::array<MoveRecord, kMoveCount> moves;          // by move index 0..249
    std::array<SpeciesRecord, kSpeciesCount> species;  // by species index 0..250
    // listLabel[row][language][order]: "NNN - NAME"; the species of a row is NNN - 1.
    std::array<PerLanguage<PerOrder<Text>>, kSpeciesCount> listLabel;

    Database() = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Storage behind every Text above; it never moves once the load has filled it.
    std::unique_ptr<char16_t[]> textStorage;
    qsizetype textCapacity = 0;  // characters in textStorage
};

// The one error type of the loader: what went wrong and where.
class DatabaseError : public std::runtime_error {
  public:
    enum class Kind {
        InvalidArgument,   // the field cutter found no NUL where a field must end
        TypeMismatch,      // a Number field that is empty or not a decimal integer
        Overflow,          // a Number field outside the 32-bit signed range
        InvalidReference,  // a well-formed value that the readers would index out of range
    };

    // field: 1-based field number; byteOffset: 0-based offset of the field's first byte in
    // the resource, or -1 when not known.
    DatabaseError(Kind kind, int field, qsizetype byteOffset, const QString& detail);

    Kind kind() const { return kind_; }
    int field() const { return field_; }
    qsizetype byteOffset() const { return byteOffset_; }
    const QString& detail() const { return detail_; }

    static const char* kindName(Kind kind);

  private:
    Kind kind_;
    int field_;
    qsizetype byteOffset_;
    QString detail_;
};

// Reads exactly 51,195 fields from `bytes` and fills every table; throws DatabaseError.
// Bytes after the NUL that ends field 51,195 are never read.
std::unique_ptr<Database> LoadDatabase(const QByteArray& bytes);

// The same load into an existing Database, for a caller that loads many resources in turn: its
// text storage is kept when it is large enough, so a load allocates nothing. Every Text of an
// earlier load is invalid afterwards; after a DatabaseError the tables are partly filled and
// must not be read.
void LoadDatabase(const QByteArray& bytes, Database& db);

// The species number (1..251 in valid data) of a list label: its first three characters.
int SpeciesNumberOfLabel(QStringView label);

}  // namespace zentaloger
