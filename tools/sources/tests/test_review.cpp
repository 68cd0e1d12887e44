// The editorial warnings: each row plants one fault in a small, clean source set and names the
// warning it must raise (or none, for what looks like a fault but is not one).

#include <QtTest>
#include <functional>

#include "review.h"
#include "sources.h"

using namespace zentaloger::sources;

namespace {

using Plant = std::function<void(SourceSet&)>;

MoveSource Move(const QString& name, const QString& type, int power, int accuracy, int pp,
                const QString& effect = {}) {
    MoveSource m;
    m.name = {QStringLiteral("ПРИЁМ"), name};
    m.type = type;
    m.power = power;
    m.accuracy = accuracy;
    m.pp = pp;
    m.effect = effect;
    m.description = {QStringLiteral("Бьёт. Сильно."), QStringLiteral("Hits. Hard.")};
    m.where = {QStringLiteral("moves/test.toml"), 1};
    return m;
}

// Two species, one family step, three moves that each have a reason to exist and a page that
// shows them.
SourceSet CleanSet() {
    SourceSet set;
    set.moves = {Move(QStringLiteral("PLAIN BLOW"), QStringLiteral("WILD"), 50, 100, 20),
                 Move(QStringLiteral("GROWL"), QStringLiteral("WILD"), 0, 100, 20,
                      QStringLiteral("lowers attack")),
                 Move(QStringLiteral("FERRY"), QStringLiteral("TIDE"), 60, 95, 15,
                      QStringLiteral("may flinch"))};
    set.moves[2].description = {QStringLiteral("Бьёт. Также переправляет через реки."),
                                QStringLiteral("Hits. Also ferries travellers over rivers.")};
    set.hm[1] = QStringLiteral("FERRY");
    for (int n = 1; n <= 2; ++n) {
        SpeciesSource s;
        s.number = n;
        s.name = {QStringLiteral("ЗВЕРЬ"),
                  n == 1 ? QStringLiteral("PUP") : QStringLiteral("COPPERCOIL")};
        s.description = {QStringLiteral("Раз. Два."), QStringLiteral("One. Two.")};
        s.levelMoves = {{1, QStringLiteral("PLAIN BLOW"), {}}, {5, QStringLiteral("GROWL"), {}}};
        set.species.push_back(s);
    }
    set.families = {{{StepSource{1,
                                 2,
                                 QStringLiteral("level 10"),
                                 {QStringLiteral("С КАМНЕМ"), QStringLiteral("HOLDING A STONE")},
                                 {}}},
                     {}}};
    return set;
}

// A move some species learns, so it draws no "shown nowhere" warning of its own.
void AddLearned(SourceSet& set, const MoveSource& m) {
    set.moves.push_back(m);
    set.species[0].levelMoves.push_back({20, m.name.en, {}});
}

StepSource& Step(SourceSet& set) {
    return set.families[0].steps[0];
}

}  // namespace

Q_DECLARE_METATYPE(Plant)

class TestReview : public QObject {
    Q_OBJECT

  private slots:
    void warnings_data();
    void warnings();
    void sentenceCount_data();
    void sentenceCount();
};

void TestReview::warnings_data() {
    QTest::addColumn<Plant>("plant");
    QTest::addColumn<QString>("expected");  // the one warning's telling part; empty: none
    const auto row = [](const char* name, Plant p, const char* expected) {
        QTest::newRow(name) << p << QString::fromUtf8(expected);
    };
    const QString wild = QStringLiteral("WILD"), tide = QStringLiteral("TIDE");
    row(
        "the clean set", [](SourceSet&) {}, "");
    row(
        "a status move without an effect", [](SourceSet& s) { s.moves[1].effect.clear(); },
        "\"GROWL\" deals no damage and names no effect");
    row(
        "a status twin of another type",
        [=](SourceSet& s) {
            AddLearned(s, Move(QStringLiteral("SNARL"), tide, 0, 100, 20,
                               QStringLiteral("lowers attack")));
        },
        "\"SNARL\" has the numbers 0/100/20 and the effect of \"GROWL\"");
    row(
        "a damaging twin of the same type",
        [=](SourceSet& s) { AddLearned(s, Move(QStringLiteral("BUMP"), wild, 50, 100, 20)); },
        "\"BUMP\" has the numbers 50/100/20 and the effect of \"PLAIN BLOW\"");
    row(
        "the same numbers in another type are another choice",
        [=](SourceSet& s) { AddLearned(s, Move(QStringLiteral("SPLASH"), tide, 50, 100, 20)); },
        "");
    row(
        "the same effect with more power points",
        [=](SourceSet& s) {
            AddLearned(s, Move(QStringLiteral("SNARL"), wild, 0, 100, 25,
                               QStringLiteral("lowers attack")));
        },
        "\"GROWL\" (0/100/20) is outdone by \"SNARL\"");
    row(
        "a plain blow against a better one with a bonus",
        [=](SourceSet& s) {
            AddLearned(
                s, Move(QStringLiteral("SCORCH"), wild, 55, 100, 20, QStringLiteral("may burn")));
        },
        "\"PLAIN BLOW\" (50/100/20) is outdone by \"SCORCH\"");
    row(
        "a plain blow against a better one with a price",
        [=](SourceSet& s) {
            AddLearned(s, Move(QStringLiteral("RECKLESS"), wild, 55, 100, 20,
                               QStringLiteral("but recoil quarter")));
        },
        "");
    row(
        "a better blow of another type",
        [=](SourceSet& s) { AddLearned(s, Move(QStringLiteral("WAVE"), tide, 55, 100, 25)); }, "");
    row(
        "never missing outranks accuracy 100",
        [=](SourceSet& s) { AddLearned(s, Move(QStringLiteral("SURE BLOW"), wild, 50, 0, 20)); },
        "\"PLAIN BLOW\" (50/100/20) is outdone by \"SURE BLOW\"");
    row(
        "a move no page shows",
        [=](SourceSet& s) {
            s.moves.push_back(Move(QStringLiteral("LOST ART"), tide, 70, 90, 10));
        },
        "\"LOST ART\" is learned by no species and taught by no machine");
    row(
        "a move only a machine teaches",
        [=](SourceSet& s) {
            s.moves.push_back(Move(QStringLiteral("TAUGHT"), tide, 70, 90, 10));
            s.tm[1] = QStringLiteral("TAUGHT");
        },
        "");
    row(
        "descriptions two sentences apart",
        [](SourceSet& s) {
            s.species[1].description.en = QStringLiteral("One. Two! Three. Four.");
        },
        "the English description has 4 sentences and the Russian 2");
    row(
        "descriptions one sentence apart",
        [](SourceSet& s) { s.species[1].description.ru = QStringLiteral("Раз и два."); }, "");
    row(
        "a field use without «также»",
        [](SourceSet& s) {
            s.moves[2].description.ru = QStringLiteral("Бьёт. Переправляет через реки.");
        },
        "\"FERRY\": the English \"Also\"");
    row(
        "a field use said with «ещё»",
        [](SourceSet& s) {
            s.moves[2].description.ru = QStringLiteral("Бьёт. Ещё переправляет через реки.");
        },
        "");
    row(
        "using an item on a level",
        [](SourceSet& s) { Step(s).hold.en = QStringLiteral("USING A STONE"); },
        "\"USING\" takes no condition");
    row(
        "using an item alone",
        [](SourceSet& s) {
            Step(s).condition.clear();
            Step(s).hold.en = QStringLiteral("USING A STONE");
        },
        "");
    row(
        "holding an item with no trigger", [](SourceSet& s) { Step(s).condition.clear(); },
        "a held item needs a trigger");
    row(
        "an item without an article",
        [](SourceSet& s) { Step(s).hold.en = QStringLiteral("HOLDING STONE"); },
        "the item in \"HOLDING STONE\" has no article");
    row(
        "an item that spells a species",
        [](SourceSet& s) { Step(s).hold.en = QStringLiteral("HOLDING A COPPER COIL"); },
        "\"HOLDING A COPPER COIL\" spells the species COPPERCOIL");
    row(
        "a time of day needs no article",
        [](SourceSet& s) { Step(s).hold.en = QStringLiteral("AT DUSK"); }, "");
}

void TestReview::warnings() {
    QFETCH(Plant, plant);
    QFETCH(QString, expected);
    SourceSet set = CleanSet();
    plant(set);
    QStringList got;
    for (const Diagnostic& d : Review(set)) {
        got << d.ToString();
    }
    if (expected.isEmpty()) {
        QVERIFY2(got.isEmpty(), qPrintable(got.join(u'\n')));
    } else {
        QCOMPARE(got.size(), 1);
        QVERIFY2(got[0].contains(expected), qPrintable(got[0]));
    }
}

void TestReview::sentenceCount_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("one sentence") << QStringLiteral("It hums.") << 1;
    QTest::newRow("no closing mark") << QStringLiteral("It hums") << 0;
    QTest::newRow("an exclamation") << QStringLiteral("It hums! It sings.") << 2;
    QTest::newRow("an ellipsis is one end") << QStringLiteral("It waits... It hums.") << 2;
    QTest::newRow("a decimal point is no end") << QStringLiteral("It weighs 2.5 stone.") << 1;
    QTest::newRow("Russian with a dash") << QStringLiteral("Гудит — и поёт. Всегда.") << 2;
}

void TestReview::sentenceCount() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(SentenceCount(text), count);
}

QTEST_GUILESS_MAIN(TestReview)
#include "test_review.moc"
