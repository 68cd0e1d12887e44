// The detail pages through the real window over the synthetic test database: statistics bars,
// the page switch, the edition marks, and the evolution page with its bar and its jumps.
// Species of the test database: stat levels 1 + (index + stat) % 3 (index 249: all 4);
// 1 + index % 6 editions (the last two: "UNKNOWN"); families of three for indices 0..89
// (steps "LEVEL 10", then "LEVEL 20" with hold "AT NIGHT"), 90 branching to 91 and 92, the
// rest alone.
#include <QRandomGenerator>
#include <QtTest>

#include "detailpages.h"
#include "evolution.h"
#include "fixture.h"
#include "layout.h"

using namespace zentaloger;
using namespace zentaloger::testing;
using toolkit::Label;

namespace {

const char* const kTabs[] = {"lblSTATISTICS", "lblDESCRIPTION", "lblEVOLUTION",
                             "lblMOVES",      "lblTM",          "lblHM"};
const char* const kFrames[] = {"fraSTATISTICS", "fraDESCRIPTION", "fraEVOLUTION",
                               "fraMOVES",      "fraTM",          "fraHM"};
const QColor kSelectionBack(0xFFFF00), kEntryBack(0x800000), kWhite(0xFFFFFF);

QStringList Captions(const Window& w, const char* name, int count) {
    QStringList captions;
    for (int i = 0; i < count; ++i) {
        captions << w.label(name, i)->caption();
    }
    return captions;
}

// The indices of the entries that show, and of those in the selection colours.
QList<int> Shown(const Window& w, const char* name, int count) {
    QList<int> shown;
    for (int i = 0; i < count; ++i) {
        if (!w.label(name, i)->isHidden()) {
            shown << i;
        }
    }
    return shown;
}
QList<int> Chosen(const Window& w, const char* name, int count) {
    QList<int> chosen;
    for (int i = 0; i < count; ++i) {
        if (w.label(name, i)->backColor() == kSelectionBack) {
            chosen << i;
        }
    }
    return chosen;
}

}  // namespace

class TestPages : public QObject {
    Q_OBJECT

  private slots:
    // Every species' bars as the grabbed window shows them: segment i of a row in its colour
    // when the row's level reaches 3 - i, the page's white otherwise.
    void statisticsBarsFollowTheLevels() {
        Window w;
        const QColor colours[] = {QColor(0x00FF00), QColor(0x00C000), QColor(0x008000)};
        for (int number = 1; number <= kSpeciesCount; ++number) {
            w.show(number);
            const QImage image = w.form->grab().toImage();
            for (int row = 0; row < kStatCount; ++row) {
                const int level = w.db->species[number - 1].statLevel[row];
                for (int i = 0; i < 3; ++i) {
                    // The segment's middle: frame (8, 224) + segment (154 + 30 i, 4 + 12 row).
                    const QPoint at(8 + 154 + 30 * i + 14, 224 + 4 + 12 * row + 4);
                    const QColor want = level >= 3 - i ? colours[i] : kWhite;
                    QVERIFY2(image.pixelColor(at) == want,
                             qPrintable(QStringLiteral("species %1 row %2 segment %3 level %4")
                                            .arg(number)
                                            .arg(row)
                                            .arg(i)
                                            .arg(level)));
                }
            }
        }
    }

    // After any sequence of tab clicks: one frame, one chosen tab, exactly the non-empty
    // entries of the open page and none of another page's.
    void pageSwitchKeepsOnePageOpen() {
        Window w;
        w.show(1);  // entries on every page: 2 steps, 1 level move, no TM or HM
        QRandomGenerator random(20261208);
        const std::pair<const char*, int> entries[] = {{"lblEVOLUTION_EVOLUTION", 5},
                                                       {"lblMOVES_LEVEL", 12},
                                                       {"lblMOVES_MOVE", 12},
                                                       {"lblTM_TM", 50},
                                                       {"lblHM_HM", 7}};
        const int pageOfEntries[] = {2, 3, 3, 4, 5};
        for (int event = 0; event < 60; ++event) {
            const int page = random.bounded(6);
            w.clickLabel(kTabs[page]);
            const QString where = QStringLiteral("event %1, page %2").arg(event).arg(page);
            for (int p = 0; p < 6; ++p) {
                QVERIFY2(w.get<toolkit::Frame>(kFrames[p])->isHidden() == (p != page),
                         qPrintable(where));
                QVERIFY2((w.label(kTabs[p])->backColor() == kSelectionBack) == (p == page),
                         qPrintable(where));
            }
            for (int g = 0; g < 5; ++g) {
                for (int i = 0; i < entries[g].second; ++i) {
                    const Label* entry = w.label(entries[g].first, i);
                    const bool show = pageOfEntries[g] == page && !entry->caption().isEmpty();
                    QVERIFY2(entry->isHidden() != show, qPrintable(where));
                }
            }
        }
    }

    // The marks of one species: shown marks with their colour and tooltip, hidden ones.
    void editionMarks_data() {
        QTest::addColumn<int>("before");  // shown first, 0 for none
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("marks");  // six tooltips, "" for a hidden mark
        const QString k = "ZENTARI KALO", m = "ZENTARI MIRU", t = "ZENTARI TAVI",
                      s = "ZENTARI SONE", p = "ZENTARI PELA", d = "ZENTARI DURO";
        // Species index i lists 1 + i % 6 editions, entry e being edition (i + e) % 6.
        QTest::newRow("six editions in database order") << 0 << 12 << QStringList{d, k, m, t, s, p};
        QTest::newRow("one edition") << 0 << 1 << QStringList{"", "", "", "", "", k};
        QTest::newRow("unknown") << 0 << 251 << QStringList{"", "", "", "", "", "UNKNOWN"};
        QTest::newRow("six, then three") << 12 << 9 << QStringList{"", "", "", t, s, p};
        QTest::newRow("three, then six") << 9 << 12 << QStringList{d, k, m, t, s, p};
    }
    void editionMarks() {
        QFETCH(int, before);
        QFETCH(int, number);
        QFETCH(QStringList, marks);
        const QHash<QString, QColor> colours{{"ZENTARI KALO", 0xFFFF00}, {"ZENTARI MIRU", 0xFF0000},
                                             {"ZENTARI TAVI", 0x0000FF}, {"ZENTARI SONE", 0xFF8000},
                                             {"ZENTARI PELA", 0x808080}, {"ZENTARI DURO", 0xFFFFFF},
                                             {"UNKNOWN", 0x000000}};
        Window w;
        if (before) {
            w.show(before);
        }
        w.show(number);
        for (int language : {1, 0}) {  // a language switch leaves the marks alone
            w.clickLabel("lblLANG", language);
            const QImage image = w.form->grab().toImage();
            for (int i = 0; i < 6; ++i) {
                const Label* mark = w.label("lblVERSION", i);
                QCOMPARE(mark->isHidden(), marks[i].isEmpty());
                if (!marks[i].isEmpty()) {
                    QCOMPARE(mark->toolTip(), marks[i]);
                    QCOMPARE(image.pixelColor(160 + 16 * i + 4, 204), colours[marks[i]]);
                }
            }
        }
    }

    // The evolution page of one species, in English.
    void evolution_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("entries");  // captions of the shown entries
        QTest::addColumn<int>("chosen");           // -1: the final form
        QTest::addColumn<QList<int>>("pictures");  // left, right (0: none)
        QTest::addColumn<QStringList>("lines");    // left name, right name, condition, hold
        const auto n = [](int number) { return TestSpeciesNameOf(number); };
        const QString arrow = "   --->   ";
        QTest::newRow("no steps") << 100 << QStringList() << -1 << QList<int>{600, 0}
                                  << QStringList{LabelOf(100, 1), "", "FINAL FORM", ""};
        const QStringList family{n(1) + arrow + n(2), n(2) + arrow + n(3)};
        QTest::newRow("base of a family")
            << 1 << family << 0 << QList<int>{501, 502}
            << QStringList{LabelOf(1, 1), LabelOf(2, 1), "LEVEL 10", ""};
        QTest::newRow("middle stage")
            << 2 << family << 1 << QList<int>{502, 503}
            << QStringList{LabelOf(2, 1), LabelOf(3, 1), "LEVEL 20", "AT NIGHT"};
        QTest::newRow("last of a chain") << 3 << family << -1 << QList<int>{503, 0}
                                         << QStringList{LabelOf(3, 1), "", "FINAL FORM", ""};
        QTest::newRow("branching, the first step")
            << 91 << QStringList{n(91) + arrow + n(92), n(91) + arrow + n(93)} << 0
            << QList<int>{591, 592} << QStringList{LabelOf(91, 1), LabelOf(92, 1), "LEVEL 10", ""};
        QTest::newRow("a baby numbered above its target")
            << 151 << QStringList{n(151) + arrow + n(150)} << 0 << QList<int>{651, 650}
            << QStringList{LabelOf(151, 1), LabelOf(150, 1), "LEVEL 10", ""};
    }
    void evolution() {
        QFETCH(int, number);
        QFETCH(QStringList, entries);
        QFETCH(int, chosen);
        QFETCH(QList<int>, pictures);
        QFETCH(QStringList, lines);
        Window w(WithBaby);
        w.clickLabel("lblEVOLUTION");
        w.show(number);
        QCOMPARE(Captions(w, "lblEVOLUTION_EVOLUTION", 5).mid(0, entries.size()), entries);
        QCOMPARE(Shown(w, "lblEVOLUTION_EVOLUTION", 5).size(), entries.size());
        QCOMPARE(Chosen(w, "lblEVOLUTION_EVOLUTION", 5),
                 chosen < 0 ? QList<int>() : QList<int>{chosen});
        QCOMPARE(w.get<toolkit::Image>("imgEVOLUTION_ZENTARI", 0)->pictureNumber(), pictures[0]);
        QCOMPARE(w.get<toolkit::Image>("imgEVOLUTION_ZENTARI", 1)->pictureNumber(), pictures[1]);
        QCOMPARE((QStringList{w.label("lblEVOLUTION_NAME", 0)->caption(),
                              w.label("lblEVOLUTION_NAME", 1)->caption(),
                              w.label("lblEVOLUTION_CONDITION")->caption(),
                              w.label("lblEVOLUTION_HOLD")->caption()}),
                 lines);
        // In Russian the final form says so in Russian.
        w.clickLabel("lblLANG", 0);
        if (chosen < 0) {
            QCOMPARE(w.label("lblEVOLUTION_CONDITION")->caption(), u"КОНЕЧНАЯ ФОРМА"_qs);
        }
    }

    // A click on another entry changes the details only; a language switch keeps it chosen
    // and shows its condition in the new language.
    void chosenEntrySurvivesTheLanguage() {
        Window w;
        w.clickLabel("lblEVOLUTION");
        w.show(1);
        const int topRow = w.view.topRow, selectedRow = w.view.selectedRow;
        w.clickLabel("lblEVOLUTION_EVOLUTION", 1);
        QCOMPARE(Chosen(w, "lblEVOLUTION_EVOLUTION", 5), QList<int>{1});
        QCOMPARE(w.label("lblEVOLUTION_HOLD")->caption(), u"AT NIGHT"_qs);
        QCOMPARE(w.shownNumber(), 1);
        QCOMPARE(std::pair(w.view.topRow, w.view.selectedRow), std::pair(topRow, selectedRow));
        w.clickLabel("lblLANG", 0);
        QCOMPARE(Chosen(w, "lblEVOLUTION_EVOLUTION", 5), QList<int>{1});
        QCOMPARE(w.label("lblEVOLUTION_CONDITION")->caption(), u"УРОВЕНЬ 20"_qs);
        QCOMPARE(w.label("lblEVOLUTION_HOLD")->caption(), u"НОЧЬЮ"_qs);
        QCOMPARE(w.label("lblEVOLUTION_NAME", 0)->caption(), LabelOf(2, 0));
    }

    // The bright segment moves one place right each tick, whatever page is open; the grabbed
    // window shows it once the evolution page is opened.
    void barCycles() {
        Window w;
        auto* timer = w.get<toolkit::Timer>("tEVOLUTION");
        QVERIFY(timer->enabled());
        QCOMPARE(timer->interval(), 120);
        const QColor bright(0x00FF00), mid(0x00C000), dark(0x008000);
        const QList<QList<QColor>> cycle{
            {dark, bright, mid}, {mid, dark, bright}, {bright, mid, dark}, {dark, bright, mid}};
        for (const QList<QColor>& want : cycle) {
            timer->tick();
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(w.get<toolkit::Shape>("shpEVOLUTION_BAR", i)->backColor(), want[i]);
            }
        }
        w.clickLabel("lblEVOLUTION");
        const QImage image = w.form->grab().toImage();
        for (int i = 0; i < 3; ++i) {  // frame (8, 224) + segment (80 + 30 i, 30)
            QCOMPARE(image.pixelColor(8 + 80 + 30 * i + 14, 224 + 30 + 4), cycle[3][i]);
        }
        QCOMPARE(pages::NextBarFills({0x123456, 1, 2}), (std::array<QRgb, 3>{0x123456, 1, 2}));
    }

    // Where the list stands after a jump: on the selected line if there is one, else the
    // first line when the row lies above the page, else the last; clamped to 1..236.
    void topRowAfterJump_data() {
        QTest::addColumn<int>("topRow");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("want");
        QTest::newRow("keeps the selected line") << 20 << 23 << 2 << 21;
        QTest::newRow("selected line, raised to 1") << 1 << 3 << 5 << 1;
        QTest::newRow("selected line, lowered to 236") << 230 << 251 << 0 << 236;
        QTest::newRow("none selected, above the page: first line") << 40 << 23 << -1 << 23;
        QTest::newRow("none selected, below: last line") << 1 << 23 << -1 << 8;
        QTest::newRow("none selected, on the page: last line") << 10 << 20 << -1 << 5;
        QTest::newRow("none selected, the page's first row: last line") << 23 << 23 << -1 << 8;
        QTest::newRow("none selected, raised to 1") << 2 << 5 << -1 << 1;
        QTest::newRow("none selected, the last row") << 1 << 251 << -1 << 236;
    }
    void topRowAfterJump() {
        QFETCH(int, topRow);
        QFETCH(int, selectedRow);
        QFETCH(int, line);
        QTEST(pages::TopRowAfterJump(topRow, selectedRow, line), "want");
    }

    // A click on a small picture brings its species to the card and the list, in the window.
    void jump_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("number");   // the species on the card, shown first
        QTest::addColumn<int>("topRow");   // then the list scrolled here
        QTest::addColumn<int>("picture");  // then this picture clicked
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("wantTop");
        QTest::addColumn<int>("wantLine");
        // Species 22 starts the step 22 -> 23 (rows as numbers in the numerical order).
        QTest::newRow("selected line keeps its place") << 0 << 22 << 20 << 1 << 23 << 21 << 2;
        QTest::newRow("left picture stays put") << 0 << 22 << 20 << 0 << 22 << 20 << 2;
        QTest::newRow("no line selected, row above the page")
            << 0 << 22 << 40 << 1 << 23 << 23 << 0;
        QTest::newRow("no line selected, row below the page") << 0 << 22 << 1 << 1 << 23 << 8 << 15;
        // English alphabetical: species n stands on row ((n - 101) mod 251) + 1.
        QTest::newRow("alphabetical order") << 2 << 22 << 170 << 1 << 23 << 171 << 3;
    }
    void jump() {
        QFETCH(int, order);
        QFETCH(int, number);
        QFETCH(int, topRow);
        QFETCH(int, picture);
        QFETCH(int, target);
        Window w;
        w.clickLabel("lblEVOLUTION");
        w.clickOrder(order);
        w.show(number);
        w.scrollTo(topRow);
        QTest::mouseClick(w.get<toolkit::Image>("imgEVOLUTION_ZENTARI", picture), Qt::LeftButton);
        QTEST(w.view.topRow, "wantTop");
        QTEST(w.list()->listIndex(), "wantLine");
        QCOMPARE(w.shownNumber(), target);
    }

    void rightPictureOfAFinalFormDoesNothing() {
        Window w;
        w.clickLabel("lblEVOLUTION");
        w.show(100);
        w.scrollTo(50);
        const ViewState before = w.view;
        QTest::mouseClick(w.get<toolkit::Image>("imgEVOLUTION_ZENTARI", 1), Qt::LeftButton);
        QCOMPARE(w.view.topRow, before.topRow);
        QCOMPARE(w.view.selectedRow, before.selectedRow);
        QCOMPARE(w.shownNumber(), 100);
    }

  private:
    static QString TestSpeciesNameOf(int number) {
        return testdata::TestSpeciesName(number - 1, 1);
    }
    // Species 151 becomes the baby of 150: one step from index 150 to index 149 in both.
    static void WithBaby(std::vector<QString>& f) {
        for (int s : {149, 150}) {
            f[EvolutionFromField(s, 0) - 1] = u"150"_qs;
            f[EvolutionToField(s, 0) - 1] = u"149"_qs;
            f[EvolutionFromField(s, 0) + 1] = u"УРОВЕНЬ 10"_qs;
            f[EvolutionFromField(s, 0) + 2] = u"LEVEL 10"_qs;
        }
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
