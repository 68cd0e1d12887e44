// The database sources tool end to end: the generated fixture written as files, read back,
// compiled, loaded by the viewer's loader and dumped again. Then the editorial warnings: each
// row plants one fault in a small, clean source set and names the warning it must raise (or
// none, for what looks like a fault but is not one).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <numeric>

#include "database/database.h"
#include "database/writer.h"
#include "tools/sources/compile.h"
#include "tools/sources/dump.h"
#include "tools/sources/review.h"
#include "tools/sources/rules.h"
#include "tools/sources/sources.h"
#include "tools/sources/tests/fixture.h"

using namespace zentaloger;
using namespace zentaloger::sources;

namespace {

// Whole files: empty when unreadable; the folder is made.
QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Replaces the first `find` in the file; returns the 1-based line of the edit, or 0.
int EditFile(const QString& path, const QString& find, const QString& replace) {
    QString text = QString::fromUtf8(ReadFile(path));
    const qsizetype at = text.indexOf(find);
    if (at < 0 || !WriteFile(path, text.replace(at, find.size(), replace).toUtf8())) {
        return 0;
    }
    return static_cast<int>(text.left(at).count(u'\n')) + 1;
}

struct Outcome {
    QStringList errors;  // Diagnostic::ToString of each
    std::vector<QString> fields;
};

Outcome ReadAndCompile(const QString& folder) {
    CompileResult compiled = Compile(ReadSources(folder));
    Outcome out{{}, std::move(compiled.fields)};
    for (const Diagnostic& d : compiled.errors) {
        out.errors << d.ToString();
    }
    return out;
}

void WriteFixture(const QTemporaryDir& dir) {
    QString error;
    if (!WriteSources(Fixture(), dir.path(), &error)) {
        qFatal("%s", qPrintable(error));
    }
}

using Plant = std::function<void(SourceSet&)>;

MoveSource Move(const char* name, const char* type, int power, int accuracy, int pp,
                const char* effect = "") {
    return {.name = {u"ПРИЁМ"_qs, QString::fromLatin1(name)},
            .type = QString::fromLatin1(type),
            .power = power,
            .accuracy = accuracy,
            .pp = pp,
            .description = {u"Бьёт. Сильно."_qs, u"Hits. Hard."_qs},
            .effect = QString::fromLatin1(effect),
            .bodies = {},
            .where = {u"moves/test.toml"_qs, 1}};
}

// Two species, one family step, three moves that each have a reason to exist and a page that
// shows them.
SourceSet CleanSet() {
    SourceSet set;
    set.moves = {Move("PLAIN BLOW", "WILD", 50, 100, 20),
                 Move("GROWL", "WILD", 0, 100, 20, "lowers attack"),
                 Move("FERRY", "TIDE", 60, 95, 15, "may flinch")};
    set.moves[2].description = {u"Бьёт. Также переправляет через реки."_qs,
                                u"Hits. Also ferries travellers over rivers."_qs};
    set.hm[1] = u"FERRY"_qs;
    for (int n = 1; n <= 2; ++n) {
        SpeciesSource s;
        s.number = n;
        s.name = {u"ЗВЕРЬ"_qs, n == 1 ? u"PUP"_qs : u"COPPERCOIL"_qs};
        s.body = n == 1 ? u"pawed"_qs : u"limbless"_qs;
        s.description = {u"Раз. Два."_qs, u"One. Two."_qs};
        s.levelMoves = {{1, u"PLAIN BLOW"_qs, {}}, {5, u"GROWL"_qs, {}}};
        set.species.push_back(s);
    }
    set.families = {
        {{StepSource{1, 2, u"level 10"_qs, {u"С КАМНЕМ"_qs, u"HOLDING A STONE"_qs}, {}}}, {}}};
    return set;
}

// A move some species learns, so it draws no "shown nowhere" warning of its own.
Plant Learned(const MoveSource& m) {
    return [m](SourceSet& set) {
        set.moves.push_back(m);
        set.species[0].levelMoves.push_back({20, m.name.en, {}});
    };
}

// The English item text (and the condition) of the family's step.
Plant Step(const char* hold, const char* condition = "level 10") {
    return [=](SourceSet& set) {
        set.families[0].steps[0].hold.en = QString::fromLatin1(hold);
        set.families[0].steps[0].condition = QString::fromLatin1(condition);
    };
}

// The body plans that can perform move `index` of the clean set.
Plant Bodies(size_t index, const QStringList& plans) {
    return [=](SourceSet& set) { set.moves[index].bodies = plans; };
}

}  // namespace

Q_DECLARE_METATYPE(Plant)

class TestSources : public QObject {
    Q_OBJECT

    QTemporaryDir fixture_;  // the fixture written once; a test that edits it restores it

  private slots:
    void initTestCase() { WriteFixture(fixture_); }

    // Written, read, compiled, dumped, written and read again: the same bytes, and the
    // author's files as they were written.
    void roundTrip() {
        QTemporaryDir second;
        const Outcome compiled = ReadAndCompile(fixture_.path());
        QVERIFY2(compiled.errors.isEmpty(), qPrintable(compiled.errors.join(u'\n')));
        QCOMPARE(compiled.fields.size(), size_t{kFieldCount});
        const QByteArray bytes = EncodeResource(compiled.fields);
        const auto db = LoadDatabase(bytes);
        // Moves are stored in the order of their English names; machines point at the move
        // they were written with, wherever the sort put it.
        for (int m = 1; m < kMoveCount; ++m) {
            QVERIFY(db->moves[m - 1].moveName[1] < db->moves[m].moveName[1]);
        }
        QCOMPARE(db->moves[static_cast<size_t>(db->species[4].tmMove[1])].moveName[1],
                 u"MOVE   BX"_qs);  // TM50 teaches move 49 = "MOVE BX"
        QCOMPARE(db->moves[0].moveType[0], u"ТИП:   ТИПА"_qs);
        // The effect classes and the body plans live only in the sources; they survive being
        // written and read.
        const auto onlyInSources = [](const SourceSet& set) {
            QStringList lines;
            for (const MoveSource& m : set.moves) {
                lines << m.name.en + u": "_qs + m.effect + u": "_qs + m.bodies.join(u' ');
            }
            for (const SpeciesSource& s : set.species) {
                lines << QString::number(s.number) + u": "_qs + s.body;
            }
            lines.sort();
            return lines;
        };
        QCOMPARE(onlyInSources(ReadSources(fixture_.path()).set), onlyInSources(Fixture()));

        // The dump refuses a folder that holds files unless told to replace the sources in it:
        // then an old species file goes and a file that is no source, even a .toml one, stays.
        const DumpResult dumped = Decompile(bytes);
        QVERIFY2(dumped.error.isEmpty(), qPrintable(dumped.error));
        const QString old = second.filePath(u"species/300.toml"_qs);
        QVERIFY(WriteFile(old, "x = 1\n") && WriteFile(second.filePath(u"notes.toml"_qs), "mine"));
        QString error;
        QVERIFY(!WriteDump(dumped.set, second.path(), false, &error));
        QVERIFY2(error.endsWith(u" is not empty; dump writes into a new or empty folder "
                                "(--force replaces the sources in it)"_qs),
                 qPrintable(error));
        QVERIFY2(WriteDump(dumped.set, second.path(), true, &error), qPrintable(error));
        QVERIFY(!QFile::exists(old) && QFile::exists(second.filePath(u"notes.toml"_qs)));
        const Outcome again = ReadAndCompile(second.path());
        QVERIFY2(again.errors.isEmpty(), qPrintable(again.errors.join(u'\n')));
        QCOMPARE(EncodeResource(again.fields), bytes);
        // Only the body plan, which the resource cannot hold, is missing from a dumped file.
        static const QRegularExpression kBody(u"(?m)^body = .*\\n"_qs);
        for (const QString& file : {u"species/001.toml"_qs, u"species/200.toml"_qs,
                                    u"families.toml"_qs, u"machines.toml"_qs}) {
            QCOMPARE(QString::fromUtf8(ReadFile(second.filePath(file))),
                     QString::fromUtf8(ReadFile(fixture_.filePath(file))).remove(kBody));
        }
    }

    // Heights and weights as both languages write them.
    void derivedTexts_data() {
        QTest::addColumn<int>("cm");
        QTest::addColumn<int>("grams");
        QTest::addColumn<QStringList>("texts");  // height ru, en, weight ru, en
        QTest::newRow("under a metre, under a kilogram")
            << 70 << 850 << QStringList{"70 см", "2 '   4 \"", "850 г", "1.9 lbs"};
        QTest::newRow("whole metre, whole kilograms")
            << 100 << 12000 << QStringList{"1 м   ", "3 '   3 \"", "12 кг", "26.5 lbs"};
        QTest::newRow("metres and centimetres, kilograms and grams")
            << 120 << 12500
            << QStringList{"1 м   20 см", "3 '   11 \"", "12 кг   500 г", "27.6 lbs"};
        QTest::newRow("inches round up into a whole foot")
            << 30 << 4536 << QStringList{"30 см", "1 '   0 \"", "4 кг   536 г", "10 lbs"};
        QTest::newRow("smallest weight that has a tenth of a pound")
            << 1 << 23 << QStringList{"1 см", "0 '   0 \"", "23 г", "0.1 lbs"};
    }

    void derivedTexts() {
        QFETCH(int, cm);
        QFETCH(int, grams);
        QTEST((QStringList{rules::HeightText(cm, 0), rules::HeightText(cm, 1),
                           rules::WeightText(grams, 0), rules::WeightText(grams, 1)}),
              "texts");
    }

    // The list orders, the evolution slots and edition entry 6 as the viewer loads them.
    void compiledTables() {
        SourceSet set = Fixture();
        // The order is that of the Windows-1251 codes, not a dictionary's: Latin before
        // Cyrillic even in Russian, digits before letters, a name before the longer names it
        // begins.
        set.species[39].name = {u"ЪЕЛЬ"_qs, u"Z9"_qs};
        set.species[40].name = {u"ЩУКА"_qs, u"ZA"_qs};
        set.species[41].name = {u"ЫРКА"_qs, u"AAA"_qs};
        set.species[42].name = {u"W1"_qs, u"A"_qs};
        const CompileResult compiled = Compile(set);
        QVERIFY(compiled.errors.empty());
        const auto db = LoadDatabase(EncodeResource(compiled.fields));
        const auto rowsOf = [&](int language, int order) {
            std::vector<int> rows;
            for (int r = 0; r < kSpeciesCount; ++r) {
                rows.push_back(SpeciesNumberOfLabel(db->listLabel[r][language][order]));
            }
            return rows;
        };
        const auto indexOf = [](const std::vector<int>& rows, int number) {
            return std::find(rows.begin(), rows.end(), number) - rows.begin();
        };
        const std::vector<int> english = rowsOf(1, 2), russian = rowsOf(0, 2);
        QCOMPARE(std::vector<int>(english.begin(), english.begin() + 2), (std::vector{43, 42}));
        QVERIFY(indexOf(english, 40) < indexOf(english, 41));  // "Z9" before "ZA"
        QCOMPARE(russian[0], 43);  // Latin "W1" before every Cyrillic name
        QVERIFY(indexOf(russian, 41) < indexOf(russian, 40));  // Щ, Ъ, Ы
        QVERIFY(indexOf(russian, 40) < indexOf(russian, 42));

        // Families sit at the place of their lowest number: the baby 200 leads its family at 20,
        // so the evolutionary order is the numerical one with 200 moved in front of 20.
        std::vector<int> expected(kSpeciesCount);
        std::iota(expected.begin(), expected.end(), 1);
        std::rotate(expected.begin() + 19, expected.begin() + 199, expected.begin() + 200);
        QCOMPARE(rowsOf(1, 1), expected);
        QCOMPARE(rowsOf(0, 1), expected);
        QCOMPARE(db->listLabel[41][1][0], u"042 - AAA"_qs);

        // Every member carries the whole family, in written order; from/to are species indices.
        for (int index : {0, 2}) {
            const SpeciesRecord& s = db->species[static_cast<size_t>(index)];
            QCOMPARE((std::vector{s.evolutionFrom[0], s.evolutionTo[0], s.evolutionFrom[1],
                                  s.evolutionTo[1], s.evolutionFrom[2]}),
                     (std::vector{0, 1, 1, 2, -1}));
            QCOMPARE(s.evolutionCondition[0][0], u"УРОВЕНЬ 16"_qs);
            QCOMPARE(s.evolutionCondition[1][0], u"ОБМЕН"_qs);
            QCOMPARE(s.evolutionHold[1][0], u"С УГОЛЬНЫМ ОСКОЛКОМ"_qs);
            QCOMPARE(s.evolutionHold[1][1], u"HOLDING A COAL SHARD"_qs);
        }
        QCOMPARE(db->species[199].evolutionCondition[0][0], u"ДРУЖБА"_qs);
        QCOMPARE(db->species[199].evolutionTo[0], 19);
        QCOMPARE(db->species[9].evolutionCondition[1][1], QString());  // written without one
        QCOMPARE(db->species[34].evolutionFrom[4], 33);  // the fifth and last slot in use
        QCOMPARE(db->species[4].evolutionFrom[0], -1);   // stands alone
        // Edition entry 6 is the index of the last used entry.
        QCOMPARE(db->species[4].editionInfo[6], u"5"_qs);
        QCOMPARE(db->species[5].editionInfo[6], u"0"_qs);
        // Each language's derived texts in its own fields (species 7: 31 cm, 2,250 g).
        QCOMPARE(db->species[6].heightLabel[1], u"HEIGHT:   1 '   0 \""_qs);
        QCOMPARE(db->species[6].weightLabel[1], u"WEIGHT:   5 lbs"_qs);
    }

    // Each row edits one written file of the fixture; the tool must name the file, the line of
    // the edit and the problem.
    void diagnostics_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("message");
        using Text = const QByteArray&;
        const auto row = [](const char* file, const char* name, Text find, Text replace,
                            Text message) {
            QTest::newRow(name) << QString::fromUtf8(file) << QString::fromUtf8(find)
                                << QString::fromUtf8(replace) << QString::fromUtf8(message);
        };
        const auto species = [&row](const char* name, Text find, Text replace, Text message) {
            row("species/005.toml", name, find, replace, message);
        };
        const QByteArray name = "name.en = \"BEASTAAF\"";
        species("character outside the BMP, by its code point", name,
                "name.en = \"BEAST\U0001F600\"",
                "species name.en contains the character '\U0001F600' (U+1F600)");
        species("character inside the BMP, shown", name, "name.en = \"BEAST?\"",
                "contains the character '?' (U+003F)");
        // A long value or key is quoted in part, so that each message stays one short line.
        const QByteArray longText(100000, 'A');
        species("long value quoted in part", "a plain creature", "a  plain creature " + longText,
                "description.en \"Species number 005 of the fixture, a  pl...\" has a leading, "
                "trailing or doubled space");
        species("long key quoted in part", name, longText + " = 1\n" + name,
                "unknown key \"" + longText.left(40) + "...\" in species");
        species("lower-case name", name, "name.en = \"Specaaf\"", "must be upper case");
        species("space in a species name", name, "name.en = \"BEAST AAF\"", "must not contain");
        species("name longer than eleven", name, "name.en = \"BEASTAAFBEAS\"",
                "has 12 characters; it must have 1 to 11");
        species("English description too short",
                "of the fixture, a plain creature that lives in the compiler tests.", "is short.",
                "it must have 81 to 111");
        species("stat level 5", "stats = [3, 1,", "stats = [5, 1,",
                "stat level 1 is 5; it must be 1 to 4");
        species("five stats", "stats = [3, 1, 2, 1, 3, 2]", "stats = [3, 1, 2, 1, 3]",
                "six levels, not 5");
        species("too light for pounds", "weight = 1750", "weight = 22", "too light to write in");
        species("edition not in the list", "\"ZENTARI KALO\"", "\"ZENTARI KOLO\"",
                "is no edition name");
        species("UNKNOWN beside an edition", "\"ZENTARI KALO\"", "\"UNKNOWN\"", "must stand alone");
        species("level above 99", "{ level = 12,", "{ level = 100,", "it must be 0 to 99");
        species("unknown type word", "types = [\"TYPEF\"]", "types = [\"TYPEZ\"]",
                "type \"TYPEZ\" is not a type word of types.toml");
        species("same type twice", "types = [\"TYPEF\"]", "types = [\"TYPEF\", \"TYPEF\"]",
                "type \"TYPEF\" is given twice");
        species("name of another species", "name.ru = \"ВИДААЕ\"", "name.ru = \"ВИДААД\"",
                "is also the name of species 4");
        species("TM that does not exist", "tm = [6, 50]", "tm = [6, 51]", "51");
        species("body plan not in the list", "body = \"limbless\"", "body = \"legless\"",
                "body \"legless\" is no body plan; write one of pawed, hoofed,");
        const char* moves = "moves/typea.toml";
        row(moves, "pp outside the allowed values", "pp = 0", "pp = 16",
            "pp is 16; it must be one of 0 1 5 10 15 20 25 30 35 40");
        row(moves, "effect in capitals", "effect = \"lowers attack\"", "effect = \"Lowers attack\"",
            "may hold only a-z, digits, spaces and -");
        row(moves, "body plan listed twice", "bodies = [", "bodies = [\"shelled\", \"shelled\", ",
            "body plan \"shelled\" is listed twice");
        row(moves, "no body plan in bodies", "bodies = [", "bodies = []\nunused = [",
            "bodies must name at least one body plan");
        row(moves, "move name too long, spaces count three", "name.en = \"MOVE AA\"",
            "name.en = \"MOVE AA BB CC\"", "(each space counts three)");
        row(moves, "two moves with one name", "[[move]]\nname.en = \"MOVE AR\"",
            "[[move]]\nname.en = \"MOVE AA\"",
            "move \"MOVE AA\" is defined twice (also at moves/typea.toml:3)");
        row("types.toml", "lower-case type word", "en = \"TYPEA\"", "en = \"typea\"",
            "must be upper case");
        const char* machines = "machines.toml";
        row(machines, "machine teaches no move", "1 = \"MOVE AA\"", "1 = \"MOVE QQ\"",
            "TM1 teaches \"MOVE QQ\", which is no move");
        row(machines, "machine not written, reported at its table", "[tm]\n1 = \"MOVE AA\"",
            "[tm]\n# 1 = \"MOVE AA\"", "TM1 teaches no move");
        row(machines, "HM 8", "7 = \"MOVE ED\"", "8 = \"MOVE ED\"", "is no HM number");
        const char* families = "families.toml";
        row(families, "condition not understood", "condition = \"level 16\"",
            "condition = \"level up\"", "condition \"level up\" must be");
        row(families, "species in two families", "{ from = 10, to = 11", "{ from = 10, to = 2",
            "species 2 is also in the family at line");
        row(families, "step from outside the family", "{ from = 2, to = 3", "{ from = 9, to = 3",
            "species 9 evolves before it has joined the family");
        row(families, "species number 252", "to = 21", "to = 252", "it must be 1 to 251");
    }

    void diagnostics() {
        QFETCH(QString, file);
        QFETCH(QString, find);
        QFETCH(QString, replace);
        QFETCH(QString, message);
        const QString path = fixture_.filePath(file);
        const auto restore = qScopeGuard([path, text = ReadFile(path)] { WriteFile(path, text); });
        const int line = EditFile(path, find, replace);
        QVERIFY2(line > 0,
                 qPrintable(QStringLiteral("fixture has no \"%1\" in %2").arg(find, file)));
        const Outcome out = ReadAndCompile(fixture_.path());
        QVERIFY(out.fields.empty());
        const QString where = QStringLiteral("%1:%2: ").arg(file).arg(line);
        const bool found = std::any_of(out.errors.begin(), out.errors.end(), [&](const QString& e) {
            return e.startsWith(where) && e.contains(message);
        });
        QVERIFY2(found, qPrintable(QStringLiteral("expected \"%1...%2\", got:\n%3")
                                       .arg(where, message, out.errors.join(u'\n'))));
    }

    // Every reading problem at once, each at its line; a missing file, a cross-reference
    // problem, waits until the files read cleanly.
    void everyProblemIsReportedAtOnce() {
        QTemporaryDir dir;
        WriteFixture(dir);
        QVERIFY(QFile::remove(dir.filePath(u"species/017.toml"_qs)));
        QCOMPARE(EditFile(dir.filePath(u"species/009.toml"_qs), u"height ="_qs, u"size ="_qs), 5);
        QCOMPARE(EditFile(dir.filePath(u"species/030.toml"_qs), u"\"ZENTARI KALO\""_qs,
                          u"\"ZENTARI\""_qs),
                 8);
        QCOMPARE(ReadAndCompile(dir.path()).errors.join(u'\n'),
                 u"species/009.toml:5: unknown key \"size\" in species\n"
                 "species/009.toml:1: species has no \"height\"\n"
                 "species/030.toml:8: \"ZENTARI\" is no edition name\n"
                 "species/030.toml:8: a species has 1 to 6 editions, not 0"_qs);
        EditFile(dir.filePath(u"species/009.toml"_qs), u"size ="_qs, u"height ="_qs);
        EditFile(dir.filePath(u"species/030.toml"_qs), u"\"ZENTARI\""_qs, u"\"ZENTARI KALO\""_qs);
        QCOMPARE(ReadAndCompile(dir.path()).errors,
                 QStringList{u"species/017.toml: species 17 is missing"_qs});
        // A folder that is not there is named once, in front of the message.
        const QString missing = dir.filePath(u"missing"_qs);
        const std::vector<Diagnostic> errors = ReadSources(missing).errors;
        QVERIFY(errors.size() == 1 &&
                errors[0].InFolder(missing) == missing + u": no such folder"_qs);
    }

    // A resource whose derived texts disagree with its own numbers cannot come from sources;
    // the dump says which field and why instead of writing sources that would compile
    // differently.
    void dumpRefusesWhatSourcesCannotSay() {
        std::vector<QString> fields = Compile(Fixture()).fields;
        const auto weight = std::find(fields.begin(), fields.end(),
                                      rules::WeightText(Fixture().species[1].weightG, 1));
        QVERIFY(weight != fields.end());
        *weight = u"2.0 lbs"_qs;
        const QString error = Decompile(EncodeResource(fields)).error;
        QVERIFY2(error.contains(u"field"_qs) && error.contains(u"2.0 lbs"_qs), qPrintable(error));
    }

    void warnings_data() {
        QTest::addColumn<QString>("expected");  // the one warning's telling part; empty: none
        QTest::addColumn<Plant>("plant");
        const auto row = [](const char* name, const char* expected, Plant p) {
            QTest::newRow(name) << QString::fromUtf8(expected) << p;
        };
        row("the clean set", "", [](SourceSet&) {});
        row("a status move without an effect", "\"GROWL\" deals no damage and names no effect",
            [](SourceSet& s) { s.moves[1].effect.clear(); });
        row("a status twin of another type",
            "\"SNARL\" has the numbers 0/100/20 and the effect of \"GROWL\"",
            Learned(Move("SNARL", "TIDE", 0, 100, 20, "lowers attack")));
        row("a damaging twin of the same type",
            "\"BUMP\" has the numbers 50/100/20 and the effect of \"PLAIN BLOW\"",
            Learned(Move("BUMP", "WILD", 50, 100, 20)));
        row("the same numbers in another type are another choice", "",
            Learned(Move("SPLASH", "TIDE", 50, 100, 20)));
        row("the same effect with more power points",
            "\"GROWL\" (0/100/20) is outdone by \"SNARL\"",
            Learned(Move("SNARL", "WILD", 0, 100, 25, "lowers attack")));
        row("a plain blow against a better one with a bonus",
            "\"PLAIN BLOW\" (50/100/20) is outdone by \"SCORCH\"",
            Learned(Move("SCORCH", "WILD", 55, 100, 20, "may burn")));
        row("a plain blow against a better one with a price", "",
            Learned(Move("RECKLESS", "WILD", 55, 100, 20, "but recoil quarter")));
        row("a better blow of another type", "", Learned(Move("WAVE", "TIDE", 55, 100, 25)));
        row("never missing outranks accuracy 100",
            "\"PLAIN BLOW\" (50/100/20) is outdone by \"SURE BLOW\"",
            Learned(Move("SURE BLOW", "WILD", 50, 0, 20)));
        row("a move no page shows",
            "\"LOST ART\" is learned by no species and taught by no machine",
            [](SourceSet& s) { s.moves.push_back(Move("LOST ART", "TIDE", 70, 90, 10)); });
        row("a move only a machine teaches", "", [](SourceSet& s) {
            s.moves.push_back(Move("TAUGHT", "TIDE", 70, 90, 10));
            s.tm[1] = u"TAUGHT"_qs;
        });
        row("descriptions two sentences apart",
            "the English description has 4 sentences and the Russian 2",
            [](SourceSet& s) { s.species[1].description.en = u"One. Two! Three. Four."_qs; });
        row("descriptions one sentence apart", "",
            [](SourceSet& s) { s.species[1].description.ru = u"Раз и два."_qs; });
        row("a field use without «также»", "\"FERRY\": the English \"Also\"",
            [](SourceSet& s) { s.moves[2].description.ru = u"Бьёт. Переправляет через реки."_qs; });
        row("a field use said with «ещё»", "", [](SourceSet& s) {
            s.moves[2].description.ru = u"Бьёт. Ещё переправляет через реки."_qs;
        });
        row("using an item on a level", "\"USING\" takes no condition", Step("USING A STONE"));
        row("using an item alone", "", Step("USING A STONE", ""));
        row("holding an item with no trigger", "a held item needs a trigger",
            Step("HOLDING A STONE", ""));
        row("an item without an article", "the item in \"HOLDING STONE\" has no article",
            Step("HOLDING STONE"));
        row("an item that spells a species",
            "\"HOLDING A COPPER COIL\" spells the species COPPERCOIL",
            Step("HOLDING A COPPER COIL"));
        row("a time of day needs no article", "", Step("AT DUSK"));
        row("a species without a body plan", "species 002 COPPERCOIL has no body plan",
            [](SourceSet& s) { s.species[1].body.clear(); });
        row("a level move its body cannot perform",
            "species 002 COPPERCOIL (limbless) learns \"PLAIN BLOW\" at level 1, which no "
            "limbless body can perform",
            Bodies(0, {u"pawed"_qs, u"upright"_qs}));
        row("a level move its body can perform", "", Bodies(0, {u"pawed"_qs, u"limbless"_qs}));
        row("a TM move its body cannot perform",
            "species/001.toml:9: species 001 PUP (pawed) learns \"TALON DIVE\" by TM8, which no "
            "pawed body can perform",
            [](SourceSet& s) {
                s.moves.push_back(Move("TALON DIVE", "SKY", 80, 90, 10));
                s.moves.back().bodies = {u"winged"_qs};
                s.tm[8] = u"TALON DIVE"_qs;
                s.species[0].tm = {8};
                s.species[0].machinesWhere[0] = {u"species/001.toml"_qs, 9};
            });
        row("an HM move its body cannot perform",
            "species 002 COPPERCOIL (limbless) learns \"FERRY\" by HM1, which no limbless body "
            "can perform",
            [](SourceSet& s) {
                s.moves[2].bodies = {u"finned"_qs};
                s.species[1].hm = {1};
            });
        row("an HM move any body can perform", "", [](SourceSet& s) { s.species[1].hm = {1}; });
    }

    void warnings() {
        QFETCH(Plant, plant);
        QFETCH(QString, expected);
        SourceSet set = CleanSet();
        plant(set);
        QStringList got;
        for (const Diagnostic& d : Review(set)) {
            got << d.ToString();
        }
        QCOMPARE(got.size(), expected.isEmpty() ? 0 : 1);
        QVERIFY2(got.isEmpty() || got[0].contains(expected), qPrintable(got.join(u'\n')));
    }

    void sentenceCount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("no closing mark") << u"It hums"_qs << 0;
        QTest::newRow("an exclamation") << u"It hums! It sings."_qs << 2;
        QTest::newRow("an ellipsis is one end") << u"It waits... It hums."_qs << 2;
        QTest::newRow("a decimal point is no end") << u"It weighs 2.5 stone."_qs << 1;
        QTest::newRow("Russian with a dash") << u"Гудит — и поёт. Всегда."_qs << 2;
    }

    void sentenceCount() {
        QFETCH(QString, text);
        QTEST(SentenceCount(text), "count");
    }
};

QTEST_GUILESS_MAIN(TestSources)
#include "test_sources.moc"
