// The shipped content must keep every display path of the viewer alive: each row names a
// kind of data that some page shows differently, and the shipped sources must hold at least
// one instance of it. An edit that silently removes the last one fails here.

#include <QtTest>
#include <functional>
#include <set>

#include "compile.h"
#include "database.h"
#include "sources.h"
#include "writer.h"

using namespace zentaloger;
using namespace zentaloger::sources;

namespace {

struct Shipped {
    std::unique_ptr<Database> db;
    QString failure;
};

// The sources exactly as the build compiles them, loaded by the viewer's loader.
const Shipped& ShippedDatabase() {
    static const Shipped shipped = [] {
        Shipped s;
        const ReadResult read = ReadSources(QStringLiteral(ZENTALOGER_SOURCES));
        if (!read.errors.empty()) {
            s.failure = read.errors.front().ToString();
            return s;
        }
        const CompileResult compiled = Compile(read.set);
        if (!compiled.errors.empty()) {
            s.failure = compiled.errors.front().ToString();
            return s;
        }
        s.db = LoadDatabase(EncodeResource(compiled.fields));
        return s;
    }();
    return shipped;
}

template <size_t N>
int Used(const std::array<Number, N>& entries) {
    return static_cast<int>(
        std::count_if(entries.begin(), entries.end(), [](Number m) { return m >= 0; }));
}

int EditionCount(const SpeciesRecord& s) {
    return s.editionInfo[6].toInt() + 1;
}

bool IsSecret(const SpeciesRecord& s) {
    return EditionCount(s) == 1 && s.editionInfo[0] == QLatin1String("UNKNOWN");
}

// Every move some species can show on a page: learned by level or taught by a machine.
std::set<int> MovesShown(const Database& db) {
    std::set<int> shown;
    for (const SpeciesRecord& s : db.species) {
        for (int k = 0; k < kLevelMoveSlots; ++k) {
            if (s.levelMoveLevel[k] >= 0) {
                shown.insert(s.levelMoveMove[k]);
            }
        }
        for (Number m : s.tmMove) {
            if (m >= 0) {
                shown.insert(m);
            }
        }
        for (Number m : s.hmMove) {
            if (m >= 0) {
                shown.insert(m);
            }
        }
    }
    return shown;
}

using SpeciesTest = std::function<bool(const SpeciesRecord&)>;
using MoveTest = std::function<bool(const MoveRecord&)>;

}  // namespace

Q_DECLARE_METATYPE(SpeciesTest)
Q_DECLARE_METATYPE(MoveTest)

class TestContentPaths : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void speciesPaths_data();
    void speciesPaths();
    void movePaths_data();
    void movePaths();
    void exactCounts_data();
    void exactCounts();
    void familyPaths();
};

void TestContentPaths::initTestCase() {
    QVERIFY2(ShippedDatabase().db, qPrintable(ShippedDatabase().failure));
}

// Rows: a kind of species that some page draws in its own way; at least one must ship.
void TestContentPaths::speciesPaths_data() {
    QTest::addColumn<SpeciesTest>("test");
    const auto row = [](const char* name, SpeciesTest t) { QTest::newRow(name) << t; };
    row("no TM", [](const SpeciesRecord& s) { return Used(s.tmMove) == 0; });
    row("all fifty TMs", [](const SpeciesRecord& s) { return Used(s.tmMove) == kTmSlots; });
    row("no HM", [](const SpeciesRecord& s) { return Used(s.hmMove) == 0; });
    row("all seven HMs", [](const SpeciesRecord& s) { return Used(s.hmMove) == kHmSlots; });
    row("one level move", [](const SpeciesRecord& s) { return Used(s.levelMoveLevel) == 1; });
    row("twelve level moves",
        [](const SpeciesRecord& s) { return Used(s.levelMoveLevel) == kLevelMoveSlots; });
    row("a move at level 0", [](const SpeciesRecord& s) {
        return std::find(s.levelMoveLevel.begin(), s.levelMoveLevel.end(), 0) !=
               s.levelMoveLevel.end();
    });
    row("one type", [](const SpeciesRecord& s) { return !s.typeLabel[1].contains(u'/'); });
    row("two types", [](const SpeciesRecord& s) { return s.typeLabel[1].contains(u'/'); });
    for (int editions = 1; editions <= 6; ++editions) {
        QTest::newRow(qPrintable(QStringLiteral("%1 edition(s)").arg(editions)))
            << SpeciesTest([editions](const SpeciesRecord& s) {
                   return !IsSecret(s) && EditionCount(s) == editions;
               });
    }
    row("UNKNOWN edition", IsSecret);
    row("stands alone", [](const SpeciesRecord& s) { return s.evolutionFrom[0] < 0; });
    for (int level = 1; level <= 4; ++level) {
        QTest::newRow(qPrintable(QStringLiteral("a stat at level %1").arg(level)))
            << SpeciesTest([level](const SpeciesRecord& s) {
                   return std::find(s.statLevel.begin(), s.statLevel.end(), level) !=
                          s.statLevel.end();
               });
    }
}

void TestContentPaths::speciesPaths() {
    QFETCH(SpeciesTest, test);
    const Database& db = *ShippedDatabase().db;
    QVERIFY(std::any_of(db.species.begin(), db.species.end(), test));
}

// Rows: move values at which the move panel changes what it draws (the power bar's steps,
// the accuracy and power-point extremes), among the moves a species can actually show.
void TestContentPaths::movePaths_data() {
    QTest::addColumn<MoveTest>("test");
    for (int power : {0, 50, 51, 75, 76, 100, 101}) {
        QTest::newRow(qPrintable(QStringLiteral("power %1").arg(power)))
            << MoveTest([power](const MoveRecord& m) { return m.movePower == power; });
    }
    QTest::newRow("power above 101")
        << MoveTest([](const MoveRecord& m) { return m.movePower > 101; });
    QTest::newRow("power 250") << MoveTest([](const MoveRecord& m) { return m.movePower == 250; });
    for (int accuracy : {0, 100}) {
        QTest::newRow(qPrintable(QStringLiteral("accuracy %1").arg(accuracy)))
            << MoveTest([accuracy](const MoveRecord& m) { return m.moveAccuracy == accuracy; });
    }
    // 16 and 31 are not power-point values a move can have, so 15 and 30 are the edges.
    for (int pp : {1, 15, 30, 40}) {
        QTest::newRow(qPrintable(QStringLiteral("power points %1").arg(pp)))
            << MoveTest([pp](const MoveRecord& m) { return m.movePowerPoints == pp; });
    }
}

void TestContentPaths::movePaths() {
    QFETCH(MoveTest, test);
    const Database& db = *ShippedDatabase().db;
    const std::set<int> shown = MovesShown(db);
    QVERIFY(std::any_of(shown.begin(), shown.end(),
                        [&](int m) { return test(db.moves[static_cast<size_t>(m)]); }));
}

// Counts the world's canon fixes: one legendary at the top of every stat, two secret species,
// two species with a full page of level moves, one that learns every TM.
void TestContentPaths::exactCounts_data() {
    QTest::addColumn<SpeciesTest>("test");
    QTest::addColumn<int>("expected");
    QTest::newRow("all six stats at 4") << SpeciesTest([](const SpeciesRecord& s) {
        return std::all_of(s.statLevel.begin(), s.statLevel.end(), [](int l) { return l == 4; });
    }) << 1;
    QTest::newRow("any stat at 4") << SpeciesTest([](const SpeciesRecord& s) {
        return std::any_of(s.statLevel.begin(), s.statLevel.end(), [](int l) { return l == 4; });
    }) << 1;
    QTest::newRow("secret") << SpeciesTest(IsSecret) << 2;
    QTest::newRow("twelve level moves")
        << SpeciesTest([](const SpeciesRecord& s) { return Used(s.levelMoveLevel) == 12; }) << 2;
    QTest::newRow("all fifty TMs")
        << SpeciesTest([](const SpeciesRecord& s) { return Used(s.tmMove) == kTmSlots; }) << 1;
}

void TestContentPaths::exactCounts() {
    QFETCH(SpeciesTest, test);
    QFETCH(int, expected);
    const Database& db = *ShippedDatabase().db;
    QCOMPARE(static_cast<int>(std::count_if(db.species.begin(), db.species.end(), test)), expected);
}

// The evolution page: a family that branches, one with all five steps, a baby numbered above
// the species it grows into, a final form, and a member that takes no part in a given step.
void TestContentPaths::familyPaths() {
    const Database& db = *ShippedDatabase().db;
    bool branches = false, fiveSteps = false, baby = false, finalForm = false, bystander = false;
    for (int i = 0; i < kSpeciesCount; ++i) {
        const SpeciesRecord& s = db.species[static_cast<size_t>(i)];
        const int steps = Used(s.evolutionFrom);
        if (steps == 0) {
            continue;
        }
        fiveSteps |= steps == kEvolutionSlots;
        std::map<int, int> fromCount;
        bool evolvesFurther = false;
        for (int k = 0; k < steps; ++k) {
            const int from = s.evolutionFrom[static_cast<size_t>(k)];
            const int to = s.evolutionTo[static_cast<size_t>(k)];
            branches |= ++fromCount[from] > 1;
            baby |= from > to;
            evolvesFurther |= from == i;
            bystander |= from != i && to != i;
        }
        finalForm |= !evolvesFurther;
    }
    QVERIFY(branches);
    QVERIFY(fiveSteps);
    QVERIFY(baby);
    QVERIFY(finalForm);
    QVERIFY(bystander);
}

QTEST_GUILESS_MAIN(TestContentPaths)
#include "test_content_paths.moc"
