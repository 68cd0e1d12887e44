// The shipped content must keep every display path of the viewer alive: each row names a kind
// of data that some page shows in its own way, and the shipped sources must hold at least one
// instance of it (or, where the world's canon fixes it, exactly so many). An edit that
// silently removes the last one fails here. And `zentadata check` names exactly the convention
// broken in a copy of it (that the shipped content breaks none, test_commandline shows).

#include <QtTest>
#include <functional>
#include <set>
#include <type_traits>

#include "database/database.h"
#include "database/layout.h"
#include "database/writer.h"
#include "tools/sources/check.h"
#include "tools/sources/compile.h"
#include "tools/sources/sources.h"

using namespace zentaloger;
using namespace zentaloger::sources;

namespace {

// How many species (or moves some species shows) are of the row's kind.
using Count = std::function<int(const Database&)>;

// The sources exactly as the build compiles them: their fields, empty when they do not compile.
const std::vector<QString>& ShippedFields() {
    static const std::vector<QString> fields = [] {
        const CompileResult compiled = Compile(ReadSources(QStringLiteral(ZENTALOGER_SOURCES)));
        if (!compiled.errors.empty()) {
            qWarning("%s", qPrintable(compiled.errors.front().ToString()));
        }
        return compiled.fields;
    }();
    return fields;
}

// The shipped fields loaded by the viewer's loader.
const Database* Shipped() {
    static const std::unique_ptr<Database> db =
        ShippedFields().empty() ? nullptr : LoadDatabase(EncodeResource(ShippedFields()));
    return db.get();
}

void SwapFields(std::vector<QString>& f, int a, int b) {
    std::swap(f[static_cast<size_t>(a - 1)], f[static_cast<size_t>(b - 1)]);
}

template <size_t N>
int Used(const std::array<Number, N>& entries) {
    return static_cast<int>(
        std::count_if(entries.begin(), entries.end(), [](Number m) { return m >= 0; }));
}
template <typename Range, typename Value>
bool Holds(const Range& range, Value value) {
    return std::find(range.begin(), range.end(), value) != range.end();
}
bool IsSecret(const SpeciesRecord& s) {
    return s.editionInfo[6].toInt() == 0 && s.editionInfo[0] == QLatin1String("UNKNOWN");
}

// Species that pass `test`, given the record, or the record and its index.
template <typename Test>
Count Species(Test test) {
    return [test](const Database& db) {
        int count = 0;
        for (int i = 0; i < kSpeciesCount; ++i) {
            if constexpr (std::is_invocable_v<Test, const SpeciesRecord&, int>) {
                count += test(db.species[static_cast<size_t>(i)], i) ? 1 : 0;
            } else {
                count += test(db.species[static_cast<size_t>(i)]) ? 1 : 0;
            }
        }
        return count;
    };
}
// Moves that pass `test` among those some species shows, by level or by machine.
Count Moves(std::function<bool(const MoveRecord&)> test) {
    return [test](const Database& db) {
        std::set<int> shown;
        for (const SpeciesRecord& s : db.species) {
            for (int k = 0; k < kLevelMoveSlots; ++k) {
                shown.insert(s.levelMoveLevel[k] >= 0 ? s.levelMoveMove[k] : -1);
            }
            shown.insert(s.tmMove.begin(), s.tmMove.end());
            shown.insert(s.hmMove.begin(), s.hmMove.end());
        }
        shown.erase(-1);
        return static_cast<int>(std::count_if(shown.begin(), shown.end(), [&](int m) {
            return test(db.moves[static_cast<size_t>(m)]);
        }));
    };
}
// Whether one of the species' steps passes `test`.
bool Steps(const SpeciesRecord& s, const std::function<bool(int from, int to)>& test) {
    for (int k = 0; k < Used(s.evolutionFrom); ++k) {
        if (test(s.evolutionFrom[k], s.evolutionTo[k])) {
            return true;
        }
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(Count)

class TestContentPaths : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(Shipped()); }

    void paths_data() {
        QTest::addColumn<Count>("count");
        QTest::addColumn<int>("expected");  // -1: at least one
        const auto row = [](const QString& name, const Count& count, int expected = -1) {
            QTest::newRow(qPrintable(name)) << count << expected;
        };
        using S = const SpeciesRecord&;
        using M = const MoveRecord&;
        // clang-format off
        row("no TM", Species([](S s) { return Used(s.tmMove) == 0; }));
        row("all fifty TMs", Species([](S s) { return Used(s.tmMove) == kTmSlots; }), 1);
        row("no HM", Species([](S s) { return Used(s.hmMove) == 0; }));
        row("all seven HMs", Species([](S s) { return Used(s.hmMove) == kHmSlots; }));
        row("one level move", Species([](S s) { return Used(s.levelMoveLevel) == 1; }));
        row("twelve level moves", Species([](S s) { return Used(s.levelMoveLevel) == 12; }), 2);
        row("a move at level 0", Species([](S s) { return Holds(s.levelMoveLevel, 0); }));
        row("one type", Species([](S s) { return !s.typeLabel[1].contains(u'/'); }));
        row("two types", Species([](S s) { return s.typeLabel[1].contains(u'/'); }));
        for (int n = 1; n <= 6; ++n) {
            row(QStringLiteral("%1 edition(s)").arg(n),
                Species([n](S s) { return !IsSecret(s) && s.editionInfo[6].toInt() + 1 == n; }));
        }
        row("UNKNOWN edition", Species(IsSecret), 2);
        for (int level = 1; level <= 3; ++level) {
            row(QStringLiteral("a stat at level %1").arg(level),
                Species([level](S s) { return Holds(s.statLevel, level); }));
        }
        row("a stat at level 4", Species([](S s) { return Holds(s.statLevel, 4); }), 1);
        row("all six stats at 4",
            Species([](S s) { return std::count(s.statLevel.begin(), s.statLevel.end(), 4) == 6; }),
            1);
        // The evolution page: one alone, a family that branches, one with all five steps, a
        // baby numbered above the species it grows into, a final form, and a member that
        // takes no part in a given step.
        row("stands alone", Species([](S s) { return s.evolutionFrom[0] < 0; }));
        row("branches", Species([](S s) { return Steps(s, [&](int from, int to) {
            return Steps(s, [&](int f, int t) { return f == from && t != to; }); }); }));
        row("five steps", Species([](S s) { return Used(s.evolutionFrom) == kEvolutionSlots; }));
        row("a baby", Species([](S s) { return Steps(s, std::greater<int>()); }));
        row("a final form", Species([](S s, int i) {
            return s.evolutionFrom[0] >= 0 && !Steps(s, [i](int from, int) { return from == i; });
        }));
        row("a bystander", Species([](S s, int i) {
            return Steps(s, [i](int from, int to) { return from != i && to != i; }); }));
        // The move panel's steps: the power bar's, and the accuracy and power-point extremes
        // (16 and 31 power points are not values a move can have, so 15 and 30 are the edges).
        const std::tuple<const char*, Number MoveRecord::*, QList<int>> bars[] = {
            {"power", &MoveRecord::movePower, {0, 50, 51, 75, 76, 100, 101, 250}},
            {"accuracy", &MoveRecord::moveAccuracy, {0, 100}},
            {"power points", &MoveRecord::movePowerPoints, {1, 15, 30, 40}}};
        for (const auto& [name, field, values] : bars) {
            for (int v : values) {
                const auto member = field;  // a structured binding cannot be captured (C++20)
                row(QStringLiteral("%1 %2").arg(name).arg(v),
                    Moves([=](M m) { return m.*member == v; }));
            }
        }
        row("power above 101", Moves([](M m) { return m.movePower > 101; }));
        // clang-format on
    }
    void paths() {
        QFETCH(Count, count);
        QFETCH(int, expected);
        const int found = count(*Shipped());
        QVERIFY2(expected < 0 ? found > 0 : found == expected, qPrintable(QString::number(found)));
    }

    void checkNamesTheProblem_data() {
        using Edit = std::function<void(std::vector<QString>&)>;
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("last two moves out of order") << Edit([](auto& f) {
            for (int k = 1; k <= kMoveFields; ++k) {
                SwapFields(f, MoveField(248, k), MoveField(249, k));
            }
        }) << QStringList{"move 249 is not in ascending order of English names"};
        QTest::newRow("English alphabetical rows out of order") << Edit([](auto& f) {
            SwapFields(f, ListLabelField(100, 1, 2), ListLabelField(101, 1, 2));
        }) << QStringList{"alphabetical row 101 is out of order in language 1"};
        QTest::newRow("Russian alphabetical rows out of order") << Edit([](auto& f) {
            SwapFields(f, ListLabelField(0, 0, 2), ListLabelField(1, 0, 2));
        }) << QStringList{"alphabetical row 1 is out of order in language 0"};
    }
    void checkNamesTheProblem() {
        QFETCH(std::function<void(std::vector<QString>&)>, edit);
        std::vector<QString> fields = ShippedFields();
        edit(fields);
        QTEST(CheckResource(EncodeResource(fields)).problems, "problems");
    }
};

QTEST_GUILESS_MAIN(TestContentPaths)
#include "test_content_paths.moc"
