// The database sources tool end to end: a small, complete source set written as files, read
// back, compiled, loaded by the viewer's loader and dumped again. Every value of the fixture
// is generated, so the tests do not change when the shipped content does.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "codec.h"
#include "compile.h"
#include "database.h"
#include "dump.h"
#include "fixture.h"
#include "rules.h"
#include "sources.h"
#include "writer.h"

using namespace zentaloger;
using namespace zentaloger::sources;

namespace {

struct Outcome {
    QStringList errors;  // Diagnostic::ToString of each
    std::vector<QString> fields;
};

// What `zentadata compile` does: reading errors stop before the cross-reference checks.
Outcome ReadAndCompile(const QString& folder) {
    Outcome out;
    const ReadResult read = ReadSources(folder);
    std::vector<Diagnostic> errors = read.errors;
    if (errors.empty()) {
        CompileResult compiled = Compile(read.set);
        errors = compiled.errors;
        out.fields = std::move(compiled.fields);
    }
    for (const Diagnostic& d : errors) {
        out.errors << d.ToString();
    }
    return out;
}

QString WriteFixture(const QTemporaryDir& dir, const SourceSet& set) {
    QString error;
    if (!WriteSources(set, dir.path(), &error)) {
        qFatal("%s", qPrintable(error));
    }
    return dir.path();
}

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

void WriteText(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

std::unique_ptr<Database> CompileAndLoad(const SourceSet& set) {
    const CompileResult compiled = Compile(set);
    if (!compiled.errors.empty()) {
        qFatal("fixture does not compile: %s", qPrintable(compiled.errors.front().ToString()));
    }
    return LoadDatabase(EncodeResource(compiled.fields));
}

SpeciesSource& SpeciesOf(SourceSet& set, int number) {
    return set.species[static_cast<size_t>(number - 1)];
}

}  // namespace

class TestSources : public QObject {
    Q_OBJECT

  private slots:
    void writtenFixtureCompilesAndLoads();
    void dumpRecompilesToTheSameBytes();
    void derivedTexts_data();
    void derivedTexts();
    void listOrders();
    void evolutionSlots();
    void diagnostics_data();
    void diagnostics();
    void everyProblemIsReportedAtOnce();
    void dumpRefusesWhatSourcesCannotSay();
};

void TestSources::writtenFixtureCompilesAndLoads() {
    QTemporaryDir dir;
    const Outcome out = ReadAndCompile(WriteFixture(dir, Fixture()));
    QVERIFY2(out.errors.isEmpty(), qPrintable(out.errors.join(u'\n')));
    QCOMPARE(out.fields.size(), size_t{kFieldCount});
    const auto db = LoadDatabase(EncodeResource(out.fields));
    // Moves are stored in the order of their English names; machines point at the move they
    // were written with, wherever the sort put it.
    for (int m = 1; m < kMoveCount; ++m) {
        QVERIFY(db->moves[m - 1].moveName[1] < db->moves[m].moveName[1]);
    }
    QCOMPARE(db->moves[static_cast<size_t>(db->species[4].tmMove[1])].moveName[1],
             QStringLiteral("MOVE   BX"));  // TM50 teaches move 49 = "MOVE BX"
    QCOMPARE(db->moves[0].moveType[0], QStringLiteral("ТИП:   ТИПА"));
    // The effect class lives only in the sources; it survives being written and read.
    const ReadResult read = ReadSources(dir.path());
    const auto effectOf = [&](const QString& name) {
        for (const MoveSource& m : read.set.moves) {
            if (m.name.en == name) {
                return m.effect;
            }
        }
        return QStringLiteral("(no such move)");
    };
    QCOMPARE(effectOf(FixtureMoveName(0)), QStringLiteral("lowers attack"));
    QCOMPARE(effectOf(FixtureMoveName(1)), QString());
}

void TestSources::dumpRecompilesToTheSameBytes() {
    QTemporaryDir first;
    const Outcome compiled = ReadAndCompile(WriteFixture(first, Fixture()));
    QVERIFY(compiled.errors.isEmpty());
    const QByteArray bytes = EncodeResource(compiled.fields);

    const DumpResult dumped = Decompile(bytes);
    QVERIFY2(dumped.error.isEmpty(), qPrintable(dumped.error));
    QTemporaryDir second;
    QString error;
    QVERIFY2(WriteSources(dumped.set, second.path(), &error), qPrintable(error));
    const Outcome again = ReadAndCompile(second.path());
    QVERIFY2(again.errors.isEmpty(), qPrintable(again.errors.join(u'\n')));
    QCOMPARE(EncodeResource(again.fields), bytes);

    // An author's species and family files come back as they were written.
    for (const QString& file :
         {QStringLiteral("species/001.toml"), QStringLiteral("species/200.toml"),
          QStringLiteral("families.toml"), QStringLiteral("machines.toml")}) {
        QCOMPARE(ReadText(second.filePath(file)), ReadText(first.filePath(file)));
    }
}

void TestSources::derivedTexts_data() {
    QTest::addColumn<int>("cm");
    QTest::addColumn<int>("grams");
    QTest::addColumn<QString>("heightRu");
    QTest::addColumn<QString>("heightEn");
    QTest::addColumn<QString>("weightRu");
    QTest::addColumn<QString>("weightEn");
    QTest::newRow("under a metre, under a kilogram") << 70 << 850 << "70 см"
                                                     << "2 '   4 \""
                                                     << "850 г"
                                                     << "1.9 lbs";
    QTest::newRow("whole metre, whole kilograms") << 100 << 12000 << "1 м   "
                                                  << "3 '   3 \""
                                                  << "12 кг"
                                                  << "26.5 lbs";
    QTest::newRow("metres and centimetres, kilograms and grams") << 120 << 12500 << "1 м   20 см"
                                                                 << "3 '   11 \""
                                                                 << "12 кг   500 г"
                                                                 << "27.6 lbs";
    QTest::newRow("inches round up into a whole foot") << 30 << 4536 << "30 см"
                                                       << "1 '   0 \""
                                                       << "4 кг   536 г"
                                                       << "10 lbs";
    QTest::newRow("smallest weight that has a tenth of a pound") << 1 << 23 << "1 см"
                                                                 << "0 '   0 \""
                                                                 << "23 г"
                                                                 << "0.1 lbs";
    QTest::newRow("large creature") << 1450 << 460000 << "14 м   50 см"
                                    << "47 '   7 \""
                                    << "460 кг"
                                    << "1014.1 lbs";
}

void TestSources::derivedTexts() {
    QFETCH(int, cm);
    QFETCH(int, grams);
    SourceSet set = Fixture();
    SpeciesOf(set, 7).heightCm = cm;
    SpeciesOf(set, 7).weightG = grams;
    const auto db = CompileAndLoad(set);
    const SpeciesRecord& s = db->species[6];
    QTEST(s.heightLabel[0].toString().mid(QStringLiteral("РОСТ:   ").size()), "heightRu");
    QTEST(s.heightLabel[1].toString().mid(QStringLiteral("HEIGHT:   ").size()), "heightEn");
    QTEST(s.weightLabel[0].toString().mid(QStringLiteral("ВЕС:   ").size()), "weightRu");
    QTEST(s.weightLabel[1].toString().mid(QStringLiteral("WEIGHT:   ").size()), "weightEn");
}

void TestSources::listOrders() {
    SourceSet set = Fixture();
    // The order is that of the Windows-1251 codes, not a dictionary's: Latin before Cyrillic
    // even in Russian, digits before letters, a name before the longer names it begins.
    SpeciesOf(set, 40).name = {QStringLiteral("ЪЕЛЬ"), QStringLiteral("Z9")};
    SpeciesOf(set, 41).name = {QStringLiteral("ЩУКА"), QStringLiteral("ZA")};
    SpeciesOf(set, 42).name = {QStringLiteral("ЫРКА"), QStringLiteral("AAA")};
    SpeciesOf(set, 43).name = {QStringLiteral("W1"), QStringLiteral("A")};
    const auto db = CompileAndLoad(set);
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

    const std::vector<int> english = rowsOf(1, 2);
    QCOMPARE(english[0], 43);                              // "A"
    QCOMPARE(english[1], 42);                              // "AAA"
    QVERIFY(indexOf(english, 40) < indexOf(english, 41));  // "Z9" before "ZA"
    const std::vector<int> russian = rowsOf(0, 2);
    QCOMPARE(russian[0], 43);                              // Latin "W1" before every Cyrillic name
    QVERIFY(indexOf(russian, 41) < indexOf(russian, 40));  // Щ, Ъ, Ы
    QVERIFY(indexOf(russian, 40) < indexOf(russian, 42));
    for (int language = 0; language < kLanguageCount; ++language) {
        std::vector<int> rows = rowsOf(language, 2);
        for (size_t r = 1; r < rows.size(); ++r) {
            const SpeciesSource& a = SpeciesOf(set, rows[r - 1]);
            const SpeciesSource& b = SpeciesOf(set, rows[r]);
            QVERIFY(*cp1251::EncodeText(a.name[language]) < *cp1251::EncodeText(b.name[language]));
        }
    }

    // Families sit at the place of their lowest number: the baby 200 leads its family at 20.
    std::vector<int> expected;
    for (int n = 1; n <= kSpeciesCount; ++n) {
        if (n == 20) {
            expected.push_back(200);
        }
        if (n != 200) {
            expected.push_back(n);
        }
    }
    QCOMPARE(rowsOf(1, 1), expected);
    QCOMPARE(rowsOf(0, 1), expected);
    for (int r = 0; r < kSpeciesCount; ++r) {
        QCOMPARE(SpeciesNumberOfLabel(db->listLabel[r][0][0]), r + 1);
    }
    QCOMPARE(db->listLabel[41][1][0], QStringLiteral("042 - AAA"));
}

void TestSources::evolutionSlots() {
    const auto db = CompileAndLoad(Fixture());
    // Every member carries the whole family, in written order; from/to are species indices.
    for (int index : {0, 1, 2}) {
        const SpeciesRecord& s = db->species[static_cast<size_t>(index)];
        QCOMPARE(s.evolutionFrom[0], 0);
        QCOMPARE(s.evolutionTo[0], 1);
        QCOMPARE(s.evolutionCondition[0][0], QStringLiteral("УРОВЕНЬ 16"));
        QCOMPARE(s.evolutionCondition[0][1], QStringLiteral("LEVEL 16"));
        QCOMPARE(s.evolutionFrom[1], 1);
        QCOMPARE(s.evolutionTo[1], 2);
        QCOMPARE(s.evolutionCondition[1][0], QStringLiteral("ОБМЕН"));
        QCOMPARE(s.evolutionHold[1][1], QStringLiteral("HOLDING A COAL SHARD"));
        QCOMPARE(s.evolutionFrom[2], -1);
    }
    QCOMPARE(db->species[199].evolutionCondition[0][0], QStringLiteral("ДРУЖБА"));
    QCOMPARE(db->species[199].evolutionTo[0], 19);
    QCOMPARE(db->species[9].evolutionCondition[1][1], QString());  // written without a condition
    QCOMPARE(db->species[9].evolutionTo[1], 11);
    QCOMPARE(db->species[34].evolutionFrom[4], 33);  // the fifth and last slot in use
    for (int slot = 0; slot < kEvolutionSlots; ++slot) {
        QCOMPARE(db->species[4].evolutionFrom[static_cast<size_t>(slot)], -1);  // stands alone
    }
    // Edition entry 6 is the index of the last used entry.
    QCOMPARE(db->species[4].editionInfo[6], QStringLiteral("5"));
    QCOMPARE(db->species[4].editionInfo[5], QStringLiteral("ZENTARI DURO"));
    QCOMPARE(db->species[5].editionInfo[6], QStringLiteral("0"));
}

// Each row edits one written file of the fixture; the tool must name the file, the line of
// the edit and the problem.
void TestSources::diagnostics_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<QString>("message");

    const QString species = QStringLiteral("species/005.toml");
    const QString types = QStringLiteral("types.toml");
    const QString machines = QStringLiteral("machines.toml");
    const QString families = QStringLiteral("families.toml");
    const QString moves = QStringLiteral("moves/typea.toml");

    QTest::newRow("misspelt key") << species << "height ="
                                  << "heigth ="
                                  << "unknown key \"heigth\"";
    QTest::newRow("broken TOML") << species << "height = 25"
                                 << "height = 25 25"
                                 << "not valid TOML";
    QTest::newRow("lower-case name") << species << "name.en = \"BEASTAAF\""
                                     << "name.en = \"Specaaf\""
                                     << "must be upper case";
    QTest::newRow("space in a species name") << species << "name.en = \"BEASTAAF\""
                                             << "name.en = \"BEAST AAF\""
                                             << "must not contain spaces";
    QTest::newRow("name longer than eleven") << species << "name.en = \"BEASTAAF\""
                                             << "name.en = \"BEASTAAFBEAS\""
                                             << "has 12 characters; it must have 1 to 11";
    QTest::newRow("character outside the set") << species << "compiler tests."
                                               << "compiler tests?"
                                               << "U+003F";
    QTest::newRow("doubled space in a description") << species << "a plain creature"
                                                    << "a  plain creature"
                                                    << "leading, trailing or doubled space";
    QTest::newRow("English description too short")
        << species << "of the fixture, a plain creature that lives in the compiler tests."
        << "is short."
        << "it must have 81 to 111";
    QTest::newRow("stat level 5") << species << "stats = [3, 1,"
                                  << "stats = [5, 1,"
                                  << "stat level 1 is 5; it must be 1 to 4";
    QTest::newRow("five stats") << species << "stats = [3, 1, 2, 1, 3, 2]"
                                << "stats = [3, 1, 2, 1, 3]"
                                << "six levels, not 5";
    QTest::newRow("too light for pounds") << species << "weight = 1750"
                                          << "weight = 22"
                                          << "too light to write in pounds";
    QTest::newRow("edition not in the list") << species << "\"ZENTARI KALO\""
                                             << "\"ZENTARI KOLO\""
                                             << "is no edition name";
    QTest::newRow("UNKNOWN beside an edition") << species << "\"ZENTARI KALO\""
                                               << "\"UNKNOWN\""
                                               << "must stand alone";
    QTest::newRow("level above 99") << species << "{ level = 12,"
                                    << "{ level = 100,"
                                    << "it must be 0 to 99";
    QTest::newRow("unknown move") << species << "move = \"MOVE AF\""
                                  << "move = \"MOVE ZZ\""
                                  << "level move \"MOVE ZZ\" names no move";
    QTest::newRow("unknown type word") << species << "types = [\"TYPEF\"]"
                                       << "types = [\"TYPEZ\"]"
                                       << "type \"TYPEZ\" is not a type word of types.toml";
    QTest::newRow("same type twice") << species << "types = [\"TYPEF\"]"
                                     << "types = [\"TYPEF\", \"TYPEF\"]"
                                     << "type \"TYPEF\" is given twice";
    QTest::newRow("name of another species") << species << "name.ru = \"ВИДААЕ\""
                                             << "name.ru = \"ВИДААД\""
                                             << "is also the name of species 4";
    QTest::newRow("TM that does not exist") << species << "tm = [6, 50]"
                                            << "tm = [6, 51]"
                                            << "51";
    QTest::newRow("pp outside the allowed values")
        << moves << "pp = 0"
        << "pp = 16"
        << "pp is 16; it must be one of 0 1 5 10 15 20 25 30 35 40";
    QTest::newRow("effect in capitals") << moves << "effect = \"lowers attack\""
                                        << "effect = \"Lowers attack\""
                                        << "may hold only a-z, digits, spaces and -";
    QTest::newRow("effect too long") << moves << "effect = \"lowers attack\""
                                     << "effect = \"lowers attack and defence and speed sharply\""
                                     << "effect has 43 characters; it must have 3 to 40";
    QTest::newRow("move name too long, spaces count three") << moves << "name.en = \"MOVE AA\""
                                                            << "name.en = \"MOVE AA BB CC\""
                                                            << "(each space counts three)";
    QTest::newRow("two moves with one name")
        << moves << "[[move]]\nname.en = \"MOVE AR\""
        << "[[move]]\nname.en = \"MOVE AA\""
        << "move \"MOVE AA\" is defined twice (also at moves/typea.toml:3)";
    QTest::newRow("lower-case type word") << types << "en = \"TYPEA\""
                                          << "en = \"typea\""
                                          << "must be upper case";
    QTest::newRow("machine teaches no move") << machines << "1 = \"MOVE AA\""
                                             << "1 = \"MOVE QQ\""
                                             << "TM1 teaches \"MOVE QQ\", which is no move";
    QTest::newRow("two machines, one move") << machines << "2 = \"MOVE AB\""
                                            << "2 = \"MOVE AA\""
                                            << "which another machine teaches too";
    QTest::newRow("machine not written, reported at its table")
        << machines << "[tm]\n1 = \"MOVE AA\""
        << "[tm]\n# 1 = \"MOVE AA\""
        << "TM1 teaches no move";
    QTest::newRow("HM 8") << machines << "7 = \"MOVE ED\""
                          << "8 = \"MOVE ED\""
                          << "is no HM number";
    QTest::newRow("condition not understood") << families << "condition = \"level 16\""
                                              << "condition = \"level up\""
                                              << "condition \"level up\" must be";
    QTest::newRow("species in two families") << families << "{ from = 10, to = 11"
                                             << "{ from = 10, to = 2"
                                             << "species 2 is also in the family at line";
    QTest::newRow("step from outside the family")
        << families << "{ from = 2, to = 3"
        << "{ from = 9, to = 3"
        << "species 9 evolves before it has joined the family";
    QTest::newRow("species number 252") << families << "to = 21"
                                        << "to = 252"
                                        << "it must be 1 to 251";
}

void TestSources::diagnostics() {
    QFETCH(QString, file);
    QFETCH(QString, find);
    QFETCH(QString, replace);
    QFETCH(QString, message);

    QTemporaryDir dir;
    WriteFixture(dir, Fixture());
    const QString path = dir.filePath(file);
    QString text = ReadText(path);
    const qsizetype at = text.indexOf(find);
    QVERIFY2(at >= 0, qPrintable(QStringLiteral("fixture has no \"%1\" in %2").arg(find, file)));
    const int line = static_cast<int>(text.left(at).count(u'\n')) + 1;
    text.replace(at, find.size(), replace);
    WriteText(path, text);

    const Outcome out = ReadAndCompile(dir.path());
    QVERIFY(out.fields.empty());
    const QString where = QStringLiteral("%1:%2: ").arg(file).arg(line);
    const bool found = std::any_of(out.errors.begin(), out.errors.end(), [&](const QString& e) {
        return e.startsWith(where) && e.contains(message);
    });
    QVERIFY2(found, qPrintable(QStringLiteral("expected \"%1...%2\", got:\n%3")
                                   .arg(where, message, out.errors.join(u'\n'))));
}

void TestSources::everyProblemIsReportedAtOnce() {
    QTemporaryDir dir;
    WriteFixture(dir, Fixture());
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("species/017.toml"))));
    const QString s9 = dir.filePath(QStringLiteral("species/009.toml"));
    WriteText(s9, ReadText(s9).replace(QStringLiteral("height ="), QStringLiteral("size =")));
    const QString s30 = dir.filePath(QStringLiteral("species/030.toml"));
    WriteText(s30, ReadText(s30).replace(QStringLiteral("\"ZENTARI KALO\""),
                                         QStringLiteral("\"ZENTARI\"")));

    const Outcome out = ReadAndCompile(dir.path());
    const QString all = out.errors.join(u'\n');
    QVERIFY2(all.contains(QStringLiteral("species/009.toml:4: unknown key \"size\"")),
             qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("species/009.toml:1: species has no \"height\"")),
             qPrintable(all));
    QVERIFY2(all.contains(QStringLiteral("species/030.toml:7: \"ZENTARI\" is no edition name")),
             qPrintable(all));
    // The missing file is a cross-reference problem and waits until the files read cleanly.
    QVERIFY(!all.contains(QStringLiteral("species/017.toml")));
    WriteText(s9, ReadText(s9).replace(QStringLiteral("size ="), QStringLiteral("height =")));
    WriteText(s30, ReadText(s30).replace(QStringLiteral("\"ZENTARI\""),
                                         QStringLiteral("\"ZENTARI KALO\"")));
    QCOMPARE(ReadAndCompile(dir.path()).errors,
             QStringList{QStringLiteral("species/017.toml: species 17 is missing")});
}

// A resource whose derived texts disagree with its own numbers cannot come from sources; the
// dump says which field and why instead of writing sources that would compile differently.
void TestSources::dumpRefusesWhatSourcesCannotSay() {
    std::vector<QString> fields = Compile(Fixture()).fields;
    QVERIFY(!fields.empty());
    const QByteArray good = EncodeResource(fields);
    QVERIFY(Decompile(good).error.isEmpty());
    bool changed = false;
    for (QString& f : fields) {
        if (f == rules::WeightText(Fixture().species[1].weightG, 1)) {  // species 2's
            f = QStringLiteral("2.0 lbs");
            changed = true;
            break;
        }
    }
    QVERIFY(changed);
    const DumpResult dumped = Decompile(EncodeResource(fields));
    QVERIFY(dumped.error.contains(QStringLiteral("2.0 lbs")));
    QVERIFY(dumped.error.contains(QStringLiteral("field")));
}

QTEST_GUILESS_MAIN(TestSources)
#include "test_sources.moc"
