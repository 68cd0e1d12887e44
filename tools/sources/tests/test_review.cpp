// The editorial warnings: each row plants one fault in a small, clean source set and names the
// warning it must raise (or none, for what looks like a fault but is not one).

#include <QtTest>
#include <functional>

#include "tools/sources/review.h"
#include "tools/sources/sources.h"

using namespace zentaloger::sources;

namespace {

using Plant = std::function<void(SourceSet&)>;

MoveSource Move(const char* name, const char* type, int power, int accuracy, int pp,
                const char* effect = "") {
    MoveSource m;
    m.name = {u"ПРИЁМ"_qs, QString::fromLatin1(name)};
    m.type = QString::fromLatin1(type);
    m.power = power;
    m.accuracy = accuracy;
    m.pp = pp;
    m.effect = QString::fromLatin1(effect);
    m.description = {u"Бьёт. Сильно."_qs, u"Hits. Hard."_qs};
    m.where = {u"moves/test.toml"_qs, 1};
    return m;
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

class TestReview : public QObject {
    Q_OBJECT

  private slots:
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

QTEST_GUILESS_MAIN(TestReview)
#include "test_review.moc"
