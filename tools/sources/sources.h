#pragma once
// The human-editable database sources (resources/database/*.toml, UTF-8) as a model: read
// from files with every error reported by file and line, written back to files by `dump`.
// Layout of the folder and the meaning of each key: resources/database/FORMAT.md.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <vector>

namespace zentaloger::sources {

struct Diagnostic {
    QString file;  // relative to the sources folder, e.g. "species/017.toml"; empty: the folder
    int line = 0;  // 1-based; 0 when the error belongs to no line
    QString message;
    QString ToString() const;  // "species/017.toml:12: level move \"EMBERS\" names no move"
    // With the folder in front: "resources/database/species/017.toml:12: ...".
    QString InFolder(const QString& folder) const;
};

// The body plans a species is built on, in the order FORMAT.md lists them. A species declares
// one (`body`), a move may name those that can perform it (`bodies`); only the sources hold
// them (the resource has no field for either), so a dump writes none.
inline const QStringList kBodyPlans = {QStringLiteral("pawed"),      QStringLiteral("hoofed"),
                                       QStringLiteral("upright"),    QStringLiteral("winged"),
                                       QStringLiteral("finned"),     QStringLiteral("limbless"),
                                       QStringLiteral("manylegged"), QStringLiteral("rooted"),
                                       QStringLiteral("floating"),   QStringLiteral("shelled")};

struct LocalText {  // one text in both languages
    QString ru;
    QString en;
    const QString& operator[](int language) const { return language == 0 ? ru : en; }
};

struct Where {
    QString file;
    int line = 0;
};

struct TypeWord {
    QString en;
    QString ru;
    Where where;
};

struct MoveSource {
    LocalText name;  // single spaces, as written; stored with three blanks per space
    QString type;    // English type word
    int power = 0;
    int accuracy = 0;
    int pp = 0;
    LocalText description;
    // What the move does beyond its numbers, as a short class ("lowers attack"), empty for a
    // plain blow. A class beginning "but " names a price its user pays. Only the sources hold
    // it (the resource has no field for it), so a dump has none.
    QString effect;
    QStringList bodies;  // the plans that can perform it, in written order; empty: any body
    Where where;
};

struct LevelMove {
    int level = 0;
    QString move;  // English move name, single spaces
    Where where;
};

struct SpeciesSource {
    int number = 0;  // 1..251, from the file name
    LocalText name;
    QStringList types;  // English type words, one or two
    QString body;       // one of kBodyPlans; empty while not yet declared
    int heightCm = 0;
    int weightG = 0;
    std::array<int, 6> stats{};
    QStringList editions;
    LocalText description;
    std::vector<LevelMove> levelMoves;
    std::vector<int> tm;  // machine numbers in written order
    std::vector<int> hm;
    Where where;                         // the file; line 1
    std::array<Where, 2> machinesWhere;  // the tm and hm lists (the file when absent)
    Where typesWhere;
    std::array<Where, 2> nameWhere;  // Russian, English
};

struct StepSource {
    int from = 0;  // species numbers
    int to = 0;
    QString condition;  // "level N", "friendship", "trade" or empty
    LocalText hold;     // may be empty in both languages
    Where where;
};

struct FamilySource {
    std::vector<StepSource> steps;
    Where where;
};

struct SourceSet {
    std::vector<TypeWord> types;
    std::vector<MoveSource> moves;  // in the order read; the compiler sorts them
    std::map<int, QString> tm;      // machine number -> English move name
    std::map<int, QString> hm;
    // The lines of machines.toml that write "TM5", "HM2", ... and the [tm] and [hm] tables
    // ("TM", "HM"), so that a machine's problem points at its line.
    std::map<QString, int> machineLine;
    std::vector<FamilySource> families;
    std::vector<SpeciesSource> species;  // ascending by number
};

struct ReadResult {
    SourceSet set;
    std::vector<Diagnostic> errors;  // every problem found, not only the first
};

// Reads the folder's files (types.toml, moves/*.toml, machines.toml, families.toml,
// species/*.toml); checks the syntax and the value rules of each entry. Cross-references
// (type words, move names, machine numbers, family members) are checked by Compile.
ReadResult ReadSources(const QString& folder);

// ReadSources in two steps, so that a caller can replace a file's bytes before reading.
struct SourceFile {
    QString path;  // relative to the sources folder, e.g. "species/017.toml"
    QByteArray bytes;
};
// The files ReadSources reads, in its order; a missing required file, a folder without move
// files and an unreadable file are reported in `errors`.
std::vector<SourceFile> ListSourceFiles(const QString& folder, std::vector<Diagnostic>& errors);
// Reads one file into `out`, adding its entries and its errors after those already there. What
// it adds depends on the path and the bytes alone.
void ReadSourceFile(const SourceFile& file, ReadResult& out);

// Writes `set` as a source folder (the shape `dump` produces). Returns false and fills
// `error` when a file cannot be written.
bool WriteSources(const SourceSet& set, const QString& folder, QString* error);

}  // namespace zentaloger::sources
